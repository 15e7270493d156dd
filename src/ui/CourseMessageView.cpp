#include "ui/CourseMessageView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kip::ui {

CourseMessageView::CourseMessageView(manage::CMessageDlg& model, QWidget* parent)
    : ModelDialog(parent, QString::fromStdString(model.title()), "courses") {
    setObjectName("courseMessageView");
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QString::fromStdString(model.text()), this);
    text->setObjectName("text");
    text->setMinimumWidth(320);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this, &model] { finish(model.ok()); });
    auto* help = new QPushButton("Help", this);
    connect(help, &QPushButton::clicked, this, &CourseMessageView::showHelp);
    buttons->addWidget(ok);
    buttons->addWidget(help);
    layout->addSpacing(8);
    layout->addLayout(buttons);
}

} // namespace kip::ui
