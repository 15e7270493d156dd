#pragma once
// Shows a stored round in View mode: the total-only dialog for a round entered as a total, the
// hole-by-hole dialog otherwise, dated as the round was played.

#include "golfdb/ScoreRecord.h"
#include "platform/Clock.h"
#include "platform/DialogHost.h"
#include "platform/PrintSurface.h"
#include "platform/Prompter.h"

namespace kip::rounds {

void viewRound(platform::DialogHost& host, platform::Prompter& prompter, platform::Printer* printer,
               platform::Date today, const golfdb::ScoreRecord& round);

} // namespace kip::rounds
