#include "rounds/RoundEntry.h"

#include "manage/FieldChecks.h"

#include <cctype>

namespace kip::rounds {
namespace {

constexpr long long beyondEveryLimit = 1'000'000'000'000LL;

} // namespace

RoundEntrySettings readRoundEntrySettings(platform::SettingsStore& settings) {
    RoundEntrySettings out;
    out.checksOff = settings.readInt("Settings", "NoCheckScores", 0) != 0;
    out.points = readPointSettings(settings);
    return out;
}

const char* modeWord(RoundMode mode) {
    switch (mode) {
    case RoundMode::Enter:
        return "Enter";
    case RoundMode::Change:
        return "Change";
    case RoundMode::View:
        return "View";
    }
    return "";
}

bool isValidDate(const platform::Date& date) {
    if (date.year < earliestPlayedYear || date.year > 9999 || date.month < 1 || date.month > 12 ||
        date.day < 1)
        return false;
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
    const int inMonth = days[date.month - 1] + (date.month == 2 && leap ? 1 : 0);
    return date.day <= inMonth;
}

std::optional<long long> wholeNumber(const std::string& text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return std::nullopt;
        if (value < beyondEveryLimit)
            value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

std::optional<int> takeWholeNumber(const std::string& text, int low, int high, platform::Prompter& prompter) {
    if (text.empty())
        return 0;
    if (const auto value = manage::checkInteger(prompter, wholeNumber(text), low, high))
        return static_cast<int>(*value);
    return std::nullopt;
}

} // namespace kip::rounds
