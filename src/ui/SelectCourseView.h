#pragma once
// "Select Course" with the recently played courses, the search and "Add from Master".

#include "manage/CSelectCourseDlg.h"
#include "ui/ModelDialog.h"

class QLineEdit;
class QListWidget;

namespace kip::ui {

class SelectCourseView : public ModelDialog {
    Q_OBJECT
public:
    SelectCourseView(manage::CSelectCourseDlg& model, QWidget* parent);
    QListWidget* recentList() const { return recent_; }
    QListWidget* groupList() const { return groups_; }
    QLineEdit* findField() const { return find_; }

private:
    void showSelection();
    // After Find: the course found is highlighted in its list, which takes the focus, so that a
    // second Enter takes it.
    void showFound(bool found);
    void end(int result);

    manage::CSelectCourseDlg& model_;
    QListWidget* recent_;
    QListWidget* groups_;
    QLineEdit* find_;
    bool syncing_ = false;
};

} // namespace kip::ui
