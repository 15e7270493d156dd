#pragma once
// Typed access to the golfer table (Golfers). Every operation returns the table store's result code.

#include "golfdb/GolferRecord.h"
#include "store/TableStore.h"

#include <array>
#include <string>

namespace kip::golfdb {

class GolferTable {
public:
    explicit GolferTable(std::string path);
    ~GolferTable();
    GolferTable(const GolferTable&) = delete;
    GolferTable& operator=(const GolferTable&) = delete;

    int open();
    int create();
    int close();
    int sync();
    bool isOpen() const { return table_ != nullptr; }
    const std::string& path() const { return path_; }

    void readCurrent();
    void writeCurrent();

    // Positioning in key order; on success (0) the current record is read.
    int goTop();
    int skip();
    int goTo(long recordNumber);
    long recordNumber() const;

    int add();    // store::storeDuplicateKey: a golfer of that name exists
    int change(); // store::storeDuplicateKey: the new name belongs to another golfer
    int remove();
    // Exact "%-40s" match only; otherwise the seek result and nothing read.
    int find(const std::string& name);

    // Builds the record's name from last and first name (see joinGolferName).
    void joinName(const std::string& last, const std::string& first);
    static NameParts splitName(const std::string& name) { return splitGolferName(name); }

    GolferRecord& record() { return record_; }
    const GolferRecord& record() const { return record_; }

    store::Table* storeTable() const { return table_; }
    int lastResult() const { return context_.result(); }

private:
    enum GolferField { fName, fStreet, fCity, fState, fZip, fPhone, fHandicap, fRounds, fExtra, fieldCount };

    void bindFields();
    int readIfPositioned(int rc);
    store::Field* field(int index) const { return fields_[static_cast<size_t>(index)]; }

    store::TableContext context_;
    store::Table* table_ = nullptr;
    store::Tag* tag_ = nullptr;
    std::string path_;
    std::array<store::Field*, fieldCount> fields_{};
    GolferRecord record_;
};

} // namespace kip::golfdb
