#include "ui/HoleStatsView.h"

#include "ui/StatsFields.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kip::ui {
namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

HoleStatsView::HoleStatsView(stats::CHoleStats& model, QWidget* parent)
    : ModelDialog(parent, text(model.title()), "stats-holes"), model_(model) {
    setObjectName("holeStatsView");
    auto* layout = new QVBoxLayout(this);
    for (const std::string& heading : {model.firstHeading(), model.dateText(), model.scoreText()}) {
        auto* line = new QLabel(text(heading), this);
        line->setAlignment(Qt::AlignHCenter);
        layout->addWidget(line);
    }

    auto* summary = new QGridLayout;
    summary->addWidget(new QLabel("Detail Rounds", this), 0, 0);
    summary->addWidget(statsValueField(this, "detailRounds", text(model.detailRounds()), 6), 0, 1);
    summary->addWidget(new QLabel("Average Score", this), 1, 0);
    summary->addWidget(statsValueField(this, "averageScore", text(model.averageScore()), 6), 1, 1);
    summary->addWidget(new QLabel("Putts per Round", this), 1, 3);
    summary->addWidget(statsValueField(this, "puttsPerRound", text(model.puttsPerRound()), 6), 1, 4);
    summary->addWidget(new QLabel("Front 9 vs Par", this), 2, 0);
    summary->addWidget(statsValueField(this, "frontNine", text(model.frontNine()), 6), 2, 1);
    summary->addWidget(new QLabel("Back 9 vs Par", this), 2, 3);
    summary->addWidget(statsValueField(this, "backNine", text(model.backNine()), 6), 2, 4);
    summary->setColumnMinimumWidth(2, 24);
    summary->setColumnStretch(5, 1);
    layout->addLayout(summary);
    layout->addSpacing(8);

    auto* table = new QGridLayout;
    for (int type = 0; type < stats::parTypes; ++type)
        table->addWidget(new QLabel(stats::CHoleStats::columnLabel(type), this), 0, type + 1,
                         Qt::AlignHCenter);
    for (int row = 0; row < stats::holeStatRows; ++row) {
        table->addWidget(new QLabel(stats::CHoleStats::rowLabel(row), this), row + 1, 0);
        for (int type = 0; type < stats::parTypes; ++type)
            table->addWidget(statsValueField(this, QString("cell%1_%2").arg(row).arg(type),
                                             text(model.cell(row, type)), 7),
                             row + 1, type + 1);
    }
    table->setColumnStretch(4, 1);
    layout->addLayout(table);

    layout->addLayout(statsButtons(
        this, [this] { finish(model_.ok()); }, [this] { model_.print(); }, [this] { showHelp(); }));
}

} // namespace kip::ui
