#pragma once
// Backup Databases, Restore Databases and Compress Databases over the platform interfaces.

#include "golfdb/CKipGolfDoc.h"
#include "platform/Clock.h"
#include "platform/FileOps.h"
#include "platform/FolderChooser.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"

#include <optional>
#include <string>
#include <vector>

namespace kip::golfdb {

enum class FilesPresent { None = 0, Some = 1, All = 2 };

enum class CommandOutcome {
    Cancelled, // the user stopped it; nothing changed
    Succeeded,
    Failed,
};

inline constexpr int copyFailed = 4;

class DatabaseBackup {
public:
    DatabaseBackup(CKipGolfDoc& doc, platform::Prompter& prompter, platform::FolderChooser& chooser,
                   platform::SettingsStore& settings, platform::Clock& clock, platform::FileOps& files);

    CommandOutcome backupDatabases();
    // Closes and reopens the document's tables; the caller recomputes the leaderboard afterwards
    // (unless doc.endRequested()).
    CommandOutcome restoreDatabases();
    CommandOutcome compressDatabases();

    FilesPresent filesPresent(const std::string& folder, bool databaseSide);
    int copyToBackup(const std::string& folder);   // 0, or copyFailed
    int copyFromBackup(const std::string& folder); // 0, or copyFailed
    void deleteBackupFiles(const std::string& folder);
    // The chosen folder ending with '/', or nothing when cancelled.
    std::optional<std::string> chooseFolder(const std::string& title = "Select Folder");

private:
    struct CopyJob {
        std::string from;
        std::string to;
        std::string reported; // the path a failure message names
    };

    void showError(const std::string& text);
    int copyStaged(const std::vector<CopyJob>& jobs, const char* what);
    int copyOut(const std::string& folder, bool onlyPresent, std::vector<std::string>* copied);
    int copyIn(const std::string& folder, const std::vector<std::string>* onlyThese);
    bool restoreFrom(const std::string& folder);
    bool restoredTablesOpen();
    static bool contains(const std::vector<std::string>& list, const std::string& item);

    CKipGolfDoc& doc_;
    platform::Prompter& prompter_;
    platform::FolderChooser& chooser_;
    platform::SettingsStore& settings_;
    platform::Clock& clock_;
    platform::FileOps& files_;
};

} // namespace kip::golfdb
