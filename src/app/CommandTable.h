#pragma once
// Every command of the main window and how each presentation shows it: the classic menu bar with its
// toolbar, and the ribbon with its application menu, quick-access toolbar and help button.

#include <string>
#include <vector>

namespace kip::app {

enum class CommandId {
    ChangeHandicapRule,
    Preferences,
    Exit,
    EnterRound,
    ViewRound,
    ViewAllRounds,
    ChangeRound,
    DeleteRounds,
    DeleteYear,
    ExportRounds,
    ImportRounds,
    NewGolfer,
    ChangeGolfer,
    DeleteGolfer,
    ListGolfers,
    ShowTeams,
    ShowHandicap,
    ShowHandicapScores,
    ShowAllHandicapsByGolfer,
    ShowAllHandicapsByHandicap,
    ShowAllHandicapScores,
    RecalculateHandicaps,
    CourseHandicapsByGolfer,
    CourseHandicapsByHandicap,
    HandicapHistory,
    AddCourse,
    ViewCourse,
    ChangeCourse,
    DeleteCourses,
    CopyFromMaster,
    BackupDatabases,
    RestoreDatabases,
    CompressDatabases,
    BasicStats,
    BasicStatsAllGolfers,
    HoleTypeStats,
    FairwaysAndGreens,
    LowestRounds,
    FewestPutts,
    StatsGraph,
    CourseStats,
    ShowPoints,
    HelpTopics,
    About,
    ContextHelp,
};

// Where a ribbon command lives: a tab with panels, the application menu ("File") or the help button.
enum class RibbonPlace { Category, ApplicationMenu, HelpMenu, None };

struct CommandItem {
    CommandId id;
    std::string classicMenu;  // top-level menu of the classic menu bar; empty: not in the menu bar
    std::string classicLabel; // with '&' before the mnemonic
    RibbonPlace ribbonPlace;
    std::string ribbonCategory;
    std::string ribbonPanel;
    std::string ribbonLabel;
    std::string description; // status-bar text; may be empty
    std::string tooltip;     // may be empty
    std::string iconName;    // picture of the ribbon and toolbar buttons
};

class CommandTable {
public:
    // Every command in menu order.
    static const std::vector<CommandItem>& items();
    static const CommandItem& item(CommandId id);

    // Top-level menus of the classic menu bar, in order.
    static const std::vector<std::string>& classicMenus();
    // Ribbon tabs, in order (the application menu and the help button are not tabs).
    static const std::vector<std::string>& ribbonCategories();
    // Panels of one ribbon tab, in order.
    static std::vector<std::string> ribbonPanels(const std::string& category);
    // Commands of one classic menu or one ribbon panel, in order.
    static std::vector<CommandId> classicMenuItems(const std::string& menu);
    static std::vector<CommandId> ribbonPanelItems(const std::string& category, const std::string& panel);
    static std::vector<CommandId> ribbonMenuItems(RibbonPlace place);

    static const std::vector<CommandId>& quickAccessItems();
    // The classic toolbar; CommandId::ContextHelp after a separator, shown as null entries.
    static const std::vector<const CommandItem*>& classicToolbar();
};

// Menus show "&" before a mnemonic; buttons and help pages want the plain words.
std::string withoutMnemonic(const std::string& label);

} // namespace kip::app
