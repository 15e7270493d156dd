#pragma once
// One FoxPro 2.x table file (.dbf without memo): header, field descriptors and fixed-length records.
// Reads take H, R and N from the header; writes grow the file before the header's record count so
// the count never promises records that are not there.

#include "store/TableStore.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kip::store {

struct DbfField {
    std::string name; // upper case as stored
    char type = 'C';
    int width = 0;
    int decimals = 0;
    int offset = 0; // within the record; the deletion mark is byte 0
    uint8_t flags = 0;
};

class UndoLog;

class DbfFile {
public:
    static constexpr unsigned char endOfFile = 0x1A;
    static constexpr unsigned char indexFlag = 0x01;

    ~DbfFile();
    DbfFile(const DbfFile&) = delete;
    DbfFile& operator=(const DbfFile&) = delete;

    // Opens an existing table; a file without write permission (or one that cannot be opened for
    // writing) opens read-only. Returns 0 or storeErrOpen / storeErrAccess / storeErrCorrupt.
    static int open(const std::string& path, std::unique_ptr<DbfFile>& out);
    // Creates a new, empty table; never replaces an existing file (storeErrExists).
    static int create(const std::string& path, const std::vector<FieldSpec>& fields, bool withIndex,
                      std::unique_ptr<DbfFile>& out);
    // storeErrArgument when the field list is not a valid FoxPro 2.x table without memo.
    static int checkFields(const std::vector<FieldSpec>& fields);

    // Where the structural index of a table file may be: same base name, ".cdx" or ".CDX".
    static std::vector<std::string> indexPaths(const std::string& dbfPath);
    // The first of indexPaths that exists, or empty.
    static std::string existingIndexPath(const std::string& dbfPath);

    const std::string& path() const { return path_; }
    const std::array<unsigned char, 32>& header() const { return header_; }
    const std::vector<DbfField>& fields() const { return fields_; }
    int fieldIndex(std::string_view name) const; // case-insensitive; -1 when absent
    uint32_t recordCount() const { return count_; }
    // Record 1 and all after it as mapped, or nullptr: valid until the file is written or closed.
    const unsigned char* mappedRecords() const;
    uint32_t headerLength() const { return headerLength_; }
    uint32_t recordLength() const { return recordLength_; }
    bool readOnly() const { return readOnly_; }
    // Memo or Visual FoxPro field types: readable as raw bytes, never written.
    bool hasUnsupportedFields() const { return unsupported_; }
    bool indexFlagSet() const { return (header_[28] & indexFlag) != 0; }

    int readRecord(uint32_t record, unsigned char* buffer) const; // recordLength() bytes
    int writeRecord(uint32_t record, const unsigned char* buffer);
    int appendRecord(const unsigned char* buffer, uint32_t& record);
    // Calls visit for records first..count in order, reading in large blocks; stops at a non-zero
    // result of visit and returns it.
    int scan(const std::function<int(uint32_t, const unsigned char*)>& visit) const;
    // Writes the records for which keep() holds, in order, to a new table file at `temporary` with
    // this file's header and permissions, and makes it durable. This file is not changed.
    int writePacked(const std::string& temporary, const std::function<bool(const unsigned char*)>& keep,
                    uint32_t& kept) const;
    // Puts the table file at `temporary` (written by writePacked) in this file's place with one
    // rename, makes the rename durable and goes on with the new file.
    int replaceWith(const std::string& temporary);
    int setIndexFlag(bool on);
    int sync();

    // While a log guards the file, a row it held when guarding began is saved in the log before it
    // is first overwritten (see UndoLog).
    int guardWith(UndoLog* log);
    // Saves these rows in the guarding log in one write (rows beyond the guarded count need none).
    int keepRows(const std::vector<uint32_t>& records);
    bool guarded() const { return undo_ != nullptr; }

    // Whole rows found after the rows the header counts: an append stopped between writing its row
    // and counting it. Other FoxPro-compatible readers then disagree with the header.
    static long rowsBeyondCount(const std::string& path);
    // Cuts such rows away (header untouched). 0, or a store error.
    static int dropRowsBeyondCount(const std::string& path);

private:
    DbfFile(std::string path, int fd, bool readOnly);
    int readHeader();
    int writeHeader(); // date of today and the record count
    uint64_t recordOffset(uint32_t record) const {
        return headerLength_ + static_cast<uint64_t>(record - 1) * recordLength_;
    }

    // Records are read through a read-only shared mapping of the file (writes go through the
    // descriptor, which the mapping sees at once): a walk in tag order jumps around the file, and a
    // system call per record would cost more than the walk itself.
    const unsigned char* mapped(uint64_t offset, size_t size) const;
    void unmap() const;

    std::string path_;
    int fd_ = -1;
    UndoLog* undo_ = nullptr;
    int undoTable_ = -1;
    uint32_t undoCount_ = 0;
    mutable void* map_ = nullptr;
    mutable size_t mapSize_ = 0;
    bool readOnly_ = false;
    bool unsupported_ = false;
    std::array<unsigned char, 32> header_{};
    std::vector<DbfField> fields_;
    uint32_t count_ = 0;
    uint32_t headerLength_ = 0;
    uint32_t recordLength_ = 0;
};

} // namespace kip::store
