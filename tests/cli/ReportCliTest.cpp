#include "cli/GolfDataCli.h"
#include "rounds/RoundCard.h"

namespace kip::cli {
namespace {

class ReportCli : public GolfDataCli {
protected:
    long addHoleByHoleRound() {
        auto& round = data.scores().record();
        round.clear();
        round.golfer = "Okonkwo, Ike";
        round.name = "Cedar Ridge";
        round.tee = "White";
        round.slope = 118;
        round.rating = 69.8;
        round.year = 2024;
        round.month = 5;
        round.day = 2;
        for (int h = 1; h <= 18; ++h) {
            const auto s = static_cast<std::size_t>(h);
            round.par[s] = 4;
            round.yardage[s] = 350;
            round.strokes[s] = static_cast<std::int8_t>(h == 18 ? 7 : 5);
            round.putts[s] = 2;
            round.holeFlags[s] = h == 1 ? golfdb::holeFairwayHit | golfdb::holeGreenInRegulation : 0;
        }
        round.totalStrokes = 92;
        EXPECT_EQ(data.scores().add(), 0);
        return data.scores().recordNumber();
    }
};

TEST_F(ReportCli, CardPrintsTheStoredRoundAsPrintDoes) {
    const long holeByHole = addHoleByHoleRound();
    const golfdb::ScoreRecord stored = data.scores().record();
    const long totalOnly = data.addRound({"Okonkwo, Ike", 2024, 7, 30, 15.0, 90, "Alder Run"});
    data.reopen();

    const CliRun card = run("report card " + std::to_string(holeByHole));
    EXPECT_EQ(card.exitCode, 0) << card.err;
    std::string expected;
    for (const auto& line : rounds::printedCard(stored))
        expected += line.text + "\n";
    EXPECT_EQ(card.out, expected);
    EXPECT_EQ(card.out.substr(0, card.out.find('\n')), "View Round for Ike Okonkwo played on 05/02/2024");
    EXPECT_NE(card.out.find("\n 1 \t  350 \t  4 \t   5 \t    2 \t    Y \t   Y\n"), std::string::npos);
    EXPECT_NE(card.out.find("\nTotal \t 6300 \t 72 \t  92 \t   36 \t    1 \t   1\n"), std::string::npos);

    const CliRun total = run("report card " + std::to_string(totalOnly));
    EXPECT_EQ(total.exitCode, 0) << total.err;
    EXPECT_EQ(total.out, "View Round for Ike Okonkwo\n"
                         "Alder Run    Tees   Rating/Slope:  0.0/113  Par: 0\n"
                         "Round played on 07/30/2024 and the score was 90\n");
}

TEST_F(ReportCli, CardRefusesAMissingRoundAndABadCommandLine) {
    addHoleByHoleRound();
    const CliRun missing = run("report card 9");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "Error reading round information from database!\n");
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(run("report card x1").exitCode, 64);
    EXPECT_EQ(run("report card").exitCode, 64);
    EXPECT_EQ(run("report nosuch").exitCode, 64);
    EXPECT_EQ(run("report").exitCode, 64);
}

} // namespace
} // namespace kip::cli
