#pragma once
// The order of every list that keeps its lines sorted by their text: texts compared byte by byte as
// if every ASCII capital letter were its small letter; equal texts keep the order they were added in.

#include "golfdb/CKipGolfDoc.h"

#include <string_view>
#include <vector>

namespace kip::manage {

// True when a sorts strictly before b (the comparison every sorted list uses).
bool lineBefore(std::string_view a, std::string_view b);

// Whether text begins with prefix, ignoring ASCII letter case.
bool startsWithFolded(std::string_view text, std::string_view prefix);
bool equalFolded(std::string_view a, std::string_view b);
std::string upperAscii(std::string_view text);

// Sorts a whole list in that order (stable).
void sortLines(golfdb::ItemList& items);

// The lines chosen in a list of `count` lines where several may be chosen: in their list order, each
// once, and only those in the list.
std::vector<int> chosenLines(std::vector<int> lines, std::size_t count);

} // namespace kip::manage
