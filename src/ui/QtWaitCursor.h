#pragma once

#include "platform/WaitCursor.h"

namespace kip::ui {

// The wait cursor over the whole program while a long scan runs; nested scopes restore in order.
class QtWaitCursor : public platform::WaitCursor {
public:
    void begin() override;
    void end() override;
};

} // namespace kip::ui
