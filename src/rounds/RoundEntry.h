#pragma once
// What the two round entry dialogs share: their modes, results, preferences and field checks.

#include "platform/Clock.h"
#include "platform/DialogHost.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "rounds/RoundPoints.h"

#include <optional>
#include <string>

namespace kip::rounds {

enum class RoundMode { Enter, Change, View };

// Results of the save buttons besides platform::dialogOk ("Save and Quit").
inline constexpr int resultSaveAndNewRound = 1001;
inline constexpr int resultSaveAndNewGolfer = 1002;
// A button that leaves the dialog open answers this.
inline constexpr int stayOpen = 0;

// The preferences the dialogs read.
struct RoundEntrySettings {
    bool checksOff = false; // "Turn off check for reasonable values when entering rounds."
    PointSettings points;
};
RoundEntrySettings readRoundEntrySettings(platform::SettingsStore& settings);

// "Enter", "Change", "View".
const char* modeWord(RoundMode mode);

// A date a round may be played on: a calendar date from 01/01/1900 to 12/31/9999. Rows dated before
// 1010 stand for a golfer's starting handicap by their date key, so no played round may carry such
// a date; the years between are no golf anyone records.
inline constexpr int earliestPlayedYear = 1900;
bool isValidDate(const platform::Date& date);
// What the round editors say when the date played is not such a date.
inline constexpr const char* invalidDateText = "Date round played is invalid";
inline constexpr const char* scoreErrorCaption = "Score Error";

// A whole number field: its value when it holds one within low..high; otherwise the refusal has
// been shown ("Enter an integer." or "Enter an integer between %1 and %2.") and the answer is empty.
// An empty field counts as 0.
std::optional<int> takeWholeNumber(const std::string& text, int low, int high, platform::Prompter& prompter);

// The number a text holds: an optional sign and digits with nothing else around them; too large a
// number is kept beyond every limit. Empty when the text holds no such number.
std::optional<long long> wholeNumber(const std::string& text);

} // namespace kip::rounds
