#include "ui/QtWaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace kip::ui {

void QtWaitCursor::begin() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void QtWaitCursor::end() {
    QGuiApplication::restoreOverrideCursor();
}

} // namespace kip::ui
