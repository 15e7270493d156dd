#include "report/ReportPrint.h"
#include "support/RecordingPrinter.h"

#include <gtest/gtest.h>

namespace kip::report {
namespace {

using Layout = std::vector<std::string>;

// Line height 10, character width 6, page height 200: the bottom limit is at line 15.
struct Print : ::testing::Test {
    test::RecordingPrinter printer;

    const test::PrintedDocument& run(const ReportDocument& document) {
        EXPECT_TRUE(printReport(printer, document));
        EXPECT_TRUE(printer.last().finished);
        EXPECT_EQ(printer.last().drawnAfterFinish, 0);
        return printer.last();
    }
    const test::PrintedDocument& run(PrintVariant variant, const std::string& title,
                                     const std::vector<std::string>& lines) {
        EXPECT_TRUE(printReport(printer, variant, title, printLines(lines)));
        EXPECT_TRUE(printer.last().finished);
        return printer.last();
    }
    Layout layout() const { return printer.last().layout(printer.lineHeight); }
};

std::vector<std::string> numbered(const std::string& prefix, int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(prefix + std::to_string(i));
    return lines;
}

TEST_F(Print, EachVariantNamesItsDocumentAndSetsItsTabStops) {
    const struct {
        PrintVariant variant;
        const char* name;
        std::vector<int> stops; // in character widths; empty: no tab expansion
    } cases[] = {
        {PrintVariant::BasicStats, "Kip Golf Basic Stats", {}},
        {PrintVariant::BasicAllStats, "Kip Golf Basic All Stats", {}},
        {PrintVariant::HoleStats, "Kip Golf Hole Stats", {20, 30, 40}},
        {PrintVariant::LowestScores, "Kip Golf Lowest Scores", {50, 60}},
        {PrintVariant::FewestPutts, "Kip Golf Fewest Putts", {50, 60}},
        {PrintVariant::CourseStats, "Kip Golf Course Stats", {}},
        {PrintVariant::HandicapListing, "Kip Golf Handicaps", {8}},
        {PrintVariant::RoundListing, "Kip Golf All Scores", {40, 50}},
        {PrintVariant::TeamListing, "Kip Golf Team List", {}},
        {PrintVariant::HandicapScores, "Kip Golf Handicap Scores", {20, 30, 40}},
        {PrintVariant::HandicapScoresNoBreaks, "Kip Golf Handicap Scores", {20, 30, 40}},
        {PrintVariant::HandicapSummary, "Kip Golf Handicap Scores", {20, 30, 40}},
        {PrintVariant::RoundCard, "Kip Golf Total Round", {10}},
        {PrintVariant::TotalRoundCard, "Kip Golf Total Round", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ReportDocument document{c.variant, "Title", "", "", {{"a\tb"}}};
        if (c.variant == PrintVariant::HandicapScores)
            document.lines[0].golferHeading = true;
        const auto& printed = run(document);
        EXPECT_EQ(printed.request.documentName, c.name);
        EXPECT_EQ(printed.request.font.face, "Courier");
        EXPECT_EQ(printed.request.font.points, 12);
        EXPECT_TRUE(printed.request.font.fixedPitch);
        EXPECT_EQ(printed.request.font.printerDefault, c.variant == PrintVariant::BasicStats)
            << "only Basic Statistics keeps the printer's font";
        EXPECT_FALSE(printed.request.landscape);
        std::vector<int> stops;
        for (const int widths : c.stops)
            stops.push_back(widths * printer.charWidth);
        ASSERT_FALSE(printed.texts.empty());
        for (const auto& text : printed.texts) {
            EXPECT_EQ(text.x, printer.charWidth) << "every line starts one character width in";
            EXPECT_EQ(text.tabbed, !stops.empty()) << text.text;
            EXPECT_EQ(text.stops, stops) << text.text;
        }
    }
}

TEST_F(Print, CancelledDialogPrintsNothing) {
    printer.cancel = true;
    EXPECT_FALSE(printReport(printer, PrintVariant::LowestScores, "Title", printLines({"a", "b"})));
    EXPECT_EQ(printer.dialogs, 1);
    EXPECT_TRUE(printer.documents.empty());
}

TEST_F(Print, TitledListingOneLineLongerThanAPageRepeatsTheTitleAboveTheLastLine) {
    // Lines from 5 until the bottom limit at 15: ten lines fit on the first page.
    run(PrintVariant::LowestScores, "Lowest 20 Scores for Ann Lee", numbered("line ", 11));
    Layout expected = {"0:3:Lowest 20 Scores for Ann Lee"};
    for (int i = 1; i <= 10; ++i)
        expected.push_back("0:" + std::to_string(4 + i) + ":line " + std::to_string(i));
    expected.push_back("1:2:Lowest 20 Scores for Ann Lee");
    expected.push_back("1:4:line 11");
    EXPECT_EQ(layout(), expected);
    EXPECT_EQ(printer.last().pages, 2);
}

TEST_F(Print, TitledListingThatFillsItsPageExactlyLeavesNoEmptyPage) {
    run(PrintVariant::CourseStats, "Statistics for Oak Hill, Blue Tees (3 Rounds)", numbered("line ", 10));
    EXPECT_EQ(printer.last().pages, 1);
    EXPECT_EQ(layout().back(), "0:14:line 10");
}

TEST_F(Print, TitledVariantsPlaceTitleAndLinesOnEveryPage) {
    printer.pageHeight = 120; // bottom limit at 7
    run(PrintVariant::RoundListing, "", numbered("r", 6));
    EXPECT_EQ(layout(), (Layout{"0:3:List All Rounds for Selected Golfers", "0:4:r1", "0:5:r2", "0:6:r3",
                                "1:2:List All Rounds for Selected Golfers", "1:3:r4", "1:4:r5", "1:5:r6"}));

    run(PrintVariant::HandicapListing, "Golfer Handicaps (By Golfer)", numbered("h", 4));
    EXPECT_EQ(layout(), (Layout{"0:3:Golfer Handicaps (By Golfer)", "0:5:h1", "0:6:h2",
                                "1:2:Golfer Handicaps (By Golfer)", "1:4:h3", "1:5:h4"}));
}

TEST_F(Print, TeamListingLeavesAnEmptyLineBeforeEveryTeam) {
    printer.pageHeight = 150; // bottom limit at 10
    run(PrintVariant::TeamListing, "",
        {"   1  12.0       Lee, Ann", "   1   8.4       Roe, Bob", "   2  20.1       Cox, Cy",
         "   2  11.0       Dee, Di", "  12   3.0       Fox, Al", "  12   4.0       Gee, Bo"});
    EXPECT_EQ(
        layout(),
        (Layout{"0:3:Kip Golf Team List", "0:5:Team  Handicap    Golfer", "0:7:   1  12.0       Lee, Ann",
                "0:8:   1   8.4       Roe, Bob", "0:10:   2  20.1       Cox, Cy",
                // the page was full: title and column header again, the same team goes on
                "1:2:Kip Golf Team List", "1:4:Team  Handicap    Golfer", "1:5:   2  11.0       Dee, Di",
                "1:7:  12   3.0       Fox, Al", "1:8:  12   4.0       Gee, Bo"}));
}

TEST_F(Print, BasicAllStatsStartsEveryPageWithTheColumnHeaderAndKeepsBlocksWhole) {
    const std::string header = "Score Rounds Det_Rnds Putts   <Par    Pars    >Par     Fws     GIR";
    std::vector<std::string> lines = {header};
    for (int golfer = 1; golfer <= 5; ++golfer)
        for (const std::string& line :
             {"Golfer " + std::to_string(golfer), std::string("values"), std::string()})
            lines.push_back(line);
    run(PrintVariant::BasicAllStats, "Oak Hill  01/01/2024 to 12/31/2024", lines);
    // Title at 1, limits at 2, header at 4, blocks from 5; the page is full from 15 on but breaks only
    // after an empty line, so the fourth block (14 to 16) reaches below the limit.
    Layout expected = {"0:1:Basic Stats for All Golfers", "0:2:Oak Hill  01/01/2024 to 12/31/2024",
                       "0:4:" + header};
    for (int golfer = 1; golfer <= 4; ++golfer) {
        const int at = 5 + (golfer - 1) * 3;
        expected.push_back("0:" + std::to_string(at) + ":Golfer " + std::to_string(golfer));
        expected.push_back("0:" + std::to_string(at + 1) + ":values");
        expected.push_back("0:" + std::to_string(at + 2) + ":");
    }
    expected.insert(expected.end(), {"1:1:" + header, "1:2:Golfer 5", "1:3:values", "1:4:"});
    EXPECT_EQ(layout(), expected);
    EXPECT_EQ(printer.last().pages, 2);
}

TEST_F(Print, BasicAllStatsWithoutLimitsPutsTheHeaderAtTheSecondLine) {
    ReportDocument document{PrintVariant::BasicAllStats, "", "", "HEADER", {{"Golfer"}, {"values"}, {""}}};
    run(document);
    EXPECT_EQ(layout(),
              (Layout{"0:1:Basic Stats for All Golfers", "0:2:HEADER", "0:3:Golfer", "0:4:values", "0:5:"}));
    run(PrintVariant::BasicAllStats, "", {"HEADER"});
    EXPECT_EQ(layout(), (Layout{"0:1:Basic Stats for All Golfers", "0:2:HEADER"})) << "no golfers";
}

TEST_F(Print, BasicAllStatsBreaksARunWithoutEmptyLinesBeforeItLeavesThePaper) {
    printer.pageHeight = 100; // bottom limit at 5, paper ends at 10
    run(PrintVariant::BasicAllStats, "", {"H", "a", "b", "c", "d", "e", "f", "g", "h", "i"});
    EXPECT_EQ(layout(), (Layout{"0:1:Basic Stats for All Golfers", "0:2:H", "0:3:a", "0:4:b", "0:5:c",
                                "0:6:d", "0:7:e", "0:8:f", "0:9:g", "1:1:H", "1:2:h", "1:3:i"}));
}

TEST_F(Print, FlowingPrintsAdvanceAsToldAndContinueAtThePageTop) {
    printer.pageHeight = 120; // bottom limit at 7
    ReportDocument stats{PrintVariant::BasicStats,
                         "",
                         "",
                         "",
                         {{"Basic Stats", 2}, {"Oak", 2}, {"avg", 2}, {"d", 1}, {"e", 1}}};
    run(stats);
    EXPECT_EQ(layout(), (Layout{"0:3:Basic Stats", "0:5:Oak", "1:2:avg", "1:4:d", "1:5:e"}));

    run(PrintVariant::HoleStats, "", numbered("h", 5));
    EXPECT_EQ(layout(), (Layout{"0:3:h1", "0:4:h2", "0:5:h3", "0:6:h4", "1:2:h5"}));

    ReportDocument card{
        PrintVariant::TotalRoundCard, "", "", "", {{"Ann Lee", 2}, {"Oak", 2}, {"Score 80", 2}}};
    run(card);
    EXPECT_EQ(layout(), (Layout{"0:7:Ann Lee", "1:2:Oak", "1:4:Score 80"}));
}

TEST_F(Print, HandicapScoresPrintStartsAPageForEveryGolfer) {
    ReportDocument document{
        PrintVariant::HandicapScores, "Show All Handicaps and Scores as of 12/09/2026", "", "", {}};
    for (const char* golfer : {"Ann Lee", "Bob Roe", "Cy Cox"}) {
        document.lines.push_back({std::string(golfer) + " has a handicap of 12.0", 1, true});
        document.lines.push_back({"  2026/05/01  80 (10.2) * at Oak"});
        document.lines.push_back({""});
    }
    run(document);
    const std::string heading = "Show All Handicaps and Scores as of 12/09/2026";
    EXPECT_EQ(layout(), (Layout{"0:2:" + heading, "0:4:Ann Lee has a handicap of 12.0",
                                "0:5:  2026/05/01  80 (10.2) * at Oak", "0:6:", "1:2:" + heading,
                                "1:4:Bob Roe has a handicap of 12.0", "1:5:  2026/05/01  80 (10.2) * at Oak",
                                "1:6:", "2:2:" + heading, "2:4:Cy Cox has a handicap of 12.0",
                                "2:5:  2026/05/01  80 (10.2) * at Oak", "2:6:"}));
    EXPECT_EQ(printer.last().pages, 3);
}

TEST_F(Print, HandicapScoreLinesOfAListingMarkTheGolferHeadings) {
    const auto lines = handicapScorePrintLines({{"Ann Lee has a handicap of 12.0", -1},
                                                {"  2026/05/01  80 (10.2) * at Oak", 4},
                                                {"", -1},
                                                {"   ", -1}});
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(lines[0].golferHeading);
    EXPECT_FALSE(lines[1].golferHeading);
    EXPECT_FALSE(lines[2].golferHeading) << "the blank separator";
    EXPECT_FALSE(lines[3].golferHeading);
    EXPECT_EQ(lines[1].text, "  2026/05/01  80 (10.2) * at Oak");
}

TEST_F(Print, HandicapScoresPrintContinuesALongGolferWithoutTheHeading) {
    printer.pageHeight = 110; // bottom limit at 6
    ReportDocument document{PrintVariant::HandicapScores, "H", "", "", {}};
    document.lines = {{"Ann", 1, true}, {"r1"}, {"r2"}, {""}, {"Bob", 1, true}, {"r3"}};
    run(document);
    // r2 goes over to a page without the heading; Bob still starts a page of his own.
    EXPECT_EQ(layout(),
              (Layout{"0:2:H", "0:4:Ann", "0:5:r1", "1:2:r2", "1:3:", "2:2:H", "2:4:Bob", "2:5:r3"}));
    // The blank line fills the page exactly: Bob's page is the second, not the third.
    document.lines = {{"Ann", 1, true}, {""}, {"Bob", 1, true}};
    run(document);
    EXPECT_EQ(layout(), (Layout{"0:2:H", "0:4:Ann", "0:5:", "1:2:H", "1:4:Bob"}));
    EXPECT_EQ(printer.last().pages, 2);
}

TEST_F(Print, HandicapScoresWithoutBreaksAndSummaryPrintTheHeadingOnce) {
    printer.pageHeight = 120; // bottom limit at 7
    for (const auto variant : {PrintVariant::HandicapScoresNoBreaks, PrintVariant::HandicapSummary}) {
        ReportDocument document{variant, "Heading", "", "", {}};
        document.lines = {{"Ann", 1, true}, {"a"}, {""}, {"Bob", 1, true}, {"b"}};
        run(document);
        EXPECT_EQ(layout(), (Layout{"0:3:Heading", "0:5:Ann", "0:6:a", "1:2:", "1:3:Bob", "1:4:b"}));
    }
}

} // namespace
} // namespace kip::report
