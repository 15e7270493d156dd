#include "ui/HandicapRuleView.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kip::ui {

HandicapRuleView::HandicapRuleView(handicap::CHandicapRule& model, QWidget* parent)
    : ModelDialog(parent, QString::fromStdString(model.title()), "handicap-rules"), model_(model) {
    setObjectName("handicapRuleView");
    auto* text = new QLabel(QString::fromStdString(model.text()), this);
    text->setWordWrap(true);
    text->setMinimumWidth(460);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addSpacing(6);
    auto* group = new QButtonGroup(this);
    const auto& labels = model.choices();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        auto* choice = new QRadioButton(QString::fromStdString(labels[i]), this);
        choice->setObjectName(QString("rule%1").arg(i));
        group->addButton(choice, static_cast<int>(i));
        choices_.push_back(choice);
        layout->addWidget(choice);
    }
    if (model.selectedIndex() >= 0)
        choices_.at(static_cast<std::size_t>(model.selectedIndex()))->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this, [this](int id) { model_.select(id); });

    const auto& names = model.buttons();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (std::size_t i = 0; i < names.size(); ++i) {
        auto* button = new QPushButton(QString::fromStdString(names[i]), this);
        buttons->addWidget(button);
        if (i == 0) {
            button->setDefault(true);
            connect(button, &QPushButton::clicked, this, [this] { finish(model_.ok()); });
        } else if (i == 1) {
            connect(button, &QPushButton::clicked, this, [this] { finish(model_.cancel()); });
        } else {
            connect(button, &QPushButton::clicked, this, &HandicapRuleView::showHelp);
        }
    }
    layout->addSpacing(6);
    layout->addLayout(buttons);
}

} // namespace kip::ui
