#include "app/CBackupReminderDlg.h"
#include "app/CKipGolfView.h"
#include "app/CPreferencesDlg.h"
#include "golfdb/CKipGolfDoc.h"
#include "handicap/CHandicapRule.h"
#include "manage/CPeopleDlg.h"
#include "manage/CSelectPersonDlg.h"
#include "report/CListDlg.h"
#include "stats/CGraphSelectDlg.h"
#include "stats/CListTeamDlg.h"
#include "stats/CSelectGolferRounds.h"

#include "support/Doubles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace kip::app {
namespace {

class RecordingHelp : public HelpViewer {
public:
    void showTopic(const std::string& topic) override { topics.push_back(topic); }
    std::vector<std::string> topics;
};

class View : public ::testing::Test {
protected:
    test::TempDir dir;
    test::ScriptedPrompter prompter;
    test::ScriptedDialogHost dialogs;
    test::MemorySettingsStore settings;
    test::FixedClock clock{{2024, 12, 9}};
    test::ScriptedFolderChooser folders;
    platform::LocalFileOps files;
    test::CountingWaitCursor cursor;
    RecordingHelp help;
    std::unique_ptr<golfdb::CKipGolfDoc> doc;
    std::unique_ptr<CKipGolfView> view;

    void copyFixtures() {
        for (const char* table : {"Courses", "Golfers", "Scores"})
            dir.copyFixture(table);
    }
    void makeView(const std::string& dataDir) {
        doc = std::make_unique<golfdb::CKipGolfDoc>(dataDir, prompter, &cursor, 2024);
        view = std::make_unique<CKipGolfView>(
            *doc, ViewServices{prompter, dialogs, settings, clock, folders, files, &help});
    }
    void expectLeader(int category, int best, const std::string& date, const std::string& leader) {
        const LeaderCategory& c = view->leaderboard().category(category);
        EXPECT_EQ(c.best, best) << category;
        EXPECT_EQ(c.dateText, date) << category;
        EXPECT_EQ(c.leaderText, leader) << category;
    }
};

TEST_F(View, FixtureDatabaseFillsTheLeaderboard) {
    copyFixtures();
    settings.values["Handicap/Rule"] = "2";
    makeView(dir.path());
    ASSERT_TRUE(view->initialUpdate());
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(doc->handicapRule(), 2);
    EXPECT_EQ(view->leaderboard().currentYear(), 2024);
    expectLeader(0, 72, "05/24/2024", "Castellano, Rita");
    expectLeader(1, 68, "", " 3 tied");
    expectLeader(2, 30, "", " 3 tied");
    expectLeader(3, 67, "10/15/2023", "Castellano, Rita");
    expectLeader(4, 68, "", " 7 tied");
    expectLeader(5, 27, "06/15/2023", "Okonkwo, Ike");
    EXPECT_GE(cursor.begun, 1);
    EXPECT_EQ(cursor.depth, 0);
}

// The quick scan over raw rows must agree with offering every decoded round, whatever the year.
TEST_F(View, RowScanAgreesWithDecodedRounds) {
    copyFixtures();
    for (const int year : {2019, 2021, 2023, 2024}) {
        test::ScriptedPrompter quiet;
        golfdb::CKipGolfDoc yearDoc(dir.path(), quiet, nullptr, year);
        CKipGolfView yearView(yearDoc,
                              ViewServices{quiet, dialogs, settings, clock, folders, files, nullptr});
        ASSERT_TRUE(yearView.initialUpdate());
        Leaderboard decoded(year);
        golfdb::ScoreTable& scores = yearDoc.scoreTable();
        int offered = 0;
        for (int rc = scores.goTop(); rc == store::storeOk; rc = scores.skip())
            if (const auto facts = CKipGolfView::factsOf(scores.record())) {
                decoded.offer(*facts);
                ++offered;
            }
        EXPECT_EQ(offered, 116); // 117 live rows less the starting handicap row
        for (int i = 0; i < Leaderboard::categoryCount; ++i) {
            EXPECT_EQ(yearView.leaderboard().category(i).best, decoded.category(i).best) << year << " " << i;
            EXPECT_EQ(yearView.leaderboard().category(i).tieCount, decoded.category(i).tieCount);
            EXPECT_EQ(yearView.leaderboard().category(i).dateText, decoded.category(i).dateText);
            EXPECT_EQ(yearView.leaderboard().category(i).leaderText, decoded.category(i).leaderText);
        }
    }
}

TEST_F(View, NewFolderWithYesCreatesEmptyTables) {
    makeView(dir.path());
    ASSERT_TRUE(view->initialUpdate());
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.last().icon, platform::Icon::Question);
    for (const char* file :
         {"Courses.dbf", "Courses.cdx", "Golfers.dbf", "Golfers.cdx", "Scores.dbf", "Scores.cdx"})
        EXPECT_TRUE(std::filesystem::exists(dir.file(file))) << file;
    for (int i = 0; i < Leaderboard::categoryCount; ++i)
        expectLeader(i, -1, "N/A", "");
}

TEST_F(View, NewFolderWithNoEndsWithExitCodeTwo) {
    prompter.answer(platform::Answer::No);
    makeView(dir.path());
    EXPECT_FALSE(view->initialUpdate());
    EXPECT_EQ(doc->exitCode(), 2);
    EXPECT_EQ(prompter.last().text, "Databases not created at user's request, program cancelled.");
    EXPECT_FALSE(std::filesystem::exists(dir.file("Courses.dbf")));
}

TEST_F(View, MissingGolferTableEndsTheProgram) {
    dir.copyFixture("Courses");
    dir.copyFixture("Scores");
    makeView(dir.path());
    EXPECT_FALSE(view->initialUpdate());
    EXPECT_EQ(doc->exitCode(), 2);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.last().text, "Could not find golfer database, program cancelled.");
    EXPECT_EQ(prompter.last().icon, platform::Icon::Error);
    EXPECT_FALSE(std::filesystem::exists(dir.file("Golfers.dbf")));
}

TEST_F(View, OnlyBuiltCommandsAreAvailable) {
    copyFixtures();
    makeView(dir.path());
    EXPECT_TRUE(view->isAvailable(CommandId::BackupDatabases));
    EXPECT_TRUE(view->isAvailable(CommandId::ChangeHandicapRule));
    EXPECT_TRUE(view->isAvailable(CommandId::ViewAllRounds));
    EXPECT_TRUE(view->isAvailable(CommandId::StatsGraph));
    EXPECT_EQ(view->run(CommandId::Exit), CommandOutcome::Exit);
}

TEST_F(View, ListingCommandsShowTheirDialogs) {
    copyFixtures();
    makeView(dir.path());
    ASSERT_TRUE(view->initialUpdate());
    int teams = 0;
    dialogs.on<stats::CListTeamDlg>([&](stats::CListTeamDlg& d) {
        teams = d.size();
        return d.ok();
    });
    EXPECT_EQ(view->run(CommandId::ShowTeams), CommandOutcome::None);
    EXPECT_GT(teams, 0);
    // Cancelling the first selection of each of the others ends it.
    dialogs.on<manage::CSelectPersonDlg>([](manage::CSelectPersonDlg& d) { return d.cancel(); });
    EXPECT_EQ(view->run(CommandId::LowestRounds), CommandOutcome::None);
    dialogs.on<stats::CGraphSelectDlg>([](stats::CGraphSelectDlg& d) { return d.cancel(); });
    EXPECT_EQ(view->run(CommandId::StatsGraph), CommandOutcome::None);
    dialogs.on<stats::CSelectGolferRounds>([](stats::CSelectGolferRounds& d) { return d.cancel(); });
    EXPECT_EQ(view->run(CommandId::ShowPoints), CommandOutcome::None);
    EXPECT_EQ(dialogs.runs, 4);
}

TEST_F(View, HandEditedPointValuesAreLimitedToWhatARoundCanStore) {
    copyFixtures();
    settings.values["Points/UsePoints"] = "1";
    settings.values["Points/Eagle"] = "200";
    settings.values["Points/Double"] = "-300";
    settings.values["Points/Par"] = "3";
    makeView(dir.path());
    ASSERT_TRUE(view->initialUpdate());
    EXPECT_EQ(view->pointValues(), (std::array<int, pointKinds>{100, 0, 3, 0, -100}));
}

TEST_F(View, PreferencesChangeTheViewCopies) {
    copyFixtures();
    makeView(dir.path());
    ASSERT_TRUE(view->initialUpdate());
    dialogs.on<CPreferencesDlg>([](CPreferencesDlg& d) {
        d.setChecked(CPreferencesDlg::NoShow, true);
        d.setChecked(CPreferencesDlg::UsePoints, true);
        d.changePointText(1, "2");
        return d.ok() ? platform::dialogOk : platform::dialogCancel;
    });
    EXPECT_EQ(view->run(CommandId::Preferences), CommandOutcome::Repaint);
    EXPECT_TRUE(view->noShow());
    EXPECT_TRUE(view->usePoints());
    EXPECT_EQ(view->pointValues()[1], 2);

    dialogs.on<CPreferencesDlg>([](CPreferencesDlg& d) {
        d.setChecked(CPreferencesDlg::NoShow, false);
        return platform::dialogCancel;
    });
    EXPECT_EQ(view->run(CommandId::Preferences), CommandOutcome::None);
    EXPECT_TRUE(view->noShow());
}

TEST_F(View, HandicapRuleChangeReachesTheScoreTable) {
    copyFixtures();
    makeView(dir.path());
    ASSERT_TRUE(view->initialUpdate());
    dialogs.on<handicap::CHandicapRule>([](handicap::CHandicapRule& d) {
        d.select(1);
        return d.ok();
    });
    view->run(CommandId::ChangeHandicapRule);
    EXPECT_EQ(view->handicapRule(), 1);
    EXPECT_EQ(doc->scoreTable().handicapRule(), 1);
    EXPECT_EQ(settings.values["Handicap/Rule"], "1");
}

TEST_F(View, DueReminderCanRunTheBackup) {
    copyFixtures();
    settings.values["Settings/CheckForBackup"] = "1";
    settings.values["Settings/InstallDate"] = "20240101";
    makeView(dir.path());
    ASSERT_TRUE(view->initialUpdate());
    test::TempDir backupDir;
    folders.choose(backupDir.path());
    dialogs.on<CBackupReminderDlg>([](CBackupReminderDlg& d) {
        EXPECT_NE(d.text().find("never backed up"), std::string::npos);
        return d.runBackupNow();
    });
    view->afterStartup();
    EXPECT_TRUE(std::filesystem::exists(backupDir.file("Scores.bkdbf")));
    EXPECT_EQ(settings.values["Settings/LastBackup"], "20241209");
    EXPECT_EQ(prompter.last().text, "Backup completed sucessfully");
}

TEST_F(View, QuickstartOpensOnce) {
    copyFixtures();
    settings.values["Settings/ShowQuickstart"] = "1";
    makeView(dir.path());
    ASSERT_TRUE(view->initialUpdate());
    view->afterStartup();
    view->afterStartup();
    EXPECT_EQ(help.topics, (std::vector<std::string>{"quickstart"}));
    EXPECT_EQ(settings.values["Settings/ShowQuickstart"], "0");
}

TEST_F(View, QuickstartHelpOpensBeforeADueReminderAppears) {
    copyFixtures();
    settings.values["Settings/ShowQuickstart"] = "1";
    settings.values["Settings/CheckForBackup"] = "1";
    settings.values["Settings/InstallDate"] = "20240101";
    makeView(dir.path());
    ASSERT_TRUE(view->initialUpdate());
    std::vector<std::string> helpWhenReminded;
    dialogs.on<CBackupReminderDlg>([&](CBackupReminderDlg& d) {
        helpWhenReminded = help.topics;
        return d.close();
    });
    view->afterStartup();
    EXPECT_EQ(dialogs.runs, 1);
    EXPECT_EQ(helpWhenReminded, (std::vector<std::string>{"quickstart"}));
    EXPECT_EQ(settings.values["Settings/LastBackupCheck"], "20241209");
}

TEST_F(View, RestoreRecomputesTheLeaderboard) {
    copyFixtures();
    makeView(dir.path());
    ASSERT_TRUE(view->initialUpdate());
    // A backup of an empty database restored over the fixtures empties the leaderboard.
    test::TempDir emptyDir;
    {
        test::ScriptedPrompter quiet;
        golfdb::CKipGolfDoc empty(emptyDir.path(), quiet, nullptr, 2024);
        ASSERT_EQ(empty.openDatabase(), golfdb::OpenOutcome::Created);
    }
    for (const char* name : {"Scores", "Courses", "Golfers"}) {
        std::filesystem::copy_file(emptyDir.file(std::string(name) + ".dbf"),
                                   emptyDir.file(std::string(name) + ".bkdbf"));
        std::filesystem::copy_file(emptyDir.file(std::string(name) + ".cdx"),
                                   emptyDir.file(std::string(name) + ".bkcdx"));
    }
    std::filesystem::create_directory(dir.file("Download"));
    folders.choose(emptyDir.path());
    EXPECT_EQ(view->run(CommandId::RestoreDatabases), CommandOutcome::Repaint);
    EXPECT_EQ(prompter.last().text, "Restore completed sucessfully");
    expectLeader(3, -1, "N/A", "");
}

TEST_F(View, RestoredFilesThatCannotBeOpenedPutThePreviousDatabaseBack) {
    copyFixtures();
    makeView(dir.path());
    ASSERT_TRUE(view->initialUpdate());
    test::TempDir damaged;
    for (const char* name : {"Scores", "Courses", "Golfers"})
        for (const char* ext : {".bkdbf", ".bkcdx"}) {
            std::FILE* f = std::fopen(damaged.file(std::string(name) + ext).c_str(), "wb");
            ASSERT_NE(f, nullptr);
            std::fputs("not a table", f);
            std::fclose(f);
        }
    std::filesystem::create_directory(dir.file("Download"));
    folders.choose(damaged.path());
    const std::string scores = test::readFile(dir.file("Scores.dbf"));
    view->run(CommandId::RestoreDatabases);
    EXPECT_FALSE(doc->endRequested());
    EXPECT_EQ(prompter.last().text, "Restore failed");
    EXPECT_TRUE(doc->isOpen());
    EXPECT_EQ(test::readFile(dir.file("Scores.dbf")), scores);
}

TEST_F(View, GolferCommandsRebuildTheLeaderboardOnlyWhenRoundsWent) {
    copyFixtures();
    makeView(dir.path());
    ASSERT_TRUE(view->initialUpdate());
    expectLeader(0, 72, "05/24/2024", "Castellano, Rita");
    dialogs.on<manage::CPeopleDlg>([](manage::CPeopleDlg& d) { return d.cancel(); });
    EXPECT_EQ(view->run(CommandId::NewGolfer), CommandOutcome::None);
    dialogs.on<manage::CSelectPersonDlg>([](manage::CSelectPersonDlg& d) {
        d.selectKey("Castellano, Rita");
        return d.ok();
    });
    EXPECT_EQ(view->run(CommandId::DeleteGolfer), CommandOutcome::Repaint);
    EXPECT_NE(view->leaderboard().category(0).leaderText, "Castellano, Rita");
}

TEST_F(View, ListGolfersShowsEveryGolferWithTheStoredIndex) {
    copyFixtures();
    makeView(dir.path());
    ASSERT_TRUE(view->initialUpdate());
    EXPECT_TRUE(view->isAvailable(CommandId::ShowHandicap));
    EXPECT_TRUE(view->isAvailable(CommandId::CourseHandicapsByHandicap));
    std::vector<std::string> lines;
    dialogs.on<report::CListDlg>([&lines](report::CListDlg& d) {
        EXPECT_EQ(d.title(), "Golfer Handicaps (By Golfer)");
        lines = d.texts();
        return d.ok();
    });
    EXPECT_EQ(view->run(CommandId::ListGolfers), CommandOutcome::None);
    EXPECT_EQ(lines.size(), doc->golferList().size());
    EXPECT_EQ(dialogs.runs, 1);
}

} // namespace
} // namespace kip::app
