#include "RoundCardData.h"
#include "handicap/GolfData.h"
#include "manage/CSelectCourseDlg.h"
#include "manage/CSelectPersonDlg.h"
#include "manage/CSelectTeeDlg.h"
#include "rounds/CTotalScoreDlg.h"
#include "rounds/RoundCommands.h"
#include "rounds/RoundEntry.h"

namespace kip::rounds {
namespace {

class EnterRound : public ::testing::Test {
protected:
    void SetUp() override {
        data.addGolfer("Okonkwo, Ike", 10.0, 0);
        auto& courses = data.doc().courseTable();
        courses.record() = test::sampleCourse();
        ASSERT_EQ(courses.add(), 0);
    }
    void chooseCourse() {
        host.on<manage::CSelectCourseDlg>([](manage::CSelectCourseDlg& d) {
            d.selectGroup(0);
            return d.ok();
        });
        host.on<manage::CSelectTeeDlg>([](manage::CSelectTeeDlg& d) {
            d.select(0);
            return d.ok();
        });
    }
    int run() {
        RoundServices services{data.doc(),
                               host,
                               data.prompter,
                               settings,
                               clock,
                               nullptr,
                               false,
                               [this](const golfdb::ScoreRecord& round) {
                                   offered.push_back(round.totalStrokes);
                                   return true;
                               },
                               nullptr,
                               nullptr,
                               nullptr};
        return enterRound(services);
    }

    handicap::testing::GolfData data;
    test::ScriptedDialogHost host;
    test::MemorySettingsStore settings;
    test::FixedClock clock{{2026, 6, 14}};
    std::vector<int> offered;
};

TEST_F(EnterRound, HoleByHoleRoundsAreWrittenOfferedAndMoveTheIndex) {
    chooseCourse();
    data.prompter.answer(platform::Answer::Yes);
    for (int round = 0; round < 3; ++round)
        host.on<CScoresDlg>([](CScoresDlg& d) {
            test::typeRound(d, test::parRound);
            return d.saveAndNewRound();
        });
    host.on<CScoresDlg>([](CScoresDlg& d) {
        test::typeRound(d, test::parRound);
        return d.saveAndQuit();
    });
    EXPECT_EQ(run(), 4);
    ASSERT_EQ(data.prompter.shown.size(), 2u); // the question, then one message for the last save
    EXPECT_EQ(data.prompter.shown[0].text, "Do you want to enter scores for each hole?");
    EXPECT_EQ(data.prompter.shown[0].caption, "Score Entry");
    const auto& saved = data.prompter.last();
    EXPECT_EQ(saved.caption, "Round Information");
    EXPECT_EQ(saved.text.rfind("Round saved and Ike Okonkwo's handicap is now ", 0), 0u) << saved.text;
    EXPECT_EQ(saved.text.back(), ' ');
    EXPECT_EQ(offered, (std::vector<int>{72, 72, 72, 72}));
    EXPECT_FALSE(data.doc().recentCourses().empty());

    data.reopen();
    const auto ike = data.golfer("Okonkwo, Ike");
    EXPECT_EQ(ike.handicapRounds, 4);
    // (72 - 70.1) * 113 / 120 = 1.8 for every round; the lowest one of four counts.
    EXPECT_NEAR(ike.handicapIndex, 1.8 * 0.96 - 0.05, 0.05);
    int rows = 0;
    for (int rc = data.scores().goTop(); rc == 0; rc = data.scores().skip())
        ++rows;
    EXPECT_EQ(rows, 4);
}

TEST_F(EnterRound, TotalOnlyWithANewGolferCancelledKeepsTheSavedRound) {
    data.addGolfer("Brandt, Ola");
    host.on<manage::CSelectPersonDlg>([](manage::CSelectPersonDlg& d) {
        d.selectKey("Okonkwo, Ike");
        return d.ok();
    });
    chooseCourse();
    data.prompter.answer(platform::Answer::No);
    host.on<CTotalScoreDlg>([](CTotalScoreDlg& d) {
        d.changeTotalText("88");
        return d.saveAndNewGolfer();
    });
    host.on<manage::CSelectPersonDlg>([](manage::CSelectPersonDlg& d) { return d.cancel(); });
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(data.prompter.shown.size(), 2u);
    EXPECT_EQ(offered, std::vector<int>{88});
    data.reopen();
    ASSERT_EQ(data.scores().findNewest("Okonkwo, Ike"), 0);
    EXPECT_EQ(data.scores().record().totalStrokes, 88);
    EXPECT_TRUE(data.scores().record().isTotalOnly());
    EXPECT_EQ(data.golfer("Okonkwo, Ike").handicapRounds, 1);
}

} // namespace
} // namespace kip::rounds
