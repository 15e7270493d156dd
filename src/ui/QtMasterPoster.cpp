#include "ui/QtMasterPoster.h"

#include <QMetaObject>

namespace kip::ui {

void QtMasterPoster::postGroup(manage::MasterGroup group) {
    QMetaObject::invokeMethod(
        receiver_, [this, group = std::move(group)]() mutable { onGroup_(std::move(group)); },
        Qt::QueuedConnection);
}

void QtMasterPoster::postEnd() {
    QMetaObject::invokeMethod(
        receiver_, [this] { onEnd_(); }, Qt::QueuedConnection);
}

} // namespace kip::ui
