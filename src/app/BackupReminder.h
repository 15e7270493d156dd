#pragma once
// The start-up reminder to back up the golf databases: checked at most every 10 days, due after 30
// days without a backup.

#include "platform/Clock.h"
#include "platform/SettingsStore.h"

#include <optional>
#include <string>

namespace kip::app {

class BackupReminder {
public:
    BackupReminder(platform::SettingsStore& settings, platform::Clock& clock)
        : settings_(settings), clock_(clock) {}

    // Runs the check; the reminder text when a reminder is due. Advances LastBackupCheck whenever
    // the 10 days since the last check have passed.
    std::optional<std::string> check();

    // Whole days from a "%04d%02d%02d" date to another; nothing when either is no valid date.
    static std::optional<long> daysBetween(const std::string& from, const platform::Date& to);
    static std::string dateKey(const platform::Date& date);

    static constexpr int checkIntervalDays = 10;
    static constexpr int dueAfterDays = 30;

private:
    std::string installDate(const platform::Date& today);

    platform::SettingsStore& settings_;
    platform::Clock& clock_;
};

} // namespace kip::app
