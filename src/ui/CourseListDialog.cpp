#include "ui/CourseListDialog.h"

#include "ui/CourseLists.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kip::ui {

CourseListDialog::CourseListDialog(QWidget* parent, const QString& title, const QString& text,
                                   const golfdb::ItemList& lines, int tabStopUnits)
    : ModelDialog(parent, title, "courses") {
    layout_ = new QVBoxLayout(this);
    auto* label = new QLabel(text, this);
    layout_->addWidget(label);
    list_ = makeLineList(this, lines, tabStopUnits);
    list_->setObjectName("lines");
    list_->setMinimumSize(dialogUnits(list_, 260), 260);
    label->setBuddy(list_);
    layout_->addWidget(list_);
    if (list_->count() > 0)
        list_->setCurrentRow(-1);
}

void CourseListDialog::addButtons(const QStringList& names) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (int i = 0; i < names.size(); ++i) {
        auto* button = new QPushButton(names[i], this);
        button->setDefault(i == 0);
        row->addWidget(button);
        buttons_.push_back(button);
    }
    layout_->addLayout(row);
}

} // namespace kip::ui
