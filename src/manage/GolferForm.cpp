#include "manage/GolferForm.h"

#include "golfdb/StoreText.h"

namespace kip::manage {

GolferForm formFromGolfer(const golfdb::GolferRecord& golfer) {
    const golfdb::NameParts names = golfdb::splitGolferName(golfer.name);
    GolferForm form;
    form.team = golfer.team;
    form.firstName = names.first;
    form.lastName = names.last;
    form.street = golfer.street;
    form.city = golfer.city;
    form.state = golfer.state;
    form.zip = golfer.zip;
    form.phone = golfer.phone;
    form.handicap = golfer.handicapIndex;
    return form;
}

void golferFromForm(const GolferForm& form, golfdb::GolferRecord& golfer) {
    golfer.name = golfdb::joinGolferName(form.lastName, form.firstName);
    golfer.street = form.street;
    golfer.city = form.city;
    golfer.state = form.state;
    golfer.zip = form.zip;
    golfer.phone = form.phone;
    golfer.handicapIndex = form.handicap;
    golfer.team = form.team;
}

std::string messageName(const std::string& first, const std::string& last) {
    return first + " " + last;
}

std::string storedMessageName(const GolferForm& form) {
    const std::string key = golfdb::joinGolferName(form.lastName, form.firstName);
    if (key == golfdb::trimRight(golfdb::trimRight(form.lastName) + ", " + form.firstName))
        return messageName(form.firstName, form.lastName);
    const golfdb::NameParts names = golfdb::splitGolferName(key);
    return messageName(names.first, names.last);
}

} // namespace kip::manage
