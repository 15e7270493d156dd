#pragma once
// Answers the program's message boxes while a test waits in a modal loop: records each text and
// presses the scripted button (the default one when the script is empty).

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

namespace kip::test {

class MessageBoxAnswerer : public QObject {
    Q_OBJECT
public:
    MessageBoxAnswerer();
    void answer(QMessageBox::StandardButton button) { answers_.push_back(button); }
    // Saves a picture of the next box under this file name (in the screenshot folder).
    void screenshotNext(const QString& name) { shotName_ = name; }

    QStringList texts;
    QStringList captions;
    std::function<void()> onBox; // runs while each box is up, before it is answered

private:
    void poll();

    QTimer timer_;
    std::deque<QMessageBox::StandardButton> answers_;
    QString shotName_;
};

QString screenshotPath(const QString& name);

} // namespace kip::test
