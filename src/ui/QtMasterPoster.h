#pragma once
// Carries the master loader's messages to the interface thread through the Qt event queue: each one
// is queued for the receiving object and handled there in order. Messages for a receiver that has
// gone are dropped by Qt.

#include "manage/MasterLoader.h"

#include <QObject>
#include <QPointer>

#include <functional>

namespace kip::ui {

class QtMasterPoster : public manage::MasterPoster {
public:
    QtMasterPoster(QObject* receiver, std::function<void(manage::MasterGroup)> onGroup,
                   std::function<void()> onEnd)
        : receiver_(receiver), onGroup_(std::move(onGroup)), onEnd_(std::move(onEnd)) {}

    void postGroup(manage::MasterGroup group) override;
    void postEnd() override;

private:
    QObject* receiver_; // only named as the context of queued calls, never touched off its thread
    std::function<void(manage::MasterGroup)> onGroup_;
    std::function<void()> onEnd_;
};

} // namespace kip::ui
