#include "ui/RoundSelectionViews.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kip::ui {
namespace {

QPushButton* button(const char* text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : buttons)
        row->addWidget(b);
    return row;
}

// The round lines "date \t gross \t course" in columns.
QListWidget* roundList(const golfdb::ItemList& lines, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName("rounds");
    for (const auto& line : lines) {
        QString text = QString::fromStdString(line.text);
        text.replace('\t', "  ");
        list->addItem(text);
    }
    list->setMinimumSize(360, 240);
    return list;
}

} // namespace

SelectScoreView::SelectScoreView(rounds::CSelectScoreDlg& model, QWidget* parent)
    : ModelDialog(parent, QString::fromStdString(model.title()), "round-commands"), model_(model) {
    setObjectName("selectScoreView");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(rounds::CSelectScoreDlg::text(), this));
    list_ = roundList(model_.lines(), this);
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        const auto chosen = list_->selectedItems();
        model_.select(chosen.isEmpty() ? -1 : list_->row(chosen.front()));
    });
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { end(model_.doubleClick(list_->row(item))); });
    layout->addWidget(list_);
    auto* ok = button("OK", "ok", this);
    ok->setDefault(true);
    auto* cancel = button("Cancel", "cancel", this);
    auto* help = button("Help", "help", this);
    connect(ok, &QPushButton::clicked, this, [this] { end(model_.ok()); });
    connect(cancel, &QPushButton::clicked, this, &SelectScoreView::reject);
    connect(help, &QPushButton::clicked, this, &SelectScoreView::showHelp);
    layout->addLayout(buttonRow({ok, cancel, help}));
    list_->setFocus();
}

void SelectScoreView::end(int result) {
    if (result != rounds::CSelectScoreDlg::staysOpen)
        finish(result);
}

DeleteScoreView::DeleteScoreView(rounds::CDeleteScore& model, QWidget* parent)
    : ModelDialog(parent, rounds::CDeleteScore::title(), "round-commands"), model_(model) {
    setObjectName("deleteScoreView");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(rounds::CDeleteScore::text(), this));
    list_ = roundList(model_.lines(), this);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        for (int row = 0; row < list_->count(); ++row)
            model_.setSelected(row, list_->item(row)->isSelected());
    });
    layout->addWidget(list_);
    auto* remove = button("Delete", "delete", this);
    remove->setDefault(true);
    auto* cancel = button("Cancel", "cancel", this);
    auto* help = button("Help", "help", this);
    connect(remove, &QPushButton::clicked, this, [this] { finish(model_.pressDelete()); });
    connect(cancel, &QPushButton::clicked, this, &DeleteScoreView::reject);
    connect(help, &QPushButton::clicked, this, &DeleteScoreView::showHelp);
    layout->addLayout(buttonRow({remove, cancel, help}));
    list_->setFocus();
}

EnterYearView::EnterYearView(rounds::CEnterYearDlg& model, QWidget* parent)
    : ModelDialog(parent, rounds::CEnterYearDlg::title(), "round-commands"), model_(model) {
    setObjectName("enterYearView");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(rounds::CEnterYearDlg::text(), this));
    year_ = new QLineEdit(QString::fromStdString(model_.yearText()), this);
    year_->setObjectName("year");
    year_->setMaximumWidth(90);
    connect(year_, &QLineEdit::textEdited, this,
            [this](const QString& t) { model_.setYearText(t.toStdString()); });
    layout->addWidget(year_);
    auto* ok = button("OK", "ok", this);
    ok->setDefault(true);
    auto* cancel = button("Cancel", "cancel", this);
    auto* help = button("Help", "help", this);
    connect(ok, &QPushButton::clicked, this, [this] {
        const int result = model_.ok();
        if (result != rounds::CEnterYearDlg::staysOpen)
            finish(result);
    });
    connect(cancel, &QPushButton::clicked, this, &EnterYearView::reject);
    connect(help, &QPushButton::clicked, this, &EnterYearView::showHelp);
    layout->addLayout(buttonRow({ok, cancel, help}));
    year_->setFocus();
}

} // namespace kip::ui
