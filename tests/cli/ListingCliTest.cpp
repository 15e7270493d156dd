#include "cli/GolfDataCli.h"

#include <gmock/gmock.h>

namespace kip::cli {
namespace {

using ::testing::ElementsAre;

class ListingCli : public GolfDataCli {
protected:
    void SetUp() override {
        data.addGolfer("Okonkwo, Ike");
        data.addGolfer("Castellano, Rita");
        auto& golfers = data.doc().golferTable();
        ASSERT_EQ(golfers.find("Castellano, Rita"), 0);
        golfers.record().team = 2;
        ASSERT_EQ(golfers.change(), 0);
        auto& courses = data.doc().courseTable();
        courses.record().clearCourse();
        courses.record().name = "Cedar Ridge";
        courses.record().tee = "Blue";
        courses.record().city = "Oakdale";
        ASSERT_EQ(courses.add(), 0);
        addRound("Okonkwo, Ike", 2024, 5, 2, 5);
        addRound("Okonkwo, Ike", 2024, 6, 2, 4);
        addRound("Castellano, Rita", 2024, 6, 3, 5);
        data.reopen();
    }

    void addRound(const char* golfer, int year, int month, int day, int strokes) {
        auto& round = data.scores().record();
        round.clear();
        round.golfer = golfer;
        round.name = "Cedar Ridge";
        round.tee = "Blue";
        round.year = year;
        round.month = month;
        round.day = day;
        for (std::size_t h = 1; h <= 18; ++h) {
            round.par[h] = 4;
            round.strokes[h] = static_cast<std::int8_t>(strokes);
            round.putts[h] = 2;
            round.holeFlags[h] = h <= 9 ? golfdb::holeGreenInRegulation : 0;
        }
        round.totalStrokes = 18 * strokes;
        ASSERT_EQ(data.scores().add(), 0);
    }

    // "kipgolf-cli report ARGUMENTS"
    CliRun report(const std::string& arguments) { return run("report " + arguments); }
};

TEST_F(ListingCli, LowestAndPuttsOfOneGolferAndOfAll) {
    const CliRun lowest = report("lowest 'Okonkwo, Ike'");
    EXPECT_EQ(lowest.exitCode, 0) << lowest.err;
    EXPECT_THAT(linesOf(lowest.out),
                ElementsAre("Lowest 20 Scores for Ike Okonkwo", "Score Date        Golfer\tCourse",
                            " 72   06/02/2024  Okonkwo, Ike\tCedar Ridge (Blue)",
                            " 90   05/02/2024  Okonkwo, Ike\tCedar Ridge (Blue)"));
    const CliRun putts = report("putts --all");
    EXPECT_EQ(putts.exitCode, 0) << putts.err;
    EXPECT_THAT(linesOf(putts.out),
                ElementsAre("20 Rounds with Fewest Putts for All Golfers",
                            "Putts Score Date        Golfer\tCourse",
                            " 36     72  06/02/2024  Okonkwo, Ike\tCedar Ridge (Blue)",
                            " 36     90  05/02/2024  Okonkwo, Ike\tCedar Ridge (Blue)",
                            " 36     90  06/03/2024  Castellano, Rita\tCedar Ridge (Blue)"));
    EXPECT_EQ(report("lowest 'Nobody, Here'").exitCode, 1);
    EXPECT_EQ(report("lowest").exitCode, 64);
}

TEST_F(ListingCli, CourseStatisticsOfAllGolfers) {
    const CliRun course = report("course 'Cedar Ridge' Blue");
    EXPECT_EQ(course.exitCode, 0) << course.err;
    const auto lines = linesOf(course.out);
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines[0], "Statistics for Cedar Ridge, Blue Tees (3 Rounds)");
    EXPECT_EQ(lines[24], "Low Round-  72 (06/02/2024)  High Round-  90 ( 2 times)  Avg Round- 84.0");
    EXPECT_EQ(report("course 'Cedar Ridge' Red").exitCode, 1);
}

TEST_F(ListingCli, RoundsPointsAndTeams) {
    const CliRun rounds = report("rounds 'Okonkwo, Ike' 'Castellano, Rita' --rounds 1");
    EXPECT_EQ(rounds.exitCode, 0) << rounds.err;
    EXPECT_THAT(linesOf(rounds.out),
                ElementsAre("List All Rounds for Selected Golfers",
                            "Score(Net)   Date        Golfer                Course", " ",
                            " 90  ( 90) 06/03/2024  Castellano, Rita      Cedar Ridge (Blue)", " ",
                            " 72  ( 72) 06/02/2024  Okonkwo, Ike          Cedar Ridge (Blue)"));
    const CliRun dated = report("rounds --all --from 20240501 --to 20240502");
    EXPECT_THAT(linesOf(dated.out),
                ElementsAre(::testing::_, ::testing::_, " ", ::testing::StartsWith(" 90")));
    const CliRun points = report("points --all");
    EXPECT_EQ(points.exitCode, 0) << points.err;
    EXPECT_THAT(linesOf(points.out),
                ElementsAre("List All Rounds for Selected Golfers",
                            "Score(Net) (Pts)   Date        Golfer                Course"));
    const CliRun teams = report("teams");
    EXPECT_EQ(teams.exitCode, 0) << teams.err;
    EXPECT_THAT(linesOf(teams.out),
                ElementsAre("Kip Golf Team List", "Team  Handicap    Golfer", "",
                            "   0     0.0      Ike Okonkwo", "", "   2     0.0      Rita Castellano"));
}

TEST_F(ListingCli, GraphSeriesAndScalesAndItsRefusals) {
    const CliRun graph = report("graph 'Okonkwo, Ike' --from 20240101 --to 20241231 scores greens");
    EXPECT_EQ(graph.exitCode, 0) << graph.err;
    EXPECT_THAT(linesOf(graph.out),
                ElementsAre("Gross Score\t90 72", "Greens\t9 9", "scale 1\t70\t30\t70 80 90 100",
                            "scale 2\t0\t20\t0 5 10 15 18"));
    const CliRun one = report("graph 'Castellano, Rita' --from 20240101 --to 20241231 putts");
    EXPECT_EQ(one.exitCode, 1);
    EXPECT_EQ(one.err, "Must have at least two rounds meeting selection criteira, no graph generated\n");
    const CliRun three = report("graph 'Okonkwo, Ike' --from 20240101 --to 20241231 scores putts greens");
    EXPECT_EQ(three.exitCode, 1);
    EXPECT_EQ(report("graph 'Okonkwo, Ike' --from 20240101 --to 20241231 birdies").exitCode, 64);
    const CliRun backwards = report("graph 'Okonkwo, Ike' --from 20241231 --to 20240101 scores");
    EXPECT_EQ(backwards.err, "The from date must be before the to date\n");
}

} // namespace
} // namespace kip::cli
