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

bool isValidDate(const platform::Date& date);
// The date played of a round being saved: true when it is a valid date; otherwise "Date round
// played is invalid" has been shown ("Score Error") and the round must not be saved.
bool takeDatePlayed(const platform::Date& date, platform::Prompter& prompter);

// A whole number field: its value when it holds one within low..high; otherwise the refusal has
// been shown ("Enter an integer." or "Enter an integer between %1 and %2.") and the answer is empty.
// An empty field counts as 0.
std::optional<int> takeWholeNumber(const std::string& text, int low, int high, platform::Prompter& prompter);

// The number a text holds: an optional sign and digits with nothing else around them; too large a
// number is kept beyond every limit. Empty when the text holds no such number.
std::optional<long long> wholeNumber(const std::string& text);

} // namespace kip::rounds
