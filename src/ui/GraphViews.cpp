#include "ui/GraphViews.h"

#include "ui/DateField.h"
#include "ui/QtPainterSurface.h"
#include "ui/StatsFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace kip::ui {
namespace {

QDate toQDate(const platform::Date& d) {
    return QDate(d.year, d.month, d.day);
}

platform::Date fromQDate(const QDate& d) {
    return {d.year(), d.month(), d.day()};
}

QPushButton* addButton(QHBoxLayout* row, QWidget* parent, const char* text, const char* name) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(name);
    row->addWidget(button);
    return button;
}

} // namespace

CGraphDraw::CGraphDraw(stats::CGraphStatsDlg& model, QWidget* parent) : QWidget(parent), model_(model) {
    setObjectName("graph");
    setMinimumSize(400, 260);
    // The legend is laid out in average character widths: a fixed-pitch face keeps it exact.
    setFont(statsFixedFont());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CGraphDraw::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    painter.setFont(font());
    QtPainterSurface surface(painter, size());
    model_.draw({0, 0, width() - 1, height() - 1}, surface);
    // The message waits until the painting is over.
    if (model_.tooManyRoundsPending())
        QTimer::singleShot(0, this, [this] {
            if (model_.tooManyRoundsPending())
                model_.showTooManyRounds();
        });
}

void CGraphDraw::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const std::optional<std::string> text = model_.click(at.x(), at.y());
    if (popup_)
        popup_->close();
    if (!text)
        return;
    popup_ = new QMenu(this);
    popup_->setObjectName("graphPopup");
    popup_->setAttribute(Qt::WA_DeleteOnClose);
    QAction* line = popup_->addAction(QString::fromStdString(*text));
    line->setEnabled(false);
    connect(popup_, &QMenu::aboutToHide, this, [this] { model_.popupClosed(); });
    popup_->popup(event->globalPosition().toPoint());
}

GraphStatsView::GraphStatsView(stats::CGraphStatsDlg& model, QWidget* parent)
    : ModelDialog(parent, QString::fromStdString(model.title()), "stats-graph"), model_(model) {
    setObjectName("graphStatsView");
    setSizeGripEnabled(true);
    rememberPlaceAs("Graph");
    auto* layout = new QVBoxLayout(this);
    graph_ = new CGraphDraw(model, this);
    layout->addWidget(graph_, 1);
    auto* row = new QHBoxLayout;
    row->addStretch();
    QPushButton* ok = addButton(row, this, "OK", "ok");
    ok->setDefault(true);
    QPushButton* print = addButton(row, this, "Print", "print");
    print->setEnabled(model.canPrint());
    QPushButton* help = addButton(row, this, "Help", "help");
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, [this] { finish(model_.ok()); });
    connect(print, &QPushButton::clicked, this, [this] { model_.print(); });
    connect(help, &QPushButton::clicked, this, [this] { showHelp(); });
}

GraphSelectView::GraphSelectView(stats::CGraphSelectDlg& model, QWidget* parent)
    : ModelDialog(parent, stats::CGraphSelectDlg::title(), "stats-graph"), model_(model) {
    setObjectName("graphSelectView");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    golfer_ = new QComboBox(this);
    golfer_->setObjectName("golfer");
    for (const auto& line : model.golfers())
        golfer_->addItem(QString::fromStdString(line.text));
    golfer_->setCurrentIndex(model.selectedGolfer());
    form->addRow(tr("Select Golfer"), golfer_);
    from_ = new DateField(toQDate(model.fromDate()), this);
    from_->setObjectName("fromDate");
    form->addRow(tr("From Date"), from_);
    to_ = new DateField(toQDate(model.toDate()), this);
    to_->setObjectName("toDate");
    form->addRow(tr("To Date"), to_);
    layout->addLayout(form);

    auto* explanation = new QLabel(stats::CGraphSelectDlg::explanation(), this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);

    auto* columns = new QHBoxLayout;
    const std::pair<const char*, std::vector<stats::GraphBox>> groups[] = {
        {"Column A", {stats::GraphBox::Scores, stats::GraphBox::Putts}},
        {"Column B", {stats::GraphBox::Fairways, stats::GraphBox::Greens, stats::GraphBox::ParsOrLess}},
    };
    for (const auto& [title, members] : groups) {
        auto* group = new QGroupBox(QString::fromUtf8(title), this);
        auto* inside = new QVBoxLayout(group);
        for (const stats::GraphBox which : members) {
            auto* check = new QCheckBox(stats::CGraphSelectDlg::label(which), group);
            check->setObjectName(stats::CGraphSelectDlg::label(which));
            inside->addWidget(check);
            boxes_[static_cast<std::size_t>(which)] = check;
            connect(check, &QCheckBox::clicked, this, [this, which](bool on) {
                model_.click(which, on);
                showModel();
            });
        }
        inside->addStretch();
        columns->addWidget(group);
    }
    layout->addLayout(columns);

    auto* row = new QHBoxLayout;
    row->addStretch();
    QPushButton* ok = addButton(row, this, "OK", "ok");
    ok->setDefault(true);
    QPushButton* cancel = addButton(row, this, "Cancel", "cancel");
    QPushButton* help = addButton(row, this, "Help", "help");
    layout->addLayout(row);
    connect(golfer_, &QComboBox::currentIndexChanged, this,
            [this](int index) { model_.selectGolfer(index); });
    connect(ok, &QPushButton::clicked, this, [this] {
        takeDates();
        const int result = model_.pressOk();
        if (result != 0)
            finish(result);
    });
    connect(cancel, &QPushButton::clicked, this, [this] { finish(model_.cancel()); });
    connect(help, &QPushButton::clicked, this, [this] { showHelp(); });
    showModel();
}

void GraphSelectView::takeDates() {
    model_.setFromDate(fromQDate(from_->date()));
    model_.setToDate(fromQDate(to_->date()));
}

void GraphSelectView::showModel() {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const auto which = static_cast<stats::GraphBox>(i);
        boxes_[i]->setChecked(model_.checked(which));
        boxes_[i]->setEnabled(model_.enabled(which));
    }
}

} // namespace kip::ui
