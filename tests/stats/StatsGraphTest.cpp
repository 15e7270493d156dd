#include "StatsData.h"

#include "stats/CGraphSelectDlg.h"
#include "stats/CGraphStatsDlg.h"
#include "stats/ListingCommands.h"
#include "support/RecordingPrinter.h"

#include <gmock/gmock.h>

using namespace kip;
using namespace kip::stats;
using namespace kip::stats::testing;
using ::testing::ElementsAre;

namespace {

CGraphStat scoresFrom(std::initializer_list<int> values) {
    CGraphStat s(GraphKind::GrossScore);
    for (int v : values)
        s.add(v);
    return s;
}

TEST(GraphScale, DataScalesRoundOutwardToTensWithTheirSteps) {
    GraphScale s = computeScale(scoresFrom({78, 96}));
    EXPECT_EQ(s.low, 70);
    EXPECT_EQ(s.range, 30);
    EXPECT_THAT(s.ticks, ElementsAre(70, 80, 90, 100));

    CGraphStat putts(GraphKind::Putts);
    putts.add(28);
    putts.add(35);
    s = computeScale(putts);
    EXPECT_EQ(s.low, 20);
    EXPECT_EQ(s.range, 20);
    EXPECT_THAT(s.ticks, ElementsAre(20, 25, 30, 35, 40));

    s = computeScale(scoresFrom({65, 131}));
    EXPECT_EQ(s.range, 80);
    EXPECT_THAT(s.ticks, ElementsAre(60, 80, 100, 120, 140));

    s = computeScale(scoresFrom({61, 109})); // range 50: step 10
    EXPECT_THAT(s.ticks, ElementsAre(60, 70, 80, 90, 100, 110));

    s = computeScale(CGraphStat(GraphKind::Greens));
    EXPECT_EQ(s.low, 0);
    EXPECT_EQ(s.range, 20);
    EXPECT_THAT(s.ticks, ElementsAre(0, 5, 10, 15, 18));
}

TEST(GraphScale, AVeryWideRangeKeepsAtMostTenTicks) {
    const GraphScale s = computeScale(scoresFrom({1, 900}));
    EXPECT_EQ(s.ticks.size(), GraphScale::maxTicks);
    EXPECT_EQ(s.ticks.front(), 0);
}

TEST(GraphScale, AssignedScalesForEachAllowedChoice) {
    GraphSeries series = makeGraphSeries(true, true, false, false, false);
    GraphScales scales = assignScales(series);
    EXPECT_TRUE(scales.secondUsed);
    EXPECT_EQ(series[0].scale, 1);
    EXPECT_EQ(series[1].scale, 2);
    EXPECT_EQ(series[1].name, "Putts");

    series = makeGraphSeries(true, false, true, true, true);
    ASSERT_EQ(series.size(), 4u);
    EXPECT_EQ(series[1].name, "Par or Less");
    EXPECT_EQ(series[2].name, "Greens");
    EXPECT_EQ(series[3].name, "Fairways Hit");
    scales = assignScales(series);
    EXPECT_TRUE(scales.hasSecond);
    EXPECT_EQ(scales.second.range, 20);
    EXPECT_EQ(series[3].scale, 2);

    series = makeGraphSeries(false, false, true, true, false);
    scales = assignScales(series);
    EXPECT_FALSE(scales.hasSecond);
    EXPECT_FALSE(scales.secondUsed);
    EXPECT_EQ(scales.first.range, 20);
    EXPECT_EQ(series[1].scale, 1);
}

struct GraphData : ::testing::Test {
    StatsData data;
    void addRounds() {
        Holes holes = parHoles();
        holes[0] = {4, 3, 1, true, true};
        holes[1] = {4, 5, 3, true, false};
        data.addDetail({.month = 1, .day = 1}, holes);             // 72, 36 putts, 17 pars or less
        data.addDetail({.month = 3, .day = 1}, parHoles(4, 5, 1)); // 90, 18 putts, 0 pars or less
        data.addTotalOnly({.month = 4, .day = 1}, 88);             // scores only
        data.addDetail({.month = 5, .day = 1}, parHoles(), golfdb::flagNoFairwayStats); // scores only
        data.addDetail({.year = 2023, .month = 12, .day = 31}, parHoles()); // before the from date
        data.addTotalOnly({.year = 1001, .month = 1, .day = 8}, 80);        // initial handicap
        data.addDetail({.golfer = "Snead, Sam"}, parHoles());
    }
    GraphSeries compute(GraphSeries series, const std::string& from = "20240101",
                        const std::string& to = "20240501") {
        computeGraphSeries(data.scores(), "Hogan, Ben", from, to, series, &data.cursor);
        return series;
    }
};

TEST_F(GraphData, ScoresAloneIncludeEveryRoundWithinBothDates) {
    addRounds();
    const GraphSeries s = compute(makeGraphSeries(true, false, false, false, false));
    EXPECT_THAT(s[0].values, ElementsAre(72, 88, 90, 72));
    EXPECT_EQ(s[0].smallest, 72);
    EXPECT_EQ(s[0].largest, 90);
    EXPECT_EQ(data.cursor.depth, 0);
}

TEST_F(GraphData, AnyOtherStatisticLeavesOutTotalOnlyAndExcludedRounds) {
    addRounds();
    const GraphSeries s = compute(makeGraphSeries(true, true, false, false, true));
    ASSERT_EQ(s.size(), 3u);
    EXPECT_THAT(s[0].values, ElementsAre(90, 72));
    EXPECT_THAT(s[1].values, ElementsAre(18, 36));
    EXPECT_THAT(s[2].values, ElementsAre(0, 17));
    const GraphSeries counts = compute(makeGraphSeries(false, false, true, true, false));
    EXPECT_THAT(counts[0].values, ElementsAre(0, 1)); // greens
    EXPECT_THAT(counts[1].values, ElementsAre(0, 2)); // fairways
}

TEST_F(GraphData, RoundsOnTheFromAndToDatesAreIncluded) {
    addRounds();
    EXPECT_THAT(compute(makeGraphSeries(true, false, false, false, false), "20240101", "20240101")[0].values,
                ElementsAre(72));
    EXPECT_TRUE(
        compute(makeGraphSeries(true, false, false, false, false), "20250101", "20251231")[0].values.empty());
}

// Two series of four rounds on a surface of 10-pixel lines and 6-pixel characters.
struct Drawing : ::testing::Test {
    test::RecordingPrinter printer;
    std::unique_ptr<platform::PrintSurface> surface = printer.start({});
    GraphPlot plot;

    void twoScales() {
        plot.series = makeGraphSeries(true, false, false, true, false);
        for (int v : {90, 80, 85, 78})
            plot.series[0].add(v);
        for (int v : {9, 6, 7, 3})
            plot.series[1].add(v);
        plot.scales = assignScales(plot.series);
        plot.from = {2024, 1, 2};
        plot.to = {2024, 12, 30};
    }
    const test::PrintedDocument& doc() const { return printer.last(); }
};

TEST_F(Drawing, FrameScalesDatesLegendAndLines) {
    twoScales();
    const GraphRect rect{0, 0, 600, 400};
    ASSERT_EQ(drawGraph(rect, *surface, plot), GraphDrawResult::Drawn);
    // Frame: left side, bottom, right side.
    const auto& shapes = doc().shapes;
    ASSERT_GE(shapes.size(), 3u);
    EXPECT_EQ(std::tie(shapes[0].x1, shapes[0].y1, shapes[0].x2, shapes[0].y2),
              std::make_tuple(24, 20, 24, 380));
    EXPECT_EQ(std::tie(shapes[1].x1, shapes[1].y1, shapes[1].x2, shapes[1].y2),
              std::make_tuple(24, 380, 570, 380));
    EXPECT_EQ(std::tie(shapes[2].x1, shapes[2].y1, shapes[2].x2, shapes[2].y2),
              std::make_tuple(570, 380, 570, 20));
    EXPECT_EQ(plot.inner.left, 26);
    EXPECT_EQ(plot.inner.right, 568);
    EXPECT_EQ(plot.inner.bottom, 378);
    // Scales: 70..100 on the left (370 / 30 = 12 pixels a unit), 0..18 on the right (370 / 20 = 18).
    EXPECT_EQ(plot.pixelsPerUnit1, 12);
    EXPECT_EQ(plot.pixelsPerUnit2, 18);
    std::vector<std::string> texts;
    for (const auto& t : doc().texts)
        texts.push_back(std::to_string(t.x) + "," + std::to_string(t.y) + ":" + t.text);
    EXPECT_THAT(texts,
                ElementsAre("0,370: 70", "0,250: 80", "0,130: 90", "0,10:100", "576,370:  0", "576,280:  5",
                            "576,190: 10", "576,100: 15", "576,46: 18", "30,383:01/02/2024",
                            "498,383:12/30/2024", "38,10:Gross Score", "520,10:Greens"));
    EXPECT_EQ(doc().texts[11].colour, (platform::Colour{128, 128, 0}));
    EXPECT_EQ(doc().texts[12].colour, (platform::Colour{0, 170, 0}));
    // Lines: oldest value (78) at the left, evenly spaced by 542 / 3 = 180 pixels.
    std::vector<std::string> points;
    for (const auto& s : shapes)
        if (s.kind == test::PrintedShape::Circle)
            points.push_back(std::to_string(s.x1) + "," + std::to_string(s.y1) + "r" + std::to_string(s.x2));
    EXPECT_THAT(points, ElementsAre("28,282r1", "208,198r1", "388,258r1", "568,138r1", "28,324r1",
                                    "208,252r1", "388,270r1", "568,216r1"));
    const auto& firstLine = shapes[4 + 1]; // after the first circle
    EXPECT_EQ(firstLine.kind, test::PrintedShape::Line);
    EXPECT_EQ(firstLine.penWidth, 2);
    EXPECT_EQ(std::tie(firstLine.x1, firstLine.y1, firstLine.x2, firstLine.y2),
              std::make_tuple(28, 282, 208, 198));
}

TEST_F(Drawing, TooManyRoundsForTheWidthDrawsNoLines) {
    plot.series = makeGraphSeries(true, false, false, false, false);
    for (int i = 0; i < 181; ++i)
        plot.series[0].add(80);
    plot.scales = assignScales(plot.series);
    EXPECT_EQ(drawGraph({0, 0, 600, 400}, *surface, plot), GraphDrawResult::TooManyRounds);
    EXPECT_EQ(doc().shapes.size(), 3u);
    EXPECT_TRUE(doc().texts.empty());
    plot.series[0].values.resize(180); // 3 x 180 = 540 < 542
    EXPECT_EQ(drawGraph({0, 0, 600, 400}, *surface, plot), GraphDrawResult::Drawn);
}

TEST_F(Drawing, ClickShowsTheValuesOfBothScalesRounded) {
    twoScales();
    test::ScriptedPrompter prompter;
    CGraphStatsDlg dialog(plot, "Ben", "Hogan", prompter, &printer);
    EXPECT_EQ(dialog.title(), "Statistics for Ben Hogan");
    EXPECT_EQ(dialog.click(100, 200), std::nullopt); // not drawn yet
    dialog.draw({0, 0, 600, 400}, *surface);
    // 378 - 200 = 178 pixels: 14 units and 10 over 12 (rounds up) on the left, 9 and 16 over 18 on the right.
    EXPECT_EQ(dialog.click(100, 200), "<===  85  or   10 ===>");
    EXPECT_TRUE(dialog.popupOpen());
    EXPECT_EQ(dialog.click(100, 200), std::nullopt); // closes the popup
    EXPECT_EQ(dialog.click(5, 200), std::nullopt);   // outside the plot
    EXPECT_FALSE(dialog.popupOpen());
    EXPECT_EQ(valueAt(dialog.plot(), 378 - 6).first, 70); // half a unit does not round up
    EXPECT_EQ(valueAt(dialog.plot(), 378 - 7).first, 71);
    EXPECT_EQ(valueAt(dialog.plot(), 378 - 5).first, 70);
}

TEST_F(Drawing, OneScaleShowsOneValueAndPrintsLandscape) {
    plot.series = makeGraphSeries(false, false, false, true, true);
    for (int v : {9, 6})
        plot.series[0].add(v), plot.series[1].add(v);
    plot.scales = assignScales(plot.series);
    test::ScriptedPrompter prompter;
    CGraphStatsDlg dialog(plot, "Ben", "Hogan", prompter, &printer);
    dialog.draw({0, 0, 600, 400}, *surface);
    EXPECT_EQ(dialog.click(100, 378 - 18 * 5), "  5");
    ASSERT_TRUE(dialog.print());
    EXPECT_EQ(doc().request.documentName, "Kip Golf Stats Graph");
    EXPECT_TRUE(doc().request.landscape);
    EXPECT_TRUE(doc().finished);
    EXPECT_EQ(doc().pages, 1);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST(GraphSelect, ColumnsEnableSoThatTwoScalesSuffice) {
    test::ScriptedPrompter prompter;
    CGraphSelectDlg d(nullptr, prompter, {2026, 5, 17});
    EXPECT_EQ(d.fromDate().month, 1);
    EXPECT_EQ(d.fromDate().day, 1);
    EXPECT_EQ(d.fromDate().year, 2026);
    EXPECT_EQ(d.toDate().day, 17);
    EXPECT_TRUE(d.click(GraphBox::Scores, true));
    EXPECT_TRUE(d.click(GraphBox::Putts, true));
    EXPECT_FALSE(d.enabled(GraphBox::Greens));
    EXPECT_FALSE(d.enabled(GraphBox::Fairways));
    EXPECT_FALSE(d.enabled(GraphBox::ParsOrLess));
    EXPECT_FALSE(d.click(GraphBox::Greens, true));
    EXPECT_FALSE(d.checked(GraphBox::Greens));
    d.click(GraphBox::Putts, false);
    EXPECT_TRUE(d.click(GraphBox::Greens, true));
    EXPECT_FALSE(d.enabled(GraphBox::Putts));
    EXPECT_TRUE(d.enabled(GraphBox::Scores));
    d.click(GraphBox::Scores, false);
    EXPECT_TRUE(d.enabled(GraphBox::Putts));
    EXPECT_TRUE(d.enabled(GraphBox::Scores));
    d.click(GraphBox::Putts, true);
    EXPECT_FALSE(d.enabled(GraphBox::Scores));
    EXPECT_TRUE(d.enabled(GraphBox::Fairways));
}

TEST(GraphSelect, RefusalsAndTheDocumentError) {
    test::ScriptedPrompter prompter;
    CGraphSelectDlg missing(nullptr, prompter, {2026, 5, 17});
    EXPECT_EQ(missing.open(), platform::dialogCancel);
    EXPECT_EQ(prompter.last().text, "Select Golfer internal document error, contact support");
    EXPECT_EQ(prompter.last().caption, "Document Error");

    StatsData data;
    data.addGolfer("Snead, Sam");
    data.addGolfer("Hogan, Ben");
    CGraphSelectDlg d(&data.doc(), data.prompter, {2026, 5, 17});
    EXPECT_EQ(d.open(), 0);
    ASSERT_EQ(d.golfers().size(), 2u);
    EXPECT_EQ(d.selectedGolfer(), 0);
    EXPECT_EQ(d.golfers()[0].text, "Hogan, Ben");
    EXPECT_FALSE(d.ok());
    EXPECT_EQ(data.prompter.last().text, "You must select a least 1 statistic to graph");
    EXPECT_EQ(data.prompter.last().caption, "Selection Error");
    d.click(GraphBox::Scores, true);
    d.setFromDate({2026, 5, 18});
    EXPECT_FALSE(d.ok());
    EXPECT_EQ(data.prompter.last().text, "The from date must be before the to date");
    d.setFromDate({0, 0, 0}); // half typed
    EXPECT_FALSE(d.ok());
    EXPECT_EQ(data.prompter.last().text, "The from date must be before the to date");
    d.setFromDate({2026, 5, 17});
    EXPECT_TRUE(d.ok());
    EXPECT_EQ(d.fromKey(), "20260517");
    EXPECT_EQ(d.golferKey(), "Hogan, Ben");
}

TEST_F(GraphData, CommandNeedsTwoRoundsAndShowsTheGraph) {
    data.addGolfer("Hogan, Ben");
    data.addDetail({.year = 2026, .month = 2}, parHoles());
    test::ScriptedDialogHost host;
    test::FixedClock clock;
    test::MemorySettingsStore settings;
    auto pickScores = [&] {
        host.on<CGraphSelectDlg>([](CGraphSelectDlg& d) {
            d.click(GraphBox::Scores, true);
            d.click(GraphBox::Greens, true);
            return d.pressOk();
        });
    };
    pickScores();
    EXPECT_EQ(showStatsGraph({data.doc(), host, clock, settings, nullptr}), StatsOutcome::Failed);
    EXPECT_EQ(data.prompter.last().text, tooFewRoundsText);
    EXPECT_EQ(data.prompter.last().caption, "Graph Error");

    data.addDetail({.year = 2026, .month = 3}, parHoles(4, 5, 2));
    pickScores();
    host.on<CGraphStatsDlg>([](CGraphStatsDlg& d) {
        EXPECT_EQ(d.title(), "Statistics for Ben Hogan");
        EXPECT_THAT(d.plot().series[0].values, ElementsAre(90, 72));
        EXPECT_EQ(d.plot().scales.second.range, 20);
        return d.ok();
    });
    EXPECT_EQ(showStatsGraph({data.doc(), host, clock, settings, nullptr}), StatsOutcome::Shown);
}

} // namespace
