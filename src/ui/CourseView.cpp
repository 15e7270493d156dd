#include "ui/CourseView.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace kip::ui {
namespace {

using manage::CourseRow;
using manage::CourseText;

std::size_t rowIndex(CourseRow row) {
    return row == CourseRow::Yardage ? 0 : 1;
}

// The card's colours: a dark green header band, light cells and a thin rule between them.
constexpr const char* cardStyle =
    "QFrame#scorecard { background: #fbfaf3; border: 2px solid #1f5631; }"
    "QLabel[cell=\"head\"] { background: #1f5631; color: white; font-weight: bold; padding: 3px; }"
    "QLabel[cell=\"nine\"] { color: #1f5631; font-weight: bold; padding-top: 4px; }"
    "QLabel[cell=\"row\"] { background: #e4eddc; color: #1f3a26; font-weight: bold; padding: 3px 6px; }"
    "QLabel[cell=\"sum\"] { background: #e4eddc; color: #1f3a26; font-weight: bold; border: 1px solid "
    "#b9c8b0; }"
    "QLineEdit[cell=\"hole\"] { border: 1px solid #b9c8b0; background: white; }"
    "QLineEdit[cell=\"hole\"]:read-only { background: #f4f4ee; }";

QLabel* cell(const QString& text, const char* kind, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setProperty("cell", kind);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

CourseView::CourseView(manage::CCourseDlg& model, QWidget* parent)
    : ModelDialog(parent, QString::fromStdString(model.title()), "courses"), model_(model) {
    setObjectName("courseView");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeDetails());
    if (model_.enterTextShown()) {
        auto* enter = new QLabel(manage::CCourseDlg::enterText(), this);
        enter->setObjectName("enterText");
        layout->addWidget(enter);
    }
    layout->addWidget(makeCard());

    auto* metersRow = new QHBoxLayout;
    if (model_.metersCheckShown()) {
        meters_ = new QCheckBox(manage::CCourseDlg::metersLabel(), this);
        meters_->setObjectName("meters");
        meters_->setChecked(model_.meters());
        meters_->setEnabled(!model_.readOnly());
        connect(meters_, &QCheckBox::toggled, this, [this](bool on) { model_.setMeters(on); });
        metersRow->addWidget(meters_);
    }
    if (model_.metersNoteShown()) {
        auto* note = new QLabel(manage::CCourseDlg::metersNote(), this);
        note->setObjectName("metersNote");
        note->setStyleSheet("color: #8a2d1f; font-weight: bold;");
        metersRow->addWidget(note);
    }
    metersRow->addStretch();
    layout->addLayout(metersRow);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    saveAndQuit_ = new QPushButton(QString::fromStdString(model_.firstButton()), this);
    saveAndQuit_->setObjectName("saveAndQuit");
    saveAndQuit_->setDefault(true);
    saveAndQuit_->setAutoDefault(true);
    connect(saveAndQuit_, &QPushButton::clicked, this, [this] { press(model_.pressSaveAndQuit()); });
    buttons->addWidget(saveAndQuit_);
    if (model_.saveAndNewTeeShown()) {
        saveAndNewTee_ = new QPushButton("Save and New Tee", this);
        saveAndNewTee_->setObjectName("saveAndNewTee");
        saveAndNewTee_->setAutoDefault(false);
        connect(saveAndNewTee_, &QPushButton::clicked, this, [this] { press(model_.pressSaveAndNewTee()); });
        buttons->addWidget(saveAndNewTee_);
    }
    if (model_.cancelShown()) {
        auto* cancel = new QPushButton("Cancel", this);
        cancel->setAutoDefault(false);
        connect(cancel, &QPushButton::clicked, this, [this] { finish(model_.cancel()); });
        buttons->addWidget(cancel);
    }
    auto* help = new QPushButton("Help", this);
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, &CourseView::showHelp);
    buttons->addWidget(help);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    showSums();
    texts_.at(0)->setFocus();
}

QWidget* CourseView::makeDetails() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto add = [&](CourseText field, int row, int column, int span, int width) {
        auto* label = new QLabel(manage::CCourseDlg::label(field), box);
        auto* edit = new QLineEdit(QString::fromStdString(model_.text(field)), box);
        edit->setObjectName(QString("text%1").arg(static_cast<int>(field)));
        if (manage::CCourseDlg::maxLength(field) > 0)
            edit->setMaxLength(manage::CCourseDlg::maxLength(field));
        if (field == CourseText::Slope)
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
        if (width > 0)
            edit->setFixedWidth(width);
        edit->setReadOnly(model_.readOnly());
        label->setBuddy(edit);
        connect(edit, &QLineEdit::textEdited, this, [this, field, edit](const QString& text) {
            model_.setText(field, text.toStdString());
            const QString shown = QString::fromStdString(model_.text(field));
            if (shown != text) {
                const int cursor = edit->cursorPosition();
                edit->setText(shown);
                edit->setCursorPosition(cursor);
            }
        });
        texts_.at(static_cast<std::size_t>(field)) = edit;
        grid->addWidget(label, row, column);
        grid->addWidget(edit, row, column + 1, 1, span);
    };
    add(CourseText::Name, 0, 0, 5, 0);
    add(CourseText::City, 1, 0, 1, 0);
    add(CourseText::State, 1, 2, 1, 90);
    add(CourseText::Zip, 1, 4, 1, 90);
    add(CourseText::Phone, 2, 0, 1, 0);
    add(CourseText::Tee, 2, 2, 3, 0);
    add(CourseText::Rating, 3, 0, 1, 70);
    add(CourseText::Slope, 3, 2, 1, 70);
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* CourseView::makeCard() {
    auto* card = new QFrame(this);
    card->setObjectName("scorecard");
    card->setStyleSheet(cardStyle);
    auto* grid = new QGridLayout(card);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);
    addNine(grid, 0, 1);
    addNine(grid, 5, 10);
    return card;
}

// One nine: its heading, the hole numbers with Out (or In and Total), then Yardage above Par.
void CourseView::addNine(QGridLayout* grid, int top, int first) {
    QWidget* card = grid->parentWidget();
    auto* heading = cell(first == 1 ? "Front Nine" : "Back Nine", "nine", card);
    heading->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    grid->addWidget(heading, top, 0, 1, 4);
    grid->addWidget(cell("Hole", "head", card), top + 1, 0);
    for (int i = 0; i < 9; ++i)
        grid->addWidget(cell(QString::number(first + i), "head", card), top + 1, 1 + i);
    const QStringList sumNames = first == 1 ? QStringList{"Out"} : QStringList{"In", "Total"};
    for (int s = 0; s < sumNames.size(); ++s)
        grid->addWidget(cell(sumNames[s], "head", card), top + 1, 10 + s);

    const auto validator = QRegularExpression("[0-9]*");
    int line = top + 2;
    for (const CourseRow row : {CourseRow::Yardage, CourseRow::Par}) {
        grid->addWidget(cell(row == CourseRow::Yardage ? "Yardage" : "Par", "row", card), line, 0);
        for (int i = 0; i < 9; ++i) {
            const int hole = first + i;
            auto* edit = new QLineEdit(QString::fromStdString(model_.holeText(row, hole)), card);
            edit->setProperty("cell", "hole");
            edit->setObjectName(QString("%1%2").arg(row == CourseRow::Yardage ? "yardage" : "par").arg(hole));
            edit->setAlignment(Qt::AlignCenter);
            edit->setFixedWidth(46);
            edit->setMaxLength(4);
            edit->setValidator(new QRegularExpressionValidator(validator, edit));
            edit->setReadOnly(model_.readOnly());
            connect(edit, &QLineEdit::textEdited, this, [this, row, hole](const QString& text) {
                model_.setHoleText(row, hole, text.toStdString());
            });
            connect(edit, &QLineEdit::editingFinished, this, [this, row, hole] {
                model_.leaveHole(row, hole);
                showSums();
            });
            holes_.at(rowIndex(row)).at(static_cast<std::size_t>(hole)) = edit;
            grid->addWidget(edit, line, 1 + i);
        }
        const std::vector<int> which = first == 1 ? std::vector<int>{0} : std::vector<int>{1, 2};
        for (std::size_t s = 0; s < which.size(); ++s) {
            auto* sum = cell("", "sum", card);
            sum->setMinimumWidth(52);
            sum->setObjectName(QString("sum%1_%2").arg(rowIndex(row)).arg(which[s]));
            sums_.at(rowIndex(row)).at(static_cast<std::size_t>(which[s])) = sum;
            grid->addWidget(sum, line, 10 + static_cast<int>(s));
        }
        ++line;
    }
    addStrokeIndexRow(grid, line, first);
}

// Under Par: the stroke index of each hole, which has no sums.
void CourseView::addStrokeIndexRow(QGridLayout* grid, int line, int first) {
    QWidget* card = grid->parentWidget();
    grid->addWidget(cell(manage::CCourseDlg::strokeIndexLabel(), "row", card), line, 0);
    const auto validator = QRegularExpression("[0-9]*");
    for (int i = 0; i < 9; ++i) {
        const int hole = first + i;
        auto* edit = new QLineEdit(QString::fromStdString(model_.strokeIndexText(hole)), card);
        edit->setProperty("cell", "hole");
        edit->setObjectName(QString("strokeIndex%1").arg(hole));
        edit->setAlignment(Qt::AlignCenter);
        edit->setFixedWidth(46);
        edit->setMaxLength(2);
        edit->setValidator(new QRegularExpressionValidator(validator, edit));
        edit->setReadOnly(model_.readOnly());
        connect(edit, &QLineEdit::textEdited, this,
                [this, hole](const QString& text) { model_.setStrokeIndexText(hole, text.toStdString()); });
        strokeIndexes_.at(static_cast<std::size_t>(hole)) = edit;
        grid->addWidget(edit, line, 1 + i);
    }
}

QLineEdit* CourseView::holeField(CourseRow row, int hole) const {
    return holes_.at(rowIndex(row)).at(static_cast<std::size_t>(hole));
}

QLabel* CourseView::sumLabel(CourseRow row, int which) const {
    return sums_.at(rowIndex(row)).at(static_cast<std::size_t>(which));
}

void CourseView::showSums() {
    for (const CourseRow row : {CourseRow::Yardage, CourseRow::Par}) {
        sumLabel(row, 0)->setText(QString::number(model_.out(row)));
        sumLabel(row, 1)->setText(QString::number(model_.in(row)));
        sumLabel(row, 2)->setText(QString::number(model_.total(row)));
    }
}

void CourseView::press(int result) {
    if (result != manage::dialogStayOpen)
        finish(result);
}

} // namespace kip::ui
