#include "store/DbfNumber.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace kip::store {
namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\0'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\0'))
        text.remove_suffix(1);
    return text;
}

std::string overflow(int width) {
    return std::string(static_cast<size_t>(width > 0 ? width : 0), '*');
}

std::string rightAligned(const std::string& digits, int width) {
    if (width <= 0 || digits.size() > static_cast<size_t>(width))
        return overflow(width);
    return std::string(static_cast<size_t>(width) - digits.size(), ' ') + digits;
}

// Binary doubles hold 2.675 as 2.67499999...; treat values that close to a half as the half the
// user typed, then round away from zero as xBase does. "That close" is a few units of the last
// place of the scaled value, and never so wide that a smaller fraction counts as a half.
double roundHalfAway(double scaled) {
    const double magnitude = std::fabs(scaled);
    double whole = std::floor(magnitude);
    const double fraction = magnitude - whole;
    const double tolerance =
        std::fmin(4.0 * std::numeric_limits<double>::epsilon() * std::fmax(1.0, magnitude), 1e-6);
    if (fraction >= 0.5 - tolerance)
        whole += 1.0;
    return scaled < 0 ? -whole : whole;
}

} // namespace

long parseLongText(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc())
        return 0;
    (void)end;
    return value;
}

double parseDoubleText(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || !std::isfinite(value))
        return 0;
    (void)end;
    return value;
}

std::string formatLongText(long value, int width) {
    return rightAligned(std::to_string(value), width);
}

std::string formatDoubleText(double value, int width, int decimals) {
    if (decimals < 0 || decimals > 18 || !std::isfinite(value))
        return overflow(width);
    const double scaled = roundHalfAway(value * std::pow(10.0, decimals));
    if (std::fabs(scaled) >= 1e18)
        return overflow(width);
    const auto units = static_cast<int64_t>(scaled);
    const uint64_t magnitude = units < 0 ? static_cast<uint64_t>(-units) : static_cast<uint64_t>(units);
    std::string digits = std::to_string(magnitude);
    if (decimals > 0) {
        if (digits.size() <= static_cast<size_t>(decimals))
            digits.insert(0, static_cast<size_t>(decimals) + 1 - digits.size(), '0');
        digits.insert(digits.size() - static_cast<size_t>(decimals), 1, '.');
    }
    if (units < 0)
        digits.insert(0, 1, '-');
    return rightAligned(digits, width);
}

} // namespace kip::store
