#pragma once
// A ribbon in the office style: quick-access toolbar, the "File" application menu, one tab per
// category with panels of large buttons, and a help button at the right of the tabs.

#include "app/CommandTable.h"

#include <QWidget>

#include <functional>
#include <map>

class QAction;
class QMenu;
class QStackedWidget;
class QTabBar;
class QToolButton;

namespace kip::ui {

class RibbonBar : public QWidget {
    Q_OBJECT
public:
    // makeAction builds the action of one command with the label the ribbon gives it.
    using ActionMaker = std::function<QAction*(app::CommandId, const QString& label)>;
    RibbonBar(const ActionMaker& makeAction, QWidget* parent = nullptr);

    QTabBar* tabs() const { return tabs_; }
    QToolButton* applicationButton() const { return fileButton_; }
    QToolButton* helpButton() const { return helpButton_; }
    QMenu* applicationMenu() const { return fileMenu_; }
    QMenu* helpMenu() const { return helpMenu_; }
    QWidget* quickAccessBar() const { return quickBar_; }
    // The large button of a command on its tab (none when the command is not on a tab).
    QToolButton* button(app::CommandId id) const;

private:
    QWidget* makeCategory(const std::string& category, const ActionMaker& makeAction);
    QWidget* makePanel(const std::string& category, const std::string& panel, const ActionMaker& makeAction);

    QTabBar* tabs_;
    QStackedWidget* pages_;
    QToolButton* fileButton_;
    QToolButton* helpButton_;
    QMenu* fileMenu_;
    QMenu* helpMenu_;
    QWidget* quickBar_;
    std::map<app::CommandId, QToolButton*> buttons_;
};

} // namespace kip::ui
