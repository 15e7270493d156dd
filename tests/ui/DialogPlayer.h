#pragma once
// Plays the window's own dialogs (not message boxes) that a command opens, in order: each step runs
// once its dialog is the active modal window. A step may name several views, separated by '|'.
// A dialog that no step takes is closed after a while and named in `unexpected`, so that a test
// whose script went wrong fails instead of waiting for ever.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <utility>

namespace kip::test {

class DialogPlayer : public QObject {
public:
    DialogPlayer() {
        connect(&timer_, &QTimer::timeout, this, &DialogPlayer::poll);
        timer_.start(10);
    }
    void then(const QString& objectName, std::function<void(QWidget*)> play) {
        steps_.push_back({objectName, std::move(play)});
    }
    bool done() const { return steps_.empty(); }

    QStringList unexpected;

private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || qobject_cast<QMessageBox*>(modal) || modal == last_)
            return;
        if (steps_.empty() || !steps_.front().first.split('|').contains(modal->objectName())) {
            if (modal != stray_) {
                stray_ = modal;
                waited_.start();
            } else if (waited_.elapsed() > 10000) {
                unexpected << modal->objectName() + " (waiting for " +
                                  (steps_.empty() ? QString("nothing") : steps_.front().first) + ")";
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
            }
            return;
        }
        last_ = modal;
        auto step = steps_.front();
        steps_.pop_front();
        step.second(modal);
    }

    QTimer timer_;
    std::deque<std::pair<QString, std::function<void(QWidget*)>>> steps_;
    QPointer<QWidget> last_;
    QPointer<QWidget> stray_;
    QElapsedTimer waited_;
};

} // namespace kip::test
