#pragma once
// The field rules of the rounds file: how a line is cut into fields, how a field is unquoted and
// read as a number or a y/n answer, and how numbers are written.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kip::exchange {

// Cuts a line at its commas; a run of commas counts as one, so an empty field vanishes. A field that
// opens with a double quote but does not close with one runs on over the commas up to the field that
// closes it, so a name holding a comma comes back whole. When golferFirst is set the first field
// joins the next one whenever it does not end with a double quote, as the golfer key "Last, First"
// needs. The fields keep their quotes; they point into line.
void splitFields(std::string_view line, bool golferFirst, std::vector<std::string_view>& fields);

// The text between the quotes; empty unless the field both begins and ends with a double quote.
std::string_view unquoted(std::string_view field);
// True for "y" or "Y" in quotes, compared with the quotes.
bool isYes(std::string_view field);
// The leading whole number of the unquoted text (blanks and a sign allowed before it); 0 when there
// is none. Values beyond the 32-bit range stop at its ends.
int wholeNumber(std::string_view field);
// The leading decimal number ("71.5", "-3", ".5") of the unquoted text; 0 when there is none.
double decimalNumber(std::string_view field);
// The unquoted text as UTF-8: taken as it is when it is valid UTF-8, otherwise read as the
// Windows-1252 text the format's other programs write.
std::string textOf(std::string_view field);

// Writers of the format's fields into out.
// "%d", "%02d", "%04d" into out, which has room for 24 + zeroPadWidth characters; returns the end
// written.
char* writeInteger(char* out, long value, int zeroPadWidth = 0);
void appendOneDecimal(std::string& out, double value); // "%2.1f"

} // namespace kip::exchange
