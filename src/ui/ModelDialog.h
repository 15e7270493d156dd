#pragma once
// Base of the dialog views: ends with the model's result codes (dialogOk, dialogCancel) and opens
// the dialog's help topic.

#include <QDialog>
#include <QString>

namespace kip::ui {

class ModelDialog : public QDialog {
    Q_OBJECT
public:
    ModelDialog(QWidget* parent, const QString& title, QString helpTopic);

    void reject() override; // Escape and the window's close button cancel

protected:
    void finish(int result) { done(result); }
    void showHelp();

private:
    QString helpTopic_;
};

} // namespace kip::ui
