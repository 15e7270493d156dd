#include "cli/GolfDataCli.h"
#include "platform/IniSettingsStore.h"

namespace kip::cli {
namespace {

// A data folder with two golfers, and a settings folder of its own.
class HandicapCli : public GolfDataCli {
protected:
    void SetUp() override {
        data.addGolfer("Okonkwo, Ike", 30.0, 3);
        data.addGolfer("Mulligan", 18.3, 14);
        data.addRound({"Okonkwo, Ike", 2023, 9, 1, 12.4, 84, "Alderwood"});
        data.addRound({"Okonkwo, Ike", 2024, 5, 2, 9.1, 80, "Cedar Ridge"});
        data.addRound({"Okonkwo, Ike", 2024, 7, 30, 15.0, 90, "Alder Run"});
        data.addRound({"Okonkwo, Ike", 2024, 8, 1, 8.0, 79, "Alder Run"});
    }

    // The golfer as another program reads it from the files.
    golfdb::GolferRecord stored(const std::string& name) {
        golfdb::GolferTable golfers(data.folder + "Golfers");
        EXPECT_EQ(golfers.open(), 0);
        EXPECT_EQ(golfers.find(name), 0);
        return golfers.record();
    }

    std::string settingsFile = data.dir.path() + "config/KipGolf/KipGolf.ini";
};

TEST_F(HandicapCli, HandicapPrintsExactlyTheScoreLinesUnderTheStoredRule) {
    auto result = run("handicap 'Okonkwo, Ike'");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "Ike Okonkwo has a handicap of  7.6\n"
                          "  2024/08/01  79 ( 8.0) * at Alder Run\n"
                          "  2024/07/30  90 (15.0)   at Alder Run\n"
                          "  2024/05/02  80 ( 9.1)   at Cedar Ridge\n"
                          "  2023/09/01  84 (12.4)   at Alderwood\n");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(run("handicap Mulligan").out, " Mulligan has a handicap of  0.0\n");

    ASSERT_EQ(run("rule 2").exitCode, 0);
    EXPECT_EQ(platform::IniSettingsStore(settingsFile).readInt("Handicap", "Rule", -1), 2);
    result = run("handicap 'Okonkwo, Ike'");
    EXPECT_TRUE(result.out.starts_with("Ike Okonkwo has a handicap of 10.6\n")) << result.out; // all four
    EXPECT_NE(result.out.find("(12.4) * at Alderwood"), std::string::npos) << result.out;
}

TEST_F(HandicapCli, UnknownGolferFailsWithAMessageOnStandardError) {
    const auto result = run("handicap 'Okonkwo, Ik'");
    EXPECT_NE(result.exitCode, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("Okonkwo, Ik"), std::string::npos) << result.err;
    EXPECT_NE(run("handicap ''").exitCode, 0);
    EXPECT_NE(run("handicap").exitCode, 0);
}

TEST_F(HandicapCli, RecalcStoresEveryGolferUnderTheRuleInForce) {
    auto result = run("recalc");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "Handicap recalculation complete\n");
    EXPECT_DOUBLE_EQ(stored("Okonkwo, Ike").handicapIndex, 7.6); // 8.0 * 0.96 - 0.05
    EXPECT_EQ(stored("Okonkwo, Ike").handicapRounds, 4);
    EXPECT_DOUBLE_EQ(stored("Mulligan").handicapIndex, 0.0);
    EXPECT_EQ(stored("Mulligan").handicapRounds, 0);

    ASSERT_EQ(run("rule 1").exitCode, 0);
    ASSERT_EQ(run("recalc").exitCode, 0);
    EXPECT_DOUBLE_EQ(stored("Okonkwo, Ike").handicapIndex, 8.2); // (8.0 + 9.1) / 2 * 0.96 - 0.05
}

TEST_F(HandicapCli, RuleRefusesAnythingButZeroToThree) {
    for (const char* bad : {"4", "-1", "01", "x", "", "1 2"}) {
        const auto result = run(std::string("rule ") + bad);
        EXPECT_NE(result.exitCode, 0) << bad;
        EXPECT_NE(result.err, "") << bad;
    }
    EXPECT_FALSE(std::filesystem::exists(settingsFile));
}

TEST_F(HandicapCli, MissingDatabaseIsAnErrorNotANewDatabase) {
    const std::string empty = data.dir.path() + "empty/";
    std::filesystem::create_directories(empty);
    for (const char* command : {"handicap Mulligan", "recalc"}) {
        const auto result = run(command, empty);
        EXPECT_EQ(result.exitCode, 2) << command;
        EXPECT_NE(result.err, "") << command;
    }
    EXPECT_FALSE(std::filesystem::exists(empty + "Golfers.dbf"));
}

} // namespace
} // namespace kip::cli
