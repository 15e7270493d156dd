#include "ui/ScoresView.h"

#include "ui/DateField.h"

#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace kip::ui {
namespace {

using rounds::CScoresDlg;
using rounds::Focus;

constexpr int holeColumnWidth = 38;
constexpr int frontNine = 1;
constexpr int backNine = 10;

std::size_t slot(int hole) {
    return static_cast<std::size_t>(hole);
}

QString number(int value) {
    return QString::number(value);
}

QDate qDate(const platform::Date& date) {
    return QDate(date.year, date.month, date.day);
}

void setTextQuietly(QLineEdit* field, const QString& text) {
    if (field->text() == text)
        return;
    const QSignalBlocker quiet(field);
    field->setText(text);
}

void setCheckedQuietly(QCheckBox* box, bool on) {
    const QSignalBlocker quiet(box);
    box->setChecked(on);
}

// A cell of the card that only shows a number of the course.
QLabel* cardNumber(int value, QWidget* parent) {
    auto* label = new QLabel(number(value), parent);
    label->setAlignment(Qt::AlignCenter);
    label->setFixedWidth(holeColumnWidth);
    return label;
}

QLabel* heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

ScoresView::ScoresView(CScoresDlg& model, QWidget* parent)
    : ModelDialog(parent, QString::fromStdString(model.title()), "round-editor"), model_(model) {
    setObjectName("scoresView");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildHeader());
    layout->addWidget(buildNine(frontNine));
    layout->addWidget(buildNine(backNine));
    layout->addWidget(buildOptions());
    auto* metres = new QLabel("Distances are in Meters for This Course", this);
    metres->setObjectName("metresNote");
    metres->setVisible(model_.metresNoteShown());
    QFont bold = metres->font();
    bold.setBold(true);
    metres->setFont(bold);
    layout->addWidget(metres);
    if (model_.textFileButtonsShown())
        layout->addWidget(buildTextFileArea());
    layout->addLayout(buildButtons());
    setTabOrder();
    showModel();
}

QWidget* ScoresView::buildHeader() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto readOnly = [box](const std::string& text, const char* name) {
        auto* field = new QLineEdit(QString::fromStdString(text), box);
        field->setObjectName(name);
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::NoFocus);
        return field;
    };
    const rounds::ScoresCard& card = model_.card();
    grid->addWidget(new QLabel("Course", box), 0, 0);
    auto* course = readOnly(card.courseName, "course");
    course->setMinimumWidth(280);
    grid->addWidget(course, 0, 1, 1, 3);
    grid->addWidget(new QLabel("Tee", box), 0, 4);
    grid->addWidget(readOnly(card.tee, "tee"), 0, 5);
    grid->addWidget(new QLabel("Date Played", box), 1, 0);
    date_ = new DateField(box);
    date_->setObjectName("datePlayed");
    if (rounds::isValidDate(card.datePlayed))
        date_->setDate(qDate(card.datePlayed));
    date_->setEnabled(model_.optionsEnabled());
    connect(date_, &DateField::dateChanged, this, [this](QDate d) {
        model_.setDatePlayed({d.year(), d.month(), d.day()});
    });
    grid->addWidget(date_, 1, 1);
    grid->addWidget(new QLabel("Rating", box), 1, 2, Qt::AlignRight);
    grid->addWidget(readOnly(QString::number(card.rating, 'f', 1).toStdString(), "rating"), 1, 3);
    grid->addWidget(new QLabel("Slope", box), 1, 4);
    grid->addWidget(readOnly(std::to_string(card.slope), "slope"), 1, 5);
    if (model_.pccShown()) {
        grid->addWidget(new QLabel("PCC", box), 1, 6);
        pcc_ = new QLineEdit(QString::fromStdString(card.pccText), box);
        pcc_->setObjectName("pcc");
        pcc_->setMaxLength(4);
        pcc_->setFixedWidth(holeColumnWidth);
        pcc_->setReadOnly(!model_.optionsEnabled());
        pcc_->setToolTip("Playing conditions calculation of the day, from -1 to 3");
        connect(pcc_, &QLineEdit::textEdited, this,
                [this](const QString& text) { model_.changePccText(text.toStdString()); });
        grid->addWidget(pcc_, 1, 7);
    }
    return box;
}

QLineEdit* ScoresView::numberField(const QString& name) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setFixedWidth(holeColumnWidth);
    field->setAlignment(Qt::AlignCenter);
    field->setMaxLength(3);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), field));
    field->setReadOnly(!model_.holeFieldsEditable());
    field->installEventFilter(this);
    return field;
}

QLineEdit* ScoresView::totalField(const QString& name) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setFixedWidth(holeColumnWidth + 8);
    field->setAlignment(Qt::AlignCenter);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setStyleSheet("QLineEdit { background: palette(window); font-weight: bold; }");
    return field;
}

QWidget* ScoresView::buildNine(int firstHole) {
    const bool front = firstHole == frontNine;
    auto* box = new QGroupBox(front ? "Front Nine" : "Back Nine", this);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    enum Row { HoleRow, YardageRow, ParRow, StrokesRow, PuttsRow, FairwayRow, GreenRow };
    const char* rowNames[] = {"Hole", "Yardage", "Par", "Strokes", "Putts", "Fairway Hit", "Green In Reg."};
    for (int row = HoleRow; row <= GreenRow; ++row) {
        auto* label = row == HoleRow ? heading(rowNames[row], box) : new QLabel(rowNames[row], box);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        grid->addWidget(label, row, 0);
    }
    // The hole numbers and the course rows stand on a band of their own, as on a printed card.
    auto* band = new QFrame(box);
    band->setObjectName("courseBand");
    band->setStyleSheet("#courseBand { background: #dcebd9; border-radius: 3px; }");
    grid->addWidget(band, HoleRow, 1, ParRow + 1, 9 + (front ? 1 : 2));
    band->lower();

    const rounds::ScoresCard& card = model_.card();
    for (int i = 0; i < 9; ++i) {
        const int hole = firstHole + i;
        const int column = 1 + i;
        grid->addWidget(heading(number(hole), box), HoleRow, column);
        grid->addWidget(cardNumber(card.yardage[slot(hole)], box), YardageRow, column);
        grid->addWidget(cardNumber(card.par[slot(hole)], box), ParRow, column);
        strokes_[slot(hole)] = numberField(QString("strokes%1").arg(hole));
        putts_[slot(hole)] = numberField(QString("putts%1").arg(hole));
        grid->addWidget(strokes_[slot(hole)], StrokesRow, column);
        grid->addWidget(putts_[slot(hole)], PuttsRow, column);
        connect(strokes_[slot(hole)], &QLineEdit::textEdited, this,
                [this, hole](const QString& text) { strokesEdited(hole, text); });
        connect(putts_[slot(hole)], &QLineEdit::textEdited, this,
                [this, hole](const QString& text) { puttsEdited(hole, text); });

        auto* fairway = new QCheckBox(box);
        fairway->setObjectName(QString("fairway%1").arg(hole));
        fairway->setEnabled(model_.fairwayEnabled(hole));
        auto* green = new QCheckBox(box);
        green->setObjectName(QString("green%1").arg(hole));
        green->setEnabled(model_.greenEnabled(hole));
        fairways_[slot(hole)] = fairway;
        greens_[slot(hole)] = green;
        grid->addWidget(fairway, FairwayRow, column, Qt::AlignCenter);
        grid->addWidget(green, GreenRow, column, Qt::AlignCenter);
        connect(fairway, &QCheckBox::clicked, this, [this, hole](bool on) {
            model_.setFairway(hole, on);
            showModel();
        });
        connect(green, &QCheckBox::clicked, this, [this, hole](bool on) {
            model_.setGreen(hole, on);
            showModel();
        });
    }

    const int sumColumn = 10;
    grid->addWidget(heading(front ? "Out" : "In", box), HoleRow, sumColumn);
    QLineEdit*& yardage = front ? outYardage_ : inYardage_;
    QLineEdit*& par = front ? outPar_ : inPar_;
    QLineEdit*& strokes = front ? outStrokes_ : inStrokes_;
    const QString prefix = front ? "out" : "in";
    yardage = totalField(prefix + "Yardage");
    par = totalField(prefix + "Par");
    strokes = totalField(prefix + "Strokes");
    grid->addWidget(yardage, YardageRow, sumColumn);
    grid->addWidget(par, ParRow, sumColumn);
    grid->addWidget(strokes, StrokesRow, sumColumn);
    if (!front) {
        const int totalColumn = 11;
        grid->addWidget(heading("Total", box), HoleRow, totalColumn);
        totalYardage_ = totalField("totalYardage");
        totalPar_ = totalField("totalPar");
        totalStrokes_ = totalField("totalStrokes");
        totalPutts_ = totalField("totalPutts");
        fairwaysHit_ = totalField("fairwaysHit");
        greensHit_ = totalField("greensHit");
        grid->addWidget(totalYardage_, YardageRow, totalColumn);
        grid->addWidget(totalPar_, ParRow, totalColumn);
        grid->addWidget(totalStrokes_, StrokesRow, totalColumn);
        grid->addWidget(totalPutts_, PuttsRow, totalColumn);
        grid->addWidget(fairwaysHit_, FairwayRow, totalColumn);
        grid->addWidget(greensHit_, GreenRow, totalColumn);
    } else {
        // Both blocks keep their columns under each other.
        grid->setColumnMinimumWidth(11, holeColumnWidth + 8);
    }
    return box;
}

QWidget* ScoresView::buildOptions() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto check = [this, box](const char* text, const char* name, bool on, bool enabled) {
        auto* b = new QCheckBox(text, box);
        b->setObjectName(name);
        b->setChecked(on);
        b->setEnabled(enabled);
        return b;
    };
    keepPoints_ =
        check("Keep Points for Round", "keepPoints", model_.card().keepPoints, model_.keepPointsEnabled());
    noFairwayStats_ = check("Do Not Include Round in Fairway Stats", "noFairwayStats",
                            model_.card().noFairwayStats, model_.optionsEnabled());
    tabbingOff_ = check("Turn Off Automatic Tabbing", "tabbingOff", model_.automaticTabbingOff(),
                        model_.optionsEnabled());
    skipPutts_ = check("Skip Putts", "skipPutts", model_.skipPutts(), model_.skipPuttsEnabled());
    connect(keepPoints_, &QCheckBox::clicked, this, [this](bool on) { model_.setKeepPoints(on); });
    connect(noFairwayStats_, &QCheckBox::clicked, this, [this](bool on) { model_.setNoFairwayStats(on); });
    connect(tabbingOff_, &QCheckBox::clicked, this, [this](bool on) {
        model_.setAutomaticTabbingOff(on);
        showModel();
    });
    connect(skipPutts_, &QCheckBox::clicked, this, [this](bool on) { model_.setSkipPutts(on); });
    grid->addWidget(keepPoints_, 0, 0);
    grid->addWidget(noFairwayStats_, 1, 0);
    grid->addWidget(tabbingOff_, 0, 1);
    grid->addWidget(skipPutts_, 1, 1);

    if (model_.pointsShown()) {
        auto* points = new QHBoxLayout;
        points->addWidget(new QLabel("Points", box));
        auto* field = new QLineEdit(QString::fromStdString(model_.card().pointsText), box);
        field->setObjectName("points");
        field->setReadOnly(true);
        field->setFixedWidth(60);
        field->setFocusPolicy(Qt::NoFocus);
        points->addWidget(field);
        auto* rules = new QPushButton("Show Points Rules", box);
        rules->setObjectName("showPointsRules");
        connect(rules, &QPushButton::clicked, this, [this] { model_.showPointsRules(); });
        points->addWidget(rules);
        grid->addLayout(points, 0, 2, 2, 1, Qt::AlignRight);
    }
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* ScoresView::buildTextFileArea() {
    auto* box = new QFrame(this);
    box->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(box);
    auto* note =
        new QLabel("The following two options do not load or save information using the Kip Golf "
                   "databases. You must use one of the SAVE AND ... buttons below to save this round "
                   "to the database.",
                   box);
    note->setWordWrap(true);
    row->addWidget(note, 1);
    auto* save = new QPushButton("Save to Text File", box);
    save->setObjectName("saveToTextFile");
    auto* load = new QPushButton("Load from Text File", box);
    load->setObjectName("loadFromTextFile");
    connect(save, &QPushButton::clicked, this, [this] {
        model_.saveToTextFile();
        showModel();
    });
    connect(load, &QPushButton::clicked, this, [this] {
        model_.loadFromTextFile();
        if (rounds::isValidDate(model_.card().datePlayed)) {
            const QSignalBlocker quiet(date_);
            date_->setDate(qDate(model_.card().datePlayed));
        }
        showModel();
    });
    row->addWidget(save);
    row->addWidget(load);
    return box;
}

QLayout* ScoresView::buildButtons() {
    auto* row = new QHBoxLayout;
    const auto button = [this, row](const std::string& text, const char* name) {
        auto* b = new QPushButton(QString::fromStdString(text), this);
        b->setObjectName(name);
        row->addWidget(b);
        return b;
    };
    saveAndQuit_ = button(model_.saveAndQuitCaption(), "saveAndQuit");
    saveAndQuit_->setDefault(true);
    connect(saveAndQuit_, &QPushButton::clicked, this, [this] { pressSave(&CScoresDlg::saveAndQuit); });
    if (model_.newRoundButtonsShown()) {
        saveAndNewRound_ = button("Save and New Round", "saveAndNewRound");
        saveAndNewGolfer_ = button("Save and New Golfer", "saveAndNewGolfer");
        connect(saveAndNewRound_, &QPushButton::clicked, this,
                [this] { pressSave(&CScoresDlg::saveAndNewRound); });
        connect(saveAndNewGolfer_, &QPushButton::clicked, this,
                [this] { pressSave(&CScoresDlg::saveAndNewGolfer); });
    }
    if (model_.cancelShown()) {
        cancel_ = button("Cancel", "cancel");
        connect(cancel_, &QPushButton::clicked, this, &ScoresView::reject);
    }
    auto* help = button("Help", "help");
    connect(help, &QPushButton::clicked, this, &ScoresView::showHelp);
    if (model_.printShown()) {
        print_ = button("Print", "print");
        connect(print_, &QPushButton::clicked, this, [this] { model_.print(); });
    }
    row->insertStretch(0);
    return row;
}

void ScoresView::setTabOrder() {
    QWidget* previous = date_;
    for (int h = 1; h < golfdb::holeSlots; ++h) {
        QWidget::setTabOrder(previous, strokes_[slot(h)]);
        QWidget::setTabOrder(strokes_[slot(h)], putts_[slot(h)]);
        previous = putts_[slot(h)];
    }
    QWidget::setTabOrder(previous, saveAndQuit_);
}

void ScoresView::showEvent(QShowEvent* event) {
    ModelDialog::showEvent(event);
    const Focus initial = model_.initialFocus();
    if (initial.kind == Focus::SaveAndQuit)
        saveAndQuit_->setFocus(Qt::OtherFocusReason);
    else
        date_->setFocus(Qt::OtherFocusReason);
}

void ScoresView::strokesEdited(int hole, const QString& text) {
    if (!model_.changeStrokesText(hole, text.toStdString())) {
        setTextQuietly(strokes_[slot(hole)], QString::fromStdString(model_.card().strokesText[slot(hole)]));
        return;
    }
    showColours();
    moveFocus(model_.strokesTextChanged(hole));
}

void ScoresView::puttsEdited(int hole, const QString& text) {
    if (!model_.changePuttsText(hole, text.toStdString())) {
        setTextQuietly(putts_[slot(hole)], QString::fromStdString(model_.card().puttsText[slot(hole)]));
        return;
    }
    moveFocus(model_.puttsTextChanged(hole));
}

bool ScoresView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // A message box or a menu taking the focus for a moment is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            fieldLeft(static_cast<QLineEdit*>(watched));
    }
    return ModelDialog::eventFilter(watched, event);
}

void ScoresView::fieldLeft(QLineEdit* field) {
    if (!isVisible())
        return;
    const Focus back = takeField(field);
    if (back.kind != Focus::Stay)
        QTimer::singleShot(0, this, [this, back] { moveFocus(back); });
}

Focus ScoresView::takeField(QWidget* field) {
    if (closing_ || !model_.holeFieldsEditable())
        return {};
    for (int h = 1; h < golfdb::holeSlots; ++h) {
        Focus back;
        if (field == strokes_[slot(h)])
            back = model_.leaveStrokes(h);
        else if (field == putts_[slot(h)])
            back = model_.leavePutts(h);
        else
            continue;
        showModel();
        return back;
    }
    return {};
}

void ScoresView::moveFocus(const Focus& focus) {
    QLineEdit* field = nullptr;
    switch (focus.kind) {
    case Focus::Stay:
        return;
    case Focus::DatePicker:
        date_->setFocus(Qt::OtherFocusReason);
        return;
    case Focus::SaveAndQuit:
        saveAndQuit_->setFocus(Qt::OtherFocusReason);
        return;
    case Focus::Strokes:
        field = strokes_.at(slot(focus.hole));
        break;
    case Focus::Putts:
        field = putts_.at(slot(focus.hole));
        break;
    }
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

void ScoresView::pressSave(int (CScoresDlg::*button)()) {
    // Enter and the shortcuts press a button while the focus stays in the field being typed: its
    // value counts as if the field had been left, so the totals saved are those of the holes shown.
    if (const Focus back = takeField(focusWidget()); back.kind != Focus::Stay) {
        moveFocus(back);
        return;
    }
    const int result = (model_.*button)();
    if (result != rounds::stayOpen) {
        closing_ = true;
        finish(result);
        return;
    }
    showModel();
}

void ScoresView::reject() {
    const int result = model_.cancel();
    if (result != rounds::stayOpen) {
        closing_ = true;
        finish(result);
    }
}

void ScoresView::showModel() {
    const rounds::ScoresCard& c = model_.card();
    for (int h = 1; h < golfdb::holeSlots; ++h) {
        setTextQuietly(strokes_[slot(h)], QString::fromStdString(c.strokesText[slot(h)]));
        setTextQuietly(putts_[slot(h)], QString::fromStdString(c.puttsText[slot(h)]));
        setCheckedQuietly(fairways_[slot(h)], c.fairway[slot(h)]);
        setCheckedQuietly(greens_[slot(h)], c.green[slot(h)]);
    }
    outYardage_->setText(number(c.outYardage));
    outPar_->setText(number(c.outPar));
    outStrokes_->setText(number(c.outStrokes));
    inYardage_->setText(number(c.inYardage));
    inPar_->setText(number(c.inPar));
    inStrokes_->setText(number(c.inStrokes));
    totalYardage_->setText(number(c.totalYardage));
    totalPar_->setText(number(c.totalPar));
    totalStrokes_->setText(number(c.totalStrokes));
    totalPutts_->setText(number(c.totalPutts));
    fairwaysHit_->setText(number(c.fairwaysHit));
    greensHit_->setText(number(c.greensHit));
    setCheckedQuietly(keepPoints_, c.keepPoints);
    setCheckedQuietly(noFairwayStats_, c.noFairwayStats);
    setCheckedQuietly(tabbingOff_, model_.automaticTabbingOff());
    setCheckedQuietly(skipPutts_, model_.skipPutts());
    skipPutts_->setEnabled(model_.skipPuttsEnabled());
    showColours();
}

void ScoresView::showColours() {
    for (int h = 1; h < golfdb::holeSlots; ++h) {
        const platform::Colour c = rounds::colourOf(model_.strokeColour(h));
        QLineEdit* field = strokes_[slot(h)];
        QPalette palette = field->palette();
        if (model_.strokeColour(h) == rounds::StrokeColour::Normal)
            palette.setColor(QPalette::Text, this->palette().color(QPalette::Text));
        else
            palette.setColor(QPalette::Text, QColor(c.red, c.green, c.blue));
        field->setPalette(palette);
    }
}

} // namespace kip::ui
