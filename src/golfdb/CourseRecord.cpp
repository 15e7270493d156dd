#include "golfdb/CourseRecord.h"

#include "golfdb/StoreText.h"

namespace kip::golfdb {
namespace {

// printf's "%-Ns" on the stored text, cut at the field width: the stored field never holds more,
// so a longer search text could never match.
void appendPadded(std::string& key, const std::string& text, std::size_t width) {
    std::string stored = toStoreText(text);
    stored.resize(width, ' ');
    key += stored;
}

} // namespace

bool isStrokeIndexSet(const HoleBytes& strokeIndex) {
    std::array<bool, holeSlots> seen{};
    for (int hole = 1; hole < holeSlots; ++hole) {
        const int value = strokeIndex[static_cast<std::size_t>(hole)];
        if (value < 1 || value >= holeSlots || seen[static_cast<std::size_t>(value)])
            return false;
        seen[static_cast<std::size_t>(value)] = true;
    }
    return true;
}

std::string courseKey(const std::string& name, const std::string& city, const std::string& state,
                      const std::string& tee) {
    std::string key;
    key.reserve(95);
    appendPadded(key, name, 40);
    appendPadded(key, city, 20);
    appendPadded(key, state, 20);
    appendPadded(key, tee, 15);
    return key;
}

} // namespace kip::golfdb
