#include "ui/BasicStatsView.h"

#include "ui/StatsFields.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kip::ui {
namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

BasicStatsView::BasicStatsView(stats::CBasicStats& model, QWidget* parent)
    : ModelDialog(parent, text(model.title()), "stats"), model_(model) {
    setObjectName("basicStatsView");
    auto* layout = new QVBoxLayout(this);
    for (const std::string& heading : {model.courseText(), model.dateText(), model.scoreText()}) {
        auto* line = new QLabel(text(heading), this);
        line->setAlignment(Qt::AlignHCenter);
        layout->addWidget(line);
    }
    const stats::BasicTexts& t = model.texts();

    auto* totals = new QGridLayout;
    totals->addWidget(new QLabel("Average Score", this), 0, 0);
    totals->addWidget(statsValueField(this, "averageScore", text(t.averageScore), 6), 0, 1);
    totals->addWidget(new QLabel("Total Rounds", this), 0, 3);
    totals->addWidget(statsValueField(this, "totalRounds", text(t.totalRounds), 6), 0, 4);
    totals->setColumnStretch(2, 1);
    layout->addLayout(totals);

    auto* detail = new QGroupBox("Detail Statistics for Rounds Entered By Hole", this);
    auto* grid = new QGridLayout(detail);
    grid->addWidget(new QLabel("Detail Rounds Used", detail), 0, 0);
    grid->addWidget(statsValueField(detail, "detailRounds", text(t.detailRounds), 6), 0, 1);
    grid->addWidget(new QLabel("Putts per Round", detail), 1, 0);
    grid->addWidget(statsValueField(detail, "puttsPerRound", text(t.puttsPerRound), 6), 1, 1);
    grid->addWidget(new QLabel("Fairways Hit", detail), 1, 2, Qt::AlignRight);
    grid->addWidget(statsValueField(detail, "fairwaysHit", text(t.fairwaysHit), 6), 1, 3);
    grid->addWidget(new QLabel("Greens In Regulation", detail), 1, 4, Qt::AlignRight);
    grid->addWidget(statsValueField(detail, "greensInRegulation", text(t.greensInRegulation), 6), 1, 5);

    auto* classes = new QGridLayout;
    const std::pair<const char*, const std::string*> values[] = {
        {"Eagles", &t.eagles}, {"Birdies", &t.birdies}, {"Pars", &t.pars},
        {"Bogeys", &t.bogeys}, {"Doubles", &t.doubles}, {"Others", &t.others},
    };
    int column = 0;
    for (const auto& [label, value] : values) {
        classes->addWidget(new QLabel(label, detail), 0, column, Qt::AlignHCenter);
        classes->addWidget(statsValueField(detail, QString(label).toLower(), text(*value), 6), 1, column);
        ++column;
    }
    grid->addLayout(classes, 2, 0, 1, 6);
    layout->addWidget(detail);

    layout->addLayout(statsButtons(
        this, [this] { finish(model_.ok()); }, [this] { model_.print(); }, [this] { showHelp(); }));
}

} // namespace kip::ui
