#pragma once
// Base of the dialog views: ends with the model's result codes (dialogOk, dialogCancel), opens the
// dialog's help topic, and opens on the screen: scrolling when larger than it, with the first field
// focused, and where it was left when it remembers its place.

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
    void done(int result) override;

protected:
    void finish(int result) { done(result); }
    void showHelp();
    void showEvent(QShowEvent* event) override;
    // A resizable dialog remembers its size and place under this name in the settings.
    void rememberPlaceAs(const char* name) { placeName_ = name; }
    // The row at the bottom right: the dialog's default button (`text`, object name `name`), which
    // calls `pressed`, then Cancel and Help.
    QHBoxLayout* defaultCancelHelpRow(const char* text, const char* name, std::function<void()> pressed);

private:
    QString helpTopic_;
    const char* placeName_ = nullptr;
    bool placed_ = false;
};

} // namespace kip::ui
