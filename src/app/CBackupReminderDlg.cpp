#include "app/CBackupReminderDlg.h"

#include "app/Settings.h"

namespace kip::app {

void CBackupReminderDlg::finish() {
    if (dontShowAgain_)
        settings_.writeInt(settingsSection, checkForBackupSetting, 0);
}

int CBackupReminderDlg::runBackupNow() {
    finish();
    return backupRequested;
}

int CBackupReminderDlg::close() {
    finish();
    return closed;
}

} // namespace kip::app
