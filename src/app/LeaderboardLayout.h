#pragma once
// Where the main window draws the leaderboard: lines of text at pixel positions, measured in the
// average character width and line height of the window's normal font.

#include "app/Leaderboard.h"

#include <string>
#include <vector>

namespace kip::app {

enum class LeaderFont { Normal, Title, Heading }; // Title: bold italic 22 px; Heading: bold 16 px

struct FontMetrics {
    int charWidth = 0;       // c: average character width of the normal font
    int lineHeight = 0;      // h: height plus external leading of the normal font
    int titleLineHeight = 0; // line height of the title font; 0 when it could not be made
};

struct LeaderText {
    std::string text;
    int x = 0;
    int y = 0; // top of the text line
    LeaderFont font = LeaderFont::Normal;
};

// The texts of the leaderboard in drawing order; empty when the leaderboard is hidden.
std::vector<LeaderText> layoutLeaderboard(const Leaderboard& board, const FontMetrics& metrics, bool noShow);

} // namespace kip::app
