#include "handicap/ScoreLines.h"

#include "golfdb/TableFields.h"
#include "handicap/IndexText.h"
#include "platform/TextFormat.h"

#include <algorithm>

namespace kip::handicap {
namespace {

// The two leading blanks and the date "YYYY/MM/DD" of a listing line.
constexpr std::size_t dateWidth = 12;

std::size_t newestEntry(const HandicapListing& listing) {
    std::size_t newest = 0;
    for (std::size_t i = 1; i < listing.size(); ++i)
        if (listing.lines[i].compare(0, dateWidth, listing.lines[newest], 0, dateWidth) > 0)
            newest = i;
    return newest;
}

std::string headingLine(const std::string& firstName, const std::string& lastName, double index, int rule) {
    // Shown as the golfer row holds it: the same rounding that stores it.
    return firstName + " " + lastName + " has a handicap of " +
           indexText(golfdb::fields::storedOneDecimal(index), 4, rule);
}

void removeEntry(HandicapListing& listing, std::size_t at) {
    const auto offset = static_cast<std::ptrdiff_t>(at);
    listing.lines.erase(listing.lines.begin() + offset);
    listing.courseNames.erase(listing.courseNames.begin() + offset);
    listing.recordNumbers.erase(listing.recordNumbers.begin() + offset);
}

} // namespace

void buildScoreLines(HandicapListing listing, const std::string& firstName, const std::string& lastName,
                     double index, golfdb::ItemList& lines, int rule) {
    lines.push_back({headingLine(firstName, lastName, index, rule), noRoundRecord});
    // A listing put together by hand may have sequences of different lengths; list only whole entries.
    const std::size_t entries =
        std::min({listing.lines.size(), listing.courseNames.size(), listing.recordNumbers.size()});
    listing.lines.resize(entries);
    listing.courseNames.resize(entries);
    listing.recordNumbers.resize(entries);
    while (!listing.empty()) {
        const std::size_t at = newestEntry(listing);
        const std::string& line = listing.lines[at];
        // Unused rounds get two more blanks so that "at" lines up after the " *" of used ones.
        const bool used = !line.empty() && line.back() == '*';
        lines.push_back(
            {line + (used ? " at " : "   at ") + listing.courseNames[at], listing.recordNumbers[at]});
        removeEntry(listing, at);
    }
}

} // namespace kip::handicap
