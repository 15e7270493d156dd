#include "stats/CHoleStats.h"

#include "stats/GolferWalk.h"
#include "stats/ScoreClasses.h"
#include "stats/StatsText.h"

namespace kip::stats {
namespace {

struct ParCounters {
    int holes = 0;
    long strokes = 0;
    long putts = 0;
    int greensHit = 0;
    int fairwaysHit = 0;
    ScoreClasses classes;
    int chances = 0;
};

struct HoleCounters {
    int detailRounds = 0;
    long scoreSum = 0;
    long frontDifference = 0;
    long backDifference = 0;
    int roundsWithPutts = 0;
    long puttsSum = 0;
    std::array<ParCounters, parTypes> byPar{};
};

void countRound(HoleCounters& c, const StatsRound& round, int chosenHole) {
    if (!round.isDetail())
        return;
    ++c.detailRounds;
    if (chosenHole == 0)
        c.scoreSum += round.grossScore;
    const bool fairwayStat = round.isFairwayStat();
    int roundPutts = 0;
    const int firstHole = chosenHole == 0 ? 1 : chosenHole;
    const int lastHole = chosenHole == 0 ? 18 : chosenHole;
    for (int hole = firstHole; hole <= lastHole; ++hole) {
        const int par = round.parOf(hole);
        const int strokes = round.strokesOf(hole);
        const int putts = round.puttsOf(hole);
        roundPutts += putts;
        if (chosenHole != 0)
            c.scoreSum += strokes;
        (hole <= 9 ? c.frontDifference : c.backDifference) += strokes - par;
        if (par < 3 || par > 5)
            continue;
        ParCounters& p = c.byPar[static_cast<std::size_t>(par - 3)];
        ++p.holes;
        p.strokes += strokes;
        p.putts += putts;
        if (fairwayStat) {
            ++p.chances;
            p.fairwaysHit += round.fairwayHit(hole);
            p.greensHit += round.greenHit(hole);
        }
        p.classes.count(par, strokes);
    }
    if (roundPutts != 0) {
        c.puttsSum += roundPutts;
        ++c.roundsWithPutts;
    }
}

std::string versusPar(double value) {
    return formatText("%c%4.1f", value > 0 ? '+' : ' ', value);
}

std::string share(int count, int of) {
    return formatText("%4.1f%%", of == 0 ? 0.0 : count * 100.0 / of);
}

} // namespace

const char* CHoleStats::rowLabel(int row) {
    static const char* const labels[holeStatRows] = {"Avg Score", "Avg Putts", "Greens", "Fairways Hit",
                                                     "Eagles",    "Birdies",   "Pars",   "Bogeys",
                                                     "Doubles",   "Others"};
    return row >= 0 && row < holeStatRows ? labels[row] : "";
}

const char* CHoleStats::columnLabel(int parType) {
    static const char* const labels[parTypes] = {"Par 3", "Par 4", "Par 5"};
    return parType >= 0 && parType < parTypes ? labels[parType] : "";
}

void CHoleStats::compute(golfdb::ScoreTable& scores, platform::WaitCursor* cursor) {
    platform::WaitCursorScope wait(cursor);
    detailRounds_.clear();
    averageScore_.clear();
    puttsPerRound_.clear();
    frontNine_.clear();
    backNine_.clear();
    table_ = {};
    HoleCounters c;
    const int hole = subject.limits.hole;
    GolferWalk(scores, subject.limits, RoundTestKind::WithoutInitial)
        .walk(subject.golfer, [&c, hole](const StatsRound& round) { countRound(c, round, hole); });
    if (c.detailRounds < 1)
        return;
    const double rounds = c.detailRounds;
    detailRounds_ = formatText("%d", c.detailRounds);
    averageScore_ = formatText("%4.1f", c.scoreSum / rounds);
    frontNine_ = versusPar(c.frontDifference / rounds);
    backNine_ = versusPar(c.backDifference / rounds);
    if (hole != 0)
        puttsPerRound_ = "N/A";
    else if (c.roundsWithPutts == 0)
        puttsPerRound_ = "   0.0";
    else
        puttsPerRound_ = formatText("%4.1f", static_cast<double>(c.puttsSum) / c.roundsWithPutts);
    for (std::size_t t = 0; t < parTypes; ++t) {
        const ParCounters& p = c.byPar[t];
        if (p.holes == 0)
            continue;
        const auto set = [this, t](int row, std::string text) {
            table_[static_cast<std::size_t>(row)][t] = std::move(text);
        };
        set(AvgScore, formatText("%4.1f ", static_cast<double>(p.strokes) / p.holes));
        set(AvgPutts, formatText("%4.1f ", static_cast<double>(p.putts) / p.holes));
        set(Greens, share(p.greensHit, p.chances));
        set(FairwaysHit, share(p.fairwaysHit, p.chances));
        set(Eagles, share(p.classes.eagles, p.holes));
        set(Birdies, share(p.classes.birdies, p.holes));
        set(Pars, share(p.classes.pars, p.holes));
        set(Bogeys, share(p.classes.bogeys, p.holes));
        set(Doubles, share(p.classes.doubles, p.holes));
        set(Others, share(p.classes.others, p.holes));
    }
}

std::string CHoleStats::title() const {
    return formatText("Statistics by Hole Type for %s %s", subject.first.c_str(), subject.last.c_str());
}

std::string CHoleStats::firstHeading() const {
    const std::string course = subject.limits.courseText();
    if (subject.limits.hole == 0)
        return course;
    return formatText("%s for Hole Number %d", course.c_str(), subject.limits.hole);
}

std::vector<report::PrintLine> CHoleStats::printLines() const {
    std::vector<report::PrintLine> lines =
        headedPrintLines(title(), {firstHeading(), dateText(), scoreText()});
    const auto add = [&lines](std::string text, int advance) { lines.push_back({std::move(text), advance}); };
    add(formatText("      Detail Rounds  %5s", detailRounds_.c_str()), 1);
    add(formatText("      Average Score  %7s  Putts per Round %7s", averageScore_.c_str(),
                   puttsPerRound_.c_str()),
        1);
    add(formatText("      Front 9 vs Par %7s  Back 9 vs Par   %7s", frontNine_.c_str(), backNine_.c_str()),
        2);
    add("                      Par 3   Par 4   Par 5", 1);
    for (int row = 0; row < holeStatRows; ++row)
        add(formatText("%-20s  %6s  %6s  %6s", rowLabel(row), cell(row, 0).c_str(), cell(row, 1).c_str(),
                       cell(row, 2).c_str()),
            1);
    return lines;
}

bool CHoleStats::print() const {
    return printer_ && report::printReport(*printer_, report::PrintVariant::HoleStats, title(), printLines());
}

} // namespace kip::stats
