#include "report/CListDlg.h"
#include "report/ListOrder.h"
#include "report/ReportPrint.h"
#include "support/Doubles.h"
#include "support/RecordingPrinter.h"

#include <gtest/gtest.h>

namespace kip::report {
namespace {

TEST(ListOrder, FoldsOnlyAsciiCapitalsAndComparesBytesUnsigned) {
    EXPECT_EQ(compareListText("Lee, Ann", "lee, ann"), 0);
    EXPECT_LT(compareListText("abc", "ABD"), 0);
    EXPECT_LT(compareListText("Ab", "abc"), 0) << "a prefix sorts first";
    // '_' (0x5F) lies between the capitals and the small letters: as a small letter 'Z' sorts after it.
    EXPECT_LT(compareListText("_", "Z"), 0);
    EXPECT_GT(compareListText("\xC3\x89", "z"), 0) << "bytes above 127 after ASCII, not folded";
    EXPECT_NE(compareListText("\xC3\x89", "\xC3\xA9"), 0);
    EXPECT_LT(compareListText(" 9.5 \tX", "10.0 \tA"), 0);
}

TEST(CListDlg, SortedListKeepsEqualTextsInTheOrderAdded) {
    CListDlg dialog("Golfer Handicaps (By Handicaps)");
    dialog.setSorted(true);
    EXPECT_EQ(dialog.addLine("12.0 \tRoe, Bob", 7), 0);
    EXPECT_EQ(dialog.addLine(" 8.4 \tLee, Ann", 3), 0);
    EXPECT_EQ(dialog.addLine("12.0 \troe, bob", 9), 2) << "equal when folded: after the first";
    EXPECT_EQ(dialog.addLine("12.0 \tROE, BOB", 11), 3);
    EXPECT_EQ(dialog.addLine("10.1 \tCox, Cy", 5), 1);
    EXPECT_EQ(dialog.texts(),
              (std::vector<std::string>{" 8.4 \tLee, Ann", "10.1 \tCox, Cy", "12.0 \tRoe, Bob",
                                        "12.0 \troe, bob", "12.0 \tROE, BOB"}));
    EXPECT_EQ(dialog.line(4).record, 11);

    CListDlg plain;
    plain.addLines({{"b", 1}, {"A", 2}, {"a", 3}});
    EXPECT_EQ(plain.texts(), (std::vector<std::string>{"b", "A", "a"})) << "unsorted: order added";
}

TEST(CListDlg, ButtonsInOrderWithTheOptionalOnes) {
    CListDlg dialog("Show All Handicaps and Scores");
    EXPECT_EQ(dialog.buttons(),
              (std::vector<ListButton>{ListButton::Ok, ListButton::Print, ListButton::Help}));
    dialog.showButton(ListButton::PrintNoBreaks);
    dialog.showButton(ListButton::PrintSummary);
    dialog.showButton(ListButton::Cancel);
    std::vector<std::string> captions;
    for (const auto button : dialog.buttons())
        captions.push_back(CListDlg::caption(button));
    EXPECT_EQ(captions, (std::vector<std::string>{"OK", "Cancel", "Print", "Print w/o Breaks",
                                                  "Print Summary", "Help"}));
    dialog.showButton(ListButton::PrintNoBreaks, false);
    dialog.showButton(ListButton::Help, false);
    EXPECT_EQ(dialog.buttons().size(), 5u) << "Help always stays";
}

TEST(CListDlg, PrintButtonsRunTheReportsPrintsThroughTheHost) {
    test::RecordingPrinter printer;
    CListDlg dialog("Show Course Average Scores by Hole");
    dialog.setHeadings("", "Statistics for Oak, Blue Tees (2 Rounds)");
    dialog.addLine("Hole 1  4.5", noRecord);
    dialog.addLine("Hole 2  3.0", noRecord);
    dialog.setPrintAction(ListButton::Print, [&] {
        printReport(printer, PrintVariant::CourseStats, dialog.secondHeading(), printLines(dialog.texts()));
    });
    int summaries = 0;
    dialog.setPrintAction(ListButton::PrintSummary, [&] { ++summaries; });

    test::ScriptedDialogHost host;
    host.on<CListDlg>([](CListDlg& d) {
        d.print(ListButton::Print);
        d.print(ListButton::PrintSummary);
        d.print(ListButton::PrintNoBreaks); // no action set: nothing
        return d.ok();
    });
    EXPECT_EQ(host.run(dialog), platform::dialogOk);
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(
        printer.last().pageTexts(0),
        (std::vector<std::string>{"Statistics for Oak, Blue Tees (2 Rounds)", "Hole 1  4.5", "Hole 2  3.0"}));
    EXPECT_EQ(summaries, 1);

    dialog.setPrintEnabled(false); // a listing still filling
    dialog.print(ListButton::Print);
    EXPECT_EQ(printer.documents.size(), 1u);
}

TEST(CListDlg, DoubleClickOpensOnlyLinesWithARecord) {
    CListDlg dialog;
    dialog.addLine("Ann Lee has a handicap of 12.0", noRecord);
    dialog.addLine("  2026/05/01  80 (10.2) * at Oak", 42);
    std::vector<std::pair<int, long>> opened;
    dialog.doubleClick(1); // no action yet
    dialog.setOpenAction([&](int index, long record) { opened.emplace_back(index, record); });
    dialog.doubleClick(0);
    dialog.doubleClick(1);
    dialog.doubleClick(2);
    dialog.doubleClick(-1);
    EXPECT_EQ(opened, (std::vector<std::pair<int, long>>{{1, 42}}));
}

TEST(CListDlg, OkOnASelectedRoundOpensItAndStaysOpen) {
    CListDlg dialog("Show the Lowest Scores");
    dialog.showButton(ListButton::Cancel);
    dialog.addLine("Score Date", noRecord);
    dialog.addLine(" 72 05/01/2026", 8);
    long opened = 0;
    dialog.setOpenAction([&](int, long record) { opened = record; });
    dialog.setOkOpensSelection(true);

    dialog.select(1);
    EXPECT_EQ(dialog.ok(), dialogStaysOpen);
    EXPECT_EQ(opened, 8);
    EXPECT_EQ(dialog.selectedIndex(), -1) << "the selection is cleared afterwards";
    dialog.select(0); // the column header opens nothing
    EXPECT_EQ(dialog.ok(), platform::dialogOk);
    EXPECT_EQ(dialog.cancel(), platform::dialogCancel);

    dialog.select(1);
    dialog.doubleClick(1);
    EXPECT_EQ(dialog.selectedIndex(), -1);
}

TEST(CListDlg, SelectionFollowsItsLineAndRespectsTheSelectableFlag) {
    CListDlg dialog;
    dialog.setSorted(true);
    int changes = 0;
    dialog.setChangedListener([&] { ++changes; });
    dialog.addLine("m", 1);
    dialog.select(0);
    dialog.addLine("a", 2); // goes before the selected line
    EXPECT_EQ(dialog.selectedIndex(), 1);
    dialog.select(5);
    EXPECT_EQ(dialog.selectedIndex(), 1) << "out of range is ignored";
    EXPECT_GE(changes, 3);
    dialog.setSelectable(false);
    EXPECT_EQ(dialog.selectedIndex(), -1);
    dialog.select(0);
    EXPECT_EQ(dialog.selectedIndex(), -1);
    dialog.clear();
    EXPECT_EQ(dialog.size(), 0);
}

TEST(CListDlg, TabStopsConvertFromDialogUnitsAtFourToACharacter) {
    EXPECT_EQ(dialogUnitsToPixels(60, 8), 120);
    EXPECT_EQ(dialogUnitsToPixels(10, 7), 17);
    EXPECT_EQ(dialogUnitsToPixels(0, 7), 0);
}

} // namespace
} // namespace kip::report
