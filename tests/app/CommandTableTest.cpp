#include "app/CommandTable.h"

#include <gtest/gtest.h>

#include <set>

namespace kip::app {
namespace {

std::vector<std::string> labels(const std::vector<CommandId>& ids, bool classic) {
    std::vector<std::string> out;
    for (const CommandId id : ids)
        out.push_back(classic ? CommandTable::item(id).classicLabel : CommandTable::item(id).ribbonLabel);
    return out;
}

TEST(CommandTable, ClassicMenusInOrderWithTheirItems) {
    EXPECT_EQ(CommandTable::classicMenus(),
              (std::vector<std::string>{"File", "Rounds", "Golfers", "Handicaps", "Courses", "Databases",
                                        "Statistics", "Help"}));
    EXPECT_EQ(labels(CommandTable::classicMenuItems("File"), true),
              (std::vector<std::string>{"C&hange Handicap Rules", "Other &Preferences", "E&xit"}));
    // "View All" exists only on the ribbon.
    EXPECT_EQ(labels(CommandTable::classicMenuItems("Rounds"), true),
              (std::vector<std::string>{"&Enter a Round...", "&View Round(s)...", "&Change a Round...",
                                        "&Delete Round(s)...", "Delete All Rounds for a &Year...",
                                        "E&xport Rounds...", "&Import Rounds..."}));
    EXPECT_EQ(labels(CommandTable::classicMenuItems("Help"), true),
              (std::vector<std::string>{"Help &Topics", "&About Kip Golf..."}));
    EXPECT_EQ(CommandTable::classicMenuItems("Statistics").size(), 9u);
}

TEST(CommandTable, RibbonCategoriesPanelsAndMenus) {
    EXPECT_EQ(
        CommandTable::ribbonCategories(),
        (std::vector<std::string>{"Rounds", "Golfers", "Handicaps", "Courses", "Databases", "Statistics"}));
    EXPECT_EQ(CommandTable::ribbonPanels("Handicaps"),
              (std::vector<std::string>{"By Golfer", "All Golfers", "Course Handicaps"}));
    EXPECT_EQ(labels(CommandTable::ribbonPanelItems("Databases", "Manage"), false),
              (std::vector<std::string>{"&Backup Databases", "&Restore a Backup", "&Compress Databases"}));
    EXPECT_EQ(labels(CommandTable::ribbonMenuItems(RibbonPlace::ApplicationMenu), false),
              (std::vector<std::string>{"Change Handicap Rule", "Other Preferences", "E&xit"}));
    EXPECT_EQ(labels(CommandTable::ribbonMenuItems(RibbonPlace::HelpMenu), false),
              (std::vector<std::string>{"&Help Topics", "&About Kip Golf..."}));
    EXPECT_EQ(labels(CommandTable::ribbonPanelItems("Rounds", "Manage"), false),
              (std::vector<std::string>{"Enter Round", "View Round", "View All", "Change", "Delete",
                                        "Delete a Year"}));
}

TEST(CommandTable, TextsKeepTheirExactSpacing) {
    EXPECT_EQ(CommandTable::item(CommandId::ShowHandicapScores).tooltip, " Show Handicap Scores");
    EXPECT_EQ(CommandTable::item(CommandId::ShowAllHandicapsByHandicap).tooltip,
              " Show All Handicap by Handicap");
    EXPECT_EQ(CommandTable::item(CommandId::CourseStats).description,
              "Shown the average score per hole on a course");
    EXPECT_EQ(CommandTable::item(CommandId::Exit).description,
              "Quit the application; prompts to save documents");
    EXPECT_TRUE(CommandTable::item(CommandId::BackupDatabases).description.empty());
    EXPECT_EQ(CommandTable::item(CommandId::About).tooltip, "About");
}

TEST(CommandTable, UnaddressedCommandsAreLeftOut) {
    for (const auto& item : CommandTable::items()) {
        EXPECT_EQ(item.classicLabel.find("Master Course &Updates"), std::string::npos);
        EXPECT_EQ(item.classicLabel.find("Report a Missing"), std::string::npos);
        EXPECT_EQ(item.classicLabel.find("Comment"), std::string::npos);
    }
    EXPECT_EQ(CommandTable::ribbonPanelItems("Courses", "Master").size(), 1u);
}

TEST(CommandTable, EveryCommandAppearsOnceAndIsReachable) {
    std::set<CommandId> seen;
    for (const auto& item : CommandTable::items()) {
        EXPECT_TRUE(seen.insert(item.id).second);
        const bool inMenu = !item.classicMenu.empty();
        const bool onRibbon = item.ribbonPlace != RibbonPlace::None;
        const bool onToolbar = item.id == CommandId::ContextHelp;
        EXPECT_TRUE(inMenu || onRibbon || onToolbar) << item.ribbonLabel;
        EXPECT_FALSE(item.iconName.empty());
    }
}

TEST(CommandTable, ToolbarsHoldTheQuickCommands) {
    const std::vector<CommandId> quick = {CommandId::EnterRound, CommandId::NewGolfer,
                                          CommandId::ShowHandicap, CommandId::BasicStats};
    EXPECT_EQ(CommandTable::quickAccessItems(), quick);
    const auto& bar = CommandTable::classicToolbar();
    ASSERT_EQ(bar.size(), 7u);
    for (std::size_t i = 0; i < quick.size(); ++i)
        EXPECT_EQ(bar[i]->id, quick[i]);
    EXPECT_EQ(bar[4], nullptr);
    EXPECT_EQ(bar[6]->tooltip, "Help");
    EXPECT_EQ(bar[6]->description, "Display help for clicked on buttons, menus and windows");
}

TEST(CommandTable, MnemonicsRemoved) {
    EXPECT_EQ(withoutMnemonic("E&xit"), "Exit");
    EXPECT_EQ(withoutMnemonic("Fish && Chips"), "Fish & Chips");
    EXPECT_EQ(withoutMnemonic("&"), "");
}

} // namespace
} // namespace kip::app
