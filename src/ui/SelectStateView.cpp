#include "ui/SelectStateView.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kip::ui {

SelectStateView::SelectStateView(manage::CSelectState& model, QWidget* parent)
    : ModelDialog(parent, manage::CSelectState::title(), "master"), model_(model) {
    using Dlg = manage::CSelectState;
    setObjectName("selectStateView");
    auto* layout = new QVBoxLayout(this);
    auto* choices = new QGridLayout;
    auto* all = new QRadioButton(Dlg::allStatesLabel(), this);
    all->setObjectName("allStates");
    auto* one = new QRadioButton(this);
    one->setObjectName("oneState");
    // The second choice's label runs over two lines, which a radio button's own text cannot.
    auto* oneLabel = new QLabel(Dlg::oneStateLabel(), this);
    oneLabel->setBuddy(one);
    state_ = new QLineEdit(this);
    state_->setObjectName("state");
    state_->setMaxLength(Dlg::stateLength);
    state_->setFixedWidth(80);
    auto* group = new QButtonGroup(this);
    group->addButton(all, 0);
    group->addButton(one, 1);
    (model_.oneState() ? one : all)->setChecked(true);
    state_->setEnabled(model_.stateEnabled());
    choices->addWidget(all, 0, 0, 1, 3);
    choices->addWidget(one, 1, 0, Qt::AlignTop);
    choices->addWidget(oneLabel, 1, 1);
    choices->addWidget(state_, 1, 2, Qt::AlignTop);
    choices->setColumnStretch(3, 1);
    layout->addLayout(choices);
    connect(group, &QButtonGroup::idClicked, this, [this](int id) {
        model_.chooseOneState(id == 1);
        state_->setEnabled(model_.stateEnabled());
        if (model_.stateEnabled())
            state_->setFocus();
    });
    connect(state_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.setStateText(text.toStdString());
        const int cursor = state_->cursorPosition();
        state_->setText(QString::fromStdString(model_.stateText()));
        state_->setCursorPosition(cursor);
    });

    auto* explanation = new QLabel(Dlg::explanation(), this);
    explanation->setWordWrap(true);
    explanation->setMinimumWidth(340);
    layout->addSpacing(8);
    layout->addWidget(explanation);
    auto* byName = new QCheckBox(Dlg::byNameLabel(), this);
    byName->setObjectName("byName");
    byName->setChecked(model_.byName());
    connect(byName, &QCheckBox::toggled, this, [this](bool on) { model_.setByName(on); });
    layout->addWidget(byName);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("ok");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    auto* help = new QPushButton("Help", this);
    connect(ok, &QPushButton::clicked, this, [this] { finish(model_.ok()); });
    connect(cancel, &QPushButton::clicked, this, [this] { finish(model_.cancel()); });
    connect(help, &QPushButton::clicked, this, &SelectStateView::showHelp);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    layout->addSpacing(8);
    layout->addLayout(buttons);
}

} // namespace kip::ui
