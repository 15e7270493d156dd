#include "cli/GolfDataCli.h"

#include <gmock/gmock.h>

namespace kip::cli {
namespace {

using ::testing::ElementsAre;

class StatsCli : public GolfDataCli {
protected:
    void SetUp() override {
        data.addGolfer("Okonkwo, Ike");
        data.addGolfer("Castellano, Rita");
        for (const char* tee : {"Blue", "White"}) {
            auto& courses = data.doc().courseTable();
            courses.record().clearCourse();
            courses.record().name = "Cedar Ridge";
            courses.record().tee = tee;
            courses.record().city = "Oakdale";
            ASSERT_EQ(courses.add(), 0);
        }
        addRound(2024, 5, 2, "White", 5);
        addRound(2024, 6, 2, "Blue", 4);
        addRound(2023, 6, 2, "White", 6);
        data.reopen();
    }

    void addRound(int year, int month, int day, const char* tee, int strokes) {
        auto& round = data.scores().record();
        round.clear();
        round.golfer = "Okonkwo, Ike";
        round.name = "Cedar Ridge";
        round.tee = tee;
        round.year = year;
        round.month = month;
        round.day = day;
        for (std::size_t h = 1; h <= 18; ++h) {
            round.par[h] = h == 3 ? 3 : 4;
            round.strokes[h] = static_cast<std::int8_t>(h == 3 ? 3 : strokes);
            round.putts[h] = 2;
            round.holeFlags[h] = h <= 7 ? golfdb::holeFairwayHit | golfdb::holeGreenInRegulation : 0;
        }
        round.totalStrokes = 0;
        round.totalStrokes = round.grossScore();
        ASSERT_EQ(data.scores().add(), 0);
    }

    // "kipgolf-cli report ARGUMENTS"
    CliRun report(const std::string& arguments) { return run("report " + arguments); }
};

TEST_F(StatsCli, BasicWithCourseTeeAndDates) {
    const CliRun basic =
        report("basic 'Okonkwo, Ike' --course 'Cedar Ridge' --tee White --from 20240101 --to 20241231");
    ASSERT_EQ(basic.exitCode, 0) << basic.err;
    EXPECT_THAT(
        linesOf(basic.out),
        ElementsAre("Basic Statistics for Ike Okonkwo", "Cedar Ridge (White)",
                    "From 01/01/2024 Through 12/31/2024", "      Average Score 88.0   Total Rounds 1",
                    "Detail Statistics for Rounds Entered by Hole", "                Detail Rounds Used 1",
                    "Putts per Round 36.0   Fairways Hit 35.3%   Greens in Regulation 38.9%",
                    "Eagles  0.0%  Birdies  0.0%  Pars  5.6%  Boogies 94.4%  Doubles  0.0%  Others  0.0%"));
}

TEST_F(StatsCli, ACourseLimitIsANameWhateverTheCity) {
    // A second course of that name, in another town, with a tee of its own.
    for (const char* tee : {"White", "Red"}) {
        auto& courses = data.doc().courseTable();
        courses.record().clearCourse();
        courses.record().name = "Cedar Ridge";
        courses.record().tee = tee;
        courses.record().city = "Elmwood";
        ASSERT_EQ(courses.add(), 0);
    }
    addRound(2022, 4, 1, "Red", 5);
    data.doc().closeDatabase();

    const CliRun white = report("basic 'Okonkwo, Ike' --course 'Cedar Ridge' --tee White");
    ASSERT_EQ(white.exitCode, 0) << white.err;
    EXPECT_NE(white.out.find("Total Rounds 2"), std::string::npos) << white.out;
    const CliRun red = report("basic 'Okonkwo, Ike' --course 'Cedar Ridge' --tee Red");
    ASSERT_EQ(red.exitCode, 0) << red.err;
    EXPECT_NE(red.out.find("Total Rounds 1"), std::string::npos) << red.out;
    const CliRun every = report("basic 'Okonkwo, Ike' --course 'Cedar Ridge'");
    ASSERT_EQ(every.exitCode, 0) << every.err;
    EXPECT_NE(every.out.find("Total Rounds 4"), std::string::npos) << every.out;

    const CliRun listed = report("rounds --all --course 'Cedar Ridge' --tee White");
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_NE(listed.out.find("05/02/2024"), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find("06/02/2023"), std::string::npos) << listed.out;
    EXPECT_EQ(listed.out.find("04/01/2022"), std::string::npos) << listed.out;

    const CliRun noTee = report("basic 'Okonkwo, Ike' --course 'Cedar Ridge' --tee Gold");
    EXPECT_EQ(noTee.exitCode, 1);
    EXPECT_EQ(noTee.err, "kipgolf-cli: course \"Cedar Ridge\" has no tee \"Gold\"\n");
}

TEST_F(StatsCli, BasicAllHeadsWithTheLimitsLine) {
    const CliRun all = report("basic-all --course 'Cedar Ridge'");
    ASSERT_EQ(all.exitCode, 0) << all.err;
    const auto lines = linesOf(all.out);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], "Basic Stats for All Golfers");
    EXPECT_EQ(lines[1], "Cedar Ridge  ");
    EXPECT_EQ(lines[2], "Score Rounds Det_Rnds Putts   <Par    Pars    >Par     Fws     GIR");
    EXPECT_EQ(lines[3], "Castellano, Rita");
    EXPECT_EQ(lines[6], "Okonkwo, Ike");
    EXPECT_EQ(lines[7], " 88     3       3      36     0.0%   37.0%   63.0%   35.3%   38.9%");
    EXPECT_EQ(report("basic-all --above 80").exitCode, 64);
}

TEST_F(StatsCli, FairwaysPrintsSevenLines) {
    const CliRun fairways = report("fairways 'Okonkwo, Ike' --course 'Cedar Ridge' --hole 1");
    ASSERT_EQ(fairways.exitCode, 0) << fairways.err;
    EXPECT_THAT(linesOf(fairways.out),
                ElementsAre("Stats for Ike Okonkwo on Cedar Ridge", "When Your Drive Lands in the Fairway:",
                            "# Holes       Fw Hit     Greens Hit  Below Par     Par  <=Par",
                            "3\t3(100%)\t3(100%)\t0\t1\t33%", "When You Hit the Green in Regulation:",
                            "# Holes     Greens Hit    Putts      Below Par     Par  <=Par",
                            "3\t3(100%)\t2.0\t0\t1\t33%"));
}

TEST_F(StatsCli, HolesPrintsThePrintLines) {
    const CliRun holes = report("holes 'Okonkwo, Ike' --below 90");
    ASSERT_EQ(holes.exitCode, 0) << holes.err;
    const auto lines = linesOf(holes.out);
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[0], "Statistics by Hole Type for Ike Okonkwo");
    EXPECT_EQ(lines[1], "Using Only Scores < 90");
    EXPECT_EQ(lines[2], "      Detail Rounds      2");
}

TEST_F(StatsCli, LimitsAreCheckedAsTheDialogChecksThem) {
    const CliRun hole = report("holes 'Okonkwo, Ike' --course 'Cedar Ridge' --hole 19");
    EXPECT_EQ(hole.exitCode, 1);
    EXPECT_EQ(hole.err, "You must specify a hole number between 1 and 18\n");
    EXPECT_EQ(hole.out, "");
    const CliRun dates = report("basic 'Okonkwo, Ike' --from 20240102 --to 20240101");
    EXPECT_EQ(dates.exitCode, 1);
    EXPECT_EQ(dates.err, "The from date must be before the to date\n");
    const CliRun score = report("basic 'Okonkwo, Ike' --above 201");
    EXPECT_EQ(score.exitCode, 1);
    EXPECT_EQ(score.err, "Enter an integer between 0 and 200.\n");
    EXPECT_EQ(report("basic 'Nobody, Here'").exitCode, 1);
    EXPECT_EQ(report("basic 'Okonkwo, Ike' --course 'Nowhere'").exitCode, 1);
    EXPECT_EQ(report("basic 'Okonkwo, Ike' --from 20240101").exitCode, 64);
    EXPECT_EQ(report("basic 'Okonkwo, Ike' --hole 3 --course 'Cedar Ridge'").exitCode, 64);
    EXPECT_EQ(report("basic 'Okonkwo, Ike' --tee Blue").exitCode, 64);
}

} // namespace
} // namespace kip::cli
