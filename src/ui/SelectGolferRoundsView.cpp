#include "ui/SelectGolferRoundsView.h"

#include "ui/DialogParts.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kip::ui {

SelectGolferRoundsView::SelectGolferRoundsView(stats::CSelectGolferRounds& model, QWidget* parent)
    : ModelDialog(parent, stats::CSelectGolferRounds::title(), "select-golfers"), model_(model) {
    setObjectName("selectGolferRoundsView");
    auto* layout = new QVBoxLayout(this);
    auto* limit = new QHBoxLayout;
    limit->addWidget(new QLabel("Limit Report to ", this));
    rounds_ = new QLineEdit(QString::fromStdString(model.roundsText()), this);
    rounds_->setObjectName("rounds");
    rounds_->setMaxLength(static_cast<int>(stats::CSelectGolferRounds::roundsTextLimit));
    rounds_->setFixedWidth(fontMetrics().horizontalAdvance("0000") + 14);
    limit->addWidget(rounds_);
    limit->addWidget(new QLabel("Rounds", this));
    limit->addStretch();
    layout->addLayout(limit);
    layout->addWidget(new QLabel("Select Golfer :", this));
    useAll_ = new QCheckBox("Use All Golfers", this);
    useAll_->setObjectName("useAll");
    layout->addWidget(useAll_);
    list_ = new QListWidget(this);
    list_->setObjectName("golfers");
    list_->setSelectionMode(QAbstractItemView::MultiSelection);
    for (const auto& line : model.golfers())
        list_->addItem(QString::fromStdString(line.text));
    layout->addWidget(list_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("ok");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    auto* help = new QPushButton("Help", this);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    layout->addLayout(buttons);

    connect(rounds_, &QLineEdit::textChanged, this,
            [this](const QString& text) { model_.setRoundsText(text.toStdString()); });
    connect(useAll_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setAllGolfers(on);
        list_->setEnabled(model_.listEnabled());
    });
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        for (int i = 0; i < list_->count(); ++i)
            model_.setSelected(i, list_->item(i)->isSelected());
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        chooseHighlightedRow(list_);
        if (model_.ok())
            finish(platform::dialogOk);
    });
    connect(cancel, &QPushButton::clicked, this, [this] { finish(model_.cancel()); });
    connect(help, &QPushButton::clicked, this, &SelectGolferRoundsView::showHelp);
}

} // namespace kip::ui
