#include "ui/SelectCourseView.h"

#include "ui/CourseLists.h"
#include "ui/DialogParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kip::ui {

SelectCourseView::SelectCourseView(manage::CSelectCourseDlg& model, QWidget* parent)
    : ModelDialog(parent, manage::CSelectCourseDlg::title(), "courses"), model_(model) {
    setObjectName("selectCourseView");
    setMinimumWidth(560);
    using Dlg = manage::CSelectCourseDlg;
    auto* layout = new QVBoxLayout(this);
    auto* recentLabel = new QLabel(Dlg::recentLabel(), this);
    layout->addWidget(recentLabel);
    recent_ = makeLineList(this, model_.recentLines(), Dlg::tabStop);
    recent_->setObjectName("recent");
    recent_->setFixedHeight(recent_->sizeHintForRow(0) > 0 ? recent_->sizeHintForRow(0) * 5 + 8 : 96);
    recentLabel->setBuddy(recent_);
    layout->addWidget(recent_);

    layout->addSpacing(6);
    layout->addWidget(new QLabel(Dlg::findLabel(), this));
    auto* findRow = new QHBoxLayout;
    find_ = new QLineEdit(this);
    find_->setObjectName("findText");
    connect(find_, &QLineEdit::textEdited, this,
            [this](const QString& t) { model_.setFindText(t.toStdString()); });
    auto* findButton = new QPushButton("Find", this);
    auto* nextButton = new QPushButton("Find Next", this);
    auto* masterButton = new QPushButton("Add from Master", this);
    for (auto* b : {findButton, nextButton, masterButton})
        b->setAutoDefault(false);
    pressOnEnter(find_, findButton);
    findRow->addWidget(find_, 1);
    findRow->addWidget(findButton);
    findRow->addWidget(nextButton);
    findRow->addWidget(masterButton);
    layout->addLayout(findRow);
    groups_ = makeLineList(this, model_.groupLines(), Dlg::tabStop);
    groups_->setObjectName("groups");
    groups_->setMinimumSize(dialogUnits(groups_, 280), 240);
    layout->addWidget(groups_);

    connect(findButton, &QPushButton::clicked, this, [this] { showFound(model_.find()); });
    connect(nextButton, &QPushButton::clicked, this, [this] { showFound(model_.findNext()); });
    connect(masterButton, &QPushButton::clicked, this, [this] {
        model_.addFromMaster();
        const bool wasSyncing = syncing_;
        syncing_ = true;
        fillLineList(groups_, model_.groupLines());
        syncing_ = wasSyncing;
        showSelection();
    });
    connect(recent_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (syncing_ || row < 0)
            return;
        model_.selectRecent(row);
        showSelection();
    });
    connect(groups_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (syncing_ || row < 0)
            return;
        model_.selectGroup(row);
        showSelection();
    });
    connect(recent_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { end(model_.doubleClickRecent(recent_->row(item))); });
    connect(groups_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { end(model_.doubleClickGroup(groups_->row(item))); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    auto* help = new QPushButton("Help", this);
    connect(ok, &QPushButton::clicked, this, [this] { end(model_.ok()); });
    connect(cancel, &QPushButton::clicked, this, [this] { end(model_.cancel()); });
    connect(help, &QPushButton::clicked, this, &SelectCourseView::showHelp);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    layout->addLayout(buttons);
    find_->setFocus();
}

// Shows the model's selection in both lists (one of them without any).
void SelectCourseView::showSelection() {
    syncing_ = true;
    const auto show = [](QListWidget* list, int row) {
        list->clearSelection();
        list->setCurrentRow(row, row < 0 ? QItemSelectionModel::Clear : QItemSelectionModel::ClearAndSelect);
        if (row >= 0)
            list->scrollToItem(list->item(row));
    };
    show(recent_, model_.recentSelected());
    show(groups_, model_.groupSelected());
    syncing_ = false;
}

void SelectCourseView::showFound(bool found) {
    showSelection();
    // Only once the row is current, or the list would make its first row current on the focus.
    if (found)
        groups_->setFocus(Qt::OtherFocusReason);
}

void SelectCourseView::end(int result) {
    if (result != manage::dialogStayOpen)
        finish(result);
}

} // namespace kip::ui
