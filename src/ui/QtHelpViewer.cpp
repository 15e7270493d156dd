#include "ui/QtHelpViewer.h"

#include "ui/HelpWindow.h"

#include <QApplication>

namespace kip::ui {

void QtHelpViewer::showTopic(const std::string& topic) {
    HelpWindow::showTopic(topic, QApplication::activeWindow());
}

} // namespace kip::ui
