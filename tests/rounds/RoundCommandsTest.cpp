#include "rounds/RoundCommands.h"
#include "handicap/GolfData.h"
#include "manage/CSelectPersonDlg.h"
#include "rounds/CTotalScoreDlg.h"
#include "rounds/RoundSelectionDlgs.h"

namespace kip::rounds {
namespace {

class RoundCommands : public ::testing::Test {
protected:
    void SetUp() override {
        data.addGolfer("Okonkwo, Ike", 9.0, 3);
        data.addGolfer("Brandt, Ola");
        ike = data.addRounds("Okonkwo, Ike", {9.0, 12.0, 15.0});
        older = data.addRound({"Okonkwo, Ike", 2023, 4, 1, 11.0, 90, "Cedar Ridge"});
        data.addRound({"Brandt, Ola", 2023, 5, 1, 20.0, 99, "Cedar Ridge"});
        data.addInitialRound("Brandt, Ola", 20.0, 3);
    }
    RoundServices services() {
        return {data.doc(), host,    data.prompter,         settings, clock,  nullptr,
                false,      nullptr, [this] { ++rebuilt; }, nullptr,  nullptr};
    }
    void choose(const std::string& key) {
        host.on<manage::CSelectPersonDlg>([key](manage::CSelectPersonDlg& d) {
            d.selectKey(key);
            return d.ok();
        });
    }
    int roundsOf(const std::string& key) {
        int count = 0;
        for (int rc = data.scores().goTop(); rc == 0; rc = data.scores().skip())
            count += data.scores().record().golfer == key ? 1 : 0;
        return count;
    }

    handicap::testing::GolfData data;
    test::ScriptedDialogHost host;
    test::MemorySettingsStore settings;
    test::FixedClock clock{{2026, 6, 14}};
    std::vector<long> ike;
    long older = 0;
    int rebuilt = 0;
};

TEST_F(RoundCommands, SelectRoundLeavesInitialRoundsOutAndNeedsAChoice) {
    choose("Brandt, Ola");
    host.on<CSelectScoreDlg>([this](CSelectScoreDlg& d) {
        EXPECT_EQ(d.title(), "Select Round for Ola Brandt");
        EXPECT_EQ(d.lines().size(), 1u);
        EXPECT_EQ(d.lines()[0].text, "05/01/2023 \t 99 \tCedar Ridge");
        EXPECT_EQ(d.ok(), CSelectScoreDlg::staysOpen);
        EXPECT_EQ(data.prompter.last().text, "You must select a round!");
        EXPECT_EQ(data.prompter.last().caption, "Selection Error");
        return d.cancel();
    });
    auto s = services();
    viewRounds(s);
    EXPECT_EQ(host.runs, 2);
}

TEST_F(RoundCommands, ChangingARoundRewritesItAndWritesTheIndexOnlyWhenItMoves) {
    choose("Okonkwo, Ike");
    host.on<CSelectScoreDlg>([](CSelectScoreDlg& d) { return d.doubleClick(3); }); // the 2023 round
    host.on<CTotalScoreDlg>([](CTotalScoreDlg& d) {
        EXPECT_EQ(d.totalText(), "90");
        d.changeTotalText("80");
        return d.saveAndQuit();
    });
    auto s = services();
    EXPECT_EQ(changeRound(s), 1);
    EXPECT_EQ(data.prompter.last().text, "Round changed");
    EXPECT_EQ(data.prompter.last().caption, "Round Information");
    data.reopen();
    EXPECT_EQ(roundsOf("Okonkwo, Ike"), 4);
    EXPECT_EQ(data.scores().goTo(older), 0);
    EXPECT_EQ(data.scores().record().totalStrokes, 80);
    // The 2023 round now has the lowest differential: the stored index follows.
    const auto golfer = data.golfer("Okonkwo, Ike");
    EXPECT_LT(golfer.handicapIndex, 9.0);
    EXPECT_EQ(golfer.handicapRounds, 4);
}

TEST_F(RoundCommands, DeleteRoundsAsksWithTheCountAndRecalculates) {
    choose("Okonkwo, Ike");
    host.on<CDeleteScore>([](CDeleteScore& d) { return d.pressDelete(); });
    auto s = services();
    EXPECT_EQ(deleteRounds(s), 0);
    EXPECT_EQ(data.prompter.texts(), std::vector<std::string>{"No rounds deleted"});
    EXPECT_EQ(data.prompter.last().caption, "Rounds");
    EXPECT_EQ(rebuilt, 0);

    data.prompter.shown.clear();
    choose("Okonkwo, Ike");
    host.on<CDeleteScore>([](CDeleteScore& d) {
        d.setSelected(0, true);
        d.setSelected(2, true);
        return d.pressDelete();
    });
    EXPECT_EQ(deleteRounds(s), 2);
    ASSERT_EQ(data.prompter.shown.size(), 2u);
    EXPECT_EQ(data.prompter.shown[0].text, "Are you sure you want to delete these 2 rounds?");
    EXPECT_EQ(data.prompter.shown[1].text,
              "Selected rounds deleted and Okonkwo, Ike's handicap is now 10.5 ");
    EXPECT_EQ(rebuilt, 1);
    data.reopen();
    EXPECT_EQ(roundsOf("Okonkwo, Ike"), 2);
    EXPECT_EQ(roundsOf("Brandt, Ola"), 2);
}

TEST_F(RoundCommands, DeleteAllRoundsForAYear) {
    host.on<CEnterYearDlg>([](CEnterYearDlg& d) {
        d.setYearText("1899");
        EXPECT_EQ(d.ok(), CEnterYearDlg::staysOpen);
        d.setYearText("2023abc");
        return d.ok();
    });
    auto s = services();
    EXPECT_EQ(deleteYearRounds(s), 2);
    EXPECT_EQ(
        data.prompter.texts(),
        (std::vector<std::string>{"Enter a valid year in the format yyyy",
                                  "Are you sure you want to delete all rounds for all golfers for 2023?",
                                  "2 rounds deleted from database for year 2023"}));
    EXPECT_EQ(data.prompter.shown[0].caption, "Incorrect Year");
    EXPECT_EQ(data.prompter.last().caption, "Rounds Deleted");
    EXPECT_EQ(rebuilt, 1);
    EXPECT_EQ(roundsOf("Okonkwo, Ike"), 3);
    EXPECT_EQ(roundsOf("Brandt, Ola"), 1); // the initial handicap round stays

    host.on<CEnterYearDlg>([](CEnterYearDlg& d) {
        d.setYearText("1990");
        return d.ok();
    });
    EXPECT_EQ(deleteYearRounds(s), 0);
    EXPECT_EQ(data.prompter.last().text, "0 rounds deleted from database for year 1990");
}

} // namespace
} // namespace kip::rounds
