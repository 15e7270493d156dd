#pragma once
// The listing commands of the main window, also run by the command line through a scripted host:
// Lowest Rounds, Fewest Putts, Course Statistics, View All Rounds, Show Points, Show Teams and Show
// Stats Graph. Each picks what it lists through the host and shows its dialog; a listed round opens
// for viewing from the dialog.

#include "golfdb/CKipGolfDoc.h"
#include "platform/Clock.h"
#include "platform/DialogHost.h"
#include "platform/PrintSurface.h"
#include "platform/SettingsStore.h"
#include "stats/StatsCommands.h"

namespace kip::stats {

struct ListingServices {
    golfdb::CKipGolfDoc& doc;
    platform::DialogHost& dialogs;
    platform::Clock& clock;
    platform::SettingsStore& settings;
    platform::Printer* printer = nullptr;
};

StatsOutcome lowestRounds(ListingServices services);
StatsOutcome fewestPutts(ListingServices services);
StatsOutcome courseStatistics(ListingServices services);
StatsOutcome viewAllRounds(ListingServices services);
StatsOutcome showPoints(ListingServices services);
StatsOutcome showTeams(ListingServices services);
StatsOutcome showStatsGraph(ListingServices services);

inline constexpr const char* tooFewRoundsText =
    "Must have at least two rounds meeting selection criteira, no graph generated";

} // namespace kip::stats
