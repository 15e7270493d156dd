#include "ui/RoundSelectionViews.h"

#include "ui/DialogParts.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace kip::ui {
namespace {

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
    followSingleChoice(
        list_, [this](int row) { model_.select(row); }, [this](int row) { end(model_.doubleClick(row)); });
    layout->addWidget(list_);
    layout->addLayout(defaultCancelHelpRow("OK", "ok", [this] { end(model_.ok()); }));
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
    layout->addLayout(defaultCancelHelpRow("Delete", "delete", [this] { finish(model_.pressDelete()); }));
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
    layout->addLayout(defaultCancelHelpRow("OK", "ok", [this] {
        const int result = model_.ok();
        if (result != rounds::CEnterYearDlg::staysOpen)
            finish(result);
    }));
    year_->setFocus();
}

} // namespace kip::ui
