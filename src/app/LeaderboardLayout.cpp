#include "app/LeaderboardLayout.h"

#include "platform/TextFormat.h"

namespace kip::app {
namespace {

std::string formatted(const char* format, int value) {
    return platform::formatText(format, value);
}

} // namespace

std::vector<LeaderText> layoutLeaderboard(const Leaderboard& board, const FontMetrics& metrics, bool noShow) {
    std::vector<LeaderText> out;
    if (noShow)
        return out;
    const int c = metrics.charWidth;
    const int h = metrics.lineHeight;
    int y = 3 * h;
    out.push_back({"Leaderboard", 40 * c, y, LeaderFont::Title});
    y += metrics.titleLineHeight > 0 ? 2 * metrics.titleLineHeight : 2 * h;

    const int x0 = 25 * c;
    out.push_back({formatted("Leaders For %04d", board.currentYear()), x0, y, LeaderFont::Heading});
    const int x1 = x0 + 3 * c;
    for (int i = 0; i < Leaderboard::categoryCount; ++i) {
        if (i == Leaderboard::AllGross) {
            y += 7 * h;
            out.push_back({"Leaders For All Rounds", x0, y, LeaderFont::Heading});
        }
        y += h;
        const LeaderCategory& category = board.category(i);
        out.push_back({Leaderboard::label(i), x1, y, LeaderFont::Normal});
        if (category.best != -1)
            out.push_back({formatted("%3d", category.best), x1 + 15 * c, y, LeaderFont::Normal});
        out.push_back({category.dateText, x1 + 20 * c, y, LeaderFont::Normal});
        out.push_back({category.leaderText, x1 + 35 * c, y, LeaderFont::Normal});
    }
    return out;
}

} // namespace kip::app
