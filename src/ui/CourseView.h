#pragma once
// The Course Information dialog laid out as a scorecard: the course's details above, then the
// front and back nine with their Yardage and Par rows and the Out / In / Total sums.

#include "manage/CCourseDlg.h"
#include "ui/ModelDialog.h"

#include <array>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kip::ui {

class CourseView : public ModelDialog {
    Q_OBJECT
public:
    CourseView(manage::CCourseDlg& model, QWidget* parent);

    QLineEdit* textField(manage::CourseText field) const {
        return texts_.at(static_cast<std::size_t>(field));
    }
    QLineEdit* holeField(manage::CourseRow row, int hole) const;
    QLineEdit* strokeIndexField(int hole) const { return strokeIndexes_.at(static_cast<std::size_t>(hole)); }
    QLabel* sumLabel(manage::CourseRow row, int which) const; // 0 Out, 1 In, 2 Total
    QPushButton* saveAndQuitButton() const { return saveAndQuit_; }
    QPushButton* saveAndNewTeeButton() const { return saveAndNewTee_; }

private:
    QWidget* makeDetails();
    QWidget* makeCard();
    void addNine(QGridLayout* grid, int top, int first);
    void addStrokeIndexRow(QGridLayout* grid, int line, int first);
    void showSums();
    void press(int result);

    manage::CCourseDlg& model_;
    std::array<QLineEdit*, manage::courseTextCount> texts_{};
    std::array<std::array<QLineEdit*, golfdb::holeSlots>, 2> holes_{};
    std::array<std::array<QLabel*, 3>, 2> sums_{};
    std::array<QLineEdit*, golfdb::holeSlots> strokeIndexes_{};
    QCheckBox* meters_ = nullptr;
    QPushButton* saveAndQuit_ = nullptr;
    QPushButton* saveAndNewTee_ = nullptr;
};

} // namespace kip::ui
