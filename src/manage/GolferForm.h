#pragma once
// The values of the Golfer Information dialog and how they map to a golfer row.

#include "golfdb/GolferRecord.h"

#include <string>

namespace kip::manage {

struct GolferForm {
    int team = 0;
    std::string firstName;
    std::string lastName;
    std::string street;
    std::string city;
    std::string state;
    std::string zip;
    std::string phone;
    double handicap = 0.0;
};

// Names split from the key; the other values as the row holds them.
GolferForm formFromGolfer(const golfdb::GolferRecord& golfer);
// Writes the form into the record; the name is joined from last and first name. The count of rounds
// behind the handicap (HCROUNDS) is left as the record holds it.
void golferFromForm(const GolferForm& form, golfdb::GolferRecord& golfer);

// "First Last" as the golfer messages name a golfer (a blank first even without a first name).
std::string messageName(const std::string& first, const std::string& last);
// The message name of the golfer the form stores: when last and first name do not fit the
// 40-character key together, the names split back from the cut key, so a message never names a
// golfer other than the one in the table.
std::string storedMessageName(const GolferForm& form);

} // namespace kip::manage
