#pragma once
// The key and FOR expressions the store evaluates itself: character fields joined by "+" (their
// blank-padded texts concatenated), and the filter ".NOT. DELETED()". Anything else is reported as
// not understood, so the table is never written with a tag it cannot keep up to date.

#include "store/CompoundIndex.h"
#include "store/DbfFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace kip::store {

class KeyExpression {
public:
    // The index description of a tag to be made over `fields`; false when the tag list row is not
    // one the store can keep (name, codes, expressions).
    static bool describeTag(const TagSpec& row, const std::vector<DbfField>& fields, IndexTagInfo& info);

    // False when the expression is not a "+" list of existing character fields.
    bool parse(std::string_view text, const std::vector<DbfField>& fields);
    // False when the filter is neither empty nor a not-deleted test.
    bool parseFilter(std::string_view text);
    // Key and filter of a tag as its index describes it; false when the store cannot evaluate them
    // to the tag's own key length.
    bool parseTag(const IndexTagInfo& tag, const std::vector<DbfField>& fields);

    int keyLength() const { return length_; }
    // Key bytes of a record, exactly keyLength() bytes.
    std::string evaluate(const unsigned char* record) const;
    void evaluateInto(const unsigned char* record, std::string& key) const;
    bool passes(const unsigned char* record) const { return !notDeleted_ || record[0] != '*'; }
    bool hasFilter() const { return notDeleted_; }
    // Every (key, record) pair the tag must hold, in ascending (key, record) order; a unique tag keeps
    // only the lowest record of each key.
    int collectEntries(const DbfFile& dbf, bool unique, std::vector<IndexEntry>& entries) const;
    // The same pairs, for writing a whole new index. The keys may be read in place from the table:
    // use `keys` while `dbf` stays open and unchanged.
    int collectKeys(const DbfFile& dbf, bool unique, SortedKeys& keys) const;

private:
    struct Part {
        int offset;
        int width;
    };
    std::vector<Part> parts_;
    int length_ = 0;
    bool notDeleted_ = false;
};

} // namespace kip::store
