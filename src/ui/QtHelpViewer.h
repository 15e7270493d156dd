#pragma once

#include "app/HelpViewer.h"

namespace kip::ui {

// Help topics in the program's help window, placed beside the active window.
class QtHelpViewer : public app::HelpViewer {
public:
    void showTopic(const std::string& topic) override;
};

} // namespace kip::ui
