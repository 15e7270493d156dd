#pragma once
// The help pages, shown in one browser window that comes back where it was left. The pages are read
// from the installed help folder, or beside the sources when the program runs from its build folder,
// or else from the copy built into the program.

#include <QPointer>
#include <QWidget>

#include <string>

class QTextBrowser;

namespace kip::ui {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void open(const std::string& topic);
    QTextBrowser* browser() const { return browser_; }

    // The one help window of the program, raised at the topic ("index" for the start page).
    static HelpWindow* showTopic(const std::string& topic, QWidget* near = nullptr);
    static QString topicUrl(const std::string& topic);
    static void closeAll();
    // The folder the pages are read from ("qrc:" for the built-in copy).
    static QString helpFolder();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QTextBrowser* browser_;
};

} // namespace kip::ui
