#pragma once
// The text form of numeric (N and F) fields: right-aligned, fixed decimals, "*" fill on overflow.

#include <string>
#include <string_view>

namespace kip::store {

// Numeric value of a field's text. Blanks and "*" fill (an overflowed value) read as 0.
long parseLongText(std::string_view text);
double parseDoubleText(std::string_view text);

// The field text of `value` in `width` characters with `decimals` digits after the point, rounded
// half away from zero; all "*" when it does not fit.
std::string formatLongText(long value, int width);
std::string formatDoubleText(double value, int width, int decimals);

} // namespace kip::store
