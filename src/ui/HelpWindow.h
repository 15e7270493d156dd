#pragma once
// The help pages shipped inside the program, shown in one browser window.

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

private:
    QTextBrowser* browser_;
};

} // namespace kip::ui
