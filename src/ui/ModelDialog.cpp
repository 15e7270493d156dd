#include "ui/ModelDialog.h"

#include "platform/DialogHost.h"
#include "ui/HelpWindow.h"

namespace kip::ui {

ModelDialog::ModelDialog(QWidget* parent, const QString& title, QString helpTopic)
    : QDialog(parent), helpTopic_(std::move(helpTopic)) {
    setWindowTitle(title);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void ModelDialog::reject() {
    done(platform::dialogCancel);
}

void ModelDialog::showHelp() {
    HelpWindow::showTopic(helpTopic_.toStdString(), this);
}

} // namespace kip::ui
