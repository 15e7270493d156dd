#include "ui/BackupReminderView.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kip::ui {

using Dlg = app::CBackupReminderDlg;

BackupReminderView::BackupReminderView(Dlg& model, QWidget* parent)
    : ModelDialog(parent, Dlg::title(), "backup"), model_(model),
      dontShow_(new QCheckBox(Dlg::checkLabel(), this)) {
    setObjectName("backupReminderView");
    auto* text = new QPlainTextEdit(QString::fromStdString(model.text()), this);
    text->setObjectName("reminderText");
    text->setReadOnly(true);
    text->setFixedHeight(90);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    text->setMinimumWidth(420);
    connect(dontShow_, &QCheckBox::toggled, this, [this](bool on) { model_.setDontShowAgain(on); });

    auto* run = new QPushButton(Dlg::runBackupLabel(), this);
    run->setObjectName("runBackup");
    auto* close = new QPushButton(Dlg::closeLabel(), this);
    close->setObjectName("close");
    run->setDefault(true);
    run->setFocus();
    connect(run, &QPushButton::clicked, this, [this] { finish(model_.runBackupNow()); });
    connect(close, &QPushButton::clicked, this, [this] { finish(model_.close()); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(run);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(dontShow_);
    layout->addLayout(buttons);
}

void BackupReminderView::reject() {
    finish(model_.close());
}

} // namespace kip::ui
