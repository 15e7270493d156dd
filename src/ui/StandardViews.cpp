#include "ui/AboutView.h"
#include "ui/BackupReminderView.h"
#include "ui/HandicapRuleView.h"
#include "ui/ListDialogView.h"
#include "ui/PreferencesView.h"
#include "ui/QtDialogHost.h"
#include "ui/Resources.h"

namespace kip::ui {

void registerStandardViews(QtDialogHost& host) {
    initResources();
    host.registerView<app::CAboutDlg, AboutView>();
    host.registerView<app::CPreferencesDlg, PreferencesView>();
    host.registerView<app::CBackupReminderDlg, BackupReminderView>();
    host.registerView<handicap::CHandicapRule, HandicapRuleView>();
    host.registerView<report::CListDlg, ListDialogView>();
}

} // namespace kip::ui
