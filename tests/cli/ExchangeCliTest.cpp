#include "cli/GolfDataCli.h"

#include <fstream>

namespace kip::cli {
namespace {

class ExchangeCli : public GolfDataCli {
protected:
    void SetUp() override {
        data.addRound({"Okonkwo, Ike", 2024, 5, 2, 9.1, 80, "Cedar Ridge"});
        data.addRound({"Mulligan, Pat", 2024, 7, 30, 15.0, 90, "Alder Run"});
    }

    handicap::testing::GolfData empty{"empty/"};
    std::string file = data.dir.file("rounds.csv");
};

TEST_F(ExchangeCli, ExportAndImportPrintTheirStatus) {
    auto exported = run("export " + shellQuoted(file), data.folder);
    EXPECT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_EQ(exported.out, "All rounds have been exported to the text file successfully\n");
    EXPECT_EQ(exported.err, "");

    auto imported = run("import " + shellQuoted(file), empty.folder);
    EXPECT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(imported.out, "All rounds have been imported successfully\n");
    golfdb::ScoreTable scores(empty.folder + "Scores");
    ASSERT_EQ(scores.open(), 0);
    ASSERT_EQ(scores.goTop(), 0);
    EXPECT_EQ(scores.record().golfer, "Okonkwo, Ike");
    ASSERT_EQ(scores.skip(), 0);
    EXPECT_EQ(scores.record().golfer, "Mulligan, Pat");
    EXPECT_NE(scores.skip(), 0);
}

TEST_F(ExchangeCli, FailuresGoToStandardErrorWithAnExitCode) {
    auto noFolder = run("export " + shellQuoted(data.dir.file("none/rounds.csv")), data.folder);
    EXPECT_EQ(noFolder.exitCode, 1);
    EXPECT_EQ(noFolder.out, "");
    EXPECT_EQ(noFolder.err, "Error creating export file, export terminated\n");

    ASSERT_EQ(run("export " + shellQuoted(file), data.folder).exitCode, 0);
    const std::string text = test::readFile(file);
    std::ofstream(file, std::ios::binary) << text.substr(0, text.size() - 40);
    auto cut = run("import " + shellQuoted(file), empty.folder);
    EXPECT_EQ(cut.exitCode, 1);
    EXPECT_EQ(cut.err, "Error reading import file, import did not complete\n");

    EXPECT_EQ(run("import", empty.folder).exitCode, 64);
    auto noDatabase = run("import " + shellQuoted(file), data.dir.path() + "nothing/");
    EXPECT_EQ(noDatabase.exitCode, 2);
    EXPECT_FALSE(std::filesystem::exists(data.dir.path() + "nothing/Scores.dbf"));
}

TEST_F(ExchangeCli, ARefusedRoundIsCountedAndTheExitCodeIsNotZero) {
    ASSERT_EQ(run("export " + shellQuoted(file), data.folder).exitCode, 0);
    std::string text = test::readFile(file);
    const auto year = text.find("\"2024\"");
    ASSERT_NE(year, std::string::npos);
    text.replace(year, 6, "\"1899\"");
    std::ofstream(file, std::ios::binary) << text;
    auto imported = run("import " + shellQuoted(file), empty.folder);
    EXPECT_EQ(imported.exitCode, 1);
    EXPECT_EQ(imported.out, "");
    EXPECT_EQ(imported.err,
              "All rounds have been imported successfully\n\n1 round was not imported: a date "
              "before 01/01/1900 or a number the database cannot hold (the first at line 9).\n");
}

} // namespace
} // namespace kip::cli
