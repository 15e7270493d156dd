#pragma once
// Course Addition Complete.

#include "manage/CMessageDlg.h"
#include "ui/ModelDialog.h"

namespace kip::ui {

class CourseMessageView : public ModelDialog {
    Q_OBJECT
public:
    CourseMessageView(manage::CMessageDlg& model, QWidget* parent);
};

} // namespace kip::ui
