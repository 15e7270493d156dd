#include "app/CommandTable.h"

#include <algorithm>

namespace kip::app {
namespace {

using enum CommandId;
constexpr RibbonPlace tab = RibbonPlace::Category;
constexpr RibbonPlace appMenu = RibbonPlace::ApplicationMenu;
constexpr RibbonPlace helpMenu = RibbonPlace::HelpMenu;

std::vector<CommandItem> buildItems() {
    return {
        {ChangeHandicapRule, "File", "C&hange Handicap Rules", appMenu, "", "", "Change Handicap Rule",
         "Change the number of rounds used in handicap calculation", "Change Handicap Rule", "rule"},
        {Preferences, "File", "Other &Preferences", appMenu, "", "", "Other Preferences",
         "Change other user preferences", "Change Preferences", "preferences"},
        {Exit, "File", "E&xit", appMenu, "", "", "E&xit", "Quit the application; prompts to save documents",
         "Exit", "exit"},
        {EnterRound, "Rounds", "&Enter a Round...", tab, "Rounds", "Manage", "Enter Round",
         "Enter scores for a round", "Enter Scores", "round-enter"},
        {ViewRound, "Rounds", "&View Round(s)...", tab, "Rounds", "Manage", "View Round",
         "View a round in the database", "View a Round", "round-view"},
        {ViewAllRounds, "", "", tab, "Rounds", "Manage", "View All",
         "View one or more rounds for one or more golfers", "View All Rounds", "round-list"},
        {ChangeRound, "Rounds", "&Change a Round...", tab, "Rounds", "Manage", "Change",
         "Change score for a previously entered round", "Change a Round", "round-change"},
        {DeleteRounds, "Rounds", "&Delete Round(s)...", tab, "Rounds", "Manage", "Delete",
         "Delete a round for a golfer", "Delete a Round", "round-delete"},
        {DeleteYear, "Rounds", "Delete All Rounds for a &Year...", tab, "Rounds", "Manage", "Delete a Year",
         "Delete all rounds for a specified year", "Delete All Rounds", "year-delete"},
        {ExportRounds, "Rounds", "E&xport Rounds...", tab, "Rounds", "Export/Import", "Export",
         "Export all rounds to a CSV text file", "Export Rounds", "export"},
        {ImportRounds, "Rounds", "&Import Rounds...", tab, "Rounds", "Export/Import", "Import",
         "Import rounds from a CSV text file", "Import Rounds", "import"},
        {NewGolfer, "Golfers", "Add a New &Golfer...", tab, "Golfers", "Manage", "New Golfer",
         "Add a new golfer to database", "New Golfer", "golfer-new"},
        {ChangeGolfer, "Golfers", "&Change Golfer Information...", tab, "Golfers", "Manage", "Change",
         "Change information about a golfer", "Change Golfer Info", "golfer-change"},
        {DeleteGolfer, "Golfers", "&Delete Golfer...", tab, "Golfers", "Manage", "Delete",
         "Delete a golfer and all scores from the database", "Delete a Golfer", "golfer-delete"},
        {ListGolfers, "Golfers", "Lis&t Golfers", tab, "Golfers", "Manage", "List",
         "List all golfers in database", "List Golfers", "golfer-list"},
        {ShowTeams, "Golfers", "Show &Teams", tab, "Golfers", "Teams", "Show Teams",
         "Show golfers and their teams", "Show Golfer Teams", "teams"},
        {ShowHandicap, "Handicaps", "&Show Handicap", tab, "Handicaps", "By Golfer", "A Golfer's Handicap",
         "Show a golfer's handicap", "Show Handicap", "handicap"},
        {ShowHandicapScores, "Handicaps", "Show &Handicap Scores", tab, "Handicaps", "By Golfer",
         "Show Scores", "Show the scores used in calculating handicap", " Show Handicap Scores",
         "handicap-scores"},
        {ShowAllHandicapsByGolfer, "Handicaps", "Show &All Handicaps (By Golfer)", tab, "Handicaps",
         "All Golfers", "Show by Golfer", "Show handicaps for all golfers", "Show All Handicaps",
         "handicap-list"},
        {ShowAllHandicapsByHandicap, "Handicaps", "Show All Handicaps (By H&andicap)", tab, "Handicaps",
         "All Golfers", "Show by Handicap", "Show handicaps for all golfers (handicap sequence)",
         " Show All Handicap by Handicap", "handicap-sorted"},
        {ShowAllHandicapScores, "Handicaps", "Show A&ll Handicap Scores", tab, "Handicaps", "All Golfers",
         "Show All Scores", "Show all golfers and their handicap scores", "Show All Handicap Scores",
         "handicap-scores"},
        {RecalculateHandicaps, "Handicaps", "&Recalculate Handicaps", tab, "Handicaps", "All Golfers",
         "Recalc All", "Recalculate the handicap for all golfers", "Recalc All", "recalc"},
        {CourseHandicapsByGolfer, "Handicaps", "Show C&ourse Handicaps (By Golfer)", tab, "Handicaps",
         "Course Handicaps", "Show by Golfer", "Show course handicaps by golfer", "Show by Golfer",
         "course-handicap"},
        {CourseHandicapsByHandicap, "Handicaps", "Show Co&urse Handicaps (By Handicap)", tab, "Handicaps",
         "Course Handicaps", "Show by Handicap", "Show all course handicaps by handicap",
         "Show Course Handicap by Handicap", "handicap-sorted"},
        {HandicapHistory, "Handicaps", "Handicap H&istory", tab, "Handicaps", "By Golfer", "Handicap History",
         "Show a golfer's index after each day with rounds, as a list and a chart", "Handicap History",
         "handicap"},
        {AddCourse, "Courses", "&Add a Course...", tab, "Courses", "Manage", "New Course",
         "Add information about a new course to the database", "Add Course", "course-new"},
        {ViewCourse, "Courses", "&View Course Information...", tab, "Courses", "Manage", "View",
         "View information about a course/tee", "View a Course", "course-view"},
        {ChangeCourse, "Courses", "&Change Course Information...", tab, "Courses", "Manage", "Change",
         "Change information about a course", "Change Course Info", "course-change"},
        {DeleteCourses, "Courses", "&Delete Course(s)...", tab, "Courses", "Manage", "Delete",
         "Delete one or more course and tee combination from the database", "Delete Course(s)",
         "course-delete"},
        {CopyFromMaster, "Courses", "Copy Course(s) From &Master...", tab, "Courses", "Master",
         "Copy from Master", "Copy a course from the Master database to the local course database",
         "Copy from Master", "master"},
        {BackupDatabases, "Databases", "&Backup Databases", tab, "Databases", "Manage", "&Backup Databases",
         "", "", "backup"},
        {RestoreDatabases, "Databases", "&Restore Databases", tab, "Databases", "Manage", "&Restore a Backup",
         "", "", "restore"},
        {CompressDatabases, "Databases", "&Compress Databases", tab, "Databases", "Manage",
         "&Compress Databases", "", "", "compress"},
        {BasicStats, "Statistics", "&Basic...", tab, "Statistics", "General", "Basic Stats",
         "Basic stats for a golfer", "Basic Stats", "stats"},
        {BasicStatsAllGolfers, "Statistics", "Basic, All &Golfers...", tab, "Statistics", "General",
         "Basic, All Golfers", "Basic stat summary for all golfers", "Basic, All Golfers", "stats-all"},
        {HoleTypeStats, "Statistics", "By &Hole Type...", tab, "Statistics", "By Hole", "By Hole Type",
         "Stats broken down by par 3, 4, and 5 holes", "By Hole Type", "hole-type"},
        {FairwaysAndGreens, "Statistics", "&Fairways and Greens...", tab, "Statistics", "By Hole",
         "Fairways and Greens",
         "Stats showing the relationship between hitting the fairway or green and making par",
         "Fairways and Greens", "fairway"},
        {LowestRounds, "Statistics", "&Lowest Rounds...", tab, "Statistics", "By Hole", "Lowest Rounds",
         "Show the lowest 10 rounds for a golfer", "Lowest Rounds", "lowest"},
        {FewestPutts, "Statistics", "Fewest &Putts...", tab, "Statistics", "By Hole", "Fewest Putts",
         "Show the 20 rounds with the fewest putts", "Fewest Putts", "putts"},
        {StatsGraph, "Statistics", "Show Stats G&raph", tab, "Statistics", "By Hole", "Show Stats Graph", "",
         "", "graph"},
        {CourseStats, "Statistics", "&Course Statistics...", tab, "Statistics", "Course", "Course Stats",
         "Shown the average score per hole on a course", "Course Hole Scores", "course-stats"},
        {ShowPoints, "Statistics", "&Show Points", tab, "Statistics", "Points", "Show Points per Round",
         "Show points for rounds where points were kept", "Show Round Points", "points"},
        {HelpTopics, "Help", "Help &Topics", helpMenu, "", "", "&Help Topics", "List Help topics",
         "Help Topics", "help"},
        {About, "Help", "&About Kip Golf...", helpMenu, "", "", "&About Kip Golf...", "", "About", "about"},
        {ContextHelp, "", "", RibbonPlace::None, "", "", "",
         "Display help for clicked on buttons, menus and windows", "Help", "context-help"},
    };
}

// The distinct non-empty values of one text of the kept items, in table order.
template <class Keep> std::vector<std::string> distinctTexts(std::string CommandItem::*text, Keep keep) {
    std::vector<std::string> out;
    for (const auto& entry : CommandTable::items()) {
        const std::string& value = entry.*text;
        if (keep(entry) && !value.empty() && std::find(out.begin(), out.end(), value) == out.end())
            out.push_back(value);
    }
    return out;
}

template <class Keep> std::vector<CommandId> idsOf(Keep keep) {
    std::vector<CommandId> out;
    for (const auto& entry : CommandTable::items())
        if (keep(entry))
            out.push_back(entry.id);
    return out;
}

bool anyItem(const CommandItem&) {
    return true;
}

} // namespace

const std::vector<CommandItem>& CommandTable::items() {
    static const std::vector<CommandItem> table = buildItems();
    return table;
}

const CommandItem& CommandTable::item(CommandId id) {
    for (const auto& entry : items())
        if (entry.id == id)
            return entry;
    // Every id is in the table (a test holds it so); an empty item keeps a slip harmless.
    static const CommandItem none{CommandId::ContextHelp, "", "", RibbonPlace::None, "", "", "", "", "", ""};
    return none;
}

const std::vector<std::string>& CommandTable::classicMenus() {
    static const std::vector<std::string> menus = distinctTexts(&CommandItem::classicMenu, anyItem);
    return menus;
}

const std::vector<std::string>& CommandTable::ribbonCategories() {
    static const std::vector<std::string> categories = distinctTexts(&CommandItem::ribbonCategory, anyItem);
    return categories;
}

std::vector<std::string> CommandTable::ribbonPanels(const std::string& category) {
    return distinctTexts(&CommandItem::ribbonPanel,
                         [&](const CommandItem& entry) { return entry.ribbonCategory == category; });
}

std::vector<CommandId> CommandTable::classicMenuItems(const std::string& menu) {
    return idsOf([&](const CommandItem& entry) { return !menu.empty() && entry.classicMenu == menu; });
}

std::vector<CommandId> CommandTable::ribbonPanelItems(const std::string& category, const std::string& panel) {
    return idsOf([&](const CommandItem& entry) {
        return entry.ribbonPlace == RibbonPlace::Category && entry.ribbonCategory == category &&
               entry.ribbonPanel == panel;
    });
}

std::vector<CommandId> CommandTable::ribbonMenuItems(RibbonPlace place) {
    return idsOf([place](const CommandItem& entry) { return entry.ribbonPlace == place; });
}

const std::vector<CommandId>& CommandTable::quickAccessItems() {
    static const std::vector<CommandId> quick = {EnterRound, NewGolfer, ShowHandicap, BasicStats};
    return quick;
}

const std::vector<const CommandItem*>& CommandTable::classicToolbar() {
    static const std::vector<const CommandItem*> bar = {
        &item(EnterRound), &item(NewGolfer), &item(ShowHandicap), &item(BasicStats),
        nullptr,           &item(About),     &item(ContextHelp)};
    return bar;
}

std::string withoutMnemonic(const std::string& label) {
    std::string out;
    for (std::size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '&' && i + 1 < label.size()) {
            ++i;
            out += label[i];
        } else if (label[i] != '&') {
            out += label[i];
        }
    }
    return out;
}

} // namespace kip::app
