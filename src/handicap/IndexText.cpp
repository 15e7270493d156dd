#include "handicap/IndexText.h"

#include "golfdb/ScoreTable.h"
#include "platform/TextFormat.h"

#include <array>
#include <cstdio>

namespace kip::handicap {

bool showsPlusForm(int rule) {
    return rule == golfdb::ruleWorld;
}

std::string indexText(double index, int width, int rule) {
    // Rounded to the tenth first, so that -0.04 (shown 0.0 or -0.0) never becomes "+0.0".
    const std::string tenth = platform::formatText("%.1f", index);
    if (showsPlusForm(rule) && tenth[0] == '-' && tenth != "-0.0")
        return platform::formatText("%*s", width, ("+" + tenth.substr(1)).c_str());
    return platform::formatText("%*.1f", width, index);
}

std::string courseHandicapText(int courseHandicap, int width, int rule) {
    if (showsPlusForm(rule) && courseHandicap < 0)
        return platform::formatText("%*s", width,
                                    ("+" + std::to_string(-static_cast<long long>(courseHandicap))).c_str());
    return platform::formatText("%*d", width, courseHandicap);
}

} // namespace kip::handicap
