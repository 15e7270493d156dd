#include "manage/FieldChecks.h"

#include "golfdb/StoreText.h"
#include "platform/TextFormat.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace kip::manage {
namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string shortNumber(double value) {
    return platform::formatText("%g", value);
}

} // namespace

std::optional<long> parseInteger(const std::string& text) {
    const std::string t = trimmed(text);
    if (t.empty())
        return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(t.c_str(), &end, 10);
    if (errno == ERANGE || end == t.c_str() || *end != '\0')
        return std::nullopt;
    return value;
}

std::optional<double> parseNumber(const std::string& text) {
    const std::string t = trimmed(text);
    if (t.empty())
        return std::nullopt;
    for (const char c : t)
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.' || c == 'e' ||
              c == 'E'))
            return std::nullopt; // keeps out "inf", "nan" and hexadecimal forms
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(t.c_str(), &end);
    if (errno == ERANGE || end == t.c_str() || *end != '\0' || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::size_t characterCount(const std::string& text) {
    std::size_t count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    return count;
}

std::string integerRangeText(long low, long high) {
    return "Enter an integer between " + std::to_string(low) + " and " + std::to_string(high) + ".";
}

std::string numberRangeText(double low, double high) {
    return "Enter a number between " + shortNumber(low) + " and " + shortNumber(high) + ".";
}

std::string tooLongText(std::size_t limit) {
    return "Enter no more than " + std::to_string(limit) + " characters.";
}

void showFieldMessage(platform::Prompter& prompter, const std::string& text) {
    prompter.show({text, platform::defaultCaption, platform::Icon::Warning, platform::Buttons::Ok});
}

std::optional<long long> checkInteger(platform::Prompter& prompter, std::optional<long long> value, long low,
                                      long high) {
    if (!value) {
        showFieldMessage(prompter, "Enter an integer.");
        return std::nullopt;
    }
    if (*value < low || *value > high) {
        showFieldMessage(prompter, integerRangeText(low, high));
        return std::nullopt;
    }
    return value;
}

std::optional<long> takeInteger(platform::Prompter& prompter, const std::string& text, long low, long high) {
    if (const auto value = checkInteger(prompter, parseInteger(text), low, high))
        return static_cast<long>(*value);
    return std::nullopt;
}

std::optional<double> takeNumber(platform::Prompter& prompter, const std::string& text, double low,
                                 double high) {
    const auto value = parseNumber(text);
    if (!value) {
        showFieldMessage(prompter, "Enter a number.");
        return std::nullopt;
    }
    if (*value < low || *value > high) {
        showFieldMessage(prompter, numberRangeText(low, high));
        return std::nullopt;
    }
    return value;
}

bool takeText(platform::Prompter& prompter, const std::string& text, std::size_t limit) {
    if (characterCount(text) <= limit)
        return true;
    showFieldMessage(prompter, tooLongText(limit));
    return false;
}

std::string unstorableLettersText(const std::string& label, const std::string& letters) {
    return label + " holds letters the database cannot store: " + letters;
}

bool takeStorableText(platform::Prompter& prompter, const std::string& label, const std::string& text) {
    const std::string letters = golfdb::lettersOutsideStore(text);
    if (letters.empty())
        return true;
    prompter.show({unstorableLettersText(label, letters), nameErrorCaption, platform::Icon::Error,
                   platform::Buttons::Ok});
    return false;
}

} // namespace kip::manage
