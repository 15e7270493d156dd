#include "ui/ModelDialog.h"

#include "platform/DialogHost.h"
#include "ui/DialogParts.h"
#include "ui/HelpWindow.h"
#include "ui/WindowFit.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>

namespace kip::ui {

ModelDialog::ModelDialog(QWidget* parent, const QString& title, QString helpTopic)
    : QDialog(parent), helpTopic_(std::move(helpTopic)) {
    setWindowTitle(title);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void ModelDialog::reject() {
    done(platform::dialogCancel);
}

void ModelDialog::done(int result) {
    if (placeName_ && isVisible())
        rememberPlace(*this, placeName_);
    QDialog::done(result);
}

void ModelDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event); // centres the dialog over its parent
    if (event->spontaneous())
        return;
    bool maximized = false;
    if (!placed_ && placeName_)
        maximized = restorePlace(*this, placeName_);
    placed_ = true;
    scrollWhenTooLarge(*this);
    keepOnScreen(*this);
    if (maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
    focusFirstField(*this);
}

void ModelDialog::showHelp() {
    HelpWindow::showTopic(helpTopic_.toStdString(), this);
}

QHBoxLayout* ModelDialog::defaultCancelHelpRow(const char* text, const char* name,
                                               std::function<void()> pressed) {
    auto* main = button(text, name, this);
    main->setDefault(true);
    auto* cancel = button("Cancel", "cancel", this);
    auto* help = button("Help", "help", this);
    connect(main, &QPushButton::clicked, this, std::move(pressed));
    connect(cancel, &QPushButton::clicked, this, &ModelDialog::reject);
    connect(help, &QPushButton::clicked, this, &ModelDialog::showHelp);
    return buttonRow({main, cancel, help});
}

} // namespace kip::ui
