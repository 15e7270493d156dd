#include "golfdb/DatabaseBackup.h"

#include "golfdb/DataFolder.h"
#include "golfdb/StagedFiles.h"
#include "platform/TextFormat.h"

#include <algorithm>
#include <array>
#include <filesystem>

namespace kip::golfdb {
namespace {

namespace fs = std::filesystem;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

constexpr std::array<const char*, 3> tableNames = {"Scores", "Courses", "Golfers"};

struct FilePair {
    std::string database; // in the data directory
    std::string backup;   // in the backup folder
};

std::string withSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

// The six files in the order they are copied: each table's .dbf, then its .cdx.
std::vector<FilePair> fileSet(const std::string& dataDir, const std::string& folder) {
    std::vector<FilePair> files;
    for (const char* name : tableNames) {
        files.push_back({dataDir + name + ".dbf", folder + name + ".bkdbf"});
        files.push_back({dataDir + name + ".cdx", folder + name + ".bkcdx"});
    }
    return files;
}

std::string copyFailure(const char* what, const std::string& path, int rc) {
    return std::string(what) + " of database '" + path + "' failed, rc = " + std::to_string(rc);
}

} // namespace

DatabaseBackup::DatabaseBackup(CKipGolfDoc& doc, platform::Prompter& prompter,
                               platform::FolderChooser& chooser, platform::SettingsStore& settings,
                               platform::Clock& clock, platform::FileOps& files)
    : doc_(doc), prompter_(prompter), chooser_(chooser), settings_(settings), clock_(clock), files_(files) {}

FilesPresent DatabaseBackup::filesPresent(const std::string& folder, bool databaseSide) {
    int present = 0;
    const auto set = fileSet(withSlash(folder), withSlash(folder));
    for (const FilePair& pair : set)
        if (files_.exists(databaseSide ? pair.database : pair.backup))
            ++present;
    if (present == 0)
        return FilesPresent::None;
    return present == static_cast<int>(set.size()) ? FilesPresent::All : FilesPresent::Some;
}

std::optional<std::string> DatabaseBackup::chooseFolder(const std::string& title) {
    auto folder = chooser_.chooseFolder(title);
    if (!folder || folder->empty())
        return std::nullopt;
    return withSlash(*folder);
}

void DatabaseBackup::showError(const std::string& text) {
    prompter_.show({text, platform::defaultCaption, Icon::Error, Buttons::Ok});
}

int DatabaseBackup::copyToBackup(const std::string& folder) {
    return copyOut(folder, false, nullptr);
}

int DatabaseBackup::copyStaged(const std::vector<CopyJob>& jobs, const char* what) {
    // Every file is first copied beside its destination; only when all copies are complete do
    // they replace the destinations. A failed copy so leaves the earlier set whole instead of
    // mixing old and new tables. Failures are shown once the wait cursor is gone.
    std::vector<std::string> failures;
    {
        platform::WaitCursorScope wait(doc_.waitCursor());
        for (const CopyJob& job : jobs) {
            const int rc = files_.copyFile(job.from, job.to + stagedSuffix);
            if (rc != 0)
                failures.push_back(copyFailure(what, job.reported, rc));
        }
        // The commit mark makes the renames one step: a stop part-way is finished at the next open.
        const std::string folder =
            jobs.empty() ? std::string() : fs::path(jobs.front().to).parent_path().string();
        std::vector<std::string> targets;
        for (const CopyJob& job : jobs)
            targets.push_back(job.to);
        if (failures.empty() && !jobs.empty() && !writeCommitMark(folder, targets))
            failures.push_back(copyFailure(what, jobs.front().reported, copyFailed));
        if (!failures.empty()) {
            for (const CopyJob& job : jobs)
                files_.removeFile(job.to + stagedSuffix);
        } else {
            for (const CopyJob& job : jobs) {
                const int rc = files_.renameFile(job.to + stagedSuffix, job.to);
                if (rc != 0) {
                    failures.push_back(copyFailure(what, job.reported, rc));
                    files_.removeFile(job.to + stagedSuffix);
                }
            }
            if (!jobs.empty())
                clearCommitMark(folder);
        }
    }
    for (const std::string& failure : failures)
        showError(failure);
    return failures.empty() ? 0 : copyFailed;
}

int DatabaseBackup::copyOut(const std::string& folder, bool onlyPresent, std::vector<std::string>* copied) {
    std::vector<CopyJob> jobs;
    for (const FilePair& pair : fileSet(doc_.dataDir(), withSlash(folder)))
        if (!onlyPresent || files_.exists(pair.database))
            jobs.push_back({pair.database, pair.backup, pair.database});
    const int rc = copyStaged(jobs, "Backup");
    if (rc == 0 && copied)
        for (const CopyJob& job : jobs)
            copied->push_back(job.to);
    files_.setCurrentDirectory(doc_.programDir());
    return rc;
}

int DatabaseBackup::copyFromBackup(const std::string& folder) {
    return copyIn(folder, nullptr);
}

int DatabaseBackup::copyIn(const std::string& folder, const std::vector<std::string>* onlyThese) {
    std::vector<CopyJob> jobs;
    std::vector<std::string> absent;
    for (const FilePair& pair : fileSet(doc_.dataDir(), withSlash(folder))) {
        if (onlyThese && !contains(*onlyThese, pair.backup))
            absent.push_back(pair.database);
        else
            jobs.push_back({pair.backup, pair.database, pair.database});
    }
    const int rc = copyStaged(jobs, "Restore");
    for (const CopyJob& job : jobs)
        files_.clearReadOnly(job.to);
    // Files that did not exist before the restore go again when the old state is put back.
    if (rc == 0)
        for (const std::string& file : absent)
            files_.removeFile(file);
    files_.setCurrentDirectory(doc_.programDir());
    return rc;
}

bool DatabaseBackup::contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

void DatabaseBackup::deleteBackupFiles(const std::string& folder) {
    for (const FilePair& pair : fileSet(doc_.dataDir(), withSlash(folder)))
        files_.removeFile(pair.backup);
}

CommandOutcome DatabaseBackup::backupDatabases() {
    const auto folder = chooseFolder("Select a Folder for Backup Databases");
    if (!folder)
        return CommandOutcome::Cancelled;
    settleStagedFiles(*folder, files_); // a backup stopped part-way is finished or dropped first
    if (filesPresent(*folder, false) != FilesPresent::None &&
        prompter_.show(
            {"Some previous backup databases exist in selected folder, do you want to replace them?",
             "Backups Exist", Icon::Question, Buttons::YesNo}) != Answer::Yes)
        return CommandOutcome::Cancelled;
    doc_.syncAll();
    if (copyToBackup(*folder) != 0)
        return CommandOutcome::Failed;
    prompter_.show({"Backup completed sucessfully", "Backup Complete", Icon::None, Buttons::Ok});
    const platform::Date today = clock_.today();
    settings_.writeText("Settings", "LastBackup",
                        platform::formatText("%04d%02d%02d", today.year, today.month, today.day));
    return CommandOutcome::Succeeded;
}

CommandOutcome DatabaseBackup::restoreDatabases() {
    if (filesPresent(doc_.dataDir(), true) != FilesPresent::None &&
        prompter_.show({"Are you sure you want to replace your current Golf databases with a backup copy?",
                        "Confirm Restore", Icon::Question, Buttons::YesNo}) != Answer::Yes)
        return CommandOutcome::Cancelled;
    const auto folder = chooseFolder("Select Folder Containing Backup Databases");
    if (!folder)
        return CommandOutcome::Cancelled;
    settleStagedFiles(*folder, files_); // never restore a set that a stopped backup left mixed
    if (filesPresent(*folder, false) != FilesPresent::All) {
        prompter_.show({"Not all databases exist at this restore path, restore cancelled",
                        "Restore Databases Not Found", Icon::Error, Buttons::Ok});
        return CommandOutcome::Failed;
    }
    doc_.closeDatabase();
    const bool restored = restoreFrom(*folder);
    prompter_.show({restored ? "Restore completed sucessfully" : "Restore failed", "Restore Complete",
                    restored ? Icon::None : Icon::Error, Buttons::Ok});
    doc_.reopenDatabase();
    return restored ? CommandOutcome::Succeeded : CommandOutcome::Failed;
}

bool DatabaseBackup::restoreFrom(const std::string& folder) {
    const std::string safety = safetyFolderOf(doc_.dataDir());
    // Restoring the safety copy itself: copying the current tables over it first would destroy
    // the very files being restored. The chosen folder may spell the same place differently.
    if (files_.sameLocation(folder, safety))
        return copyFromBackup(folder) == 0;
    if (!files_.exists(safety)) {
        const int rc = files_.createDirectory(safety);
        if (rc != 0) {
            showError(copyFailure("Backup", safety, rc));
            return false;
        }
    }
    // Only files that exist can be kept; the ones that did not are removed again on failure.
    std::vector<std::string> kept;
    if (copyOut(safety, true, &kept) != 0) {
        // Without a complete safety copy a failed restore could not be undone: leave the
        // database as it is.
        deleteBackupFiles(safety);
        return false;
    }
    if (copyFromBackup(folder) == 0 && restoredTablesOpen()) {
        deleteBackupFiles(safety);
        return true;
    }
    // The previous files go back whole; the safety copy stays until a restore succeeds.
    copyIn(safety, &kept);
    return false;
}

bool DatabaseBackup::restoredTablesOpen() {
    // Each restored table opens as the program opens it, which also rebuilds an index that does
    // not agree with its table (a backup of a table and an index from different moments).
    const bool opened = doc_.courseTable().open() == store::storeOk &&
                        doc_.golferTable().open() == store::storeOk &&
                        doc_.scoreTable().open() == store::storeOk;
    std::vector<std::string> rebuilt;
    for (const GolfTableBase* table : {static_cast<const GolfTableBase*>(&doc_.courseTable()),
                                       static_cast<const GolfTableBase*>(&doc_.golferTable()),
                                       static_cast<const GolfTableBase*>(&doc_.scoreTable())})
        if (table->isOpen() && table->indexRebuilt())
            rebuilt.push_back(table->tableName());
    doc_.closeDatabase();
    if (opened)
        for (const std::string& name : rebuilt)
            prompter_.show({CKipGolfDoc::rebuiltIndexMessage(name), platform::defaultCaption,
                            Icon::Information, Buttons::Ok});
    return opened;
}

CommandOutcome DatabaseBackup::compressDatabases() {
    const std::array<std::pair<store::Table*, const char*>, 3> tables = {{
        {doc_.courseTable().storeTable(), "Courses"},
        {doc_.golferTable().storeTable(), "Golfers"},
        {doc_.scoreTable().storeTable(), "Scores"},
    }};
    std::vector<std::string> failures;
    {
        platform::WaitCursorScope wait(doc_.waitCursor());
        for (const auto& [table, name] : tables) {
            const int rc = table ? store::packTable(table) : store::storeErrState;
            if (rc != store::storeOk) {
                failures.push_back(std::string("Could not compress database '") + doc_.dataDir() + name +
                                   ".dbf', rc = " + std::to_string(rc));
            }
        }
        doc_.syncAll();
    }
    for (const std::string& failure : failures)
        showError(failure);
    if (!failures.empty())
        return CommandOutcome::Failed;
    prompter_.show({"Database Compress Completed", "Databases Compressed", Icon::Information, Buttons::Ok});
    return CommandOutcome::Succeeded;
}

} // namespace kip::golfdb
