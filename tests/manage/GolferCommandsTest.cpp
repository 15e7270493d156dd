#include "manage/GolferCommands.h"
#include "handicap/GolfData.h"
#include "handicap/HandicapIndex.h"
#include "manage/CNumberRoundsDlg.h"
#include "manage/CPeopleDlg.h"
#include "manage/CSelectPersonDlg.h"

#include <gtest/gtest.h>

namespace kip::manage {
namespace {

using handicap::testing::GolfData;
using platform::dialogCancel;
using platform::dialogOk;

struct Typed {
    std::string last, first;
    std::string team = "0";
    std::string street;
    bool initial = false;
};

class GolferCommands : public ::testing::Test {
protected:
    void typeForm(CPeopleDlg& d, const Typed& t) {
        d.setText(CPeopleDlg::LastName, t.last);
        d.setText(CPeopleDlg::FirstName, t.first);
        d.setText(CPeopleDlg::Team, t.team);
        d.setText(CPeopleDlg::Street, t.street);
        d.setWantsInitialHandicap(t.initial);
    }
    void fillAndSave(const Typed& t) {
        host.on<CPeopleDlg>([this, t](CPeopleDlg& d) {
            typeForm(d, t);
            return d.save();
        });
    }
    void initialHandicap(const std::string& handicap, const std::string& rounds) {
        host.on<CNumberRoundsDlg>([handicap, rounds](CNumberRoundsDlg& d) {
            d.setHandicapText(handicap);
            d.setRoundsText(rounds);
            return d.ok();
        });
    }
    void choose(const std::string& key) {
        host.on<CSelectPersonDlg>([key](CSelectPersonDlg& d) {
            EXPECT_TRUE(d.selectKey(key)) << key;
            return d.ok();
        });
    }
    int roundsOf(const std::string& key) {
        int count = 0;
        auto& scores = data.scores();
        for (int rc = scores.goTop(); rc == 0; rc = scores.skip())
            count += scores.record().golfer == key ? 1 : 0;
        return count;
    }
    std::vector<std::string> texts() const { return data.prompter.texts(); }

    GolfData data;
    test::ScriptedDialogHost host;
};

TEST_F(GolferCommands, AddStoresTheFormWithNoHandicapRoundsAndSaysSo) {
    host.on<CPeopleDlg>([](CPeopleDlg& d) {
        EXPECT_TRUE(d.showsInitialHandicapCheck());
        EXPECT_EQ(d.initialFocus(), CPeopleDlg::FirstName); // the name comes first, not the team
        EXPECT_EQ(d.text(CPeopleDlg::Team), "0");
        d.setText(CPeopleDlg::LastName, "Okonkwo");
        d.setText(CPeopleDlg::FirstName, "Ike  ");
        d.setText(CPeopleDlg::Team, " 7");
        d.setText(CPeopleDlg::State, "on");
        d.setText(CPeopleDlg::Phone, "555-0142");
        return d.save();
    });
    EXPECT_EQ(addNewGolfer(host, data.doc()), GolferOutcome::Done);
    EXPECT_EQ(texts(), std::vector<std::string>{"Ike Okonkwo has been added"});
    EXPECT_EQ(data.prompter.last().caption, "People Information");
    EXPECT_EQ(data.prompter.last().icon, platform::Icon::Information);
    data.reopen();
    const auto ike = data.golfer("Okonkwo, Ike");
    EXPECT_EQ(ike.extra, "   7");
    EXPECT_EQ(ike.state, "ON");
    EXPECT_EQ(ike.phone, "555-0142");
    EXPECT_EQ(ike.handicapRounds, 0);
    EXPECT_DOUBLE_EQ(ike.handicapIndex, 0.0);
    EXPECT_EQ(roundsOf("Okonkwo, Ike"), 0);
}

TEST_F(GolferCommands, AddWithOnlyALastNameAndTeamZero) {
    fillAndSave({"Mulligan", "", "0", "", false});
    addNewGolfer(host, data.doc());
    EXPECT_EQ(texts(), std::vector<std::string>{" Mulligan has been added"});
    const auto golfer = data.golfer(golfdb::joinGolferName("Mulligan", ""));
    EXPECT_EQ(golfer.extra, "");
    EXPECT_EQ(golfdb::splitGolferName(golfer.name).last, "Mulligan");
    EXPECT_EQ(golfdb::splitGolferName(golfer.name).first, "");
}

TEST_F(GolferCommands, InitialHandicapIsStoredAsARoundThatGivesTheIndexBack) {
    fillAndSave({"Okonkwo", "Ike", "0", "", true});
    host.on<CNumberRoundsDlg>([](CNumberRoundsDlg& d) {
        EXPECT_EQ(d.prompt(), "Enter Ike Okonkwo's initial handicap below:");
        EXPECT_EQ(d.handicapText(), "0");
        EXPECT_EQ(d.roundsText(), "20");
        d.stepRounds(+1);
        EXPECT_EQ(d.roundsText(), "20");
        d.setHandicapText("95.9");
        d.setRoundsText("5");
        return d.ok();
    });
    EXPECT_EQ(addNewGolfer(host, data.doc()), GolferOutcome::Done);
    data.reopen();
    EXPECT_DOUBLE_EQ(data.golfer("Okonkwo, Ike").handicapIndex, 95.9);
    EXPECT_EQ(roundsOf("Okonkwo, Ike"), 1);
    const auto result = handicap::computeHandicapIndex(data.scores(), "Okonkwo, Ike");
    EXPECT_NEAR(result.index, 95.9, 0.05); // stored to one decimal as 95.9
    EXPECT_EQ(result.counted, 5);
}

TEST_F(GolferCommands, StartingHandicapsAndRoundsOutsideWhatIsStoredAreRefusedAtEntry) {
    fillAndSave({"Okonkwo", "Ike", "0", "", true});
    host.on<CNumberRoundsDlg>([](CNumberRoundsDlg& d) {
        for (const char* refused : {"96", "0", "x", "199.9"}) {
            d.setHandicapText(refused);
            EXPECT_EQ(d.ok(), CNumberRoundsDlg::staysOpen) << refused;
        }
        d.setHandicapText("12.5");
        d.setRoundsText("21");
        EXPECT_EQ(d.ok(), CNumberRoundsDlg::staysOpen);
        return d.cancel();
    });
    EXPECT_EQ(addNewGolfer(host, data.doc()), GolferOutcome::Done);
    EXPECT_EQ(texts(), (std::vector<std::string>{
                           "Enter a number between 0.1 and 95.9.", "Enter a number between 0.1 and 95.9.",
                           "Enter a number.", "Enter a number between 0.1 and 95.9.",
                           "Enter an integer between 1 and 20.", "Dialog cancelled, no initial handicap used",
                           "Ike Okonkwo has been added"}));
    EXPECT_EQ(data.prompter.shown.front().caption, "KipGolf");
    EXPECT_EQ(data.prompter.shown[5].caption, "Dialog Cancelled");
    EXPECT_EQ(roundsOf("Okonkwo, Ike"), 0);
    EXPECT_DOUBLE_EQ(data.golfer("Okonkwo, Ike").handicapIndex, 0.0);
}

TEST_F(GolferCommands, GolferFormChecksKeepTheDialogOpen) {
    host.on<CPeopleDlg>([](CPeopleDlg& d) {
        d.setText(CPeopleDlg::Team, "10000");
        EXPECT_EQ(d.save(), CPeopleDlg::staysOpen);
        d.setText(CPeopleDlg::Team, "-1000");
        EXPECT_EQ(d.save(), CPeopleDlg::staysOpen);
        d.setText(CPeopleDlg::Team, "4a");
        EXPECT_EQ(d.save(), CPeopleDlg::staysOpen);
        d.setText(CPeopleDlg::Team, "-999");
        d.setText(CPeopleDlg::City, std::string(21, 'c'));
        EXPECT_EQ(d.save(), CPeopleDlg::staysOpen);
        d.setText(CPeopleDlg::City, "Ottawa");
        EXPECT_EQ(d.save(), CPeopleDlg::staysOpen); // no last name
        d.setText(CPeopleDlg::LastName, "Okonkwo");
        return d.save();
    });
    addNewGolfer(host, data.doc());
    EXPECT_EQ(texts(), (std::vector<std::string>{"Enter an integer between -999 and 9999.",
                                                 "Enter an integer between -999 and 9999.",
                                                 "Enter an integer.", "Enter no more than 20 characters.",
                                                 "You must specify a name for this golfer",
                                                 " Okonkwo has been added"}));
    EXPECT_EQ(data.prompter.shown[4].caption, "Name Error");
    EXPECT_EQ(data.prompter.shown[4].icon, platform::Icon::Error);
    EXPECT_EQ(data.golfer(golfdb::joinGolferName("Okonkwo", "")).team, -999);
}

TEST_F(GolferCommands, NamesWithLettersTheTablesCannotHoldAreRefusedBeforeAnythingIsWritten) {
    host.on<CPeopleDlg>([](CPeopleDlg& d) {
        d.setText(CPeopleDlg::LastName, "Ωmega");
        d.setText(CPeopleDlg::FirstName, "Αλέξης Αλ");
        EXPECT_EQ(d.save(), CPeopleDlg::staysOpen);
        d.setText(CPeopleDlg::LastName, "Omega");
        EXPECT_EQ(d.save(), CPeopleDlg::staysOpen);
        d.setText(CPeopleDlg::FirstName, "Renée?");
        d.setText(CPeopleDlg::City, "Łódź"); // Ł and ź have no single-byte form, ó has
        EXPECT_EQ(d.save(), CPeopleDlg::staysOpen);
        d.setText(CPeopleDlg::City, "Lódž");
        return d.save();
    });
    EXPECT_EQ(addNewGolfer(host, data.doc()), GolferOutcome::Done);
    EXPECT_EQ(texts(),
              (std::vector<std::string>{"Last Name holds letters the database cannot store: Ω",
                                        "First Name holds letters the database cannot store: Α λ έ ξ η ς",
                                        "City holds letters the database cannot store: Ł ź",
                                        "Renée? Omega has been added"}));
    EXPECT_EQ(data.prompter.shown[0].caption, "Name Error");
    EXPECT_EQ(data.prompter.shown[0].icon, platform::Icon::Error);
    data.reopen();
    EXPECT_EQ(data.golfer("Omega, Renée?").city, "Lódž");
}

TEST_F(GolferCommands, MessagesNameTheGolferAsStored) {
    const std::string last(30, 'L');
    fillAndSave({last, "Maximilian", "0", "", false});
    EXPECT_EQ(addNewGolfer(host, data.doc()), GolferOutcome::Done);
    // The key "LLL..., Maximilian" is cut at 40 characters.
    EXPECT_EQ(texts(), std::vector<std::string>{"Maximili " + last + " has been added"});
    fillAndSave({last, "Maximilian", "0", "", false});
    host.on<CPeopleDlg>([](CPeopleDlg& d) { return d.cancel(); });
    addNewGolfer(host, data.doc());
    EXPECT_EQ(data.prompter.last().text, "Maximili " + last + " is already in the golfer database");
}

TEST_F(GolferCommands, DuplicateReopensTheTypedFormAndLeavesNoStrayInitialRound) {
    data.addGolfer("Okonkwo, Ike");
    fillAndSave({"Okonkwo", "Ike", "3", "14 Birch Lane", true});
    initialHandicap("12.0", "5");
    host.on<CPeopleDlg>([](CPeopleDlg& d) {
        EXPECT_EQ(d.text(CPeopleDlg::Street), "14 Birch Lane");
        EXPECT_EQ(d.text(CPeopleDlg::Team), "3");
        d.setWantsInitialHandicap(false);
        return d.save();
    });
    host.on<CPeopleDlg>([](CPeopleDlg& d) { return d.cancel(); });
    EXPECT_EQ(addNewGolfer(host, data.doc()), GolferOutcome::Cancelled);
    EXPECT_EQ(texts(), (std::vector<std::string>{"Ike Okonkwo is already in the golfer database",
                                                 "Ike Okonkwo is already in the golfer database"}));
    EXPECT_EQ(roundsOf("Okonkwo, Ike"), 0);
}

TEST_F(GolferCommands, RetriedAddStoresOneInitialRoundAndKeepsTheConfirmedHandicap) {
    data.addGolfer("Okonkwo, Ike");
    fillAndSave({"Okonkwo", "Ike", "0", "", true});
    initialHandicap("12.0", "5");
    host.on<CPeopleDlg>([](CPeopleDlg& d) {
        d.setText(CPeopleDlg::FirstName, "Ada");
        return d.save();
    });
    host.on<CNumberRoundsDlg>([](CNumberRoundsDlg& d) { return d.cancel(); });
    EXPECT_EQ(addNewGolfer(host, data.doc()), GolferOutcome::Done);
    EXPECT_EQ(texts().back(), "Ada Okonkwo has been added");
    EXPECT_EQ(roundsOf("Okonkwo, Ada"), 1);
    EXPECT_EQ(roundsOf("Okonkwo, Ike"), 0);
    EXPECT_DOUBLE_EQ(data.golfer("Okonkwo, Ada").handicapIndex, 12.0);
}

TEST_F(GolferCommands, AGolferWhoseInitialRoundCannotBeStoredIsNotAdded) {
    data.scores().close();
    fillAndSave({"Okonkwo", "Ike", "0", "", true});
    initialHandicap("12.0", "5");
    EXPECT_EQ(addNewGolfer(host, data.doc()), GolferOutcome::Failed);
    ASSERT_EQ(texts().size(), 1u);
    EXPECT_EQ(texts()[0].rfind("Could not add Ike Okonkwo, rc = -", 0), 0u) << texts()[0];
    EXPECT_NE(data.golfers().find("Okonkwo, Ike"), 0);
}

class GolferChanges : public GolferCommands {
protected:
    void SetUp() override {
        data.addGolfer("Okonkwo, Ike", 7.5, 12);
        data.addGolfer("Brandt, Ola");
        ikeRounds = data.addRounds("Okonkwo, Ike", std::vector<double>(25, 9.5));
        data.addRounds("Brandt, Ola", {3.0, 4.0});
    }
    std::vector<long> ikeRounds;
};

TEST_F(GolferChanges, ChangingOnlyTheStreetRewritesTheRowAndNoRound) {
    choose("Okonkwo, Ike");
    host.on<CPeopleDlg>([](CPeopleDlg& d) {
        EXPECT_FALSE(d.showsInitialHandicapCheck());
        EXPECT_EQ(d.initialFocus(), CPeopleDlg::Street);
        EXPECT_EQ(d.text(CPeopleDlg::LastName), "Okonkwo");
        d.setText(CPeopleDlg::Street, "9 Elm Row");
        return d.save();
    });
    EXPECT_EQ(changeGolferInformation(host, data.doc()), GolferOutcome::Done);
    EXPECT_EQ(texts(), std::vector<std::string>{"Ike Okonkwo has been changed"});
    EXPECT_EQ(data.prompter.last().caption, "Golfer Information");
    data.reopen();
    const auto ike = data.golfer("Okonkwo, Ike");
    EXPECT_EQ(ike.street, "9 Elm Row");
    EXPECT_EQ(ike.handicapRounds, 12);
    ASSERT_EQ(data.scores().goTo(ikeRounds.front()), 0);
    EXPECT_EQ(data.scores().record().golfer, "Okonkwo, Ike");
}

TEST_F(GolferChanges, RenameMovesEveryRoundUnchangedAndRemovesTheOldRow) {
    choose("Okonkwo, Ike");
    host.on<CPeopleDlg>([](CPeopleDlg& d) {
        d.setText(CPeopleDlg::LastName, " OKONKWO ");
        return d.save();
    });
    EXPECT_EQ(changeGolferInformation(host, data.doc()), GolferOutcome::RoundsChanged);
    EXPECT_EQ(texts(), std::vector<std::string>{"Ike OKONKWO has been changed"});
    data.reopen();
    EXPECT_NE(data.golfers().find("Okonkwo, Ike"), 0);
    const auto renamed = data.golfer("OKONKWO, Ike");
    EXPECT_DOUBLE_EQ(renamed.handicapIndex, 7.5);
    EXPECT_EQ(renamed.handicapRounds, 12);
    EXPECT_EQ(roundsOf("Okonkwo, Ike"), 0);
    EXPECT_EQ(roundsOf("OKONKWO, Ike"), 25);
    EXPECT_EQ(roundsOf("Brandt, Ola"), 2);
    ASSERT_EQ(data.scores().findNewest("OKONKWO, Ike"), 0);
    EXPECT_EQ(data.scores().record().year, 2024);
    EXPECT_EQ(data.scores().record().month, 12);
    EXPECT_EQ(data.scores().record().day, 28);
    EXPECT_DOUBLE_EQ(data.scores().record().differential, 9.5);
}

TEST_F(GolferChanges, RenameOntoAnotherGolferChangesNothing) {
    choose("Okonkwo, Ike");
    host.on<CPeopleDlg>([](CPeopleDlg& d) {
        d.setText(CPeopleDlg::LastName, "Brandt");
        d.setText(CPeopleDlg::FirstName, "Ola");
        return d.save();
    });
    EXPECT_EQ(changeGolferInformation(host, data.doc()), GolferOutcome::Refused);
    EXPECT_EQ(texts(),
              std::vector<std::string>{
                  "The name Ola Brandt already exists in the golfer database, cannot make this change"});
    EXPECT_EQ(roundsOf("Okonkwo, Ike"), 25);
    EXPECT_EQ(data.golfer("Okonkwo, Ike").handicapRounds, 12);
}

TEST_F(GolferChanges, DeleteAsksThenRemovesTheGolferAndOnlyTheirRounds) {
    choose("Okonkwo, Ike");
    data.prompter.answer(platform::Answer::No);
    EXPECT_EQ(deleteGolfer(host, data.doc()), GolferOutcome::Cancelled);
    EXPECT_EQ(roundsOf("Okonkwo, Ike"), 25);

    choose("Okonkwo, Ike");
    EXPECT_EQ(deleteGolfer(host, data.doc()), GolferOutcome::RoundsChanged);
    ASSERT_EQ(data.prompter.shown.size(), 3u);
    const auto& question = data.prompter.shown[1];
    EXPECT_EQ(
        question.text,
        "Are you sure you want to delete Ike Okonkwo? All rounds for this golfer will also be deleted.");
    EXPECT_EQ(question.caption, "Confirm Delete");
    EXPECT_EQ(question.buttons, platform::Buttons::YesNo);
    EXPECT_EQ(question.icon, platform::Icon::Question);
    EXPECT_EQ(data.prompter.last().text, "Golfer Ike Okonkwo and all rounds played have been deleted");
    EXPECT_EQ(data.prompter.last().caption, "Delete Successful");
    EXPECT_EQ(data.prompter.last().icon, platform::Icon::None);
    data.reopen();
    EXPECT_NE(data.golfers().find("Okonkwo, Ike"), 0);
    EXPECT_EQ(roundsOf("Okonkwo, Ike"), 0);
    EXPECT_EQ(roundsOf("Brandt, Ola"), 2);
    EXPECT_EQ(data.golfer("Brandt, Ola").name, "Brandt, Ola");
}

TEST_F(GolferCommands, ASingleGolferIsPickedForChangeButShownForDelete) {
    data.addGolfer("Okonkwo, Ike");
    host.on<CPeopleDlg>([](CPeopleDlg& d) { return d.cancel(); });
    EXPECT_EQ(changeGolferInformation(host, data.doc()), GolferOutcome::Cancelled);
    EXPECT_EQ(host.runs, 1);

    host.on<CSelectPersonDlg>([](CSelectPersonDlg& d) {
        EXPECT_EQ(d.lines().size(), 1u);
        return d.cancel();
    });
    EXPECT_EQ(deleteGolfer(host, data.doc()), GolferOutcome::Cancelled);
    EXPECT_EQ(host.runs, 2);
}

TEST(SelectGolfer, NeedsAChoiceOrAllGolfersWhereAllowed) {
    test::ScriptedPrompter prompter;
    const golfdb::ItemList golfers{{"Brandt, Ola", 2}, {"Okonkwo, Ike", 1}};
    CSelectPersonDlg plain(golfers, prompter, {});
    EXPECT_FALSE(plain.useAllEnabled());
    plain.setUseAll(true);
    EXPECT_FALSE(plain.useAll());
    EXPECT_EQ(plain.ok(), CSelectPersonDlg::staysOpen);
    EXPECT_EQ(prompter.last().text, "You must select a golfer!");
    EXPECT_EQ(prompter.last().caption, "Selection Error");
    EXPECT_EQ(plain.doubleClick(1), dialogOk);
    EXPECT_EQ(plain.chosen(), 1);

    CSelectPersonDlg all(golfers, prompter, {true, false});
    all.select(0);
    all.setUseAll(true);
    EXPECT_EQ(all.selectedIndex(), -1);
    EXPECT_FALSE(all.listEnabled());
    EXPECT_EQ(all.ok(), dialogOk);
    EXPECT_EQ(all.chosen(), allGolfers);
    all.setUseAll(false);
    EXPECT_TRUE(all.listEnabled());
}

TEST(SelectGolfer, WithoutAnOpenDocumentSaysSoAndCancels) {
    test::TempDir dir;
    test::ScriptedPrompter prompter;
    golfdb::CKipGolfDoc doc(dir.path(), prompter);
    test::ScriptedDialogHost host;
    EXPECT_EQ(selectGolfer(host, doc), std::nullopt);
    EXPECT_EQ(prompter.last().text, "Select Golfer internal document error, contact support");
    EXPECT_EQ(prompter.last().caption, "Document Error");
    EXPECT_EQ(host.runs, 0);
}

} // namespace
} // namespace kip::manage
