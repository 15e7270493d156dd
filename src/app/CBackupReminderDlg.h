#pragma once
// The reminder shown when the databases were not backed up for 30 days.

#include "platform/DialogHost.h"
#include "platform/SettingsStore.h"

#include <string>

namespace kip::app {

class CBackupReminderDlg : public platform::DialogModel {
public:
    // How the dialog ended; the view runs the backup after runBackupNow.
    static constexpr int closed = platform::dialogCancel;
    static constexpr int backupRequested = platform::dialogOk;

    CBackupReminderDlg(platform::SettingsStore& settings, std::string text)
        : settings_(settings), text_(std::move(text)) {}

    static const char* title() { return "Database Backup Reminder"; }
    static const char* checkLabel() { return "Don't show this message again (can be reset in Preferences)"; }
    static const char* runBackupLabel() { return "Run Backup Now"; }
    static const char* closeLabel() { return "Close"; }
    const std::string& text() const { return text_; }

    bool dontShowAgain() const { return dontShowAgain_; }
    void setDontShowAgain(bool on) { dontShowAgain_ = on; }

    int runBackupNow();
    int close();

private:
    void finish();

    platform::SettingsStore& settings_;
    std::string text_;
    bool dontShowAgain_ = false;
};

} // namespace kip::app
