#pragma once
// The round commands of the main window. Enter a Round: golfer, course and tee, hole by hole or the
// total only, then the editor loop. Each saved round is written first, then offered to the
// leaderboard, then the golfer's index is recalculated and written; the tables are on stable
// storage before the message is shown.

#include "golfdb/CKipGolfDoc.h"
#include "golfdb/ScoreRecord.h"
#include "platform/Clock.h"
#include "platform/DialogHost.h"
#include "platform/PrintSurface.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "rounds/CScoresDlg.h"

#include <functional>
#include <optional>

namespace kip::rounds {

struct RoundServices {
    golfdb::CKipGolfDoc& doc;
    platform::DialogHost& dialogs;
    platform::Prompter& prompter;
    platform::SettingsStore& settings;
    platform::Clock& clock;
    platform::Printer* printer = nullptr;
    bool allowMeters = false;
    // The leaderboard's offer of a saved round; true when the board changed.
    std::function<bool(const golfdb::ScoreRecord&)> offerRound;
    // Rebuilds the leaderboard from every stored round.
    std::function<void()> rebuildLeaderboard;
    // When set, stands for Select Course and Select a Tee (a script that names its course row).
    std::function<std::optional<long>()> chooseCourse;
    // The hole-by-hole editor's "Save to Text File" and "Load from Text File".
    RoundTextFiles* textFiles = nullptr;
};

// Each returns the number of rounds written or deleted.
int enterRound(RoundServices& services);
int changeRound(RoundServices& services);
void viewRounds(RoundServices& services);
int deleteRounds(RoundServices& services);
int deleteYearRounds(RoundServices& services);

} // namespace kip::rounds
