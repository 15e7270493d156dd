#include "golfdb/GolferRecord.h"

#include "golfdb/StoreText.h"

namespace kip::golfdb {

std::string joinGolferName(const std::string& last, const std::string& first) {
    // In its stored form and trimmed: that is how the stored name reads back, so comparisons with
    // it hold (a letter the table cannot hold is '?' from the start, not only after a reread).
    return trimRight(cutToCharacters(storedForm(trimRight(last) + ", " + first), golferNameWidth));
}

NameParts splitGolferName(const std::string& name) {
    const auto comma = name.find(',');
    if (comma == std::string::npos)
        return {name, ""};
    const auto firstStart = name.find_first_not_of(' ', comma + 1);
    return {name.substr(0, comma), firstStart == std::string::npos ? "" : name.substr(firstStart)};
}

std::string displayGolferName(const std::string& name) {
    const NameParts parts = splitGolferName(name);
    return parts.first.empty() ? parts.last : parts.first + " " + parts.last;
}

} // namespace kip::golfdb
