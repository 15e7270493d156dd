#include "golfdb/CKipGolfDoc.h"
#include "handicap/Differential.h"
#include "platform/IniSettingsStore.h"
#include "support/Doubles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

namespace kip::cli {
namespace {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string quoted(const std::string& text) {
    std::string q = "'";
    for (char c : text)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// A data folder with a few golfers and rounds, and a private settings folder.
class HandicapCli : public ::testing::Test {
protected:
    void SetUp() override {
        test::ScriptedPrompter prompter;
        golfdb::CKipGolfDoc doc(dir.path() + "data/", prompter);
        std::filesystem::create_directories(dir.path() + "data");
        ASSERT_NE(doc.openDatabase(), golfdb::OpenOutcome::EndProgram);
        addGolfer(doc, "Okonkwo, Ike", 30.0, 3);
        addGolfer(doc, "Mulligan", 18.3, 14);
        addRound(doc, "Okonkwo, Ike", 2023, 9, 1, 12.4, 84, "Alderwood");
        addRound(doc, "Okonkwo, Ike", 2024, 5, 2, 9.1, 80, "Cedar Ridge");
        addRound(doc, "Okonkwo, Ike", 2024, 7, 30, 15.0, 90, "Alder Run");
        addRound(doc, "Okonkwo, Ike", 2024, 8, 1, 8.0, 79, "Alder Run");
        doc.syncAll();
    }

    static void addGolfer(golfdb::CKipGolfDoc& doc, const std::string& name, double index, int rounds) {
        auto& golfers = doc.golferTable();
        golfers.record().clear();
        golfers.record().name = name;
        golfers.record().handicapIndex = index;
        golfers.record().handicapRounds = rounds;
        ASSERT_EQ(golfers.add(), 0);
    }

    static void addRound(golfdb::CKipGolfDoc& doc, const std::string& golfer, int year, int month, int day,
                         double differential, int gross, const std::string& course) {
        auto& round = doc.scoreTable().record();
        round.clear();
        round.golfer = golfer;
        round.name = course;
        round.slope = 113;
        round.flags = golfdb::flagTotalOnly | golfdb::flagNoFairwayStats;
        round.year = year;
        round.month = month;
        round.day = day;
        round.totalStrokes = gross;
        round.differential = differential;
        ASSERT_EQ(doc.scoreTable().add(), 0);
    }

    CliRun run(const std::string& arguments) {
        const std::string errFile = dir.file("stderr.txt");
        const std::string command = "XDG_CONFIG_HOME=" + quoted(dir.path() + "config") + " " +
                                    quoted(KIP_CLI_PATH) + " " + quoted("/datadir=" + dir.path() + "data") +
                                    " " + arguments + " 2>" + quoted(errFile);
        CliRun result;
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe)
            return result;
        std::array<char, 4096> buffer{};
        for (size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
            result.out.append(buffer.data(), n);
        const int status = pclose(pipe);
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.err = test::readFile(errFile);
        return result;
    }

    golfdb::GolferRecord storedGolfer(const std::string& name) {
        golfdb::GolferTable golfers(dir.path() + "data/Golfers");
        EXPECT_EQ(golfers.open(), 0);
        EXPECT_EQ(golfers.find(name), 0);
        const auto golfer = golfers.record();
        golfers.close();
        return golfer;
    }

    std::string settingsFile() const { return dir.path() + "config/KipGolf/KipGolf.ini"; }

    test::TempDir dir;
};

TEST_F(HandicapCli, HandicapPrintsExactlyTheScoreLines) {
    const auto result = run("handicap 'Okonkwo, Ike'");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "Ike Okonkwo has a handicap of  7.6\n"
                          "  2024/08/01  79 ( 8.0) * at Alder Run\n"
                          "  2024/07/30  90 (15.0)   at Alder Run\n"
                          "  2024/05/02  80 ( 9.1)   at Cedar Ridge\n"
                          "  2023/09/01  84 (12.4)   at Alderwood\n");
    EXPECT_TRUE(result.err.empty()) << result.err;
}

TEST_F(HandicapCli, HandicapFollowsTheStoredRule) {
    ASSERT_EQ(run("rule 2").exitCode, 0);
    platform::IniSettingsStore settings(settingsFile());
    EXPECT_EQ(settings.readInt("Handicap", "Rule", -1), 2);
    const auto result = run("handicap 'Okonkwo, Ike'");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    // All four: (8.0 + 15.0 + 9.1 + 12.4) / 4 * 0.96 - 0.05 = 10.63
    EXPECT_TRUE(result.out.starts_with("Ike Okonkwo has a handicap of 10.6\n")) << result.out;
    EXPECT_NE(result.out.find("(12.4) * at Alderwood"), std::string::npos) << result.out;
}

TEST_F(HandicapCli, GolferWithoutRoundsShowsTheHeadingOnly) {
    const auto result = run("handicap Mulligan");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, " Mulligan has a handicap of  0.0\n");
}

TEST_F(HandicapCli, UnknownGolferFailsWithAMessageOnStandardError) {
    const auto result = run("handicap 'Okonkwo, Ik'");
    EXPECT_NE(result.exitCode, 0);
    EXPECT_TRUE(result.out.empty()) << result.out;
    EXPECT_NE(result.err.find("Okonkwo, Ik"), std::string::npos) << result.err;
    EXPECT_NE(run("handicap ''").exitCode, 0);
    EXPECT_NE(run("handicap").exitCode, 0);
}

TEST_F(HandicapCli, RecalcStoresEveryGolferAndPrintsTheCompletionText) {
    const auto result = run("recalc");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "Handicap recalculation complete\n");
    EXPECT_DOUBLE_EQ(storedGolfer("Okonkwo, Ike").handicapIndex, 7.6); // 8.0 * 0.96 - 0.05
    EXPECT_EQ(storedGolfer("Okonkwo, Ike").handicapRounds, 4);
    EXPECT_DOUBLE_EQ(storedGolfer("Mulligan").handicapIndex, 0.0);
    EXPECT_EQ(storedGolfer("Mulligan").handicapRounds, 0);
}

TEST_F(HandicapCli, RecalcUsesTheRuleInForce) {
    ASSERT_EQ(run("rule 1").exitCode, 0);
    ASSERT_EQ(run("recalc").exitCode, 0);
    EXPECT_DOUBLE_EQ(storedGolfer("Okonkwo, Ike").handicapIndex, 8.2); // (8.0 + 9.1) / 2 * 0.96 - 0.05
}

TEST_F(HandicapCli, RuleRefusesAnythingButZeroOneOrTwo) {
    for (const char* bad : {"3", "-1", "01", "x", "", "1 2"}) {
        const auto result = run(std::string("rule ") + bad);
        EXPECT_NE(result.exitCode, 0) << bad;
        EXPECT_FALSE(result.err.empty()) << bad;
    }
    EXPECT_FALSE(std::filesystem::exists(settingsFile()));
}

TEST_F(HandicapCli, MissingDatabaseIsAnErrorNotANewDatabase) {
    std::filesystem::remove_all(dir.path() + "data");
    std::filesystem::create_directories(dir.path() + "data");
    for (const char* command : {"handicap Mulligan", "recalc"}) {
        const auto result = run(command);
        EXPECT_NE(result.exitCode, 0) << command;
        EXPECT_FALSE(result.err.empty()) << command;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "data/Golfers.dbf"));
}

} // namespace
} // namespace kip::cli
