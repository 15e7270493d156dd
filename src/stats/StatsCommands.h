#pragma once
// The statistics commands of the main window, also run by the command line through a scripted host:
// Basic, Basic All Golfers, By Hole Type, Fairways and Greens. Each picks its golfer and limits
// through the host, computes under the wait cursor and shows its result dialog.

#include "golfdb/CKipGolfDoc.h"
#include "platform/Clock.h"
#include "platform/DialogHost.h"
#include "platform/PrintSurface.h"

namespace kip::stats {

struct StatsServices {
    golfdb::CKipGolfDoc& doc;
    platform::DialogHost& dialogs;
    platform::Clock& clock;
    platform::Printer* printer = nullptr;
};

enum class StatsOutcome {
    Cancelled, // a selection was cancelled; nothing shown
    Failed,    // a message said why nothing was shown
    Shown,     // the result dialog was shown
};

StatsOutcome basicStats(StatsServices services);
StatsOutcome basicStatsAllGolfers(StatsServices services);
StatsOutcome holeTypeStats(StatsServices services);
StatsOutcome fairwaysAndGreens(StatsServices services);

} // namespace kip::stats
