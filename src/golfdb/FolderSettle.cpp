#include "golfdb/FolderSettle.h"

#include "golfdb/ChangeUnit.h"
#include "golfdb/DataFolder.h"
#include "golfdb/GolfSchema.h"
#include "golfdb/RepairNotes.h"
#include "golfdb/StagedFiles.h"
#include "golfdb/WriterLock.h"
#include "store/DbfFile.h"
#include "store/DbfReindex.h"
#include "store/UndoLog.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace kip::golfdb {
namespace {

namespace fs = std::filesystem;

constexpr const char* tableNames[] = {"Courses", "Golfers", "Scores"};

std::string withSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

void noteLeftovers(const std::vector<std::string>& removed, const std::string& folder) {
    if (!removed.empty())
        noteRepair("Files left in " + folder +
                   " by an interrupted restore, backup or compress have been removed: " + joined(removed) +
                   ".");
}

void rollBackStoppedChange(const std::string& dir) {
    const std::string log = dir + store::undoLogName;
    std::error_code ec;
    // The empty log the last change left guards nothing.
    const auto size = fs::file_size(log, ec);
    if (ec || size == 0 || ChangeUnit::underWay(dir))
        return;
    std::vector<std::string> tables;
    if (store::UndoLog::rollBack(log, tables) != store::storeOk)
        return; // the log stays: the next open tries again, and nothing half put back is opened as whole
    std::vector<std::string> names;
    for (const std::string& path : tables) {
        const std::string name = fs::path(path).stem().string();
        store::TagSpec tag;
        std::string problem;
        if (golfTagFor(name, tag) && store::DbfReindex::runWithTags(path, {tag}, problem) != store::storeOk)
            return;
        names.push_back(name);
    }
    store::UndoLog::remove(log);
    if (!names.empty())
        noteRepair("A change to the " + joined(names) + (names.size() == 1 ? " table" : " tables") +
                   " that was interrupted has been undone: the rows are as they were before it.");
}

void dropUncountedRows(const std::string& dir) {
    for (const char* name : tableNames) {
        const std::string path = dir + name + ".dbf";
        const long beyond = store::DbfFile::rowsBeyondCount(path);
        if (beyond <= 0 || store::DbfFile::dropRowsBeyondCount(path) != store::storeOk)
            continue;
        noteRepair("The " + std::string(name) + " table held " + std::to_string(beyond) +
                   (beyond == 1 ? " row" : " rows") +
                   " beyond its record count, left by an interrupted write; it has been removed.");
    }
}

void settleStoppedBackup(const std::string& dir, platform::FileOps& files) {
    const std::string mark = dir + backupMarkName;
    std::error_code ec;
    if (!fs::exists(mark, ec))
        return;
    std::string folder;
    {
        std::ifstream in(mark);
        std::getline(in, folder);
    }
    if (!folder.empty() && fs::is_directory(folder, ec)) {
        std::vector<std::string> removed;
        if (settleStagedFiles(withSlash(folder), files, &removed))
            noteRepair("A backup to " + withSlash(folder) + " that was interrupted has been finished.");
        noteLeftovers(removed, withSlash(folder));
    }
    unmarkFolder(dir, backupMarkName);
}

} // namespace

bool markFolder(const std::string& dataDir, const char* markName, const std::string& text) {
    const std::string mark = withSlash(dataDir) + markName;
    const int fd = ::open(mark.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    const std::string line = text + "\n";
    const bool ok =
        ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size()) && ::fsync(fd) == 0;
    ::close(fd);
    const int folder = ::open(withSlash(dataDir).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return ok;
}

void unmarkFolder(const std::string& dataDir, const char* markName) {
    ::unlink((withSlash(dataDir) + markName).c_str());
}

void dropStoppedRestoreCopy(const std::string& dataDir) {
    const std::string dir = withSlash(dataDir);
    std::error_code ec;
    if (!fs::exists(dir + restoreMarkName, ec))
        return;
    const std::string safety = safetyFolderOf(dir);
    std::vector<std::string> removed;
    for (const char* name : tableNames)
        for (const char* ending : {".bkdbf", ".bkcdx"}) {
            const std::string file = safety + name + ending;
            if (fs::remove(file, ec))
                removed.push_back(fs::path(file).filename().string());
        }
    unmarkFolder(dir, restoreMarkName);
    if (!removed.empty())
        noteRepair("The safety copy of an interrupted restore has been removed from " + safety +
                   ": the tables open. Removed: " + joined(removed) + ".");
}

void settleDataFolder(const std::string& dataDir) {
    const std::string dir = withSlash(dataDir);
    WriterLock forTheMoment;
    if (!WriterLock::heldInProcess(dir) && forTheMoment.acquire(dir, false) == WriterLock::State::Busy)
        return;
    platform::LocalFileOps files;
    std::vector<std::string> removed;
    if (settleStagedFiles(dir, files, &removed))
        noteRepair("A restore of the tables that was interrupted has been finished.");
    noteLeftovers(removed, dir);
    std::error_code ec;
    if (fs::is_directory(safetyFolderOf(dir), ec)) {
        removed.clear();
        settleStagedFiles(safetyFolderOf(dir), files, &removed);
        noteLeftovers(removed, safetyFolderOf(dir));
    }
    settleStoppedBackup(dir, files);
    rollBackStoppedChange(dir);
    dropUncountedRows(dir);
}

} // namespace kip::golfdb
