#pragma once
// "Select Report Limitations": the course and tee lists, the hole, the date range and the score bound.

#include "stats/CReportSelect.h"
#include "ui/ModelDialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace kip::ui {

class DateField;

class ReportSelectView : public ModelDialog {
    Q_OBJECT
public:
    ReportSelectView(stats::CReportSelect& model, QWidget* parent);

    QCheckBox* allCourses() const { return allCourses_; }
    QListWidget* courseList() const { return courses_; }
    QCheckBox* teeOnly() const { return teeOnly_; }
    QListWidget* teeList() const { return tees_; }
    QLineEdit* holeField() const { return hole_; }
    QCheckBox* allDates() const { return allDates_; }
    DateField* fromDate() const { return from_; }
    DateField* toDate() const { return to_; }
    QCheckBox* scoreGreater() const { return greater_; }
    QCheckBox* scoreLess() const { return less_; }
    QSpinBox* scoreField() const { return score_; }

private:
    void showModel();
    void fillTees();
    void takeScoreText();

    stats::CReportSelect& model_;
    QCheckBox* allCourses_ = nullptr;
    QLabel* courseLabel_ = nullptr;
    QListWidget* courses_ = nullptr;
    QCheckBox* teeOnly_ = nullptr;
    QListWidget* tees_ = nullptr;
    QLabel* holeLabel_ = nullptr;
    QLineEdit* hole_ = nullptr;
    QCheckBox* allDates_ = nullptr;
    QLabel* fromLabel_ = nullptr;
    QLabel* toLabel_ = nullptr;
    DateField* from_ = nullptr;
    DateField* to_ = nullptr;
    QCheckBox* greater_ = nullptr;
    QCheckBox* less_ = nullptr;
    QLabel* scoreLabel_ = nullptr;
    QSpinBox* score_ = nullptr;
};

} // namespace kip::ui
