#include "ui/TotalScoreView.h"

#include "ui/DateField.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <tuple>

namespace kip::ui {

using rounds::CTotalScoreDlg;

TotalScoreView::TotalScoreView(CTotalScoreDlg& model, QWidget* parent)
    : ModelDialog(parent, QString::fromStdString(model.title()), "total-round"), model_(model) {
    setObjectName("totalScoreView");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    const auto readOnly = [this](const std::string& text, const char* name) {
        auto* field = new QLineEdit(QString::fromStdString(text), this);
        field->setObjectName(name);
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::NoFocus);
        return field;
    };
    auto* course = readOnly(model_.courseName(), "course");
    course->setMinimumWidth(300);
    form->addRow("Course", course);
    form->addRow("Tee", readOnly(model_.tee(), "tee"));
    for (auto [label, text, name] : {std::tuple{"Rating", model_.ratingText(), "rating"},
                                     std::tuple{"Slope", std::to_string(model_.slope()), "slope"},
                                     std::tuple{"Par", std::to_string(model_.totalPar()), "par"}}) {
        auto* field = readOnly(text, name);
        field->setFixedWidth(80);
        form->addRow(label, field);
    }

    date_ = new DateField(this);
    date_->setObjectName("datePlayed");
    const platform::Date played = model_.datePlayed();
    if (rounds::isValidDate(played))
        date_->setDate(QDate(played.year, played.month, played.day));
    date_->setEnabled(model_.dateEnabled());
    date_->setFixedWidth(140);
    connect(date_, &DateField::dateChanged, this, [this](QDate d) {
        model_.setDatePlayed({d.year(), d.month(), d.day()});
    });
    form->addRow("Date Played", date_);

    total_ = new QLineEdit(QString::fromStdString(model_.totalText()), this);
    total_->setObjectName("totalStrokes");
    total_->setMaxLength(9);
    total_->setFixedWidth(80);
    total_->setReadOnly(!model_.totalEditable());
    connect(total_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.changeTotalText(text.toStdString()); });
    form->addRow("Total Stokes", total_);
    if (model_.pccShown()) {
        pcc_ = new QLineEdit(QString::fromStdString(model_.pccText()), this);
        pcc_->setObjectName("pcc");
        pcc_->setMaxLength(4);
        pcc_->setFixedWidth(80);
        pcc_->setReadOnly(!model_.totalEditable());
        pcc_->setToolTip("Playing conditions calculation of the day, from -1 to 3");
        connect(pcc_, &QLineEdit::textEdited, this,
                [this](const QString& text) { model_.changePccText(text.toStdString()); });
        form->addRow("PCC", pcc_);
    }
    layout->addLayout(form);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const auto button = [this, buttons](const std::string& text, const char* name) {
        auto* b = new QPushButton(QString::fromStdString(text), this);
        b->setObjectName(name);
        buttons->addWidget(b);
        return b;
    };
    saveAndQuit_ = button(model_.saveAndQuitCaption(), "saveAndQuit");
    saveAndQuit_->setDefault(true);
    connect(saveAndQuit_, &QPushButton::clicked, this, [this] { pressSave(&CTotalScoreDlg::saveAndQuit); });
    if (model_.newRoundButtonsShown()) {
        connect(button("Save and New Round", "saveAndNewRound"), &QPushButton::clicked, this,
                [this] { pressSave(&CTotalScoreDlg::saveAndNewRound); });
        connect(button("Save and New Golfer", "saveAndNewGolfer"), &QPushButton::clicked, this,
                [this] { pressSave(&CTotalScoreDlg::saveAndNewGolfer); });
    }
    if (model_.printShown())
        connect(button("Print", "print"), &QPushButton::clicked, this, [this] { model_.print(); });
    if (model_.cancelShown())
        connect(button("Cancel", "cancel"), &QPushButton::clicked, this, &TotalScoreView::reject);
    connect(button("Help", "help"), &QPushButton::clicked, this, &TotalScoreView::showHelp);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    QWidget::setTabOrder(date_, total_);
    QWidget::setTabOrder(total_, saveAndQuit_);
    if (pcc_) {
        QWidget::setTabOrder(total_, pcc_);
        QWidget::setTabOrder(pcc_, saveAndQuit_);
    }
}

void TotalScoreView::showEvent(QShowEvent* event) {
    ModelDialog::showEvent(event);
    if (model_.dateEnabled())
        date_->setFocus(Qt::OtherFocusReason);
    else
        saveAndQuit_->setFocus(Qt::OtherFocusReason);
}

void TotalScoreView::pressSave(int (CTotalScoreDlg::*button)()) {
    const int result = (model_.*button)();
    if (result != rounds::stayOpen)
        finish(result);
    else if (total_->text() != QString::fromStdString(model_.totalText()))
        total_->setText(QString::fromStdString(model_.totalText()));
}

void TotalScoreView::reject() {
    finish(model_.cancel());
}

} // namespace kip::ui
