#pragma once
// The tables hold single-byte Windows-1252 text; the rest of the program is UTF-8. Conversion
// happens where records meet fields, and keys are built the same way.

#include <string>
#include <string_view>

namespace kip::golfdb {

// UTF-8 to Windows-1252; characters without a single-byte form become '?', malformed bytes too.
std::string toStoreText(std::string_view utf8);
// Windows-1252 to UTF-8; the five unassigned bytes map to the C1 control of the same value.
std::string fromStoreText(std::string_view stored);
// The text as a table gives it back after storing it: a character without a single-byte form
// becomes '?'. Names are kept in this form from the moment they are made, so that keys, rows and
// messages agree.
std::string storedForm(std::string_view utf8);
// The characters of utf8 a table cannot hold (they would be stored as '?'), each once, in the order
// they first appear, separated by blanks; a malformed byte shows as U+FFFD. Empty when the whole
// text can be stored.
std::string lettersOutsideStore(std::string_view utf8);
// utf8 cut to at most `characters` characters (never inside a character).
std::string cutToCharacters(std::string_view utf8, std::size_t characters);
// Trailing blanks and other trailing white space removed.
std::string trimRight(std::string_view text);

} // namespace kip::golfdb
