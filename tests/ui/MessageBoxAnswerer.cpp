#include "MessageBoxAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPushButton>

namespace kip::test {

QString screenshotPath(const QString& name) {
    // A run on a given screen size keeps its pictures apart (see ScreenCheck.cpp).
    QString folder = KIP_SCREENSHOT_DIR;
    if (!qEnvironmentVariableIsEmpty("KIP_SCREEN"))
        folder += "/" + qEnvironmentVariable("KIP_SCREEN");
    QDir().mkpath(folder);
    return folder + "/" + name;
}

MessageBoxAnswerer::MessageBoxAnswerer() {
    connect(&timer_, &QTimer::timeout, this, &MessageBoxAnswerer::poll);
    timer_.start(10);
}

void MessageBoxAnswerer::poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    texts << box->text();
    captions << box->windowTitle();
    if (onBox)
        onBox();
    if (!shotName_.isEmpty()) {
        box->grab().save(screenshotPath(shotName_));
        shotName_.clear();
    }
    QAbstractButton* button = nullptr;
    if (!answers_.empty()) {
        button = box->button(answers_.front());
        answers_.pop_front();
    }
    if (!button)
        button = box->defaultButton() ? static_cast<QAbstractButton*>(box->defaultButton())
                                      : box->buttons().value(0);
    if (button)
        button->click();
}

} // namespace kip::test
