#include "app/BackupReminder.h"

#include "app/Settings.h"
#include "platform/TextFormat.h"

#include <cctype>
#include <chrono>

namespace kip::app {
namespace {

std::optional<std::chrono::sys_days> parseDate(const std::string& text) {
    if (text.size() != 8)
        return std::nullopt;
    for (const char ch : text)
        if (!std::isdigit(static_cast<unsigned char>(ch)))
            return std::nullopt;
    const std::chrono::year_month_day date{
        std::chrono::year(std::stoi(text.substr(0, 4))),
        std::chrono::month(static_cast<unsigned>(std::stoi(text.substr(4, 2)))),
        std::chrono::day(static_cast<unsigned>(std::stoi(text.substr(6, 2))))};
    if (!date.ok() || int(date.year()) < 1900)
        return std::nullopt;
    return std::chrono::sys_days(date);
}

} // namespace

std::string BackupReminder::dateKey(const platform::Date& date) {
    return platform::formatText("%04d%02d%02d", date.year, date.month, date.day);
}

std::optional<long> BackupReminder::daysBetween(const std::string& from, const platform::Date& to) {
    const auto start = parseDate(from);
    const auto end = parseDate(dateKey(to));
    if (!start || !end)
        return std::nullopt;
    return static_cast<long>((*end - *start).count());
}

// The program's first reminder check stands in for an installer where none recorded the date, so
// that a user who never backs up is still reminded 30 days on.
std::string BackupReminder::installDate(const platform::Date& today) {
    std::string date = settings_.readText(settingsSection, installDateSetting, noDate);
    if (!parseDate(date)) {
        date = dateKey(today);
        settings_.writeText(settingsSection, installDateSetting, date);
    }
    return date;
}

std::optional<std::string> BackupReminder::check() {
    const platform::Date today = clock_.today();
    if (today.year == 0)
        return std::nullopt;
    const std::string install = installDate(today);
    std::string checkDate = settings_.readText(settingsSection, lastBackupCheckSetting, noDate);
    if (checkDate == noDate)
        checkDate = install;
    const std::string lastBackup = settings_.readText(settingsSection, lastBackupSetting, noDate);
    // A damaged date must not silence the reminder for good: it counts from the install date.
    const std::string backupDate = lastBackup == noDate || !parseDate(lastBackup) ? install : lastBackup;

    const auto sinceCheck = daysBetween(checkDate, today);
    if (sinceCheck && *sinceCheck < checkIntervalDays)
        return std::nullopt;
    settings_.writeText(settingsSection, lastBackupCheckSetting, dateKey(today));

    const long days = daysBetween(backupDate, today).value_or(0);
    if (days < dueAfterDays)
        return std::nullopt;
    if (lastBackup == noDate)
        return "You have never backed up your golf databases with Kip Golf. It is highly recommended you "
               "periodically back them up by going to Databases->Backup Databases";
    return platform::formatText(
        "You haven't backed up your golf databases in %ld days. It is highly recommended you "
        "periodically back them up by going to Databases->Backup Databases",
        days);
}

} // namespace kip::app
