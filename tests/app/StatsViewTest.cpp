#include "app/CKipGolfView.h"
#include "golfdb/CKipGolfDoc.h"
#include "manage/CSelectPersonDlg.h"
#include "stats/CBasicAllStats.h"
#include "stats/CFairways.h"
#include "stats/CReportSelect.h"

#include "support/Doubles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace kip::app {
namespace {

class StatsView : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* table : {"Courses", "Golfers", "Scores"})
            dir.copyFixture(table);
        doc = std::make_unique<golfdb::CKipGolfDoc>(dir.path(), prompter, &cursor, 2024);
        view = std::make_unique<CKipGolfView>(
            *doc, ViewServices{prompter, dialogs, settings, clock, folders, files});
        ASSERT_TRUE(view->initialUpdate());
        cursor.begun = 0;
    }

    test::TempDir dir;
    test::ScriptedPrompter prompter;
    test::ScriptedDialogHost dialogs;
    test::MemorySettingsStore settings;
    test::FixedClock clock{{2024, 12, 9}};
    test::ScriptedFolderChooser folders;
    platform::LocalFileOps files;
    test::CountingWaitCursor cursor;
    std::unique_ptr<golfdb::CKipGolfDoc> doc;
    std::unique_ptr<CKipGolfView> view;
};

TEST_F(StatsView, StatisticsCommandsAreDispatched) {
    for (const CommandId id : {CommandId::BasicStats, CommandId::BasicStatsAllGolfers,
                               CommandId::HoleTypeStats, CommandId::FairwaysAndGreens})
        EXPECT_TRUE(view->isAvailable(id));
    dialogs.on<stats::CReportSelect>([](stats::CReportSelect& d) { return d.pressOk(); });
    int golfers = 0;
    dialogs.on<stats::CBasicAllStats>([&golfers](stats::CBasicAllStats& d) {
        golfers = (d.size() - 1) / 3;
        return d.ok();
    });
    EXPECT_EQ(view->run(CommandId::BasicStatsAllGolfers), CommandOutcome::None);
    EXPECT_EQ(golfers, static_cast<int>(doc->golferList().size()));
    EXPECT_GE(cursor.begun, 1);
    EXPECT_EQ(cursor.depth, 0);

    dialogs.on<manage::CSelectPersonDlg>([](manage::CSelectPersonDlg& d) {
        d.select(0);
        return d.ok();
    });
    dialogs.on<stats::CReportSelect>([](stats::CReportSelect& d) { return d.pressOk(); });
    dialogs.on<stats::CFairways>([](stats::CFairways& d) { return d.ok(); });
    EXPECT_EQ(view->run(CommandId::FairwaysAndGreens), CommandOutcome::None);
    EXPECT_EQ(dialogs.runs, 5);
    EXPECT_TRUE(prompter.shown.empty());
}

} // namespace
} // namespace kip::app
