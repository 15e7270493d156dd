#pragma once

#include "app/CBackupReminderDlg.h"
#include "ui/ModelDialog.h"

class QCheckBox;

namespace kip::ui {

class BackupReminderView : public ModelDialog {
    Q_OBJECT
public:
    BackupReminderView(app::CBackupReminderDlg& model, QWidget* parent);
    QCheckBox* dontShowAgain() const { return dontShow_; }
    void reject() override;

private:
    app::CBackupReminderDlg& model_;
    QCheckBox* dontShow_;
};

} // namespace kip::ui
