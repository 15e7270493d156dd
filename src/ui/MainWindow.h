#pragma once
// The main frame: the leaderboard view under either the ribbon or the classic menu bar and toolbar.

#include "app/CKipGolfView.h"

#include <QMainWindow>

#include <map>
#include <vector>

class QAction;
class QScrollArea;

namespace kip::ui {

class LeaderboardWidget;
class RibbonBar;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(app::CKipGolfView& view, bool classicMenus, QWidget* parent = nullptr);

    bool classicMenus() const { return classic_; }
    RibbonBar* ribbon() const { return ribbon_; }
    LeaderboardWidget* leaderboard() const { return leaderboard_; }
    // Every action made for a command (menus, toolbars and ribbon each have their own).
    std::vector<QAction*> actionsFor(app::CommandId id) const;

    // Runs a command as if chosen from a menu.
    void runCommand(app::CommandId id);
    // The reminder and quick-start page of the start-up, once the window shows.
    void afterStartup();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

signals:
    // The program must end with this exit code (a database that cannot be reopened).
    void endRequested(int exitCode);

private:
    QAction* makeAction(app::CommandId id, const QString& label);
    void buildClassic();
    void buildRibbon();
    void apply(app::CommandOutcome outcome);

    app::CKipGolfView& view_;
    bool classic_;
    LeaderboardWidget* leaderboard_;
    QScrollArea* board_ = nullptr;
    RibbonBar* ribbon_ = nullptr;
    std::multimap<app::CommandId, QAction*> actions_;
};

} // namespace kip::ui
