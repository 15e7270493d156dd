#pragma once
// "Select Report Limitations": the course (and one of its tees), a hole, a date range and a score
// bound that narrow a statistics report. The caller says whether a hole may be chosen and whether
// score bounds are offered; applyLimits() turns the closed dialog into the limits a report runs under.

#include "golfdb/CKipGolfDoc.h"
#include "platform/Clock.h"
#include "platform/DialogHost.h"
#include "platform/Prompter.h"
#include "stats/ReportLimits.h"

#include <string>

namespace kip::stats {

class CReportSelect : public platform::DialogModel {
public:
    static constexpr int scoreLowest = 0;
    static constexpr int scoreHighest = 200;
    static constexpr std::size_t holeTextLimit = 2;

    // doc may be null (the dialog then only shows its error on opening). Both date pickers start at
    // today.
    CReportSelect(golfdb::CKipGolfDoc* doc, platform::Prompter& prompter, platform::Date today,
                  bool holeAllowed, bool noScoreBounds);

    // Called before the dialog is shown: fills the course list. Without a document it shows the
    // document error and returns dialogCancel (the dialog closes at once); otherwise 0.
    int open();

    static const char* title() { return "Select Report Limitations"; }

    bool holeAllowed() const { return holeAllowed_; }
    bool noScoreBounds() const { return noScoreBounds_; }

    // Courses.
    bool allCourses() const { return allCourses_; }
    bool setAllCourses(bool on);
    const golfdb::ItemList& courses() const { return courses_; }
    int selectedCourse() const { return selectedCourse_; } // -1: none
    void selectCourse(int index);
    bool courseListEnabled() const { return !allCourses_; }

    // Tees of the selected course.
    bool teeOnly() const { return teeOnly_; }
    bool setTeeOnly(bool on);
    bool teeCheckEnabled() const { return !allCourses_; }
    bool teeListEnabled() const { return teeOnly_; }
    const golfdb::ItemList& tees() const { return tees_; }
    int selectedTee() const { return selectedTee_; }
    void selectTee(int index);

    // Hole.
    bool holeEnabled() const { return !allCourses_ && holeAllowed_; }
    const std::string& holeText() const { return holeText_; }
    void setHoleText(const std::string& text); // at most two characters are kept
    int holeNumber() const { return holeNumber_; }

    // Dates.
    bool allDates() const { return allDates_; }
    bool setAllDates(bool on);
    bool datesEnabled() const { return !allDates_; }
    platform::Date fromDate() const { return fromDate_; }
    platform::Date toDate() const { return toDate_; }
    void setFromDate(platform::Date date) { fromDate_ = date; }
    void setToDate(platform::Date date) { toDate_ = date; }
    int fromYear() const { return fromYear_; }
    int fromMonth() const { return fromMonth_; }
    int fromDay() const { return fromDay_; }
    int toYear() const { return toYear_; }
    int toMonth() const { return toMonth_; }
    int toDay() const { return toDay_; }
    const std::string& fromKey() const { return fromKey_; }
    const std::string& toKey() const { return toKey_; }
    bool datesLimited() const { return fromDay_ != 0; }

    // Every check box click takes the values from the controls first: while the score field holds no
    // valid value the click is refused after the field's message and the box keeps its state.

    // Score bounds.
    bool scoreChecksEnabled() const { return !noScoreBounds_; }
    bool scoreGreater() const { return scoreGreater_; }
    bool scoreLess() const { return scoreLess_; }
    bool setScoreGreater(bool on);
    bool setScoreLess(bool on);
    bool scoreFieldEnabled() const { return scoreGreater_ || scoreLess_; }
    const std::string& scoreText() const { return scoreText_; }
    void setScoreText(const std::string& text) { scoreText_ = text; }
    int scoreBound() const { return scoreBound_; }

    // The record number of the chosen course row, -1 for none.
    long courseRow() const { return courseRow_; }

    // Runs the checks of OK in order; false keeps the dialog open after a message.
    bool ok();
    int pressOk() { return ok() ? platform::dialogOk : 0; }
    int cancel() { return platform::dialogCancel; }

private:
    bool takeScore();
    void refuse(const char* text);

    golfdb::CKipGolfDoc* doc_;
    platform::Prompter& prompter_;
    bool holeAllowed_;
    bool noScoreBounds_;

    bool allCourses_ = true;
    golfdb::ItemList courses_;
    int selectedCourse_ = -1;
    bool teeOnly_ = false;
    golfdb::ItemList tees_;
    int selectedTee_ = -1;
    long courseRow_ = -1;
    std::string holeText_;
    int holeNumber_ = 0;

    bool allDates_ = true;
    platform::Date fromDate_;
    platform::Date toDate_;
    int fromYear_ = 0, fromMonth_ = 0, fromDay_ = 0;
    int toYear_ = 0, toMonth_ = 0, toDay_ = 0;
    std::string fromKey_, toKey_;

    bool scoreGreater_ = false;
    bool scoreLess_ = false;
    std::string scoreText_ = "80";
    int scoreBound_ = 80;
};

// The limits of a report from the closed dialog. The course row is read from the course table; when
// it cannot be read the report runs without course, tee and hole limits. The hole is taken only when
// holeAllowed, the score bound only when the dialog offered it.
AppliedLimits applyLimits(const CReportSelect& dialog, golfdb::CourseTable& courses);

} // namespace kip::stats
