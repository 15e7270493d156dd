// The Handicap History chart and print, drawn on a recording surface.

#include "golfdb/ScoreTable.h"
#include "handicap/CHandicapHistoryDlg.h"
#include "handicap/WorldHandicap.h"
#include "support/RecordingPrinter.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kip::handicap {
namespace {

HistoryPoint point(int month, int day, std::optional<double> index, std::optional<double> low = {},
                   bool hard = false) {
    HistoryPoint p;
    p.year = 2025;
    p.month = month;
    p.day = day;
    p.dayNumber = whs::dayNumber(2025, month, day);
    p.index = index;
    p.low = low;
    p.hardCapped = hard;
    return p;
}

std::vector<HistoryPoint> history() {
    return {point(3, 1, std::nullopt), point(3, 8, -1.2), point(4, 7, 3.4), point(5, 7, 8.0, 2.5, true)};
}

TEST(HandicapHistoryChart, PointsAreSpacedByDateAndScaledToTheIndexes) {
    CHandicapHistoryDlg dialog("Okonkwo, Ike", history(), golfdb::ruleWorld);
    EXPECT_EQ(dialog.lines(), (std::vector<std::string>{"2025/03/01\tNH", "2025/03/08\t+1.2",
                                                        "2025/04/07\t3.4", "2025/05/07\t8.0"}));
    const HistoryChartScale scale = dialog.scale();
    EXPECT_EQ(scale.lowest, -2.0);
    EXPECT_EQ(scale.highest, 8.0);
    EXPECT_EQ(dialog.lowIndex(), 2.5);

    test::RecordingPrinter printer;
    dialog.setPrinter(&printer);
    ASSERT_TRUE(dialog.print());
    const auto& document = printer.last();
    EXPECT_EQ(document.request.documentName, "Kip Golf Handicap History");
    std::vector<int> circles;
    for (const auto& shape : document.shapes)
        if (shape.kind == test::PrintedShape::Circle)
            circles.push_back(shape.x1);
    ASSERT_EQ(circles.size(), 3u) << "no point while there is no index";
    // 30 days from 03/08 to 04/07, then 30 to 05/07: equal steps across the chart.
    EXPECT_NEAR(circles[1] - circles[0], circles[2] - circles[1], 2);
    const auto texts = document.pageTexts(0);
    EXPECT_EQ(texts.front(), "Handicap History for Ike Okonkwo");
    EXPECT_NE(std::find(texts.begin(), texts.end(), "H"), texts.end()) << "the hard-capped day is marked";
    EXPECT_NE(std::find(texts.begin(), texts.end(), "2025/03/08\t+1.2"), texts.end());
    EXPECT_EQ(texts.back(), "Low index\t2.5");
    EXPECT_TRUE(document.finished);
    EXPECT_EQ(document.drawnAfterFinish, 0);
}

TEST(HandicapHistoryChart, NothingToDrawOrPrintWithoutRounds) {
    CHandicapHistoryDlg dialog("Okonkwo, Ike", {}, golfdb::ruleUsga);
    test::RecordingPrinter printer;
    dialog.setPrinter(&printer);
    EXPECT_FALSE(dialog.printEnabled());
    EXPECT_FALSE(dialog.print());
    EXPECT_EQ(printer.dialogs, 0);
}

} // namespace
} // namespace kip::handicap
