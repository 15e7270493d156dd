#include "ui/FairwaysView.h"

#include "ui/StatsFields.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kip::ui {
namespace {

const char* const fairwayTitles[stats::fairwayFields] = {"# Holes",   "Fw Hit", "Greens Hit",
                                                         "Below Par", "Par",    "<=Par"};
const char* const greenTitles[stats::fairwayFields] = {"# Holes",   "Greens Hit", "Putts",
                                                       "Below Par", "Par",        "<=Par"};

QFont courier() {
    QFont font("Courier", 10);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

// One row: its label, its header line, and each field starting where its column title starts.
QWidget* fairwayRow(QWidget* parent, const QString& name, const char* label, const char* header,
                    const char* const (&titles)[stats::fairwayFields],
                    const std::array<std::string, stats::fairwayFields>& values) {
    auto* row = new QWidget(parent);
    row->setObjectName(name);
    const QFontMetrics metrics(courier());
    const int charWidth = metrics.horizontalAdvance('0');
    const QString headerText = header;
    auto* caption = new QLabel(label, row);
    caption->move(0, 0);
    auto* headerLine = new QLabel(headerText, row);
    headerLine->move(0, metrics.height() + 8);
    const int fieldTop = 2 * metrics.height() + 14;
    int from = 0;
    for (int i = 0; i < stats::fairwayFields; ++i) {
        const int start = static_cast<int>(headerText.indexOf(titles[i], from));
        from = start + static_cast<int>(std::char_traits<char>::length(titles[i]));
        const int end = i + 1 < stats::fairwayFields
                            ? static_cast<int>(headerText.indexOf(titles[i + 1], from)) - 1
                            : static_cast<int>(headerText.size()) + 1;
        auto* field = new QLineEdit(QString::fromStdString(values[static_cast<std::size_t>(i)]), row);
        field->setObjectName(QString("%1%2").arg(name).arg(i));
        field->setReadOnly(true);
        field->setFont(courier());
        field->setFocusPolicy(Qt::TabFocus);
        field->setTextMargins(0, 0, 0, 0);
        field->setGeometry(start * charWidth - 3, fieldTop, (end - start) * charWidth + 6,
                           metrics.height() + 8);
    }
    row->setFixedSize(static_cast<int>(headerText.size() + 2) * charWidth, fieldTop + metrics.height() + 10);
    return row;
}

} // namespace

FairwaysView::FairwaysView(stats::CFairways& model, QWidget* parent)
    : ModelDialog(parent, QString::fromStdString(model.title()), "stats-fairways"), model_(model) {
    setObjectName("fairwaysView");
    setFont(courier());
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->addWidget(fairwayRow(this, "fairway", stats::CFairways::fairwayRowLabel(),
                                 stats::CFairways::fairwayHeader(), fairwayTitles, model.fairwayTexts()));
    layout->addWidget(fairwayRow(this, "green", stats::CFairways::greenRowLabel(),
                                 stats::CFairways::greenHeader(), greenTitles, model.greenTexts()));
    layout->addLayout(statsButtons(
        this, [this] { finish(model_.ok()); }, nullptr, [this] { showHelp(); }));
}

} // namespace kip::ui
