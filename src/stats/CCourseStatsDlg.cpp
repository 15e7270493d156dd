#include "stats/CCourseStatsDlg.h"

#include "golfdb/StoreText.h"
#include "report/ReportPrint.h"
#include "stats/ScoreRowFields.h"
#include "stats/StatsText.h"

namespace kip::stats {
namespace {

constexpr const char* newestDate = "99999999";

// Keeps the lowest (lower = true) or highest value with its count, average total and date.
void takeExtreme(CourseExtreme& extreme, bool lower, int value, int total, const ScoreRowFields& round) {
    if (value == extreme.value) {
        ++extreme.count;
        extreme.average += total;
    } else if (lower ? value < extreme.value : value > extreme.value) {
        extreme.value = value;
        extreme.count = 1;
        extreme.average = total;
        extreme.date = round.dateText();
    }
}

void averageExtreme(CourseExtreme& extreme) {
    if (extreme.count > 0)
        extreme.average /= extreme.count;
}

// The date, or how many rounds share the value.
std::string extremeText(const CourseExtreme& extreme, const char* timesPattern) {
    return extreme.count <= 1 ? extreme.date : formatText(timesPattern, extreme.count);
}

} // namespace

CCourseStatsDlg::CCourseStatsDlg(platform::Printer* printer)
    : CListDlg("Show Course Average Scores by Hole"), printer_(printer) {
    setPrintAction(report::ListButton::Print, [this] { printListing(); });
    reset();
}

void CCourseStatsDlg::reset() {
    rounds_ = 0;
    holes_.fill({});
    sumOfTotals_ = 0;
    low_ = {unsetLow, 0, 0, {}};
    high_ = {};
    fewestPutts_ = {unsetLow, 0, static_cast<double>(unsetLow), {}};
    mostPutts_ = {};
    fewestGreens_ = {unsetLow, 0, static_cast<double>(unsetLow), {}};
    mostGreens_ = {};
}

void CCourseStatsDlg::compute(golfdb::ScoreTable& scores, platform::WaitCursor* cursor) {
    reset();
    {
        platform::WaitCursorScope wait(cursor);
        store::Table* table = scores.storeTable();
        const ScoreRowFields row(table);
        if (row.valid()) {
            const std::string course = golfdb::toStoreText(courseName);
            const std::string tee = golfdb::toStoreText(teeName);
            std::string key;
            int rc = store::storeOk;
            if (allGolfers) {
                rc = store::goTop(table);
            } else {
                key = ScoreRowFields::storedGolferKey(golferName);
                rc = store::seekKey(table, key + newestDate);
                if (rc == store::storeAfter)
                    rc = store::storeOk;
            }
            long lastCounted = 0;
            for (; rc == store::storeOk; rc = store::skipRecords(table, 1)) {
                if (!allGolfers && row.golferField() != key)
                    break;
                if (row.isTotalOnly() || row.course() != course || row.tee() != tee ||
                    row.isInitialHandicapRound())
                    continue;
                count(row);
                lastCounted = store::recordNumber(table);
            }
            // Par and length of each hole are those of the last round counted.
            if (lastCounted != 0 && store::goRecord(table, lastCounted) == store::storeOk) {
                for (int h = 1; h < golfdb::holeSlots; ++h) {
                    holes_[static_cast<std::size_t>(h)].par = row.parOf(h);
                    holes_[static_cast<std::size_t>(h)].yardage = row.yardageOf(h);
                }
            }
        }
        finish();
    }
    clear();
    setHeadings({}, heading());
    for (std::string& line : listingLines())
        addLine(std::move(line));
}

void CCourseStatsDlg::count(const ScoreRowFields& round) {
    ++rounds_;
    const int total = round.grossScore();
    sumOfTotals_ += total;
    int greens = 0;
    int putts = 0;
    const std::int8_t* par = round.parSlots();
    const std::int8_t* strokesOf = round.strokeSlots();
    const std::int8_t* puttsOf = round.puttSlots();
    const std::uint8_t* flagsOf = round.holeFlagSlots();
    for (int h = 1; h < golfdb::holeSlots; ++h) {
        CourseHole& hole = holes_[static_cast<std::size_t>(h)];
        const int holePar = par[h];
        const int strokes = strokesOf[h];
        hole.strokes += strokes;
        hole.putts += puttsOf[h];
        putts += puttsOf[h];
        if (flagsOf[h] & golfdb::holeFairwayHit)
            hole.fairways += 1;
        if (flagsOf[h] & golfdb::holeGreenInRegulation) {
            hole.greens += 1;
            ++greens;
        }
        if (strokes > holePar + 1)
            ++hole.doublesOrWorse;
        else if (strokes == holePar + 1)
            ++hole.bogeys;
        else if (strokes == holePar)
            ++hole.pars;
        else if (strokes == holePar - 1)
            ++hole.birdies;
        else if (strokes == holePar - 2 && holePar > 3)
            ++hole.eagles;
    }
    takeExtreme(low_, true, total, total, round);
    takeExtreme(high_, false, total, total, round);
    if (putts > 0) {
        takeExtreme(fewestPutts_, true, putts, total, round);
        takeExtreme(mostPutts_, false, putts, total, round);
    }
    takeExtreme(fewestGreens_, true, greens, total, round);
    takeExtreme(mostGreens_, false, greens, total, round);
}

void CCourseStatsDlg::finish() {
    if (rounds_ != 0) {
        sumOfTotals_ /= rounds_;
        for (CourseHole& hole : holes_) {
            hole.strokes /= rounds_;
            hole.putts /= rounds_;
            hole.fairways /= rounds_;
            hole.greens /= rounds_;
        }
        for (CourseExtreme* e : {&fewestPutts_, &mostPutts_, &fewestGreens_, &mostGreens_})
            averageExtreme(*e);
    }
    // A value still at its starting point counted nothing: it shows as 0.
    for (CourseExtreme* e : {&low_, &fewestPutts_, &fewestGreens_})
        if (e->count == 0)
            *e = {};
    if (mostPutts_.count == 0)
        mostPutts_ = {};
}

std::string CCourseStatsDlg::heading() const {
    return formatText("Statistics for %s, %s Tees (%d Rounds)", courseName.c_str(), teeName.c_str(), rounds_);
}

std::vector<std::string> CCourseStatsDlg::listingLines() const {
    std::vector<std::string> lines;
    lines.emplace_back("Hole  Par  Yards  Score  Putts  Fwys  Greens  Eagles  Birds   Pars  Bogeys");
    lines.emplace_back("Front Nine");
    for (int h = 1; h < golfdb::holeSlots; ++h) {
        if (h == 10) {
            lines.emplace_back(" ");
            lines.emplace_back("Back Nine");
        }
        const CourseHole& x = hole(h);
        lines.push_back(
            formatText(" %2d    %d    %3d    %2.1f    %2.1f   %3.0f%%   %3.0f%%   %4d    %4d   %4d   %4d", h,
                       x.par, x.yardage, x.strokes, x.putts, x.fairways * 100, x.greens * 100, x.eagles,
                       x.birdies, x.pars, x.bogeys));
    }
    lines.emplace_back("");
    lines.push_back(formatText("Low Round- %3d (%s)  High Round- %3d (%s)  Avg Round- %3.1f", low_.value,
                               extremeText(low_, "%2d times").c_str(), high_.value,
                               extremeText(high_, "%2d times").c_str(), sumOfTotals_));
    lines.emplace_back("");
    lines.push_back(formatText("Fewest Putts  - %2d (%s)   Avg Round - %3.1f", fewestPutts_.value,
                               extremeText(fewestPutts_, "%2d times  ").c_str(), fewestPutts_.average));
    lines.push_back(formatText("Most Putts    - %2d (%s)   Avg Round - %3.1f", mostPutts_.value,
                               extremeText(mostPutts_, "%2d times  ").c_str(), mostPutts_.average));
    lines.emplace_back("");
    lines.push_back(formatText("Fewest Greens - %2d (%s)   Avg Round - %3.1f", fewestGreens_.value,
                               extremeText(fewestGreens_, "%2d times  ").c_str(), fewestGreens_.average));
    lines.push_back(formatText("Most Greens   - %2d (%s)   Avg Round - %3.1f", mostGreens_.value,
                               extremeText(mostGreens_, "%2d times  ").c_str(), mostGreens_.average));
    return lines;
}

bool CCourseStatsDlg::printListing() {
    if (!printer_)
        return false;
    return report::printReport(*printer_, report::PrintVariant::CourseStats, heading(),
                               report::printLines(texts()));
}

} // namespace kip::stats
