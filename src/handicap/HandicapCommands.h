#pragma once
// The two handicap commands of the main window: Change Handicap Rules and Recalculate Handicaps.

#include "golfdb/CKipGolfDoc.h"
#include "handicap/HandicapRecalculation.h"
#include "platform/DialogHost.h"
#include "platform/SettingsStore.h"

namespace kip::handicap {

inline constexpr const char* recalcQuestion = "Are you sure you want to recalculate all handicaps?";
inline constexpr const char* recalcQuestionCaption = "Confirm Recalculation";
inline constexpr const char* recalcCompleteText = "Handicap recalculation complete";
inline constexpr const char* recalcCompleteCaption = "Recalc Complete";

// Runs the Change Handicap Rules dialog; after OK the document and the score table's active
// rounds-used table follow the chosen rule. Stored handicaps are not recalculated. Returns the rule
// in force afterwards, for the view's copy.
int changeHandicapRule(platform::DialogHost& host, platform::SettingsStore& settings,
                       golfdb::CKipGolfDoc& doc);

// Asks first; on Yes recalculates every golfer and reports the outcome through the document's
// prompter. Returns true when the recalculation ran.
bool recalculateHandicaps(golfdb::CKipGolfDoc& doc);

// The message that closes a recalculation: the completion text, or an error saying what could not be
// read, written or made durable.
std::string recalculationOutcome(const RecalculationResult& result);

} // namespace kip::handicap
