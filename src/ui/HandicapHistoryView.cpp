#include "ui/HandicapHistoryView.h"

#include "ui/DialogParts.h"
#include "ui/QtPainterSurface.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace kip::ui {

HandicapHistoryChart::HandicapHistoryChart(const handicap::CHandicapHistoryDlg& model, QWidget* parent)
    : QWidget(parent), model_(model) {
    setObjectName("historyChart");
    setMinimumSize(320, 200);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void HandicapHistoryChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    QtPainterSurface surface(painter, size());
    model_.drawChart(0, 0, width(), height(), surface);
}

HandicapHistoryView::HandicapHistoryView(handicap::CHandicapHistoryDlg& model, QWidget* parent)
    : ModelDialog(parent, QString::fromStdString(model.title()), "handicap-history"), model_(model) {
    setObjectName("handicapHistoryView");
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    auto* panes = new QHBoxLayout;
    list_ = new QListWidget(this);
    list_->setObjectName("historyList");
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list_->setMinimumWidth(200);
    for (const auto& line : model.lines())
        list_->addItem(QString::fromStdString(line).replace('\t', "   "));
    panes->addWidget(list_);
    chart_ = new HandicapHistoryChart(model, this);
    panes->addWidget(chart_, 1);
    layout->addLayout(panes, 1);
    auto* legend = new QLabel(QString::fromStdString(model.legend()), this);
    legend->setObjectName("legend");
    legend->setWordWrap(true);
    layout->addWidget(legend);

    QPushButton* ok = button("OK", "ok", this);
    ok->setDefault(true);
    QPushButton* print = button("Print", "print", this);
    print->setEnabled(model.printEnabled());
    QPushButton* help = button("Help", "help", this);
    layout->addLayout(buttonRow({ok, print, help}));
    connect(ok, &QPushButton::clicked, this, [this] { finish(model_.ok()); });
    connect(print, &QPushButton::clicked, this, [this] { model_.print(); });
    connect(help, &QPushButton::clicked, this, [this] { showHelp(); });
}

} // namespace kip::ui
