#pragma once
// The list dialogs of the course commands: Select Course (every row), Select a Tee, and the list
// of Delete Course(s).

#include "manage/CDeleteCourseDlg.h"
#include "manage/CSelectCourseTee.h"
#include "manage/CSelectTeeDlg.h"
#include "ui/CourseListDialog.h"

namespace kip::ui {

class SelectCourseTeeView : public CourseListDialog {
    Q_OBJECT
public:
    SelectCourseTeeView(manage::CSelectCourseTee& model, QWidget* parent);
};

class SelectTeeView : public CourseListDialog {
    Q_OBJECT
public:
    SelectTeeView(manage::CSelectTeeDlg& model, QWidget* parent);
};

class DeleteCourseView : public CourseListDialog {
    Q_OBJECT
public:
    DeleteCourseView(manage::CDeleteCourseDlg& model, QWidget* parent);
};

} // namespace kip::ui
