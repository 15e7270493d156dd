#pragma once
// Opening a round of a listing for viewing: the total-only view for a round entered as a total,
// otherwise the hole-by-hole view, both read-only.

#include "golfdb/ScoreTable.h"
#include "platform/Clock.h"
#include "platform/DialogHost.h"
#include "platform/PrintSurface.h"
#include "platform/Prompter.h"

namespace kip::stats {

struct RoundViewing {
    golfdb::ScoreTable& scores;
    platform::DialogHost& dialogs;
    platform::Prompter& prompter;
    platform::Date today;
    platform::Printer* printer = nullptr; // for the round dialog's "Print"
};

// Reads the row and shows it; false after "Error reading round information from database!" when
// the row cannot be read.
bool viewListedRound(const RoundViewing& viewing, long record);

void showRoundReadError(platform::Prompter& prompter);

} // namespace kip::stats
