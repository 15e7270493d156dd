#pragma once
// The leaderboard of the main window: the best gross, net and putts of the current year and of all
// rounds, with the golfer and date of a single leader or the number of golfers tied.

#include <array>
#include <string>

namespace kip::app {

struct LeaderCategory {
    int best = -1; // -1: no leader yet
    int tieCount = 0;
    std::string dateText = "N/A";
    std::string leaderText;
};

// What the leaderboard needs to know of one round.
struct RoundFacts {
    int gross = 0;
    int net = 0;
    int putts = 0;              // 0: the round takes no part in the putts categories
    bool countsForPutts = true; // a detail round that is not excluded from fairway statistics
    int year = 0;
    int month = 0;
    int day = 0;
    std::string golfer; // as the leader text shows it
};

class Leaderboard {
public:
    static constexpr int categoryCount = 6;
    // Index 0 to 2: the current year; 3 to 5: all rounds.
    enum Category { YearGross, YearNet, YearPutts, AllGross, AllNet, AllPutts };

    explicit Leaderboard(int currentYear = 0) : currentYear_(currentYear) {}

    void reset();
    // Returns how many categories changed (0: nothing to repaint).
    int offer(const RoundFacts& round);

    int currentYear() const { return currentYear_; }
    void setCurrentYear(int year) { currentYear_ = year; }
    const LeaderCategory& category(int index) const {
        return categories_.at(static_cast<std::size_t>(index));
    }
    static const char* label(int index);

private:
    bool update(int index, int value, const RoundFacts& round);

    int currentYear_;
    std::array<LeaderCategory, categoryCount> categories_{};
};

} // namespace kip::app
