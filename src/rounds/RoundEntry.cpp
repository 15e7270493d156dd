#include "rounds/RoundEntry.h"

#include <cctype>

namespace kip::rounds {
namespace {

constexpr long long beyondEveryLimit = 1'000'000'000'000LL;

std::string replaceArg(std::string text, const char* arg, const std::string& value) {
    const auto at = text.find(arg);
    if (at != std::string::npos)
        text.replace(at, 2, value);
    return text;
}

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
    if (date.year < 1000 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1)
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
    const auto value = wholeNumber(text);
    if (!value) {
        prompter.show({"Enter an integer.", platform::defaultCaption, platform::Icon::Warning});
        return std::nullopt;
    }
    if (*value < low || *value > high) {
        const std::string message =
            replaceArg(replaceArg("Enter an integer between %1 and %2.", "%1", std::to_string(low)), "%2",
                       std::to_string(high));
        prompter.show({message, platform::defaultCaption, platform::Icon::Warning});
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

} // namespace kip::rounds
