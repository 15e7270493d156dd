#pragma once
// The undo log of a change over many rows: before the change starts, the log names every table it
// writes with the record count the table had; before a row that existed then is first overwritten,
// the log holds that row's old bytes. Rows appended by the change lie beyond the named count. Once
// the change is durable the log goes. A log found later belongs to a change that was stopped part
// way: rolling it back puts the old rows back and cuts each table back to its count, so the tables
// are exactly as before the change (their indexes are then rebuilt by the caller). Tables stay in
// the format other FoxPro-compatible programs read: nothing of the log is kept inside them.
//
// File: "KIPUNDO1", then entries of kind (1 byte), payload length (4), payload, check word (4),
// little-endian. A table entry holds the record count, header length, record length and file name
// (in the log's folder); a row entry the table's number in the log, the record number and the row's
// bytes. A torn last entry is ignored: its row was not yet overwritten.

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

namespace kip::store {

class DbfFile;
class Table;

inline constexpr const char* undoLogName = "KipGolf.undo";

class UndoLog {
public:
    UndoLog() = default;
    ~UndoLog(); // closes the file; the log stays until finish()
    UndoLog(const UndoLog&) = delete;
    UndoLog& operator=(const UndoLog&) = delete;

    // Starts the log at path: a new file, or the empty one the last change left (a log that still
    // holds a change is refused with storeErrExists). What is written to the
    // log is made durable, with the log's folder entry, by makeDurable() before the first write to a
    // guarded table that follows it: one sync for all the entries written in between.
    int create(const std::string& path);
    int makeDurable();
    bool isOpen() const { return fd_ >= 0; }
    const std::string& path() const { return path_; }

    // Names a table with its current record count; `number` is its number in the log.
    int addTable(const DbfFile& file, int& number);
    // Saves the old bytes of rows not saved yet, in one write.
    int keepRows(int table, const std::vector<std::pair<std::uint32_t, std::vector<unsigned char>>>& rows);
    bool kept(int table, std::uint32_t record) const;
    // The change is durable: the log is emptied durably (an empty log guards nothing) or, when
    // nothing of it was ever made durable, removed.
    int finish();

    // Puts back what the log at `path` guarded; `tables` gets the full paths of the tables changed.
    // The log itself stays (a stop during the roll-back rolls back again); remove() drops it.
    static int rollBack(const std::string& path, std::vector<std::string>& tables);
    static int remove(const std::string& path);

private:
    int append(const std::vector<unsigned char>& entries);

    int fd_ = -1;
    std::string path_;
    std::uint64_t end_ = 0;
    bool pending_ = false;      // written, not yet durable
    bool folderSynced_ = false; // the log's folder entry is durable
    std::vector<std::unordered_set<std::uint32_t>> kept_;
};

// The table store's side: while a table is guarded, the first overwrite of each row it held when
// guarding began saves that row in the log first, and every write to the table waits until the log
// is durable.
int guardTable(Table* table, UndoLog& log);
// Saves the rows that are about to change in one write: far quicker than one by one.
int keepRows(Table* table, const std::vector<long>& records);
void unguardTable(Table* table);

} // namespace kip::store
