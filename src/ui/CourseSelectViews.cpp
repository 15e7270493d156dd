#include "ui/CourseSelectViews.h"

#include "manage/CourseServices.h"
#include "ui/CourseLists.h"
#include "ui/DialogParts.h"

#include <QListWidget>
#include <QPushButton>

namespace kip::ui {
namespace {

// OK, a double click and the selection of a single-choice list, for either model.
template <class Model>
void bindSingleChoice(CourseListDialog* view, Model& model, const std::function<void(int)>& finish) {
    QListWidget* list = view->list();
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    selectCurrentRow(list);
    QObject::connect(list, &QListWidget::currentRowChanged, view, [&model](int row) { model.select(row); });
    QObject::connect(list, &QListWidget::itemDoubleClicked, view,
                     [&model, list, finish](QListWidgetItem* item) {
                         const int result = model.doubleClick(list->row(item));
                         if (result != manage::dialogStayOpen)
                             finish(result);
                     });
    QObject::connect(view->button(0), &QPushButton::clicked, view, [&model, finish] {
        const int result = model.ok();
        if (result != manage::dialogStayOpen)
            finish(result);
    });
    QObject::connect(view->button(1), &QPushButton::clicked, view,
                     [&model, finish] { finish(model.cancel()); });
}

} // namespace

SelectCourseTeeView::SelectCourseTeeView(manage::CSelectCourseTee& model, QWidget* parent)
    : CourseListDialog(parent, manage::CSelectCourseTee::title(), manage::CSelectCourseTee::text(),
                       model.lines(), manage::CSelectCourseTee::tabStop) {
    setObjectName("selectCourseTeeView");
    addButtons({"OK", "Cancel", "Help"});
    bindSingleChoice(this, model, [this](int result) { finish(result); });
    connect(button(2), &QPushButton::clicked, this, &SelectCourseTeeView::showHelp);
}

SelectTeeView::SelectTeeView(manage::CSelectTeeDlg& model, QWidget* parent)
    : CourseListDialog(parent, manage::CSelectTeeDlg::title(), manage::CSelectTeeDlg::text(), model.lines(),
                       150) {
    setObjectName("selectTeeView");
    list()->setMinimumSize(220, 160);
    addButtons({"OK", "Cancel"});
    bindSingleChoice(this, model, [this](int result) { finish(result); });
}

DeleteCourseView::DeleteCourseView(manage::CDeleteCourseDlg& model, QWidget* parent)
    : CourseListDialog(parent, manage::CDeleteCourseDlg::title(), manage::CDeleteCourseDlg::text(),
                       model.lines(), manage::CDeleteCourseDlg::tabStop) {
    setObjectName("deleteCourseView");
    list()->setSelectionMode(QAbstractItemView::ExtendedSelection);
    addButtons({"Delete", "Cancel", "Help"});
    connect(button(0), &QPushButton::clicked, this, [this, &model] {
        model.setSelected(selectedRows(list()));
        finish(model.pressDelete());
    });
    connect(button(1), &QPushButton::clicked, this, [this, &model] { finish(model.cancel()); });
    connect(button(2), &QPushButton::clicked, this, &DeleteCourseView::showHelp);
}

} // namespace kip::ui
