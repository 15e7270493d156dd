#pragma once
// The checks a dialog field gets when its value is taken, with the standard messages.

#include "platform/Prompter.h"

#include <optional>
#include <string>

namespace kip::manage {

// Whole number with optional sign and surrounding blanks; nothing for anything else (or too large).
std::optional<long> parseInteger(const std::string& text);
// Decimal number with optional sign, fraction and exponent; nothing for anything else.
std::optional<double> parseNumber(const std::string& text);
// Characters, not bytes, of UTF-8 text.
std::size_t characterCount(const std::string& text);

// "Enter an integer between %1 and %2." and the like, as the dialogs show them.
std::string integerRangeText(long low, long high);
std::string numberRangeText(double low, double high);
std::string tooLongText(std::size_t limit);

// Shows a field message with the program's caption and the warning icon.
void showFieldMessage(platform::Prompter& prompter, const std::string& text);

// The value when there is one and it lies in low..high; otherwise "Enter an integer." or the range
// message has been shown and the answer is empty. For fields that read their number their own way.
std::optional<long long> checkInteger(platform::Prompter& prompter, std::optional<long long> value, long low,
                                      long high);

// Each shows its message and returns nothing when the text does not hold a value in range.
std::optional<long> takeInteger(platform::Prompter& prompter, const std::string& text, long low, long high);
std::optional<double> takeNumber(platform::Prompter& prompter, const std::string& text, double low,
                                 double high);
bool takeText(platform::Prompter& prompter, const std::string& text, std::size_t limit);

// The tables hold one byte per character (golfdb/StoreText): a text with letters outside that set
// would be stored with '?' in their place, and two names that differ only there would become one.
// False after "<label> holds letters the database cannot store: <letters>" ("Name Error").
inline constexpr const char* nameErrorCaption = "Name Error";
std::string unstorableLettersText(const std::string& label, const std::string& letters);
bool takeStorableText(platform::Prompter& prompter, const std::string& label, const std::string& text);

} // namespace kip::manage
