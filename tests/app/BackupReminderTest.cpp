#include "app/BackupReminder.h"
#include "app/CBackupReminderDlg.h"

#include "support/Doubles.h"

#include <gtest/gtest.h>

namespace kip::app {
namespace {

class Reminder : public ::testing::Test {
protected:
    test::MemorySettingsStore settings;
    test::FixedClock clock{{2026, 12, 9}};
    BackupReminder reminder{settings, clock};
};

TEST_F(Reminder, DueAfterThirtyDaysWithTheDayCount) {
    settings.values["Settings/LastBackupCheck"] = "20261127"; // 12 days ago
    settings.values["Settings/LastBackup"] = "20261030";      // 40 days ago
    settings.values["Settings/InstallDate"] = "20200101";
    const auto text = reminder.check();
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, "You haven't backed up your golf databases in 40 days. It is highly recommended you "
                     "periodically back them up by going to Databases->Backup Databases");
    EXPECT_EQ(settings.values["Settings/LastBackupCheck"], "20261209");
    EXPECT_FALSE(reminder.check()); // checked again within 10 days
    clock.date = {2026, 12, 18};
    EXPECT_FALSE(reminder.check());
}

TEST_F(Reminder, NeverBackedUpCountsFromTheInstallation) {
    settings.values["Settings/LastBackupCheck"] = "20261127";
    settings.values["Settings/InstallDate"] = "20261109"; // exactly 30 days ago
    const auto text = reminder.check();
    ASSERT_TRUE(text);
    EXPECT_EQ(*text,
              "You have never backed up your golf databases with Kip Golf. It is highly recommended you "
              "periodically back them up by going to Databases->Backup Databases");
    settings.values["Settings/LastBackupCheck"] = "20261127";
    settings.values["Settings/InstallDate"] = "20261110"; // 29 days: not yet due, but checked
    EXPECT_FALSE(reminder.check());
    EXPECT_EQ(settings.values["Settings/LastBackupCheck"], "20261209");
}

TEST_F(Reminder, CheckDateFallsBackToTheInstallDate) {
    settings.values["Settings/InstallDate"] = "20261201"; // 8 days: too soon to check
    settings.values["Settings/LastBackup"] = "20250101";
    EXPECT_FALSE(reminder.check());
    EXPECT_EQ(settings.writes.size(), 0u);
    clock.date = {2026, 12, 11};
    EXPECT_TRUE(reminder.check());
}

TEST_F(Reminder, WithoutAnyDateTheFirstCheckStartsTheCount) {
    EXPECT_FALSE(reminder.check());
    EXPECT_EQ(settings.values["Settings/InstallDate"], "20261209");
    clock.date = {2027, 1, 8}; // 30 days on
    const auto text = reminder.check();
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("never backed up"), std::string::npos);
}

TEST_F(Reminder, DamagedDatesDoNotRemindAtOnce) {
    settings.values["Settings/InstallDate"] = "2026XX01";
    settings.values["Settings/LastBackupCheck"] = "20261340";
    EXPECT_FALSE(reminder.check()); // the broken install date is replaced by today
    EXPECT_EQ(settings.values["Settings/InstallDate"], "20261209");
}

TEST_F(Reminder, ADamagedLastBackupCountsFromTheInstallDateInsteadOfSilencingTheReminder) {
    settings.values["Settings/InstallDate"] = "20261001"; // 69 days ago
    settings.values["Settings/LastBackupCheck"] = "20261101";
    settings.values["Settings/LastBackup"] = "2026-11-";
    const auto text = reminder.check();
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, "You haven't backed up your golf databases in 69 days. It is highly recommended you "
                     "periodically back them up by going to Databases->Backup Databases");
}

TEST_F(Reminder, DaysAcrossMonthsAndLeapYears) {
    EXPECT_EQ(BackupReminder::daysBetween("20240228", {2024, 3, 1}), 2);
    EXPECT_EQ(BackupReminder::daysBetween("20231231", {2024, 1, 1}), 1);
    EXPECT_FALSE(BackupReminder::daysBetween("00000000", {2024, 1, 1}));
    EXPECT_FALSE(BackupReminder::daysBetween("20240230", {2024, 3, 1}));
}

TEST(BackupReminderDlg, DontShowAgainClearsTheSettingOnEitherButton) {
    test::MemorySettingsStore settings;
    CBackupReminderDlg plain(settings, "text");
    EXPECT_EQ(plain.close(), CBackupReminderDlg::closed);
    EXPECT_TRUE(settings.writes.empty());

    CBackupReminderDlg ticked(settings, "text");
    ticked.setDontShowAgain(true);
    EXPECT_EQ(ticked.close(), CBackupReminderDlg::closed);
    EXPECT_EQ(settings.writes, (std::vector<std::string>{"Settings/CheckForBackup=0"}));

    CBackupReminderDlg backup(settings, "text");
    backup.setDontShowAgain(true);
    EXPECT_EQ(backup.runBackupNow(), CBackupReminderDlg::backupRequested);
    EXPECT_EQ(settings.writes.size(), 2u);
}

} // namespace
} // namespace kip::app
