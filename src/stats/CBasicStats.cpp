#include "stats/CBasicStats.h"

#include "stats/GolferWalk.h"
#include "stats/ScoreClasses.h"
#include "stats/StatsText.h"

namespace kip::stats {
namespace {

struct BasicCounters {
    int rounds = 0;
    long totals = 0;
    int detailRounds = 0;
    int roundsWithPutts = 0;
    long putts = 0;
    int longerHoles = 0;
    int fairwayChances = 0;
    int fairwaysHit = 0;
    int greenChances = 0;
    int greensHit = 0;
    ScoreClasses classes;
};

void countRound(BasicCounters& c, const StatsRound& round) {
    ++c.rounds;
    c.totals += round.grossScore;
    if (!round.isDetail())
        return;
    ++c.detailRounds;
    const bool fairwayStat = round.isFairwayStat();
    int roundPutts = 0;
    for (int hole = 1; hole < golfdb::holeSlots; ++hole) {
        const int par = round.parOf(hole);
        roundPutts += round.puttsOf(hole);
        if (par != 3) {
            ++c.longerHoles;
            if (fairwayStat) {
                ++c.fairwayChances;
                c.fairwaysHit += round.fairwayHit(hole);
            }
        }
        if (fairwayStat) {
            ++c.greenChances;
            c.greensHit += round.greenHit(hole);
        }
        c.classes.count(par, round.strokesOf(hole));
    }
    if (roundPutts != 0) {
        c.putts += roundPutts;
        ++c.roundsWithPutts;
    }
}

double percent(int count, int of) {
    return of == 0 ? 0.0 : count * 100.0 / of;
}

std::string percentText(double value) {
    return formatText("%4.1f%%", value);
}

} // namespace

void CBasicStats::compute(golfdb::ScoreTable& scores, platform::WaitCursor* cursor) {
    platform::WaitCursorScope wait(cursor);
    results_ = {};
    texts_ = {};
    BasicCounters c;
    GolferWalk(scores, subject.limits, RoundTestKind::Full)
        .walk(subject.golfer, [&c](const StatsRound& round) { countRound(c, round); });
    BasicResults& r = results_;
    BasicTexts& t = texts_;
    if (c.detailRounds > 0) {
        const int holes = 18 * c.detailRounds;
        r.fairwaysHit = percent(c.fairwaysHit, c.fairwayChances);
        r.greensInRegulation = percent(c.greensHit, c.greenChances);
        if (c.roundsWithPutts > 0) {
            r.puttsPerRound = static_cast<double>(c.putts) / c.roundsWithPutts;
            t.puttsPerRound = formatText("%4.1f", r.puttsPerRound);
        } else {
            t.puttsPerRound = "  0.0";
        }
        r.eagles = percent(c.classes.eagles, c.longerHoles);
        r.birdies = percent(c.classes.birdies, holes);
        r.pars = percent(c.classes.pars, holes);
        r.bogeys = percent(c.classes.bogeys, holes);
        r.doubles = percent(c.classes.doubles, holes);
        r.others = percent(c.classes.others, holes);
        r.detailRounds = c.detailRounds;
        t.fairwaysHit = percentText(r.fairwaysHit);
        t.greensInRegulation = percentText(r.greensInRegulation);
        t.eagles = percentText(r.eagles);
        t.birdies = percentText(r.birdies);
        t.pars = percentText(r.pars);
        t.bogeys = percentText(r.bogeys);
        t.doubles = percentText(r.doubles);
        t.others = percentText(r.others);
        t.detailRounds = formatText("%d", r.detailRounds);
    }
    if (c.rounds > 0) {
        r.averageScore = static_cast<double>(c.totals) / c.rounds;
        r.totalRounds = c.rounds;
        t.averageScore = formatText("%4.1f", r.averageScore);
        t.totalRounds = formatText("%d", r.totalRounds);
    }
}

std::string CBasicStats::title() const {
    return formatText("Basic Statistics for %s %s", subject.first.c_str(), subject.last.c_str());
}

std::vector<report::PrintLine> CBasicStats::printLines() const {
    std::vector<report::PrintLine> lines = headedPrintLines(title(), {courseText(), dateText(), scoreText()});
    const auto add = [&lines](std::string text, int advance) { lines.push_back({std::move(text), advance}); };
    const BasicTexts& t = texts_;
    add(formatText("      Average Score %s   Total Rounds %s", t.averageScore.c_str(), t.totalRounds.c_str()),
        2);
    add("Detail Statistics for Rounds Entered by Hole", 1);
    add(formatText("                Detail Rounds Used %s", t.detailRounds.c_str()), 2);
    add(formatText("Putts per Round %s   Fairways Hit %s   Greens in Regulation %s", t.puttsPerRound.c_str(),
                   t.fairwaysHit.c_str(), t.greensInRegulation.c_str()),
        2);
    add(formatText("Eagles %s  Birdies %s  Pars %s  Boogies %s  Doubles %s  Others %s", t.eagles.c_str(),
                   t.birdies.c_str(), t.pars.c_str(), t.bogeys.c_str(), t.doubles.c_str(), t.others.c_str()),
        1);
    return lines;
}

bool CBasicStats::print() const {
    return printer_ &&
           report::printReport(*printer_, report::PrintVariant::BasicStats, title(), printLines());
}

} // namespace kip::stats
