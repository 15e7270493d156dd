#include "rounds/CTotalScoreDlg.h"

#include "golfdb/ScoreTable.h"
#include "handicap/CourseHandicap.h"
#include "handicap/Differential.h"
#include "platform/TextFormat.h"

#include <algorithm>
#include <cctype>

namespace kip::rounds {
namespace {

template <class... Args> std::string format(const char* pattern, Args... args) {
    return platform::formatText(pattern, args...);
}

int sumOfHoles(const golfdb::HoleInts& values) {
    int total = 0;
    for (int h = 1; h < golfdb::holeSlots; ++h)
        total += values[static_cast<std::size_t>(h)];
    return total;
}

} // namespace

CTotalScoreDlg::CTotalScoreDlg(RoundMode mode, platform::Prompter& prompter, platform::Date today)
    : mode_(mode), prompter_(prompter), datePlayed_(today) {}

void CTotalScoreDlg::setGolfer(const std::string& golferKey) {
    golferKey_ = golferKey;
    const golfdb::NameParts parts = golfdb::splitGolferName(golferKey);
    firstName_ = parts.first;
    lastName_ = parts.last;
}

void CTotalScoreDlg::fillFromCourse(const std::string& golferKey, const golfdb::CourseRecord& course,
                                    bool checksOff) {
    setGolfer(golferKey);
    flags_ = course.flags;
    courseName_ = course.name;
    tee_ = course.tee;
    slope_ = course.slope;
    rating_ = course.rating;
    for (std::size_t h = 0; h < par_.size(); ++h) {
        par_[h] = course.par[h];
        yardage_[h] = course.yardage[h];
    }
    totalPar_ = sumOfHoles(par_);
    strokeIndex_ = course.strokeIndex;
    checksOff_ = checksOff;
}

void CTotalScoreDlg::loadFromRound(const golfdb::ScoreRecord& round) {
    golfdb::ScoreRecord copy = round;
    fillFromCourse(round.golfer, round, checksOff_);
    month_ = round.month;
    day_ = round.day;
    year_ = round.year;
    datePlayed_ = {round.year, round.month, round.day};
    totalStrokes_ = copy.grossScore();
    totalText_ = std::to_string(totalStrokes_);
    pcc_ = round.pcc;
    pccText_ = std::to_string(round.pcc);
}

void CTotalScoreDlg::clearTotal() {
    totalStrokes_ = 0;
    totalText_.assign(1, '0');
}

int CTotalScoreDlg::run(platform::DialogHost& host) {
    return host.run(*this);
}

std::string CTotalScoreDlg::title() const {
    return format("%s Round for %s %s", modeWord(mode_), firstName_.c_str(), lastName_.c_str());
}

std::string CTotalScoreDlg::ratingText() const {
    return format("%.1f", rating_);
}

bool CTotalScoreDlg::newRoundButtonsShown() const {
    return mode_ == RoundMode::Enter;
}

bool CTotalScoreDlg::printShown() const {
    return mode_ == RoundMode::View;
}

bool CTotalScoreDlg::cancelShown() const {
    return mode_ != RoundMode::View;
}

std::string CTotalScoreDlg::saveAndQuitCaption() const {
    return mode_ == RoundMode::View ? "OK" : "Save and Quit";
}

bool CTotalScoreDlg::dateEnabled() const {
    return mode_ != RoundMode::View;
}

bool CTotalScoreDlg::totalEditable() const {
    return mode_ != RoundMode::View;
}

bool CTotalScoreDlg::changeTotalText(const std::string& text) {
    if (!totalEditable())
        return false;
    totalText_ = text;
    return true;
}

void CTotalScoreDlg::setDatePlayed(platform::Date date) {
    if (dateEnabled())
        datePlayed_ = date;
}

bool CTotalScoreDlg::checkTotal() {
    const bool digits = !totalText_.empty() && std::all_of(totalText_.begin(), totalText_.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
    });
    if (!digits) {
        prompter_.show({"Enter a positive integer.", platform::defaultCaption, platform::Icon::Warning});
        return false;
    }
    const auto total = takeWholeNumber(totalText_, 0, highestTotal, prompter_);
    if (!total)
        return false;
    totalStrokes_ = *total;
    totalText_ = std::to_string(totalStrokes_);
    if (!checksOff_ && totalStrokes_ > excessiveTotal) {
        const platform::Answer answer =
            prompter_.show({"The total strokes seems excessively high. OK to accept, Cancel to correct.",
                            "Score Error", platform::Icon::Error, platform::Buttons::OkCancel});
        if (answer != platform::Answer::Ok)
            return false;
    }
    if (pccShown()) {
        const auto pcc = takeWholeNumber(pccText_, golfdb::lowestPcc, golfdb::highestPcc, prompter_);
        if (!pcc)
            return false;
        pcc_ = *pcc;
        pccText_ = std::to_string(pcc_);
    }
    if (!isValidDate(datePlayed_)) {
        prompter_.show({invalidDateText, scoreErrorCaption, platform::Icon::Error});
        return false;
    }
    month_ = datePlayed_.month;
    day_ = datePlayed_.day;
    year_ = datePlayed_.year;
    return true;
}

int CTotalScoreDlg::save(int result) {
    if (mode_ == RoundMode::View)
        return stayOpen;
    return checkTotal() ? result : stayOpen;
}

int CTotalScoreDlg::saveAndQuit() {
    if (mode_ == RoundMode::View)
        return platform::dialogOk;
    return save(platform::dialogOk);
}

int CTotalScoreDlg::saveAndNewRound() {
    return newRoundButtonsShown() ? save(resultSaveAndNewRound) : stayOpen;
}

int CTotalScoreDlg::saveAndNewGolfer() {
    return newRoundButtonsShown() ? save(resultSaveAndNewGolfer) : stayOpen;
}

void CTotalScoreDlg::buildRound(golfdb::ScoreRecord& round, const golfdb::GolferRecord& golfer) const {
    round.golfer = golferKey_;
    round.flags = flags_;
    round.name = courseName_;
    round.tee = tee_;
    for (std::size_t h = 0; h < par_.size(); ++h) {
        round.par[h] = static_cast<std::int8_t>(std::clamp(par_[h], -128, 127));
        round.yardage[h] = yardage_[h];
    }
    round.slope = slope_;
    round.rating = rating_;
    round.strokes.fill(0);
    round.putts.fill(0);
    round.holeFlags.fill(0);
    round.month = month_;
    round.day = day_;
    round.year = year_;
    round.totalStrokes = totalStrokes_;
    round.flags |= golfdb::flagTotalOnly | golfdb::flagNoFairwayStats;
    round.strokeIndex = strokeIndex_;
    round.pcc = pcc_;
    if (mode_ == RoundMode::Enter) {
        round.flags |= golfdb::flagCourseHandicap;
        round.yardage[0] = handicap::ruleCourseHandicap(golfer.handicapIndex, round, rule_);
    }
    handicap::computeDifferential(round, round.slope, golfer.handicapRounds, true, false, round.rating);
}

bool CTotalScoreDlg::pccShown() const {
    return rule_ == golfdb::ruleWorld;
}

bool CTotalScoreDlg::changePccText(const std::string& text) {
    if (!totalEditable() || !pccShown())
        return false;
    pccText_ = text;
    return true;
}

std::vector<report::PrintLine> CTotalScoreDlg::cardLines() {
    return {
        {title(), 2},
        {format("%s   %s Tees   Rating/Slope: %4.1f/%d  Par: %d", courseName_.c_str(), tee_.c_str(), rating_,
                slope_, totalPar_),
         2},
        {format("Round played on %02d/%02d/%04d and the score was %d", month_, day_, year_, totalStrokes_),
         2},
    };
}

} // namespace kip::rounds
