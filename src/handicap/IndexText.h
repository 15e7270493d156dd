#pragma once
// How an index and a course handicap are shown: printf's "%*.1f" and "%*d", except that under the
// World Handicap System a plus figure (below 0) is shown with a "+" ("+1.2"), right-aligned the same.

#include <string>

namespace kip::handicap {

bool showsPlusForm(int rule);
std::string indexText(double index, int width, int rule);
std::string courseHandicapText(int courseHandicap, int width, int rule);

} // namespace kip::handicap
