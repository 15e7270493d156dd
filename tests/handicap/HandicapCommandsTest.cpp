#include "handicap/HandicapCommands.h"
#include "GolfData.h"
#include "handicap/CHandicapRule.h"
#include "handicap/HandicapIndex.h"
#include "handicap/HandicapRecalculation.h"

namespace kip::handicap {
namespace {

class HandicapCommands : public ::testing::Test {
protected:
    void SetUp() override {
        data.addGolfer("Okonkwo, Ike", 3.0, 2);
        data.addGolfer("Mulligan", 18.3, 14); // no rounds
        data.addRounds("Okonkwo, Ike", {7.0, 1.0, 6.0, 2.0, 5.0, 3.0, 4.0});
        auto& golfers = data.golfers();
        ASSERT_EQ(golfers.find("Okonkwo, Ike"), 0);
        golfers.record().street = "14 Birch Lane";
        golfers.record().team = 12;
        ASSERT_EQ(golfers.change(), 0);
    }
    // Plays the rule dialog: chooses `rule` and presses OK.
    int chooseRule(int rule) {
        test::ScriptedDialogHost host;
        host.on<CHandicapRule>([rule](CHandicapRule& dialog) {
            dialog.select(rule);
            return dialog.ok();
        });
        return changeHandicapRule(host, settings, data.doc());
    }
    testing::GolfData data;
    test::MemorySettingsStore settings;
};

TEST_F(HandicapCommands, RecalculationWritesEveryGolferDurablyUnderTheWaitCursor) {
    const auto result = recalculateAllHandicaps(data.doc());
    EXPECT_EQ(result.golfers, 2);
    EXPECT_EQ(result.failedWrites, 0);
    EXPECT_EQ(data.cursor.begun, 1);
    EXPECT_EQ(data.cursor.depth, 0);
    data.reopen();
    const auto ike = data.golfer("Okonkwo, Ike");
    EXPECT_DOUBLE_EQ(ike.handicapIndex, 1.4); // (1 + 2) / 2 * 0.96 - 0.05
    EXPECT_EQ(ike.handicapRounds, 7);
    EXPECT_EQ(ike.street, "14 Birch Lane");
    EXPECT_EQ(ike.team, 12);
    EXPECT_DOUBLE_EQ(data.golfer("Mulligan").handicapIndex, 0.0);
    EXPECT_EQ(data.golfer("Mulligan").handicapRounds, 0);
}

TEST_F(HandicapCommands, RecalculateAsksFirstAndReportsCompletion) {
    data.prompter.answer(platform::Answer::No);
    EXPECT_FALSE(recalculateHandicaps(data.doc()));
    EXPECT_EQ(data.cursor.begun, 0);
    EXPECT_EQ(data.golfer("Mulligan").handicapRounds, 14);

    EXPECT_TRUE(recalculateHandicaps(data.doc()));
    ASSERT_EQ(data.prompter.shown.size(), 3u);
    for (std::size_t i : {0u, 1u}) {
        const auto& question = data.prompter.shown[i];
        EXPECT_EQ(question.text, "Are you sure you want to recalculate all handicaps?");
        EXPECT_EQ(question.caption, "Confirm Recalculation");
        EXPECT_EQ(question.buttons, platform::Buttons::YesNo);
        EXPECT_EQ(question.icon, platform::Icon::None);
    }
    const auto& done = data.prompter.shown[2];
    EXPECT_EQ(done.text, "Handicap recalculation complete");
    EXPECT_EQ(done.caption, "Recalc Complete");
    EXPECT_EQ(done.buttons, platform::Buttons::Ok);
    EXPECT_EQ(done.icon, platform::Icon::None);
    EXPECT_EQ(data.golfer("Mulligan").handicapRounds, 0);
    EXPECT_EQ(recalculationOutcome({40, 2, -15, 0, 0}),
              "Could not save 2 of 40 golfer handicaps, database error rc = -15");
    EXPECT_EQ(recalculationOutcome({12, 0, -3, -3, 0}),
              "Could not read every golfer, database error rc = -3; the handicaps of the rest were not "
              "recalculated");
    EXPECT_EQ(recalculationOutcome({40, 0, -5, 0, -5}),
              "Could not save golfer handicaps, database error rc = -5");
}

TEST_F(HandicapCommands, RuleChangeSelectsItsTableButRecalculatesNothing) {
    recalculateAllHandicaps(data.doc());
    EXPECT_EQ(chooseRule(2), 2);
    EXPECT_EQ(settings.values["Handicap/Rule"], "2");
    EXPECT_EQ(data.doc().handicapRule(), 2);
    EXPECT_EQ(data.scores().roundsUsed(7), 7);
    EXPECT_DOUBLE_EQ(data.golfer("Okonkwo, Ike").handicapIndex, 1.4);
    EXPECT_NEAR(computeHandicapIndex(data.scores(), "Okonkwo, Ike").index, 4.0 * 0.96 - 0.05, 1e-9);
    recalculateAllHandicaps(data.doc());
    EXPECT_DOUBLE_EQ(data.golfer("Okonkwo, Ike").handicapIndex, 3.8); // all 7: 3.79
}

TEST_F(HandicapCommands, CancelledRuleDialogKeepsTheRuleInForce) {
    ASSERT_EQ(chooseRule(1), 1);
    test::ScriptedDialogHost host;
    host.on<CHandicapRule>([](CHandicapRule& dialog) {
        EXPECT_EQ(dialog.selectedIndex(), 1);
        dialog.select(2);
        return dialog.cancel();
    });
    EXPECT_EQ(changeHandicapRule(host, settings, data.doc()), 1);
    EXPECT_EQ(settings.writes.size(), 1u);
    EXPECT_EQ(data.scores().roundsUsed(7), 4);
}

TEST(HandicapRecalculationWalk, RowsThatMoveWhenRewrittenAreEachVisitedOnce) {
    // Names written elsewhere with trailing tabs: the rewritten row's trimmed key sorts before its
    // old place, so a walk continuing from the rewritten row would meet it again or skip others.
    testing::GolfData data;
    store::Table* table = data.golfers().storeTable();
    for (const char* name : {"Abe\t", "Abe\tZed", "Abe \tAl", "Bea"}) {
        ASSERT_EQ(store::appendStart(table), store::storeOk);
        store::blankRecord(table);
        store::assignText(store::fieldByName(table, "NAME"), name);
        store::assignDouble(store::fieldByName(table, "HANDICAP"), 12.4);
        store::assignLong(store::fieldByName(table, "HCROUNDS"), 20);
        ASSERT_EQ(store::appendRecord(table), store::storeOk);
        ASSERT_EQ(store::flushTable(table), store::storeOk);
    }
    const auto result = recalculateAllHandicaps(data.doc());
    EXPECT_EQ(result.golfers, 4);
    EXPECT_TRUE(result.succeeded());
    for (long record = 1; record <= 4; ++record) {
        ASSERT_EQ(data.golfers().goTo(record), store::storeOk);
        EXPECT_EQ(data.golfers().record().handicapRounds, 0) << record;
        EXPECT_DOUBLE_EQ(data.golfers().record().handicapIndex, 0.0) << record;
    }
}

TEST(HandicapCommandsEmpty, DatabaseWithoutGolfersCompletesAtOnce) {
    testing::GolfData data;
    EXPECT_TRUE(recalculateHandicaps(data.doc()));
    EXPECT_EQ(data.prompter.texts(),
              (std::vector<std::string>{"Are you sure you want to recalculate all handicaps?",
                                        "Handicap recalculation complete"}));
}

} // namespace
} // namespace kip::handicap
