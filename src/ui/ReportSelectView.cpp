#include "ui/ReportSelectView.h"

#include "report/CListDlg.h"
#include "ui/DateField.h"
#include "ui/TabbedText.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace kip::ui {
namespace {

constexpr int courseTabStop = 150; // dialog units

// Course lines carry the city and state after a tab.
class TabbedItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString text = item.text;
        item.text.clear();
        QStyle* style = option.widget ? option.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, option.widget);
        const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, option.widget);
        painter->save();
        painter->setFont(item.font);
        const bool selected = option.state & QStyle::State_Selected;
        const bool enabled = option.state & QStyle::State_Enabled;
        painter->setPen(item.palette.color(enabled ? QPalette::Normal : QPalette::Disabled,
                                           selected ? QPalette::HighlightedText : QPalette::Text));
        const QFontMetrics metrics(item.font);
        const int stop = area.left() + report::dialogUnitsToPixels(courseTabStop, metrics.averageCharWidth());
        const int baseline = area.top() + (area.height() - metrics.height()) / 2 + metrics.ascent();
        drawTabbedText(*painter, metrics, area.left(), baseline, text, {stop});
        painter->restore();
    }
};

QDate toQDate(const platform::Date& date) {
    return QDate(date.year, date.month, date.day);
}

platform::Date fromQDate(const QDate& date) {
    return date.isValid() ? platform::Date{date.year(), date.month(), date.day()}
                          : platform::Date{-1, -1, -1};
}

} // namespace

ReportSelectView::ReportSelectView(stats::CReportSelect& model, QWidget* parent)
    : ModelDialog(parent, stats::CReportSelect::title(), "report-limits"), model_(model) {
    setObjectName("reportSelectView");
    auto* grid = new QGridLayout;

    auto* left = new QVBoxLayout;
    allCourses_ = new QCheckBox("Use All Courses", this);
    allCourses_->setObjectName("allCourses");
    courseLabel_ = new QLabel("Use Only Selected Course", this);
    courses_ = new QListWidget(this);
    courses_->setObjectName("courses");
    courses_->setItemDelegate(new TabbedItemDelegate(courses_));
    courses_->setMinimumWidth(
        report::dialogUnitsToPixels(courseTabStop + 90, fontMetrics().averageCharWidth()));
    for (const auto& line : model.courses())
        courses_->addItem(QString::fromStdString(line.text));
    teeOnly_ = new QCheckBox("Use Only the Tee Selected Below", this);
    teeOnly_->setObjectName("teeOnly");
    tees_ = new QListWidget(this);
    tees_->setObjectName("tees");
    tees_->setMaximumHeight(90);
    left->addWidget(allCourses_);
    left->addWidget(courseLabel_);
    left->addWidget(courses_, 1);
    left->addWidget(teeOnly_);
    left->addWidget(tees_);
    grid->addLayout(left, 0, 0);

    auto* right = new QGridLayout;
    holeLabel_ = new QLabel("Only For This Hole", this);
    hole_ = new QLineEdit(QString::fromStdString(model.holeText()), this);
    hole_->setObjectName("hole");
    hole_->setMaxLength(static_cast<int>(stats::CReportSelect::holeTextLimit));
    hole_->setFixedWidth(fontMetrics().horizontalAdvance("000") + 14);
    right->addWidget(holeLabel_, 0, 0);
    right->addWidget(hole_, 0, 1, Qt::AlignLeft);
    allDates_ = new QCheckBox("Use All Dates", this);
    allDates_->setObjectName("allDates");
    right->addWidget(allDates_, 1, 0, 1, 2);
    fromLabel_ = new QLabel("From Date", this);
    toLabel_ = new QLabel("To Date", this);
    from_ = new DateField(toQDate(model.fromDate()), this);
    from_->setObjectName("fromDate");
    to_ = new DateField(toQDate(model.toDate()), this);
    to_->setObjectName("toDate");
    right->addWidget(fromLabel_, 2, 0);
    right->addWidget(from_, 2, 1);
    right->addWidget(toLabel_, 3, 0);
    right->addWidget(to_, 3, 1);
    greater_ = new QCheckBox("Use Only Scores Greater Than", this);
    greater_->setObjectName("scoreGreater");
    less_ = new QCheckBox("Use Only Scores Less Than", this);
    less_->setObjectName("scoreLess");
    right->addWidget(greater_, 4, 0, 1, 2);
    right->addWidget(less_, 5, 0, 1, 2);
    scoreLabel_ = new QLabel("Score", this);
    score_ = new QSpinBox(this);
    score_->setObjectName("score");
    score_->setRange(stats::CReportSelect::scoreLowest, stats::CReportSelect::scoreHighest);
    score_->setValue(model.scoreBound());
    right->addWidget(scoreLabel_, 6, 0);
    right->addWidget(score_, 6, 1, Qt::AlignLeft);
    right->setRowStretch(7, 1);
    grid->addLayout(right, 0, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("ok");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("cancel");
    auto* help = new QPushButton("Help", this);
    help->setObjectName("help");
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(allCourses_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setAllCourses(on);
        showModel();
    });
    connect(courses_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.selectCourse(row);
        fillTees();
        showModel();
    });
    connect(teeOnly_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setTeeOnly(on);
        showModel();
    });
    connect(tees_, &QListWidget::currentRowChanged, this, [this](int row) { model_.selectTee(row); });
    connect(hole_, &QLineEdit::textChanged, this,
            [this](const QString& text) { model_.setHoleText(text.toStdString()); });
    connect(allDates_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setAllDates(on);
        showModel();
    });
    connect(from_, &DateField::dateChanged, this,
            [this](const QDate& d) { model_.setFromDate(fromQDate(d)); });
    connect(to_, &DateField::dateChanged, this, [this](const QDate& d) { model_.setToDate(fromQDate(d)); });
    connect(score_, &QSpinBox::textChanged, this, [this] { takeScoreText(); });
    connect(greater_, &QCheckBox::clicked, this, [this](bool on) {
        model_.setScoreGreater(on);
        showModel();
    });
    connect(less_, &QCheckBox::clicked, this, [this](bool on) {
        model_.setScoreLess(on);
        showModel();
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        takeScoreText();
        if (model_.ok())
            finish(platform::dialogOk);
    });
    connect(cancel, &QPushButton::clicked, this, [this] { finish(model_.cancel()); });
    connect(help, &QPushButton::clicked, this, &ReportSelectView::showHelp);
    showModel();
}

void ReportSelectView::takeScoreText() {
    model_.setScoreText(score_->cleanText().toStdString());
}

void ReportSelectView::fillTees() {
    const QSignalBlocker block(tees_);
    tees_->clear();
    for (const auto& line : model_.tees())
        tees_->addItem(QString::fromStdString(line.text));
}

void ReportSelectView::showModel() {
    const QSignalBlocker blockCourses(courses_);
    const QSignalBlocker blockTees(tees_);
    const QSignalBlocker blockAll(allCourses_);
    const QSignalBlocker blockTee(teeOnly_);
    const QSignalBlocker blockDates(allDates_);
    allCourses_->setChecked(model_.allCourses());
    courseLabel_->setEnabled(model_.courseListEnabled());
    courses_->setEnabled(model_.courseListEnabled());
    if (model_.selectedCourse() < 0)
        courses_->clearSelection();
    courses_->setCurrentRow(model_.selectedCourse());
    teeOnly_->setEnabled(model_.teeCheckEnabled());
    teeOnly_->setChecked(model_.teeOnly());
    if (tees_->count() != static_cast<int>(model_.tees().size()))
        fillTees();
    tees_->setEnabled(model_.teeListEnabled());
    if (model_.selectedTee() < 0)
        tees_->clearSelection();
    tees_->setCurrentRow(model_.selectedTee());
    holeLabel_->setEnabled(model_.holeEnabled());
    hole_->setEnabled(model_.holeEnabled());
    allDates_->setChecked(model_.allDates());
    for (QWidget* w : std::initializer_list<QWidget*>{fromLabel_, toLabel_, from_, to_})
        w->setEnabled(model_.datesEnabled());
    greater_->setEnabled(model_.scoreChecksEnabled());
    less_->setEnabled(model_.scoreChecksEnabled());
    greater_->setChecked(model_.scoreGreater());
    less_->setChecked(model_.scoreLess());
    scoreLabel_->setEnabled(model_.scoreFieldEnabled());
    score_->setEnabled(model_.scoreFieldEnabled());
}

} // namespace kip::ui
