#include "ui/GolferViews.h"

#include "ui/DialogParts.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QVBoxLayout>

namespace kip::ui {
namespace {

using manage::CPeopleDlg;

} // namespace

PeopleView::PeopleView(CPeopleDlg& model, QWidget* parent)
    : ModelDialog(parent, CPeopleDlg::title(), "golfers"), model_(model) {
    setObjectName("peopleView");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    const auto makeEdit = [&](CPeopleDlg::Field f, const char* name) {
        auto* edit = new QLineEdit(QString::fromStdString(model_.text(f)), this);
        edit->setObjectName(name);
        if (CPeopleDlg::limit(f) > 0)
            edit->setMaxLength(static_cast<int>(CPeopleDlg::limit(f)));
        connect(edit, &QLineEdit::textEdited, this, [this, f](const QString& text) { edited(f, text); });
        edits_.at(f) = edit;
        return edit;
    };
    auto* team = makeEdit(CPeopleDlg::Team, "team");
    team->setMaximumWidth(70);
    auto* teamRow = new QHBoxLayout;
    teamRow->addWidget(new QLabel(CPeopleDlg::label(CPeopleDlg::Team), this));
    teamRow->addWidget(team);
    teamRow->addStretch();
    layout->addLayout(teamRow);
    if (model_.showsInitialHandicapCheck()) {
        initialHandicap_ = new QCheckBox(CPeopleDlg::initialHandicapLabel(), this);
        initialHandicap_->setObjectName("initialHandicap");
        initialHandicap_->setChecked(model_.wantsInitialHandicap());
        connect(initialHandicap_, &QCheckBox::toggled, this,
                [this](bool on) { model_.setWantsInitialHandicap(on); });
        layout->addWidget(initialHandicap_);
    }
    const std::pair<CPeopleDlg::Field, const char*> fields[] = {
        {CPeopleDlg::FirstName, "firstName"}, {CPeopleDlg::LastName, "lastName"},
        {CPeopleDlg::Street, "street"},       {CPeopleDlg::City, "city"},
        {CPeopleDlg::State, "state"},         {CPeopleDlg::Zip, "zip"},
        {CPeopleDlg::Phone, "phone"},
    };
    for (const auto& [f, name] : fields)
        form->addRow(CPeopleDlg::label(f), makeEdit(f, name));
    edits_.at(CPeopleDlg::FirstName)->setMinimumWidth(260);
    layout->addLayout(form);

    layout->addSpacing(6);
    layout->addLayout(defaultCancelHelpRow("Save", "save", [this] { pressSave(); }));

    QLineEdit* focus = edits_.at(model_.initialFocus());
    focus->setFocus();
    focus->selectAll();
}

void PeopleView::edited(CPeopleDlg::Field f, const QString& text) {
    model_.setText(f, text.toStdString());
    const QString shown = QString::fromStdString(model_.text(f));
    if (shown != text) {
        QLineEdit* edit = edits_.at(f);
        const int cursor = edit->cursorPosition();
        edit->setText(shown);
        edit->setCursorPosition(cursor);
    }
}

void PeopleView::pressSave() {
    const int result = model_.save();
    if (result != CPeopleDlg::staysOpen)
        finish(result);
}

NumberRoundsView::NumberRoundsView(manage::CNumberRoundsDlg& model, QWidget* parent)
    : ModelDialog(parent, manage::CNumberRoundsDlg::title(), "golfers"), model_(model) {
    setObjectName("numberRoundsView");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromStdString(model_.prompt()), this));
    handicap_ = new QLineEdit(QString::fromStdString(model_.handicapText()), this);
    handicap_->setObjectName("handicap");
    handicap_->setMaximumWidth(80);
    connect(handicap_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.setHandicapText(text.toStdString()); });
    layout->addWidget(handicap_);
    auto* explanation = new QLabel(manage::CNumberRoundsDlg::explanation(), this);
    explanation->setWordWrap(true);
    explanation->setMinimumWidth(380);
    layout->addSpacing(6);
    layout->addWidget(explanation);
    auto* roundsRow = new QHBoxLayout;
    roundsRow->addWidget(new QLabel(manage::CNumberRoundsDlg::roundsLabel(), this));
    rounds_ = new QSpinBox(this);
    rounds_->setObjectName("rounds");
    rounds_->setRange(manage::lowestHandicapRounds, manage::highestHandicapRounds);
    rounds_->setValue(std::stoi(model_.roundsText()));
    connect(rounds_, &QSpinBox::valueChanged, this,
            [this](int value) { model_.setRoundsText(std::to_string(value)); });
    roundsRow->addWidget(rounds_);
    roundsRow->addStretch();
    layout->addLayout(roundsRow);

    layout->addSpacing(6);
    layout->addLayout(defaultCancelHelpRow("OK", "ok", [this] { pressOk(); }));
    handicap_->setFocus();
    handicap_->selectAll();
}

void NumberRoundsView::pressOk() {
    model_.setRoundsText(rounds_->text().toStdString());
    const int result = model_.ok();
    if (result != manage::CNumberRoundsDlg::staysOpen)
        finish(result);
}

SelectPersonView::SelectPersonView(manage::CSelectPersonDlg& model, QWidget* parent)
    : ModelDialog(parent, manage::CSelectPersonDlg::title(), "golfers"), model_(model) {
    setObjectName("selectPersonView");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(manage::CSelectPersonDlg::text(), this));
    list_ = new QListWidget(this);
    list_->setObjectName("golfers");
    for (const auto& line : model_.lines())
        list_->addItem(QString::fromStdString(line.text));
    list_->setMinimumSize(300, 240);
    followSingleChoice(
        list_, [this](int row) { model_.select(row); }, [this](int row) { end(model_.doubleClick(row)); });
    layout->addWidget(list_);
    useAll_ = new QCheckBox(manage::CSelectPersonDlg::useAllLabel(), this);
    useAll_->setObjectName("useAll");
    useAll_->setEnabled(model_.useAllEnabled());
    connect(useAll_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setUseAll(on);
        if (on)
            list_->clearSelection();
        list_->setEnabled(model_.listEnabled());
    });
    layout->addWidget(useAll_);

    layout->addLayout(defaultCancelHelpRow("OK", "ok", [this] { end(model_.ok()); }));
    list_->setFocus();
}

void SelectPersonView::end(int result) {
    if (result != manage::CSelectPersonDlg::staysOpen)
        finish(result);
}

} // namespace kip::ui
