#pragma once
// Base of the dialog views: ends with the model's result codes (dialogOk, dialogCancel) and opens
// the dialog's help topic.

#include <QDialog>
#include <QString>

#include <functional>

class QHBoxLayout;

namespace kip::ui {

class ModelDialog : public QDialog {
    Q_OBJECT
public:
    ModelDialog(QWidget* parent, const QString& title, QString helpTopic);

    void reject() override; // Escape and the window's close button cancel

protected:
    void finish(int result) { done(result); }
    void showHelp();
    // The row at the bottom right: the dialog's default button (`text`, object name `name`), which
    // calls `pressed`, then Cancel and Help.
    QHBoxLayout* defaultCancelHelpRow(const char* text, const char* name, std::function<void()> pressed);

private:
    QString helpTopic_;
};

} // namespace kip::ui
