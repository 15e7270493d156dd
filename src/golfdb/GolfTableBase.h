#pragma once
// What every golf table has in common: one table file with a single tag, its field handles, moving
// in tag order and the add / change / remove write sequences. A subclass names its fields and says
// how its record is read from and written into the current row's buffer. Every operation returns the
// table store's result code unchanged (0 success, store::storeEof etc.).

#include "store/TableStore.h"

#include <array>
#include <string>
#include <vector>

namespace kip::golfdb {

class GolfTableBase {
public:
    virtual ~GolfTableBase();
    GolfTableBase(const GolfTableBase&) = delete;
    GolfTableBase& operator=(const GolfTableBase&) = delete;

    // Packs first when packOnClose is set; closing a closed table does nothing and returns 0.
    int close();
    // Makes every write so far durable.
    int sync();
    bool isOpen() const { return table_ != nullptr; }
    const std::string& path() const { return path_; }

    // Read or store the current record from / into the current row's buffer.
    virtual void readCurrent() = 0;
    virtual void writeCurrent() = 0;

    // Positioning in tag order; on success (0) the current record is read.
    int goTop();
    int skip(); // skipRecords(+1)
    int goTo(long recordNumber);
    long recordNumber() const;

    // appendStart, blankRecord, writeCurrent, appendRecord, flushTable when appended.
    // store::storeDuplicateKey on a unique tag: a row with this key exists; nothing written.
    int add();
    // Rewrites the current row from the record (blankRecord, writeCurrent, flushTable).
    int change();
    // Marks the current row deleted and flushes it; it leaves the tag at once.
    int remove();

    // Set by the deletion operations over many rows: the table is packed when it is closed.
    int packOnClose = 0;

    // How open treats an index that is missing, damaged, foreign (not the golf tag) or that
    // disagrees with its rows: rebuilt from the table with the golf layout (the default), or, for a
    // reader while another program may be writing, left alone. fullCheck compares every key with
    // its record instead of counting them (after a writer did not end cleanly).
    void setIndexRepair(bool repair, bool fullCheck = false) {
        repairIndex_ = repair;
        fullCheck_ = fullCheck;
    }
    // True when the last open rebuilt the index; the caller tells the user once.
    bool indexRebuilt() const { return indexRebuilt_; }
    // The table's name as the user knows it ("Scores").
    std::string tableName() const;

    // The open table, for the rare caller that walks rows in its own way (none while closed).
    store::Table* storeTable() const { return table_; }
    int lastResult() const { return context_.result(); }

protected:
    // path: the table file without extension, e.g. dataDir + "Courses".
    GolfTableBase(std::string path, const char* tagName);

    // Both refuse (store::storeErrCorrupt, table closed) a file whose first fieldCount fields are
    // not the golf layout at its widths: hole bytes are addressed directly.
    int openWith(bool uniqueTag, int fieldCount);
    int createWith(const std::vector<store::FieldSpec>& fields, const store::TagSpec& tag, int fieldCount);
    // The table's fields in file order.
    virtual std::vector<store::FieldSpec> layout() const = 0;

    store::Field* field(int index) const { return fields_[static_cast<size_t>(index)]; }
    int readIfPositioned(int rc);
    // Exact key match only; otherwise the seek result and nothing read.
    int seekAndRead(const std::string& key);

    store::TableContext context_;
    store::Table* table_ = nullptr;
    store::Tag* tag_ = nullptr;

private:
    static constexpr std::size_t maxFields = 16;

    void bindFields(int fieldCount);
    int openOnce(bool uniqueTag, int fieldCount, bool full, bool mayRepair, bool& indexBad);
    bool tagIsGolfLayout() const;

    bool repairIndex_ = true;
    bool fullCheck_ = false;
    bool indexRebuilt_ = false;

    std::string path_;
    std::string tagName_;
    std::array<store::Field*, maxFields> fields_{};
};

} // namespace kip::golfdb
