#include "exchange/RoundsCommands.h"

#include "support/Doubles.h"
#include "support/ScriptedFileChooser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace kip::exchange {
namespace {

class RoundsCommands : public ::testing::Test {
protected:
    void SetUp() override {
        doc = std::make_unique<golfdb::CKipGolfDoc>(dir.path(), prompter, &cursor, 2024);
        ASSERT_EQ(doc->openDatabase(), golfdb::OpenOutcome::Created);
        prompter.shown.clear();
    }
    void addRound(const std::string& golfer) {
        auto& r = doc->scoreTable().record();
        r.clear();
        r.golfer = golfer;
        r.year = 2024;
        r.month = 6;
        r.day = 1;
        r.totalStrokes = 90;
        ASSERT_EQ(doc->scoreTable().add(), 0);
    }
    long storedRounds() {
        long n = 0;
        for (int rc = doc->scoreTable().goTop(); rc == 0; rc = doc->scoreTable().skip())
            ++n;
        return n;
    }
    void expectMessage(const std::string& text, const std::string& caption, platform::Icon icon) {
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.last().text, text);
        EXPECT_EQ(prompter.last().caption, caption);
        EXPECT_EQ(prompter.last().icon, icon);
        EXPECT_EQ(prompter.last().buttons, platform::Buttons::Ok);
        prompter.shown.clear();
    }

    test::TempDir dir;
    test::ScriptedPrompter prompter;
    test::CountingWaitCursor cursor;
    test::ScriptedFileChooser chooser;
    std::unique_ptr<golfdb::CKipGolfDoc> doc;
};

TEST_F(RoundsCommands, ChoosersAskWithTheirTitlesFiltersAndExtension) {
    EXPECT_FALSE(exportRoundsCommand(*doc, chooser));
    EXPECT_FALSE(importRoundsCommand(*doc, chooser));
    EXPECT_TRUE(prompter.shown.empty()); // cancelling is silent
    EXPECT_EQ(cursor.begun, 0);
    ASSERT_EQ(chooser.shown.size(), 2u);
    EXPECT_TRUE(chooser.shown[0].save);
    EXPECT_EQ(chooser.shown[0].request.title, "Select a Path and Name for the Exported Rounds File");
    EXPECT_FALSE(chooser.shown[1].save);
    EXPECT_EQ(chooser.shown[1].request.title, "Select the File to Import into the Scores Database");
    for (const auto& shown : chooser.shown) {
        EXPECT_EQ(shown.request.defaultExtension, "csv");
        ASSERT_EQ(shown.request.filters.size(), 3u);
        EXPECT_EQ(shown.request.filters[0].description, "CSV Files (*.csv)");
        EXPECT_EQ(shown.request.filters[0].patterns, "*.csv");
        EXPECT_EQ(shown.request.filters[1].description, "Text Files (*.txt)");
        EXPECT_EQ(shown.request.filters[1].patterns, "*.txt");
        EXPECT_EQ(shown.request.filters[2].patterns, "*");
    }
}

TEST_F(RoundsCommands, ExportThenImportReportTheirStatus) {
    addRound("Ames, Al");
    addRound("Bell, Bo");
    chooser.choose(dir.file("rounds.csv"));
    EXPECT_EQ(exportRoundsCommand(*doc, chooser), roundsFileDone);
    expectMessage("All rounds have been exported to the text file successfully", "Export Status",
                  platform::Icon::None);
    EXPECT_EQ(cursor.begun, 1);
    EXPECT_EQ(cursor.depth, 0);

    chooser.choose(dir.file("rounds.csv"));
    const auto summary = importRoundsCommand(*doc, chooser);
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->roundsStored, 2);
    expectMessage("All rounds have been imported successfully", "Import Status", platform::Icon::Information);
    EXPECT_EQ(storedRounds(), 4);

    chooser.choose(dir.file("missing/rounds.csv"));
    EXPECT_EQ(exportRoundsCommand(*doc, chooser), roundsFileCannotOpen);
    expectMessage("Error creating export file, export terminated", "Export Status", platform::Icon::None);
}

TEST_F(RoundsCommands, ImportFailuresSayWhatWentWrong) {
    chooser.choose(dir.file("missing.csv"));
    importRoundsCommand(*doc, chooser);
    expectMessage("RC = 4, unknown", "Import Status", platform::Icon::Error);

    std::ofstream(dir.file("short.csv")) << "\"Golfer\",\"MM\",\"DD\",\"YYYY\",\"TotalStrokes\"\n";
    chooser.choose(dir.file("short.csv"));
    importRoundsCommand(*doc, chooser);
    expectMessage("Error reading import file, import did not complete", "Import Status",
                  platform::Icon::Error);

    std::ofstream(dir.file("other.csv")) << "Name,Score\nAmes,80\n";
    chooser.choose(dir.file("other.csv"));
    importRoundsCommand(*doc, chooser);
    expectMessage("Import files is not in the correct format. The header information is not correct",
                  "Import Status", platform::Icon::Error);
    EXPECT_EQ(storedRounds(), 0);
}

TEST(RoundsStatus, ARoundTheTableRefusedIsNotReportedAsSuccess) {
    ImportSummary summary;
    summary.roundsRead = 5;
    summary.roundsStored = 3;
    summary.storeFailure = -15;
    EXPECT_FALSE(summary.everyRoundStored());
    const auto message = importMessage(summary);
    EXPECT_EQ(message.text, "2 of 5 rounds could not be stored, database error rc = -15");
    EXPECT_EQ(message.icon, platform::Icon::Error);
    summary.roundsStored = 5;
    EXPECT_EQ(importMessage(summary).text, "The imported rounds could not be saved, database error rc = -15");
}

TEST(RoundsStatus, RefusedAndChangedRoundsAreCountedAfterThePartsText) {
    ImportSummary summary;
    summary.roundsRead = 7;
    summary.roundsStored = 4;
    summary.roundsRefused = 3;
    summary.firstRefusedLine = 17;
    EXPECT_FALSE(summary.storedAsRead());
    auto message = importMessage(summary);
    EXPECT_EQ(message.text, "All rounds have been imported successfully\n\n"
                            "3 rounds were not imported: a date before 01/01/1900 or a number the database "
                            "cannot hold (the first at line 17).");
    EXPECT_EQ(message.icon, platform::Icon::Warning);

    summary.roundsRefused = 0;
    summary.roundsRead = summary.roundsStored = 4;
    summary.roundsChanged = 1;
    summary.firstChangedLine = 9;
    EXPECT_TRUE(summary.everyRoundStored());
    EXPECT_FALSE(summary.storedAsRead());
    EXPECT_EQ(importMessage(summary).text,
              "All rounds have been imported successfully\n\n"
              "1 round was imported with a name cut to its field, letters the database cannot hold stored as "
              "\"?\", or a number rounded to one decimal (the first at line 9).");

    // A file that stops is reported as before, with the counts after it.
    summary.result = roundsFileIncomplete;
    message = importMessage(summary);
    EXPECT_EQ(message.text.rfind("Error reading import file, import did not complete\n\n1 round was", 0), 0u);
    EXPECT_EQ(message.icon, platform::Icon::Error);
}

} // namespace
} // namespace kip::exchange
