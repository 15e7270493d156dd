#include "cli/GolfDataCli.h"
#include "handicap/HandicapIndex.h"

namespace kip::cli {
namespace {

class GolferCli : public GolfDataCli {
protected:
    void SetUp() override {
        data.addGolfer("Okonkwo, Ike", 7.5, 12);
        data.addRounds("Okonkwo, Ike", {9.0, 10.0, 11.0});
        data.doc().closeDatabase();
    }

    int roundsOf(golfdb::ScoreTable& scores, const std::string& key) {
        int count = 0;
        for (int rc = scores.goTop(); rc == 0; rc = scores.skip())
            count += scores.record().golfer == key ? 1 : 0;
        return count;
    }
};

TEST_F(GolferCli, AddListsAndRefusesADuplicateOnStandardError) {
    auto added = run("golfer add Brandt Ola --team 4 --state on --handicap 12.0 --rounds 5");
    EXPECT_EQ(added.exitCode, 0) << added.err;
    EXPECT_EQ(added.out, "Ola Brandt has been added\n");
    auto listed = run("golfers");
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_EQ(listed.out, "2\tBrandt, Ola\n1\tOkonkwo, Ike\n");

    auto again = run("golfer add Brandt Ola");
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_EQ(again.out, "");
    EXPECT_EQ(again.err, "Ola Brandt is already in the golfer database\n");

    data.reopen();
    const auto ola = data.golfer("Brandt, Ola");
    EXPECT_EQ(ola.team, 4);
    EXPECT_EQ(ola.state, "ON");
    EXPECT_DOUBLE_EQ(ola.handicapIndex, 12.0);
    EXPECT_EQ(roundsOf(data.scores(), "Brandt, Ola"), 1);
}

TEST_F(GolferCli, RefusedValuesAddNothing) {
    auto handicap = run("golfer add Brandt Ola --handicap 150 --rounds 5");
    EXPECT_EQ(handicap.exitCode, 1);
    EXPECT_EQ(handicap.err, "Enter a number between 0.1 and 95.9.\n");
    auto team = run("golfer add Brandt Ola --team 12345");
    EXPECT_EQ(team.exitCode, 1);
    EXPECT_EQ(team.err, "Enter an integer between -999 and 9999.\n");
    EXPECT_EQ(run("golfer add Brandt Ola --handicap 12").exitCode, 64);
    EXPECT_EQ(run("golfers").out, "1\tOkonkwo, Ike\n");
}

TEST_F(GolferCli, NamesWithLettersTheTablesCannotHoldAreRefused) {
    auto added = run("golfer add Ωmega Αλέξης");
    EXPECT_EQ(added.exitCode, 1);
    EXPECT_EQ(added.out, "");
    EXPECT_NE(added.err.find("Last Name holds letters the database cannot store: Ω"), std::string::npos)
        << added.err;
    auto renamed = run("golfer rename 'Okonkwo, Ike' Okonkwo Ικε");
    EXPECT_EQ(renamed.exitCode, 1);
    EXPECT_NE(renamed.err.find("First Name holds letters the database cannot store: Ι κ ε"),
              std::string::npos)
        << renamed.err;
    EXPECT_EQ(run("golfers").out, "1\tOkonkwo, Ike\n");
}

TEST_F(GolferCli, RenameAndDeleteTakeTheRoundsAlong) {
    auto renamed = run("golfer rename 'Okonkwo, Ike' Okonkwo-Bell Ike");
    EXPECT_EQ(renamed.exitCode, 0) << renamed.err;
    EXPECT_EQ(renamed.out, "Ike Okonkwo-Bell has been changed\n");
    EXPECT_EQ(run("golfer rename 'Okonkwo, Ike' A B").exitCode, 1);
    {
        data.reopen();
        EXPECT_EQ(roundsOf(data.scores(), "Okonkwo-Bell, Ike"), 3);
        data.doc().closeDatabase();
    }
    auto deleted = run("golfer delete 'Okonkwo-Bell, Ike'");
    EXPECT_EQ(deleted.exitCode, 0) << deleted.err;
    EXPECT_EQ(deleted.out, "Golfer Ike Okonkwo-Bell and all rounds played have been deleted\n");
    EXPECT_EQ(run("golfers").out, "");
    data.reopen();
    EXPECT_EQ(roundsOf(data.scores(), "Okonkwo-Bell, Ike"), 0);
}

} // namespace
} // namespace kip::cli
