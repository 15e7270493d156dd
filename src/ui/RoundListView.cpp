#include "ui/RoundListView.h"

#include "ui/QtRoundPoster.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QVBoxLayout>

namespace kip::ui {

RoundListView::RoundListView(stats::CListRounds& model, QWidget* parent)
    : ListDialogView(model, parent), model_(model) {
    setObjectName("roundListView");
    auto* date = new QLabel(QString::fromStdString(model.dateText()), this);
    date->setObjectName("dateText");
    date->setVisible(!model.dateText().empty());
    if (auto* box = qobject_cast<QVBoxLayout*>(layout()))
        box->insertWidget(0, date, 0, Qt::AlignRight);
    // A header or blank line cannot be chosen: selecting one clears the selection.
    connect(list()->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const int selected = model_.selectedIndex();
        if (selected >= 0)
            model_.selectLine(selected);
        if (model_.selectedIndex() < 0)
            list()->selectionModel()->clearSelection();
    });
    poster_ = std::make_unique<QtRoundPoster>(
        this, [this](std::vector<stats::RoundLine> lines) { model_.receiveLines(std::move(lines)); },
        [this] { model_.receiveDone(); });
    model_.open(*poster_);
}

RoundListView::~RoundListView() {
    // The worker may still be posting: it ends before the poster and this receiver go, and what it
    // queued for this receiver is dropped with it.
    model_.closeListing();
}

} // namespace kip::ui
