// The command-line forms of the World Handicap System: rule 3, stroke indexes, PCC and the history.

#include "cli/GolfDataCli.h"

namespace kip::cli {
namespace {

constexpr const char* pars = "4,4,3,5,4,4,3,5,4,4,4,3,5,4,4,3,5,4";
constexpr const char* yards = "400,380,160,510,390,410,170,520,420,400,380,160,510,390,410,170,520,420";
constexpr const char* strokeIndexes = "1,11,17,7,3,13,15,5,9,2,10,18,6,4,12,14,8,16";

class WorldHandicapCli : public GolfDataCli {
protected:
    void SetUp() override {
        data.addGolfer("Okonkwo, Ike", 12.4, 20);
        data.addGolfer("Mulligan, Mo");
        data.doc().closeDatabase();
    }
    golfdb::ScoreRecord newestRound() {
        data.reopen();
        EXPECT_EQ(data.scores().findNewest("Okonkwo, Ike"), 0);
        return data.scores().record();
    }
};

TEST_F(WorldHandicapCli, CourseWithStrokeIndexesGivesThemToItsRoundsWithThePcc) {
    auto refused = run(std::string("course add 'Heron Bay' Ayr ON White 71.8 131 ") + pars + " " + yards +
                       " --stroke-index 1,1,17,7,3,13,15,5,9,2,10,18,6,4,12,14,8,16");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("stroke indexes 1 to 18"), std::string::npos) << refused.err;
    auto added = run(std::string("course add 'Heron Bay' Ayr ON White 71.8 131 ") + pars + " " + yards +
                     " --stroke-index " + strokeIndexes);
    ASSERT_EQ(added.exitCode, 0) << added.err;

    auto legacy = run("round add-total 'Okonkwo, Ike' 'Heron Bay' White 20250601 90 --pcc 1");
    EXPECT_EQ(legacy.exitCode, 1) << "no PCC field under the legacy rules";
    EXPECT_NE(legacy.err.find("rule 3"), std::string::npos) << legacy.err;

    ASSERT_EQ(run("rule 3").exitCode, 0);
    auto outOfRange = run("round add-total 'Okonkwo, Ike' 'Heron Bay' White 20250601 90 --pcc 4");
    EXPECT_EQ(outOfRange.exitCode, 1);
    EXPECT_NE(outOfRange.err.find("Enter an integer between -1 and 3."), std::string::npos) << outOfRange.err;
    EXPECT_EQ(run("round add-total 'Okonkwo, Ike' 'Heron Bay' White 20250601 90 --pcc").exitCode, 64);

    auto saved = run("round add-total 'Okonkwo, Ike' 'Heron Bay' White 20250601 90 --pcc -1");
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    const golfdb::ScoreRecord round = newestRound();
    EXPECT_EQ(round.pcc, -1);
    EXPECT_EQ(round.strokeIndex[12], 18);
    EXPECT_EQ(round.courseHandicap(), 14) << "12.4 x 131 / 113 + (71.8 - 72) = 14.175";
}

TEST_F(WorldHandicapCli, HistoryPrintsOneLinePerDayAndNothingForAGolferWithoutRounds) {
    ASSERT_EQ(run(std::string("course add 'Heron Bay' Ayr ON White 70.0 113 ") + pars + " " + yards).exitCode,
              0);
    ASSERT_EQ(run("rule 3").exitCode, 0);
    for (const char* day : {"20250601 90", "20250608 84", "20250615 88", "20250615 76"})
        ASSERT_EQ(run(std::string("round add-total 'Okonkwo, Ike' 'Heron Bay' White ") + day).exitCode, 0);
    auto history = run("report history 'Okonkwo, Ike'");
    EXPECT_EQ(history.exitCode, 0) << history.err;
    EXPECT_EQ(history.out, "2025/06/01\tNH\n2025/06/08\tNH\n2025/06/15\t5.0\n");
    auto none = run("report history 'Mulligan, Mo'");
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(run("report history 'Nobody, Ned'").exitCode, 1);
}

} // namespace
} // namespace kip::cli
