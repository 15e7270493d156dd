#pragma once
// Names and defaults of the settings the application shell reads and writes.

namespace kip::app {

inline constexpr const char* settingsSection = "Settings";
inline constexpr const char* pointsSection = "Points";

inline constexpr const char* useClassicMenusSetting = "UseClassicMenus";
inline constexpr const char* noShowSetting = "NoShow";
inline constexpr const char* noCheckScoresSetting = "NoCheckScores";
inline constexpr const char* allowMetersSetting = "AllowMeters";
inline constexpr const char* checkForBackupSetting = "CheckForBackup";
inline constexpr const char* lastBackupCheckSetting = "LastBackupCheck";
inline constexpr const char* lastBackupSetting = "LastBackup";
inline constexpr const char* installDateSetting = "InstallDate";
inline constexpr const char* showQuickstartSetting = "ShowQuickstart";
inline constexpr const char* usePointsSetting = "UsePoints";

inline constexpr const char* noDate = "00000000";

inline constexpr int pointKinds = 5;
// Eagle (or better), birdie, par, bogey, double bogey (or more), as the settings name them.
inline constexpr const char* pointSettings[pointKinds] = {"Eagle", "Birdie", "Par", "Bogie", "Double"};

} // namespace kip::app
