#include "cli/GolfDataCli.h"

namespace kip::cli {
namespace {

class HandicapReportCli : public GolfDataCli {
protected:
    void SetUp() override {
        data.addGolfer("Okonkwo, Ike", 12.4);
        data.addGolfer("Brandt, Ola", 12.5);
        data.addGolfer("adams, Al", 2.0);
        data.addRounds("Okonkwo, Ike", {9.0, 8.0});
        for (const char* city : {"Ottawa", "Kingston"}) {
            auto& course = data.doc().courseTable().record();
            course.clearCourse();
            course.name = city == std::string("Ottawa") ? "Alder Run" : "Cedar Ridge";
            course.city = city;
            course.tee = "Blue";
            course.slope = 113;
            EXPECT_EQ(data.doc().courseTable().add(), 0);
        }
        auto& twin = data.doc().courseTable().record();
        twin.city = "Perth";
        EXPECT_EQ(data.doc().courseTable().add(), 0); // a second "Cedar Ridge" "Blue"
        data.doc().closeDatabase();
    }
};

TEST_F(HandicapReportCli, HandicapListsInBothOrders) {
    auto byGolfer = run("report handicaps");
    EXPECT_EQ(byGolfer.exitCode, 0) << byGolfer.err;
    EXPECT_EQ(byGolfer.out,
              "Golfer Handicaps (By Golfer)\n12.5 \tBrandt, Ola\n12.4 \tOkonkwo, Ike\n 2.0 \tadams, Al\n");
    EXPECT_EQ(run("report handicaps --by-handicap").out,
              "Golfer Handicaps (By Handicaps)\n 2.0 \tadams, Al\n12.4 \tOkonkwo, Ike\n12.5 \tBrandt, Ola\n");
    auto course = run("report course-handicaps 'Alder Run' Blue --by-handicap");
    EXPECT_EQ(course.exitCode, 0) << course.err;
    EXPECT_EQ(course.out, "Alder Run (Blue)\n   2 \tadams, Al\n  12 \tOkonkwo, Ike\n  13 \tBrandt, Ola\n");
    auto twins = run("report course-handicaps 'Cedar Ridge' Blue");
    EXPECT_EQ(twins.exitCode, 1);
    EXPECT_EQ(twins.out, "");
    EXPECT_NE(twins.err.find("Cedar Ridge, Kingston"), std::string::npos) << twins.err;
    EXPECT_NE(twins.err.find("Cedar Ridge, Perth"), std::string::npos) << twins.err;
    EXPECT_EQ(run("report handicaps extra").exitCode, 64);
}

TEST_F(HandicapReportCli, HandicapScoresOfEveryGolferOrOne) {
    auto all = run("report handicap-scores --all");
    EXPECT_EQ(all.exitCode, 0) << all.err;
    EXPECT_EQ(all.out, "Ola Brandt has a handicap of  0.0\n\n"
                       "Ike Okonkwo has a handicap of  7.6\n"
                       "  2024/12/28  85 ( 9.0)   at Alder Run\n"
                       "  2024/12/27  85 ( 8.0) * at Alder Run\n\n"
                       "Al adams has a handicap of  0.0\n\n");
    EXPECT_EQ(run("report handicap 'Brandt, Ola'").out, "Ola Brandt has a handicap of  0.0\n");
    EXPECT_EQ(run("report handicap 'Nobody, At All'").exitCode, 1);
}

} // namespace
} // namespace kip::cli
