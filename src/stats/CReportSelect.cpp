#include "stats/CReportSelect.h"

#include "stats/StatsText.h"
#include "store/TableStore.h"

#include <cctype>

namespace kip::stats {
namespace {

constexpr const char* selectionError = "Selection Error";

bool leapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool validDate(const platform::Date& date) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (date.year < 1 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1)
        return false;
    const int last = days[date.month - 1] + (date.month == 2 && leapYear(date.year) ? 1 : 0);
    return date.day <= last;
}

// Year, month and day of a picker; -1 in each for a picker without a valid date.
void takeDate(const platform::Date& date, int& year, int& month, int& day) {
    const bool valid = validDate(date);
    year = valid ? date.year : -1;
    month = valid ? date.month : -1;
    day = valid ? date.day : -1;
}

bool onlyDigits(const std::string& text) {
    if (text.empty())
        return false;
    for (const char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

} // namespace

CReportSelect::CReportSelect(golfdb::CKipGolfDoc* doc, platform::Prompter& prompter, platform::Date today,
                             bool holeAllowed, bool noScoreBounds)
    : doc_(doc), prompter_(prompter), holeAllowed_(holeAllowed), noScoreBounds_(noScoreBounds),
      fromDate_(today), toDate_(today) {}

int CReportSelect::open() {
    if (!doc_) {
        prompter_.show({"Select Course internal document error, contact support", "Document Error",
                        platform::Icon::Error, platform::Buttons::Ok});
        return platform::dialogCancel;
    }
    courses_ = doc_->courseList(false);
    return 0;
}

bool CReportSelect::setAllCourses(bool on) {
    if (!takeScore())
        return false;
    allCourses_ = on;
    if (!on)
        return true;
    selectedCourse_ = -1;
    tees_.clear();
    selectedTee_ = -1;
    teeOnly_ = false;
    return true;
}

void CReportSelect::selectCourse(int index) {
    if (allCourses_ || index < -1 || index >= static_cast<int>(courses_.size()))
        return;
    selectedCourse_ = index;
    selectedTee_ = -1;
    tees_.clear();
    if (index >= 0 && doc_)
        tees_ = doc_->teeList(courses_[static_cast<std::size_t>(index)].record);
}

bool CReportSelect::setTeeOnly(bool on) {
    if (allCourses_ || !takeScore())
        return false;
    teeOnly_ = on;
    if (!on)
        selectedTee_ = -1;
    else if (selectedTee_ < 0 && !tees_.empty())
        selectedTee_ = 0;
    return true;
}

void CReportSelect::selectTee(int index) {
    if (!teeOnly_ || index < -1 || index >= static_cast<int>(tees_.size()))
        return;
    selectedTee_ = index;
}

void CReportSelect::setHoleText(const std::string& text) {
    holeText_ = text.substr(0, holeTextLimit);
}

bool CReportSelect::setAllDates(bool on) {
    if (!takeScore())
        return false;
    allDates_ = on;
    return true;
}

bool CReportSelect::setScoreGreater(bool on) {
    if (!scoreChecksEnabled() || !takeScore())
        return false;
    scoreGreater_ = on;
    if (on)
        scoreLess_ = false;
    return true;
}

bool CReportSelect::setScoreLess(bool on) {
    if (!scoreChecksEnabled() || !takeScore())
        return false;
    scoreLess_ = on;
    if (on)
        scoreGreater_ = false;
    return true;
}

bool CReportSelect::takeScore() {
    if (!onlyDigits(scoreText_)) {
        prompter_.show(
            {"Enter an integer.", platform::defaultCaption, platform::Icon::Warning, platform::Buttons::Ok});
        return false;
    }
    const int value = leadingInteger(scoreText_);
    if (value < scoreLowest || value > scoreHighest) {
        prompter_.show({formatText("Enter an integer between %d and %d.", scoreLowest, scoreHighest),
                        platform::defaultCaption, platform::Icon::Warning, platform::Buttons::Ok});
        return false;
    }
    scoreBound_ = value;
    return true;
}

void CReportSelect::refuse(const char* text) {
    prompter_.show({text, selectionError, platform::Icon::Error, platform::Buttons::Ok});
}

bool CReportSelect::ok() {
    if (!takeScore())
        return false;
    if (!allCourses_) {
        if (holeAllowed_ && !holeText_.empty()) {
            const int hole = leadingInteger(holeText_);
            if (hole < 1 || hole > 18) {
                holeNumber_ = 0;
                refuse("You must specify a hole number between 1 and 18");
                return false;
            }
            holeNumber_ = hole;
        }
        if (selectedCourse_ < 0) {
            refuse("You must select a course or all courses");
            return false;
        }
        courseRow_ = teeOnly_ && selectedTee_ >= 0
                         ? tees_[static_cast<std::size_t>(selectedTee_)].record
                         : courses_[static_cast<std::size_t>(selectedCourse_)].record;
    }
    if (!allDates_) {
        takeDate(fromDate_, fromYear_, fromMonth_, fromDay_);
        takeDate(toDate_, toYear_, toMonth_, toDay_);
        fromKey_ = formatText("%04d%02d%02d", fromYear_, fromMonth_, fromDay_);
        toKey_ = formatText("%04d%02d%02d", toYear_, toMonth_, toDay_);
        // A picker without a whole date (half typed) cannot bound the range.
        if (!validDate(fromDate_) || !validDate(toDate_) || fromKey_ > toKey_) {
            refuse("The from date must be before the to date");
            return false;
        }
    }
    return true;
}

AppliedLimits applyLimits(const CReportSelect& dialog, golfdb::CourseTable& courses) {
    AppliedLimits limits;
    if (dialog.courseRow() >= 0 && courses.goTo(dialog.courseRow()) == store::storeOk) {
        limits.courseLimited = true;
        limits.courseName = courses.record().name;
        if (dialog.teeOnly()) {
            limits.teeLimited = true;
            limits.teeName = courses.record().tee;
        }
        if (dialog.holeAllowed())
            limits.hole = dialog.holeNumber();
    }
    if (dialog.datesLimited()) {
        limits.datesLimited = true;
        limits.fromKey = dialog.fromKey();
        limits.toKey = dialog.toKey();
        limits.fromYear = dialog.fromYear();
        limits.fromMonth = dialog.fromMonth();
        limits.fromDay = dialog.fromDay();
        limits.toYear = dialog.toYear();
        limits.toMonth = dialog.toMonth();
        limits.toDay = dialog.toDay();
    }
    if (!dialog.noScoreBounds()) {
        limits.scoreGreater = dialog.scoreGreater();
        limits.scoreLess = dialog.scoreLess();
        limits.scoreBound = dialog.scoreBound();
    }
    return limits;
}

} // namespace kip::stats
