#include "handicap/IndexText.h"

#include "golfdb/ScoreTable.h"

#include <array>
#include <cstdio>

namespace kip::handicap {

bool showsPlusForm(int rule) {
    return rule == golfdb::ruleWorld;
}

std::string indexText(double index, int width, int rule) {
    std::array<char, 48> text{};
    // Rounded to the tenth first, so that -0.04 (shown 0.0 or -0.0) never becomes "+0.0".
    std::array<char, 48> tenth{};
    std::snprintf(tenth.data(), tenth.size(), "%.1f", index);
    if (showsPlusForm(rule) && tenth[0] == '-' && std::string(tenth.data()) != "-0.0")
        std::snprintf(text.data(), text.size(), "%*s", width, ("+" + std::string(tenth.data() + 1)).c_str());
    else
        std::snprintf(text.data(), text.size(), "%*.1f", width, index);
    return text.data();
}

std::string courseHandicapText(int courseHandicap, int width, int rule) {
    std::array<char, 48> text{};
    if (showsPlusForm(rule) && courseHandicap < 0)
        std::snprintf(text.data(), text.size(), "%*s", width,
                      ("+" + std::to_string(-static_cast<long long>(courseHandicap))).c_str());
    else
        std::snprintf(text.data(), text.size(), "%*d", width, courseHandicap);
    return text.data();
}

} // namespace kip::handicap
