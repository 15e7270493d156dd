#pragma once
// The golfer commands of the main window: Add a New Golfer, Change Golfer Information and Delete
// Golfer. Each runs its dialogs through the host, shows its outcome through the document's
// prompter and ends with the tables it wrote on stable storage.

#include "golfdb/CKipGolfDoc.h"
#include "platform/DialogHost.h"

namespace kip::manage {

enum class GolferOutcome {
    Cancelled,     // nothing written
    Done,          // the command did what it was asked
    RoundsChanged, // done, and rounds moved or went: the leaderboard must be rebuilt
    Incomplete,    // rounds changed, but a message said what could not be done
    Refused,       // a message said why nothing was done
    Failed,        // a table write failed
};

GolferOutcome addNewGolfer(platform::DialogHost& host, golfdb::CKipGolfDoc& doc);
GolferOutcome changeGolferInformation(platform::DialogHost& host, golfdb::CKipGolfDoc& doc);
GolferOutcome deleteGolfer(platform::DialogHost& host, golfdb::CKipGolfDoc& doc);

} // namespace kip::manage
