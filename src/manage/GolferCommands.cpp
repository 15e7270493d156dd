#include "manage/GolferCommands.h"

#include "handicap/Differential.h"
#include "manage/CNumberRoundsDlg.h"
#include "manage/CPeopleDlg.h"
#include "manage/CSelectPersonDlg.h"
#include "manage/GolferForm.h"

#include <optional>

namespace kip::manage {
namespace {

using platform::Buttons;
using platform::Icon;

constexpr const char* peopleCaption = "People Information";
constexpr const char* golferCaption = "Golfer Information";

void inform(golfdb::CKipGolfDoc& doc, const std::string& text, const char* caption) {
    doc.prompter().show({text, caption, Icon::Information, Buttons::Ok});
}

void readError(golfdb::CKipGolfDoc& doc) {
    doc.prompter().show(
        {"Error reading golfer information from database!", "Database Error", Icon::Error, Buttons::Ok});
}

std::string trimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string()
                                      : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string withCode(const std::string& text, int rc) {
    return text + ", rc = " + std::to_string(rc);
}

struct InitialHandicap {
    double handicap = 0.0;
    int rounds = 0;
};

// The golfer row first, its initial handicap round only once the row is in: a refused row leaves no
// round behind, and an add that is tried again never finds one already stored. When the round cannot
// be stored the new row is taken out again, so the golfer is added whole or not at all.
int storeNewGolfer(golfdb::CKipGolfDoc& doc, const std::optional<InitialHandicap>& initial) {
    golfdb::GolferTable& golfers = doc.golferTable();
    int rc = golfers.add();
    if (rc != store::storeOk || !initial)
        return rc == store::storeOk ? golfers.sync() : rc;
    const long golferRow = golfers.recordNumber();
    golfdb::ScoreTable& scores = doc.scoreTable();
    handicap::buildInitialHandicapRound(scores.record(), golfers.record().name, initial->handicap,
                                        initial->rounds);
    rc = scores.add();
    if (rc == store::storeDuplicateKey)
        rc = store::storeOk;
    if (rc == store::storeOk)
        rc = scores.sync();
    if (rc != store::storeOk) {
        if (golfers.goTo(golferRow) == store::storeOk)
            golfers.remove();
        golfers.sync();
        return rc;
    }
    return golfers.sync();
}

} // namespace

GolferOutcome addNewGolfer(platform::DialogHost& host, golfdb::CKipGolfDoc& doc) {
    CPeopleDlg people(CPeopleDlg::Mode::Add, doc.prompter());
    std::optional<InitialHandicap> confirmed;
    for (;;) {
        if (host.run(people) != platform::dialogOk)
            return GolferOutcome::Cancelled;
        GolferForm& form = people.form();
        if (people.wantsInitialHandicap()) {
            CNumberRoundsDlg numbers(doc.prompter(), form.firstName, form.lastName);
            if (host.run(numbers) == platform::dialogOk && numbers.handicap() > 0)
                confirmed = InitialHandicap{numbers.handicap(), numbers.rounds()};
            else
                doc.prompter().show({"Dialog cancelled, no initial handicap used", "Dialog Cancelled",
                                     Icon::Information, Buttons::Ok});
        }
        // Only an initial handicap wanted at this save counts.
        const std::optional<InitialHandicap> initial =
            people.wantsInitialHandicap() ? confirmed : std::nullopt;
        form.handicap = initial ? initial->handicap : 0.0;

        golfdb::GolferRecord& record = doc.golferTable().record();
        record.clear();
        golferFromForm(form, record);
        record.handicapRounds = 0; // stroke control starts with the flat cap until rounds are evaluated
        const std::string name = storedMessageName(form);
        const int rc = storeNewGolfer(doc, initial);
        if (rc == store::storeOk) {
            inform(doc, name + " has been added", peopleCaption);
            return GolferOutcome::Done;
        }
        if (rc == store::storeDuplicateKey) {
            inform(doc, name + " is already in the golfer database", peopleCaption);
            continue;
        }
        inform(doc, withCode("Could not add " + name, rc), peopleCaption);
        return GolferOutcome::Failed;
    }
}

GolferOutcome changeGolferInformation(platform::DialogHost& host, golfdb::CKipGolfDoc& doc) {
    const auto chosen = selectGolfer(host, doc);
    if (!chosen)
        return GolferOutcome::Cancelled;
    golfdb::GolferTable& golfers = doc.golferTable();
    if (golfers.goTo(*chosen) != store::storeOk) {
        readError(doc);
        return GolferOutcome::Failed;
    }
    const GolferForm old = formFromGolfer(golfers.record());
    CPeopleDlg people(CPeopleDlg::Mode::Change, doc.prompter(), old);
    if (host.run(people) != platform::dialogOk)
        return GolferOutcome::Cancelled;
    GolferForm form = people.form();
    form.firstName = trimBlanks(form.firstName);
    form.lastName = trimBlanks(form.lastName);
    golferFromForm(form, golfers.record());
    const std::string newName = storedMessageName(form);

    if (form.firstName == old.firstName && form.lastName == old.lastName) {
        int rc = golfers.change();
        if (rc == store::storeOk)
            rc = golfers.sync();
        if (rc != store::storeOk) {
            inform(doc, withCode("Could not change golfer", rc), golferCaption);
            return GolferOutcome::Failed;
        }
        inform(doc, newName + " has been changed", golferCaption);
        return GolferOutcome::Done;
    }

    const int added = doc.addGolfer();
    if (added == store::storeDuplicateKey) {
        inform(doc, "The name " + newName + " already exists in the golfer database, cannot make this change",
               golferCaption);
        return GolferOutcome::Refused;
    }
    if (added != store::storeOk) {
        inform(doc, withCode("Could not change golfer", added), golferCaption);
        return GolferOutcome::Failed;
    }
    if (doc.renameGolferInRounds(old.lastName, old.firstName, form.lastName, form.firstName) !=
        store::storeOk) {
        inform(doc, "Golfer changed but some scores could not be associated to the new golfer name",
               golferCaption);
        return GolferOutcome::Incomplete;
    }
    const std::string oldKey = golfdb::joinGolferName(old.lastName, old.firstName);
    bool removed = false;
    if (golfers.find(oldKey) == store::storeOk) {
        removed = golfers.remove() == store::storeOk;
        golfers.packOnClose = removed ? 1 : golfers.packOnClose;
        golfers.sync();
    }
    if (!removed) {
        inform(doc,
               newName + " changed but old golfer " + messageName(old.firstName, old.lastName) +
                   " must be manually removed",
               golferCaption);
        return GolferOutcome::Incomplete;
    }
    inform(doc, newName + " has been changed", golferCaption);
    return GolferOutcome::RoundsChanged;
}

GolferOutcome deleteGolfer(platform::DialogHost& host, golfdb::CKipGolfDoc& doc) {
    SelectGolferOptions options;
    options.noAutomaticPick = true;
    const auto chosen = selectGolfer(host, doc, options);
    if (!chosen)
        return GolferOutcome::Cancelled;
    golfdb::GolferTable& golfers = doc.golferTable();
    if (golfers.goTo(*chosen) != store::storeOk) {
        readError(doc);
        return GolferOutcome::Failed;
    }
    const std::string key = golfers.record().name;
    const golfdb::NameParts names = golfdb::GolferTable::splitName(key);
    const std::string name = messageName(names.first, names.last);
    const platform::Message question{"Are you sure you want to delete " + name +
                                         "? All rounds for this golfer will also be deleted.",
                                     "Confirm Delete", Icon::Question, Buttons::YesNo};
    if (doc.prompter().show(question) != platform::Answer::Yes)
        return GolferOutcome::Cancelled;
    // A golfer row that cannot be deleted keeps its rounds: removing them would leave a golfer with
    // its history gone while it still appears everywhere.
    int rc = golfers.remove();
    if (rc == store::storeOk) {
        golfers.packOnClose = 1;
        rc = golfers.sync();
    }
    if (rc != store::storeOk) {
        doc.prompter().show(
            {withCode("Could not delete " + name, rc), "Database Error", Icon::Error, Buttons::Ok});
        return GolferOutcome::Failed;
    }
    doc.deleteGolferRounds(key);
    doc.prompter().show({"Golfer " + name + " and all rounds played have been deleted", "Delete Successful",
                         Icon::None, Buttons::Ok});
    return GolferOutcome::RoundsChanged;
}

} // namespace kip::manage
