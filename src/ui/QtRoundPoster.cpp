#include "ui/QtRoundPoster.h"

#include <QMetaObject>

namespace kip::ui {

void QtRoundPoster::postLines(std::vector<stats::RoundLine> lines) {
    QMetaObject::invokeMethod(
        receiver_, [this, lines = std::move(lines)]() mutable { onLines_(std::move(lines)); },
        Qt::QueuedConnection);
}

void QtRoundPoster::postDone() {
    QMetaObject::invokeMethod(
        receiver_, [this] { onDone_(); }, Qt::QueuedConnection);
}

} // namespace kip::ui
