#pragma once
// Read-only view of a table file and its structural index for maintenance: the canonical dump of
// header, fields, tags and keys, the record listing, and the integrity checks of every tag.

#include "store/CompoundIndex.h"
#include "store/DbfFile.h"
#include "store/KeyExpression.h"

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace kip::store {

class DbfExaminer {
public:
    // Opens the table file (path with extension) and, when its header announces one, the index.
    // Returns 0, or the table's open error. An index that cannot be opened is a fault, not an error.
    int open(const std::string& dbfPath);

    // Header facts, fields, tags, deleted records, keys in tag order and integrity lines.
    void dump(std::ostream& out);
    // Every record in record-number order with every field's value.
    void listRecords(std::ostream& out);
    // The faults found (empty when the table and its tags are intact).
    std::vector<std::string> check();

private:
    struct TagReport {
        std::vector<IndexEntry> walked;
        long keyCount = 0;
        bool count = true, order = true, keys = true, coverage = true;
        bool understood = true;
        int walkError = 0;
        std::vector<std::string> shared; // unique-shared notes
    };

    int loadRecords();
    TagReport inspectTag(int tag);
    std::vector<std::string> tagFaults(int tag, const TagReport& report) const;
    std::string baseName() const;

    std::unique_ptr<DbfFile> dbf_;
    std::unique_ptr<CompoundIndex> index_;
    int indexError_ = 0;
    std::vector<unsigned char> records_; // all records, record 1 first
};

} // namespace kip::store
