#include "ui/QtPrompter.h"

#include <QMessageBox>

namespace kip::ui {
namespace {

QMessageBox::Icon iconOf(platform::Icon icon) {
    switch (icon) {
    case platform::Icon::Information:
        return QMessageBox::Information;
    case platform::Icon::Question:
        return QMessageBox::Question;
    case platform::Icon::Warning:
        return QMessageBox::Warning;
    case platform::Icon::Error:
        return QMessageBox::Critical;
    case platform::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(platform::Buttons buttons) {
    switch (buttons) {
    case platform::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case platform::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case platform::Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

platform::Answer answerOf(int button, platform::Buttons buttons) {
    switch (button) {
    case QMessageBox::Ok:
        return platform::Answer::Ok;
    case QMessageBox::Yes:
        return platform::Answer::Yes;
    case QMessageBox::No:
        return platform::Answer::No;
    default:
        // Closing the box with Escape or the window button answers the negative choice.
        return buttons == platform::Buttons::YesNo ? platform::Answer::No
               : buttons == platform::Buttons::Ok  ? platform::Answer::Ok
                                                   : platform::Answer::Cancel;
    }
}

} // namespace

platform::Answer QtPrompter::show(const platform::Message& message) {
    QMessageBox box(iconOf(message.icon), QString::fromStdString(message.caption),
                    QString::fromStdString(message.text), buttonsOf(message.buttons), parent_.data());
    box.setObjectName("kipMessageBox");
    if (message.buttons == platform::Buttons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    return answerOf(box.exec(), message.buttons);
}

} // namespace kip::ui
