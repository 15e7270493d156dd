#pragma once
// printf-style formatting of the statistics' display texts and print lines.

#include "platform/TextFormat.h"
#include "report/ReportPrint.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace kip::stats {

using platform::formatText;

// A decimal integer as the dialogs read one: leading blanks skipped, an optional sign, then digits up
// to the first non-digit; no digits gives 0. Values beyond the int range stop at its limits.
int leadingInteger(const std::string& text);

// The first print lines of a golfer statistic: its title, then each heading that is not empty, each
// followed by a blank line.
std::vector<report::PrintLine> headedPrintLines(const std::string& title,
                                                std::initializer_list<std::string> headings);

} // namespace kip::stats
