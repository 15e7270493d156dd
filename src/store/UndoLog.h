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

    // Creates the log at path (what a finished roll-back left is replaced) and makes it and its
    // folder entry durable. 0 or a store error.
    int create(const std::string& path);
    bool isOpen() const { return fd_ >= 0; }
    const std::string& path() const { return path_; }

    // Names a table with its current record count, durably; `number` is its number in the log.
    int addTable(const DbfFile& file, int& number);
    // Saves the old bytes of rows not saved yet, in one durable write.
    int keepRows(int table, const std::vector<std::pair<std::uint32_t, std::vector<unsigned char>>>& rows);
    bool kept(int table, std::uint32_t record) const;
    // The change is durable: the log goes.
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
    std::vector<std::unordered_set<std::uint32_t>> kept_;
};

// The table store's side: while a table is guarded, the first overwrite of each row it held when
// guarding began saves that row in the log first (one durable write per row).
int guardTable(Table* table, UndoLog& log);
// Saves the rows that are about to change in one durable write: far quicker than one by one.
int keepRows(Table* table, const std::vector<long>& records);
void unguardTable(Table* table);

} // namespace kip::store
