#include "ui/PreferencesView.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kip::ui {

using Dlg = app::CPreferencesDlg;

PreferencesView::PreferencesView(Dlg& model, QWidget* parent)
    : ModelDialog(parent, Dlg::title(), "preferences"), model_(model) {
    setObjectName("preferencesView");
    auto* layout = new QVBoxLayout(this);
    auto addCheck = [&](Dlg::Check check) {
        auto* box = new QCheckBox(Dlg::checkLabel(check), this);
        box->setChecked(model_.checked(check));
        connect(box, &QCheckBox::toggled, this, [this, check](bool on) {
            model_.setChecked(check, on);
            showPointsState();
        });
        checks_.at(check) = box;
        layout->addWidget(box);
    };
    addCheck(Dlg::NoShow);
    addCheck(Dlg::NoCheckScores);
    addCheck(Dlg::UsePoints);

    // The label's words stand over the five boxes below them.
    auto* pointsArea = new QVBoxLayout;
    pointsArea->setContentsMargins(24, 0, 0, 8);
    pointsLabel_ = new QLabel(Dlg::pointsLabel(), this);
    pointsArea->addWidget(pointsLabel_);
    auto* boxes = new QHBoxLayout;
    for (int i = 0; i < app::pointKinds; ++i) {
        auto* edit = new QLineEdit(QString::fromStdString(model_.pointText(i)), this);
        edit->setObjectName(QString("points%1").arg(i));
        edit->setFixedWidth(44);
        edit->setMaxLength(4);
        edit->setAlignment(Qt::AlignRight);
        connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) { pointEdited(i, text); });
        points_.at(static_cast<std::size_t>(i)) = edit;
        boxes->addWidget(edit);
    }
    boxes->addStretch();
    pointsArea->addLayout(boxes);
    layout->addLayout(pointsArea);

    addCheck(Dlg::UseClassicMenus);
    addCheck(Dlg::AllowMeters);
    addCheck(Dlg::CheckForBackup);

    auto* ok = new QPushButton("OK", this);
    auto* cancel = new QPushButton("Cancel", this);
    auto* help = new QPushButton("Help", this);
    ok->setObjectName("ok");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &PreferencesView::pressOk);
    connect(cancel, &QPushButton::clicked, this, &PreferencesView::reject);
    connect(help, &QPushButton::clicked, this, &PreferencesView::showHelp);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    showPointsState();
}

void PreferencesView::showPointsState() {
    const bool enabled = model_.pointsEnabled();
    pointsLabel_->setEnabled(enabled);
    for (int i = 0; i < app::pointKinds; ++i) {
        QLineEdit* edit = points_.at(static_cast<std::size_t>(i));
        edit->setEnabled(enabled);
        const QString text = QString::fromStdString(model_.pointText(i));
        if (edit->text() != text)
            edit->setText(text);
    }
}

void PreferencesView::pointEdited(int box, const QString& text) {
    const std::string typed = text.toStdString();
    if (!app::CPreferencesDlg::validPointText(typed)) {
        // The box shows the undone text while the message is up.
        QLineEdit* edit = points_.at(static_cast<std::size_t>(box));
        const QSignalBlocker quiet(edit);
        edit->setText(QString::fromStdString(model_.pointText(box)));
    }
    model_.changePointText(box, typed);
}

void PreferencesView::pressOk() {
    if (model_.ok())
        finish(platform::dialogOk);
    else
        showPointsState();
}

} // namespace kip::ui
