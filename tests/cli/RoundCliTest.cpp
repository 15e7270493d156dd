#include "cli/GolfDataCli.h"
#include "exchange/RoundTextFile.h"
#include "rounds/RoundCardData.h"

namespace kip::cli {
namespace {

class RoundCli : public GolfDataCli {
protected:
    void SetUp() override {
        data.addGolfer("Okonkwo, Ike", 10.0, 0);
        auto& course = data.doc().courseTable().record();
        course.clearCourse();
        course.name = "Alder Run";
        course.city = "Ottawa";
        course.tee = "Blue";
        course.slope = 113;
        course.rating = 70.0;
        for (int h = 1; h <= 18; ++h)
            course.par[static_cast<std::size_t>(h)] = 4;
        EXPECT_EQ(data.doc().courseTable().add(), 0);
        data.doc().closeDatabase();
    }
};

TEST_F(RoundCli, TotalRoundsAreEnteredListedAndDeleted) {
    auto first = run("round add-total 'Okonkwo, Ike' 'Alder Run' Blue 20240601 82");
    EXPECT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out, "Round saved and Ike Okonkwo's handicap is now 11.5 \n");
    EXPECT_EQ(run("round add-total 'Okonkwo, Ike' 'Alder Run' Blue 20240602 78").exitCode, 0);
    auto high = run("round add-total 'Okonkwo, Ike' 'Alder Run' Blue 20240603 350");
    EXPECT_EQ(high.exitCode, 1);
    EXPECT_NE(high.err.find("--accept"), std::string::npos) << high.err;

    auto listed = run("rounds 'Okonkwo, Ike'");
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_EQ(listed.out, "2\t06/02/2024 \t 78 \tAlder Run\n1\t06/01/2024 \t 82 \tAlder Run\n");

    auto deleted = run("round delete 'Okonkwo, Ike' 2");
    EXPECT_EQ(deleted.exitCode, 0) << deleted.err;
    EXPECT_EQ(deleted.out, "Selected rounds deleted and Okonkwo, Ike's handicap is now 11.5 \n");
    EXPECT_EQ(run("round delete 'Okonkwo, Ike' 7").exitCode, 1);

    auto year = run("year delete 2024");
    EXPECT_EQ(year.exitCode, 0) << year.err;
    EXPECT_EQ(year.out, "1 rounds deleted from database for year 2024\n");
    EXPECT_EQ(run("rounds 'Okonkwo, Ike'").out, "");
    EXPECT_EQ(run("year delete 1899").exitCode, 1);
}

TEST_F(RoundCli, ARoundBefore1900IsRefusedWithTheEditorsDateMessage) {
    for (const char* date : {"18991231", "10010105", "20240230"}) {
        auto refused = run(std::string("round add-total 'Okonkwo, Ike' 'Alder Run' Blue ") + date + " 82");
        EXPECT_EQ(refused.exitCode, 1) << date;
        EXPECT_NE(refused.err.find("Date round played is invalid"), std::string::npos) << refused.err;
    }
    EXPECT_EQ(run("rounds 'Okonkwo, Ike'").out, "");
    EXPECT_EQ(run("round add-total 'Okonkwo, Ike' 'Alder Run' Blue 19000101 82").exitCode, 0);
    EXPECT_EQ(run("rounds 'Okonkwo, Ike'").out, "1\t01/01/1900 \t 82 \tAlder Run\n");
}

TEST_F(RoundCli, MessagesKeepTheirEndForLongNames) {
    // Forty three-byte letters: the key alone is 120 bytes.
    std::string last, first;
    for (int i = 0; i < 19; ++i)
        last += "\u20AC";
    for (int i = 0; i < 19; ++i)
        first += "\u20AC";
    const std::string key = last + ", " + first;
    auto added = run("golfer add '" + last + "' '" + first + "'");
    ASSERT_EQ(added.exitCode, 0) << added.err;
    ASSERT_EQ(run("round add-total '" + key + "' 'Alder Run' Blue 20240601 82").exitCode, 0);
    auto deleted = run("round delete '" + key + "' 1");
    EXPECT_EQ(deleted.exitCode, 0) << deleted.err;
    EXPECT_EQ(deleted.out, "Selected rounds deleted and " + key + "'s handicap is now 0.0 \n");
}

TEST_F(RoundCli, AHoleByHoleRoundComesFromARoundTextFile) {
    const std::string file = data.dir.file("round.txt");
    {
        test::ScriptedPrompter prompter;
        rounds::CScoresDlg editor(rounds::RoundMode::Enter, prompter, {2024, 7, 4});
        golfdb::CourseRecord course = test::sampleCourse();
        course.name = "Alder Run";
        editor.fillFromCourse("Okonkwo, Ike", course, {});
        test::typeRound(editor, test::parRound);
        ASSERT_EQ(editor.checkRound(), 0);
        ASSERT_EQ(exchange::writeRoundText(file, editor, prompter), exchange::roundTextOk);
    }
    auto added = run("round add 'Okonkwo, Ike' 'Alder Run' Blue " + shellQuoted(file));
    EXPECT_EQ(added.exitCode, 0) << added.err;
    EXPECT_EQ(added.out.rfind("Round saved and Ike Okonkwo's handicap is now ", 0), 0u) << added.out;
    EXPECT_EQ(run("rounds 'Okonkwo, Ike'").out, "1\t07/04/2024 \t 72 \tAlder Run\n");
    EXPECT_EQ(
        run("round add 'Okonkwo, Ike' 'Alder Run' Blue " + shellQuoted(data.dir.file("none.txt"))).exitCode,
        1);
}

} // namespace
} // namespace kip::cli
