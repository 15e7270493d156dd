#include "manage/CPeopleDlg.h"

#include "manage/FieldChecks.h"

#include <cctype>

namespace kip::manage {

CPeopleDlg::CPeopleDlg(Mode mode, platform::Prompter& prompter, const GolferForm& form)
    : mode_(mode), prompter_(prompter), form_(form) {
    texts_[Team] = std::to_string(form.team);
    texts_[FirstName] = form.firstName;
    texts_[LastName] = form.lastName;
    texts_[Street] = form.street;
    texts_[City] = form.city;
    texts_[State] = form.state;
    texts_[Zip] = form.zip;
    texts_[Phone] = form.phone;
}

const char* CPeopleDlg::label(Field field) {
    switch (field) {
    case Team:
        return "Assign to Team Number (if not assigning teams leave 0)";
    case FirstName:
        return "First Name";
    case LastName:
        return "Last Name";
    case Street:
        return "Street";
    case City:
        return "City";
    case State:
        return "State/Prov";
    case Zip:
        return "Zip Code";
    case Phone:
        return "Phone";
    default:
        return "";
    }
}

std::size_t CPeopleDlg::limit(Field field) {
    switch (field) {
    case Street:
    case City:
    case State:
        return 20;
    case Zip:
    case Phone:
        return 15;
    default:
        return 0;
    }
}

void CPeopleDlg::setText(Field field, const std::string& text) {
    std::string value = text;
    if (field == State)
        for (char& c : value)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    texts_.at(field) = value;
}

int CPeopleDlg::save() {
    const auto team = takeInteger(prompter_, texts_[Team], lowestTeam, highestTeam);
    if (!team)
        return staysOpen;
    for (const Field field : {Street, City, State, Zip, Phone})
        if (!takeText(prompter_, texts_[field], limit(field)))
            return staysOpen;
    for (const Field field : {LastName, FirstName, Street, City, State, Zip, Phone})
        if (!takeStorableText(prompter_, label(field), texts_[field]))
            return staysOpen;
    if (texts_[LastName].empty()) {
        prompter_.show({"You must specify a name for this golfer", "Name Error", platform::Icon::Error,
                        platform::Buttons::Ok});
        return staysOpen;
    }
    form_.team = static_cast<int>(*team);
    std::string first = texts_[FirstName];
    first.erase(first.find_last_not_of(' ') + 1);
    form_.firstName = first;
    form_.lastName = texts_[LastName];
    form_.street = texts_[Street];
    form_.city = texts_[City];
    form_.state = texts_[State];
    form_.zip = texts_[Zip];
    form_.phone = texts_[Phone];
    return platform::dialogOk;
}

} // namespace kip::manage
