#include "golfdb/ChangeUnit.h"

#include <algorithm>
#include <filesystem>

namespace kip::golfdb {
namespace {

namespace fs = std::filesystem;

// Units begin and end on the thread that runs the commands; the workers only read.
ChangeUnit* current = nullptr;
std::string currentFolder;

std::string folderOf(const GolfTableBase& table) {
    std::string folder = fs::path(table.path()).parent_path().string();
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace

ChangeUnit::ChangeUnit(std::initializer_list<GolfTableBase*> tables) {
    if (current) {
        outer_ = current;
    } else {
        for (GolfTableBase* table : tables)
            if (table && table->isOpen()) {
                folder_ = folderOf(*table);
                break;
            }
        // The log is written by the folder's one writer only: another writer would roll it back at
        // its next open while the change still runs. When another program holds the lock the
        // change goes on unguarded, as it always did.
        // A folder no writer ever locked has no lock file to take; only another writer stops the log.
        const bool mayWrite = !folder_.empty() && (WriterLock::heldInProcess(folder_) ||
                                                   lock_.acquire(folder_, false) != WriterLock::State::Busy);
        if (mayWrite) {
            log_ = std::make_unique<store::UndoLog>();
            if (log_->create(folder_ + store::undoLogName) != store::storeOk) {
                log_->finish();
                log_.reset();
            }
        }
        current = this;
        currentFolder = folder_;
    }
    for (GolfTableBase* table : tables)
        if (table)
            include(*table);
}

ChangeUnit::~ChangeUnit() {
    commit();
}

bool ChangeUnit::underWay(const std::string& folder) {
    if (!current)
        return false;
    std::error_code ec;
    return fs::equivalent(fs::path(folder), fs::path(currentFolder), ec) || folder == currentFolder;
}

void ChangeUnit::include(GolfTableBase& table) {
    if (!table.isOpen() || std::find(tables_.begin(), tables_.end(), &table) != tables_.end())
        return;
    tables_.push_back(&table);
    if (outer_) {
        outer_->include(table);
        return;
    }
    if (log_ && store::guardTable(table.storeTable(), *log_) != store::storeOk) {
        // A change that cannot be logged whole is not logged at all: a partial log would undo
        // only part of it.
        for (GolfTableBase* each : tables_)
            store::unguardTable(each->storeTable());
        log_->finish();
        log_.reset();
    }
}

void ChangeUnit::keepRows(GolfTableBase& table, const std::vector<long>& records) {
    include(table);
    if (outer_) {
        outer_->keepRows(table, records);
        return;
    }
    if (log_ && store::keepRows(table.storeTable(), records) != store::storeOk) {
        // Rows not saved here are saved one by one before they are overwritten.
    }
}

int ChangeUnit::commit() {
    if (done_)
        return store::storeOk;
    done_ = true;
    if (outer_)
        return store::storeOk; // the outer unit makes the tables durable
    int result = store::storeOk;
    for (GolfTableBase* table : tables_)
        if (const int rc = table->sync(); rc != store::storeOk && result == store::storeOk)
            result = rc;
    // Later writes are no part of this change: the log goes whatever the syncs said, or a roll-back
    // at the next open would take them away too.
    for (GolfTableBase* table : tables_)
        store::unguardTable(table->storeTable());
    if (log_) {
        log_->finish();
        log_.reset();
    }
    current = nullptr;
    currentFolder.clear();
    lock_.release();
    return result;
}

} // namespace kip::golfdb
