#include "handicap/HandicapCommands.h"
#include "GolfData.h"
#include "handicap/CHandicapRule.h"
#include "handicap/HandicapIndex.h"
#include "handicap/HandicapRecalculation.h"

#include <gtest/gtest.h>

namespace kip::handicap {
namespace {

using platform::Answer;
using testing::GolfData;

class Recalculation : public ::testing::Test {
protected:
    void SetUp() override {
        data.addGolfer("Okonkwo, Ike", 3.0, 2);
        data.addGolfer("Mulligan", 18.3, 14); // no rounds
        data.addGolfer("Zielinski, Walt");
        data.addRoundsNewestFirst("Okonkwo, Ike", {7.0, 1.0, 6.0, 2.0, 5.0, 3.0, 4.0});
        data.addRoundsNewestFirst("Zielinski, Walt", {31.0});
        data.prompter.shown.clear();
    }
    GolfData data;
};

TEST_F(Recalculation, WritesEveryGolferFromTheStoredDifferentials) {
    const auto result = recalculateAllHandicaps(data.doc());
    EXPECT_EQ(result.golfers, 3);
    EXPECT_EQ(result.failedWrites, 0);
    data.reopen();                                                    // the values must be in the files
    EXPECT_DOUBLE_EQ(data.golfer("Okonkwo, Ike").handicapIndex, 1.4); // (1 + 2) / 2 * 0.96 - 0.05
    EXPECT_EQ(data.golfer("Okonkwo, Ike").handicapRounds, 7);
    EXPECT_DOUBLE_EQ(data.golfer("Mulligan").handicapIndex, 0.0);
    EXPECT_EQ(data.golfer("Mulligan").handicapRounds, 0);
    EXPECT_DOUBLE_EQ(data.golfer("Zielinski, Walt").handicapIndex, 29.7); // 29.71
    EXPECT_EQ(data.golfer("Zielinski, Walt").handicapRounds, 1);
}

TEST_F(Recalculation, KeepsTheRestOfTheGolferRow) {
    auto& golfers = data.golfers();
    ASSERT_EQ(golfers.find("Okonkwo, Ike"), 0);
    golfers.record().street = "14 Birch Lane";
    golfers.record().team = 12;
    ASSERT_EQ(golfers.change(), 0);
    recalculateAllHandicaps(data.doc());
    const auto golfer = data.golfer("Okonkwo, Ike");
    EXPECT_EQ(golfer.street, "14 Birch Lane");
    EXPECT_EQ(golfer.team, 12);
}

TEST_F(Recalculation, ShowsTheWaitCursorForTheWholeRun) {
    recalculateAllHandicaps(data.doc());
    EXPECT_GE(data.cursor.begun, 1);
    EXPECT_EQ(data.cursor.depth, 0);
}

TEST_F(Recalculation, CommandAsksFirstAndReportsCompletion) {
    EXPECT_TRUE(recalculateHandicaps(data.doc()));
    ASSERT_EQ(data.prompter.shown.size(), 2u);
    const auto& question = data.prompter.shown[0];
    EXPECT_EQ(question.text, "Are you sure you want to recalculate all handicaps?");
    EXPECT_EQ(question.caption, "Confirm Recalculation");
    EXPECT_EQ(question.buttons, platform::Buttons::YesNo);
    EXPECT_EQ(question.icon, platform::Icon::None);
    const auto& done = data.prompter.shown[1];
    EXPECT_EQ(done.text, "Handicap recalculation complete");
    EXPECT_EQ(done.caption, "Recalc Complete");
    EXPECT_EQ(done.buttons, platform::Buttons::Ok);
    EXPECT_EQ(done.icon, platform::Icon::None);
    EXPECT_EQ(data.golfer("Okonkwo, Ike").handicapRounds, 7);
}

TEST_F(Recalculation, AnswerNoChangesNothing) {
    data.prompter.answer(Answer::No);
    EXPECT_FALSE(recalculateHandicaps(data.doc()));
    EXPECT_EQ(data.prompter.shown.size(), 1u);
    EXPECT_EQ(data.cursor.begun, 0);
    EXPECT_DOUBLE_EQ(data.golfer("Okonkwo, Ike").handicapIndex, 3.0);
    EXPECT_EQ(data.golfer("Mulligan").handicapRounds, 14);
}

TEST_F(Recalculation, RuleChangeTakesEffectOnlyWhenRecalculated) {
    test::ScriptedDialogHost host;
    test::MemorySettingsStore settings;
    host.on<CHandicapRule>([](CHandicapRule& dialog) {
        dialog.select(2);
        return dialog.ok();
    });
    recalculateAllHandicaps(data.doc());
    EXPECT_EQ(changeHandicapRule(host, settings, data.doc()), 2);
    EXPECT_DOUBLE_EQ(data.golfer("Okonkwo, Ike").handicapIndex, 1.4) << "a rule change recalculates nothing";
    EXPECT_NEAR(computeHandicapIndex(data.scores(), "Okonkwo, Ike").index, 4.0 * 0.96 - 0.05, 1e-9);
    recalculateAllHandicaps(data.doc());
    EXPECT_DOUBLE_EQ(data.golfer("Okonkwo, Ike").handicapIndex, 3.8); // all 7: 3.79
}

TEST(RecalculationEmpty, DatabaseWithoutGolfersCompletesAtOnce) {
    GolfData data;
    data.prompter.shown.clear();
    EXPECT_TRUE(recalculateHandicaps(data.doc()));
    EXPECT_EQ(data.prompter.texts(),
              (std::vector<std::string>{"Are you sure you want to recalculate all handicaps?",
                                        "Handicap recalculation complete"}));
}

TEST(RecalculationOutcome, FailedWritesAreReportedNotHidden) {
    EXPECT_EQ(recalculationOutcome(0, 0), "Handicap recalculation complete");
    EXPECT_EQ(recalculationOutcome(2, -15), "Could not save 2 golfer handicaps, database error rc = -15");
}

TEST(ChangeHandicapRule, OkStoresTheRuleAndSelectsItsTable) {
    GolfData data;
    test::ScriptedDialogHost host;
    test::MemorySettingsStore settings;
    int openedWith = -2;
    host.on<CHandicapRule>([&](CHandicapRule& dialog) {
        openedWith = dialog.selectedIndex();
        dialog.select(1);
        return dialog.ok();
    });
    EXPECT_EQ(changeHandicapRule(host, settings, data.doc()), 1);
    EXPECT_EQ(openedWith, 0);
    EXPECT_EQ(settings.values["Handicap/Rule"], "1");
    EXPECT_EQ(data.doc().handicapRule(), 1);
    EXPECT_EQ(data.scores().roundsUsedTable(), golfdb::ScoreTable::roundsUsedTableOf(1));
    EXPECT_EQ(data.scores().roundsUsed(7), 4);
}

TEST(ChangeHandicapRule, CancelKeepsEverything) {
    GolfData data;
    data.doc().setHandicapRule(2);
    data.scores().selectRoundsUsedTable(2);
    test::ScriptedDialogHost host;
    test::MemorySettingsStore settings;
    host.on<CHandicapRule>([](CHandicapRule& dialog) {
        EXPECT_EQ(dialog.selectedIndex(), 2);
        dialog.select(0);
        return dialog.cancel();
    });
    EXPECT_EQ(changeHandicapRule(host, settings, data.doc()), 2);
    EXPECT_TRUE(settings.writes.empty());
    EXPECT_EQ(data.doc().handicapRule(), 2);
    EXPECT_EQ(data.scores().roundsUsed(7), 7);
}

} // namespace
} // namespace kip::handicap
