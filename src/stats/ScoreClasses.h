#pragma once
// The score classes of the statistics: how many holes were eagles, birdies, pars, bogeys, doubles
// and anything else.

namespace kip::stats {

struct ScoreClasses {
    int eagles = 0, birdies = 0, pars = 0, bogeys = 0, doubles = 0, others = 0;

    // Counts a hole of that par played in that many strokes. Defined here: the statistics call it for
    // every hole of every round they count.
    void count(int par, int strokes) {
        switch (strokes - par) {
        case 0:
            ++pars;
            break;
        case 1:
            ++bogeys;
            break;
        case 2:
            ++doubles;
            break;
        case -1:
            ++birdies;
            break;
        case -2:
            // A hole in one on a par 3 is no eagle, and falls in no class at all.
            if (par != 3)
                ++eagles;
            break;
        default:
            ++others;
            break;
        }
    }
};

} // namespace kip::stats
