#include "app/CKipGolfView.h"
#include "golfdb/CKipGolfDoc.h"

#include "support/Doubles.h"
#include "support/ScriptedFileChooser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>

namespace kip::app {
namespace {

// Export Rounds and Import Rounds from the main view: an export of the fixture database imported
// into an empty one fills its leaderboard as the fixtures' own.
TEST(ExchangeView, ImportedRoundsReachTheLeaderboard) {
    test::TempDir from;
    test::TempDir into;
    for (const char* table : {"Courses", "Golfers", "Scores"})
        from.copyFixture(table);
    test::ScriptedPrompter prompter;
    test::ScriptedDialogHost dialogs;
    test::MemorySettingsStore settings;
    test::FixedClock clock{{2024, 12, 9}};
    test::ScriptedFolderChooser folders;
    platform::LocalFileOps files;
    test::CountingWaitCursor cursor;
    test::ScriptedFileChooser chooser;
    auto makeView = [&](golfdb::CKipGolfDoc& doc) {
        return std::make_unique<CKipGolfView>(
            doc, ViewServices{prompter, dialogs, settings, clock, folders, files, nullptr, &chooser});
    };

    golfdb::CKipGolfDoc source(from.path(), prompter, &cursor, 2024);
    auto sourceView = makeView(source);
    ASSERT_TRUE(sourceView->initialUpdate());
    EXPECT_TRUE(sourceView->isAvailable(CommandId::ExportRounds));
    EXPECT_TRUE(sourceView->isAvailable(CommandId::ImportRounds));
    chooser.choose(into.file("rounds.csv"));
    EXPECT_EQ(sourceView->run(CommandId::ExportRounds), CommandOutcome::None);
    EXPECT_EQ(prompter.last().text, "All rounds have been exported to the text file successfully");

    golfdb::CKipGolfDoc target(into.path(), prompter, &cursor, 2024);
    auto targetView = makeView(target);
    ASSERT_TRUE(targetView->initialUpdate());                                  // creates the empty tables
    EXPECT_EQ(targetView->run(CommandId::ImportRounds), CommandOutcome::None); // cancelled
    chooser.choose(into.file("rounds.csv"));
    EXPECT_EQ(targetView->run(CommandId::ImportRounds), CommandOutcome::Repaint);
    EXPECT_EQ(prompter.last().text, "All rounds have been imported successfully");
    for (int c = 0; c < 6; ++c) {
        const LeaderCategory& want = sourceView->leaderboard().category(c);
        const LeaderCategory& got = targetView->leaderboard().category(c);
        EXPECT_EQ(got.best, want.best) << c;
        EXPECT_EQ(got.dateText, want.dateText) << c;
        EXPECT_EQ(got.leaderText, want.leaderText) << c;
    }
    EXPECT_EQ(cursor.depth, 0);
}

} // namespace
} // namespace kip::app
