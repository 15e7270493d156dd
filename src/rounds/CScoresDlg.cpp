#include "rounds/CScoresDlg.h"

#include "golfdb/ScoreTable.h"
#include "handicap/CourseHandicap.h"
#include "handicap/Differential.h"
#include "platform/TextFormat.h"

#include <algorithm>
#include <cctype>

namespace kip::rounds {
namespace {

constexpr int firstHole = 1;
constexpr int lastHole = 18;
constexpr int lastFrontHole = 9;

bool digitsOnly(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

bool isHole(int hole) {
    return hole >= firstHole && hole <= lastHole;
}

std::size_t slot(int hole) {
    return static_cast<std::size_t>(hole);
}

int sum(const golfdb::HoleInts& values, int from, int to) {
    int total = 0;
    for (int h = from; h <= to; ++h)
        total += values[slot(h)];
    return total;
}

int count(const std::array<bool, golfdb::holeSlots>& on) {
    int n = 0;
    for (int h = firstHole; h <= lastHole; ++h)
        n += on[slot(h)] ? 1 : 0;
    return n;
}

template <class... Args> std::string format(const char* pattern, Args... args) {
    return platform::formatText(pattern, args...);
}

} // namespace

platform::Colour colourOf(StrokeColour colour) {
    switch (colour) {
    case StrokeColour::EagleOrBetter:
        return {0, 128, 0};
    case StrokeColour::Birdie:
        return {255, 0, 0};
    case StrokeColour::Par:
        return {0, 0, 255};
    case StrokeColour::Normal:
        break;
    }
    return {0, 0, 0};
}

void ScoresCard::recountCourseTotals() {
    outPar = sum(par, firstHole, lastFrontHole);
    inPar = sum(par, lastFrontHole + 1, lastHole);
    totalPar = outPar + inPar;
    outYardage = sum(yardage, firstHole, lastFrontHole);
    inYardage = sum(yardage, lastFrontHole + 1, lastHole);
    totalYardage = outYardage + inYardage;
}

void ScoresCard::recountTotals() {
    recountCourseTotals();
    outStrokes = sum(strokes, firstHole, lastFrontHole);
    inStrokes = sum(strokes, lastFrontHole + 1, lastHole);
    totalStrokes = outStrokes + inStrokes;
    totalPutts = sum(putts, firstHole, lastHole);
    fairwaysHit = count(fairway);
    greensHit = count(green);
}

void ScoresCard::showNumbers() {
    for (int h = 0; h < golfdb::holeSlots; ++h) {
        strokesText[slot(h)] = std::to_string(strokes[slot(h)]);
        puttsText[slot(h)] = std::to_string(putts[slot(h)]);
    }
}

void ScoresCard::takeDate() {
    if (isValidDate(datePlayed)) {
        month = datePlayed.month;
        day = datePlayed.day;
        year = datePlayed.year;
    } else {
        month = day = year = -1;
    }
}

CScoresDlg::CScoresDlg(RoundMode mode, platform::Prompter& prompter, platform::Date today)
    : mode_(mode), prompter_(prompter) {
    card_.datePlayed = today;
    card_.showNumbers();
}

void CScoresDlg::fillFromCourse(const std::string& golferKey, const golfdb::CourseRecord& course,
                                const RoundEntrySettings& settings) {
    setGolfer(golferKey);
    card_.flags = course.flags;
    card_.courseName = course.name;
    card_.tee = course.tee;
    card_.slope = course.slope;
    card_.rating = course.rating;
    for (int h = 0; h < golfdb::holeSlots; ++h) {
        card_.par[slot(h)] = course.par[slot(h)];
        card_.yardage[slot(h)] = course.yardage[slot(h)];
    }
    card_.strokeIndex = course.strokeIndex;
    checksOff_ = settings.checksOff;
    pointsInUse_ = settings.points.usePoints;
    card_.keepPoints = pointsInUse_;
    card_.pointValues = settings.points.values;
}

void CScoresDlg::loadFromRound(const golfdb::ScoreRecord& round) {
    setGolfer(round.golfer);
    card_.flags = round.flags;
    card_.courseName = round.name;
    card_.tee = round.tee;
    card_.slope = round.slope;
    card_.rating = round.rating;
    card_.noFairwayStats = (round.flags & golfdb::flagNoFairwayFigures) != 0;
    const auto fairways = round.fairways();
    const auto greens = round.greens();
    for (int h = 0; h < golfdb::holeSlots; ++h) {
        const auto s = slot(h);
        card_.par[s] = round.par[s];
        card_.yardage[s] = round.yardage[s];
        // A byte beyond 127 was typed as its unsigned value; shown so, it is refused before a save.
        card_.strokes[s] = static_cast<std::uint8_t>(round.strokes[s]);
        card_.putts[s] = static_cast<std::uint8_t>(round.putts[s]);
        card_.fairway[s] = fairways[s] != 0;
        card_.green[s] = greens[s] != 0;
    }
    card_.showNumbers();
    card_.strokeIndex = round.strokeIndex;
    card_.pcc = round.pcc;
    card_.pccText = std::to_string(round.pcc);
    card_.month = round.month;
    card_.day = round.day;
    card_.year = round.year;
    card_.datePlayed = {round.year, round.month, round.day};
    const golfdb::RoundPoints points = getPoints(round);
    if (points.pointsRound) {
        card_.keepPoints = true;
        card_.pointValues = points.values;
        card_.totalPoints = points.total;
        card_.pointsText = std::to_string(points.total);
    }
}

void CScoresDlg::applyChangeSettings(const RoundEntrySettings& settings) {
    checksOff_ = settings.checksOff;
    pointsInUse_ = settings.points.usePoints;
    if ((card_.flags & golfdb::flagPointsRound) == 0 && pointsInUse_)
        card_.pointValues = settings.points.values;
}

void CScoresDlg::setGolfer(const std::string& golferKey) {
    card_.golferKey = golferKey;
    const golfdb::NameParts parts = golfdb::splitGolferName(golferKey);
    card_.firstName = parts.first;
    card_.lastName = parts.last;
}

void CScoresDlg::clearHoles() {
    card_.strokes.fill(0);
    card_.putts.fill(0);
    card_.fairway.fill(false);
    card_.green.fill(false);
    card_.outStrokes = card_.inStrokes = card_.totalStrokes = 0;
    card_.totalPutts = card_.fairwaysHit = card_.greensHit = 0;
    card_.showNumbers();
}

int CScoresDlg::run(platform::DialogHost& host) {
    prepareShow();
    return host.run(*this);
}

void CScoresDlg::prepareShow() {
    if (mode_ == RoundMode::Enter) {
        // The holes start empty; from the second show on the course totals still hold.
        if (!shownOnce_)
            card_.recountCourseTotals();
        shownOnce_ = true;
    } else {
        card_.recountTotals();
    }
    suppressNextTab_ = false;
}

std::string CScoresDlg::title() const {
    return format("%s Round for %s %s", modeWord(mode_), card_.firstName.c_str(), card_.lastName.c_str());
}

bool CScoresDlg::metresNoteShown() const {
    return (card_.flags & golfdb::flagMetres) != 0;
}

bool CScoresDlg::pointsShown() const {
    return mode_ == RoundMode::View && card_.keepPoints;
}

bool CScoresDlg::keepPointsEnabled() const {
    return mode_ != RoundMode::View && pointsInUse_;
}

bool CScoresDlg::textFileButtonsShown() const {
    return mode_ == RoundMode::Enter;
}

bool CScoresDlg::newRoundButtonsShown() const {
    return mode_ == RoundMode::Enter;
}

std::string CScoresDlg::saveAndQuitCaption() const {
    return mode_ == RoundMode::View ? "OK" : "Save and Quit";
}

bool CScoresDlg::cancelShown() const {
    return mode_ != RoundMode::View;
}

bool CScoresDlg::printShown() const {
    return mode_ == RoundMode::View;
}

bool CScoresDlg::optionsEnabled() const {
    return mode_ != RoundMode::View;
}

bool CScoresDlg::skipPuttsEnabled() const {
    return optionsEnabled() && !tabbingOff_;
}

bool CScoresDlg::holeFieldsEditable() const {
    return mode_ != RoundMode::View;
}

bool CScoresDlg::fairwayEnabled(int hole) const {
    return mode_ != RoundMode::View && isHole(hole) && card_.par[slot(hole)] != 3;
}

bool CScoresDlg::greenEnabled(int hole) const {
    return mode_ != RoundMode::View && isHole(hole);
}

Focus CScoresDlg::initialFocus() const {
    return {mode_ == RoundMode::View ? Focus::SaveAndQuit : Focus::DatePicker};
}

StrokeColour CScoresDlg::strokeColour(int hole) const {
    if (mode_ == RoundMode::View || !isHole(hole))
        return StrokeColour::Normal;
    const auto strokes = wholeNumber(card_.strokesText[slot(hole)]);
    if (!strokes || *strokes <= 0)
        return StrokeColour::Normal;
    const long long par = card_.par[slot(hole)];
    if (*strokes <= par - 2)
        return StrokeColour::EagleOrBetter;
    if (*strokes == par - 1)
        return StrokeColour::Birdie;
    if (*strokes == par)
        return StrokeColour::Par;
    return StrokeColour::Normal;
}

bool CScoresDlg::changeStrokesText(int hole, const std::string& text) {
    if (!isHole(hole) || !holeFieldsEditable() || !digitsOnly(text))
        return false;
    card_.strokesText[slot(hole)] = text;
    return true;
}

bool CScoresDlg::changePuttsText(int hole, const std::string& text) {
    if (!isHole(hole) || !holeFieldsEditable() || !digitsOnly(text))
        return false;
    card_.puttsText[slot(hole)] = text;
    return true;
}

Focus CScoresDlg::focusAfterStrokes(int hole) const {
    if (!skipPutts_)
        return {Focus::Putts, hole};
    if (hole < lastHole)
        return {Focus::Strokes, hole + 1};
    return {Focus::SaveAndQuit};
}

Focus CScoresDlg::strokesTextChanged(int hole) {
    if (tabbingOff_ || suppressNextTab_ || !isHole(hole)) {
        suppressNextTab_ = false;
        return {};
    }
    const std::string& text = card_.strokesText[slot(hole)];
    // A one could be the start of a two-digit score.
    if (text.empty() || text == "1")
        return {};
    return focusAfterStrokes(hole);
}

Focus CScoresDlg::puttsTextChanged(int hole) {
    if (tabbingOff_ || suppressNextTab_ || !isHole(hole)) {
        suppressNextTab_ = false;
        return {};
    }
    if (card_.puttsText[slot(hole)].empty())
        return {};
    if (hole < lastHole)
        return {Focus::Strokes, hole + 1};
    return {Focus::SaveAndQuit};
}

Focus CScoresDlg::typeStrokes(int hole, const std::string& text) {
    if (!changeStrokesText(hole, text))
        return {};
    return strokesTextChanged(hole);
}

Focus CScoresDlg::typePutts(int hole, const std::string& text) {
    if (!changePuttsText(hole, text))
        return {};
    return puttsTextChanged(hole);
}

Focus CScoresDlg::readFields() {
    for (int h = firstHole; h <= lastHole; ++h) {
        for (const bool putts : {false, true}) {
            const std::string& text = putts ? card_.puttsText[slot(h)] : card_.strokesText[slot(h)];
            const auto value = takeWholeNumber(text, 0, highestHoleValue, prompter_);
            if (!value)
                return {putts ? Focus::Putts : Focus::Strokes, h};
            (putts ? card_.putts : card_.strokes)[slot(h)] = *value;
        }
    }
    return {};
}

Focus CScoresDlg::leaveStrokes(int hole) {
    if (!isHole(hole) || !holeFieldsEditable())
        return {};
    if (card_.strokesText[slot(hole)].empty()) {
        // Setting the text is a change of its own, which must not move the focus.
        suppressNextTab_ = true;
        card_.strokesText[slot(hole)] = "0";
        strokesTextChanged(hole);
    }
    if (const Focus back = readFields(); back.kind != Focus::Stay)
        return back;
    card_.outStrokes = sum(card_.strokes, firstHole, lastFrontHole);
    card_.inStrokes = sum(card_.strokes, lastFrontHole + 1, lastHole);
    card_.totalStrokes = card_.outStrokes + card_.inStrokes;
    card_.showNumbers();
    changed_ = true;
    return {};
}

Focus CScoresDlg::leavePutts(int hole) {
    if (!isHole(hole) || !holeFieldsEditable())
        return {};
    if (card_.puttsText[slot(hole)].empty()) {
        suppressNextTab_ = true;
        card_.puttsText[slot(hole)] = "0";
        puttsTextChanged(hole);
    }
    if (const Focus back = readFields(); back.kind != Focus::Stay)
        return back;
    card_.totalPutts = sum(card_.putts, firstHole, lastHole);
    // The green was reached in regulation when at most par - 2 strokes came before the putts;
    // compared unsigned, so more putts than strokes never gets the green.
    const auto s = slot(hole);
    const unsigned reached = static_cast<unsigned>(card_.strokes[s]) - static_cast<unsigned>(card_.putts[s]);
    const unsigned regulation = static_cast<unsigned>(card_.par[s]) - 2U;
    card_.green[s] = reached <= regulation;
    card_.greensHit = count(card_.green);
    card_.showNumbers();
    changed_ = true;
    return {};
}

void CScoresDlg::setFairway(int hole, bool hit) {
    if (!fairwayEnabled(hole))
        return;
    card_.fairway[slot(hole)] = hit;
    card_.fairwaysHit = count(card_.fairway);
    changed_ = true;
}

void CScoresDlg::setGreen(int hole, bool hit) {
    if (!greenEnabled(hole))
        return;
    card_.green[slot(hole)] = hit;
    card_.greensHit = count(card_.green);
    changed_ = true;
}

void CScoresDlg::setDatePlayed(platform::Date date) {
    if (optionsEnabled())
        card_.datePlayed = date;
}

void CScoresDlg::setKeepPoints(bool on) {
    if (keepPointsEnabled())
        card_.keepPoints = on;
}

void CScoresDlg::setNoFairwayStats(bool on) {
    if (optionsEnabled())
        card_.noFairwayStats = on;
}

void CScoresDlg::setAutomaticTabbingOff(bool on) {
    if (!optionsEnabled())
        return;
    tabbingOff_ = on;
    if (on)
        skipPutts_ = false;
}

void CScoresDlg::setSkipPutts(bool on) {
    if (skipPuttsEnabled())
        skipPutts_ = on;
}

void CScoresDlg::showPointsRules() {
    prompter_.show({pointsRulesText(card_.pointValues), pointsRulesCaption, platform::Icon::None});
}

void CScoresDlg::saveToTextFile() {
    if (textFiles_ && textFileButtonsShown())
        textFiles_->saveToTextFile(*this);
}

void CScoresDlg::loadFromTextFile() {
    if (textFiles_ && textFileButtonsShown())
        textFiles_->loadFromTextFile(*this);
}

void CScoresDlg::takeLoadedCard(const ScoresCard& loaded) {
    // A file cannot tick "Keep Points for Round" while points are not in use: the round would be
    // stored as a points round without point values.
    const bool keepPoints = keepPointsEnabled() ? loaded.keepPoints : card_.keepPoints;
    card_ = loaded;
    card_.keepPoints = keepPoints;
    card_.showNumbers();
    changed_ = true;
}

int CScoresDlg::checkRound() {
    if (readFields().kind != Focus::Stay)
        return 1;
    card_.showNumbers();
    std::string problem;
    for (int h = firstHole; h <= lastHole && problem.empty(); ++h) {
        if (card_.strokes[slot(h)] == 0)
            problem = "You must enter a score on every hole";
        else if (!checksOff_ && card_.putts[slot(h)] > card_.strokes[slot(h)])
            problem = format("The number of putts is greater than strokes for hole %d", h);
    }
    if (problem.empty() && !isValidDate(card_.datePlayed))
        problem = invalidDateText;
    if (!problem.empty()) {
        prompter_.show({problem, scoreErrorCaption, platform::Icon::Error});
        return 1;
    }
    if (pccShown()) {
        const auto pcc = takeWholeNumber(card_.pccText, golfdb::lowestPcc, golfdb::highestPcc, prompter_);
        if (!pcc)
            return 1;
        card_.pcc = *pcc;
        card_.pccText = std::to_string(*pcc);
    }
    card_.takeDate();
    return 0;
}

int CScoresDlg::save(int result) {
    if (mode_ == RoundMode::View)
        return stayOpen;
    if (checkRound() != 0)
        return stayOpen;
    if (pointsInUse_ && card_.keepPoints) {
        golfdb::HoleBytes strokes{};
        golfdb::HoleBytes par{};
        for (int h = 0; h < golfdb::holeSlots; ++h) {
            strokes[slot(h)] = static_cast<std::int8_t>(card_.strokes[slot(h)]);
            par[slot(h)] = static_cast<std::int8_t>(std::clamp(card_.par[slot(h)], -128, 127));
        }
        card_.totalPoints = computePoints(strokes, par, card_.pointValues);
    }
    changed_ = false;
    return result;
}

int CScoresDlg::saveAndQuit() {
    if (mode_ == RoundMode::View)
        return platform::dialogOk;
    return save(platform::dialogOk);
}

int CScoresDlg::saveAndNewRound() {
    return newRoundButtonsShown() ? save(resultSaveAndNewRound) : stayOpen;
}

int CScoresDlg::saveAndNewGolfer() {
    return newRoundButtonsShown() ? save(resultSaveAndNewGolfer) : stayOpen;
}

int CScoresDlg::cancel() {
    if (changed_) {
        changed_ = false;
        const platform::Answer answer =
            prompter_.show({"Information has been changed but not saved, quit anyway?", "Data not saved",
                            platform::Icon::Question, platform::Buttons::YesNo});
        if (answer != platform::Answer::Yes)
            return stayOpen;
    }
    return platform::dialogCancel;
}

void CScoresDlg::buildRound(golfdb::ScoreRecord& round, const golfdb::GolferRecord& golfer) const {
    const auto byte = [](int value) {
        return static_cast<std::int8_t>(std::clamp(value, 0, highestHoleValue));
    };
    round.golfer = card_.golferKey;
    round.flags = card_.flags;
    round.name = card_.courseName;
    round.tee = card_.tee;
    for (int h = 0; h < golfdb::holeSlots; ++h) {
        const auto s = slot(h);
        round.par[s] = static_cast<std::int8_t>(std::clamp(card_.par[s], -128, 127));
        round.yardage[s] = card_.yardage[s];
        round.strokes[s] = byte(card_.strokes[s]);
        round.putts[s] = byte(card_.putts[s]);
        round.holeFlags[s] = static_cast<std::uint8_t>((card_.fairway[s] ? golfdb::holeFairwayHit : 0) |
                                                       (card_.green[s] ? golfdb::holeGreenInRegulation : 0));
    }
    round.slope = card_.slope;
    round.rating = card_.rating;
    round.month = card_.month;
    round.day = card_.day;
    round.year = card_.year;
    round.totalStrokes = card_.totalStrokes;
    round.flags = static_cast<std::uint8_t>(round.flags & ~golfdb::flagTotalOnly);
    if (card_.noFairwayStats)
        round.flags |= golfdb::flagNoFairwayStats;
    else
        round.flags = static_cast<std::uint8_t>(round.flags & ~golfdb::flagNoFairwayStats);
    golfdb::RoundPoints points;
    if (card_.keepPoints)
        points = {true, card_.pointValues, card_.totalPoints};
    round.storePoints(points);
    round.strokeIndex = card_.strokeIndex;
    round.pcc = card_.pcc;
    if (mode_ == RoundMode::Enter) {
        round.flags |= golfdb::flagCourseHandicap;
        round.yardage[0] = handicap::ruleCourseHandicap(golfer.handicapIndex, round, rule_);
    }
    handicap::computeDifferential(round, round.slope, golfer.handicapRounds, false,
                                  mode_ == RoundMode::Change, round.rating);
}

bool CScoresDlg::pccShown() const {
    return rule_ == golfdb::ruleWorld;
}

bool CScoresDlg::changePccText(const std::string& text) {
    if (mode_ == RoundMode::View || !pccShown())
        return false;
    card_.pccText = text;
    changed_ = true;
    return true;
}

std::vector<report::PrintLine> CScoresDlg::cardLines() {
    card_.takeDate();
    const ScoresCard& c = card_;
    const std::string dashes(65, '-');
    std::vector<report::PrintLine> lines;
    lines.push_back({format("%s played on %02d/%02d/%04d", title().c_str(), c.month, c.day, c.year), 2});
    lines.push_back({format("%s   %s Tees   Rating/Slope: %4.1f/%d", c.courseName.c_str(), c.tee.c_str(),
                            c.rating, c.slope),
                     2});
    // The stroke index column is added only for a round that has them, so other cards stay as they were.
    const bool strokeIndexes = golfdb::isStrokeIndexSet(c.strokeIndex);
    lines.push_back({std::string("Hole \t Yardage \t Par \t Score \t Putts \t Fairway \t Green") +
                         (strokeIndexes ? " \t SI" : ""),
                     1});
    for (int h = firstHole; h <= lastHole; ++h) {
        const auto s = slot(h);
        lines.push_back(
            {format("%2d \t  %3d \t %2d \t  %2d \t   %2d \t    %c \t   %c", h, c.yardage[s], c.par[s],
                    c.strokes[s], c.putts[s], c.fairway[s] ? 'Y' : ' ', c.green[s] ? 'Y' : ' ') +
                 (strokeIndexes ? format(" \t %2d", c.strokeIndex[s]) : std::string()),
             1});
        if (h == lastFrontHole) {
            lines.push_back({dashes, 1});
            lines.push_back(
                {format("Front 9 \t %4d \t %2d \t  %2d", c.outYardage, c.outPar, c.outStrokes), 2});
        }
    }
    lines.push_back({dashes, 1});
    lines.push_back({format("Back 9 \t %4d \t %2d \t  %2d", c.inYardage, c.inPar, c.inStrokes), 2});
    lines.push_back({format("Total \t %4d \t %2d \t  %2d \t   %2d \t   %2d \t  %2d", c.totalYardage,
                            c.totalPar, c.totalStrokes, c.totalPutts, c.fairwaysHit, c.greensHit),
                     1});
    return lines;
}

} // namespace kip::rounds
