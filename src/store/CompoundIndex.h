#pragma once
// The structural compound index (.cdx) of one table: a tag directory and one B+-tree per tag, in
// 512-byte pages. This class knows pages and keys only; the table layer evaluates key and filter
// expressions and decides which (key, record) pairs belong in a tag.
//
// Keys are stored and compared in ascending (key bytes, record number) order for every tag; a
// descending tag is the same tree walked backwards, which the table layer does with
// last/previous/seekLastAtOrBelow.
//
// Changes are applied to pages held in memory and written by flush(); sync() makes written pages
// durable. Nothing else buffers changes past a flush.

#include "store/SortedKeys.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kip::store {

struct IndexTagInfo {
    std::string name;          // upper case, at most 10 characters
    std::string keyExpression; // as stored in the tag header
    std::string forExpression; // empty when the tag has no FOR clause
    int keyLength = 0;         // K, 1 to 240
    bool characterKey = true;  // fill byte 0x20 for character keys, 0x00 otherwise
    bool unique = false;
    bool descending = false;
};

class CompoundIndex {
public:
    ~CompoundIndex();
    CompoundIndex(const CompoundIndex&) = delete;
    CompoundIndex& operator=(const CompoundIndex&) = delete;

    // Opens an existing index. Returns 0 or a negative store error (storeErrOpen, storeErrIndex, ...).
    // A damaged file gives storeErrIndex, never a crash or a hang.
    static int open(const std::string& path, bool readOnly, std::unique_ptr<CompoundIndex>& out);
    // Creates a new index with empty tags; fails with storeErrExists when the file exists.
    static int create(const std::string& path, const std::vector<IndexTagInfo>& tags,
                      std::unique_ptr<CompoundIndex>& out);
    // Writes a complete new index file holding the given tags and entries (each list sorted or not),
    // to a temporary file renamed over `path` once complete.
    static int writeFresh(const std::string& path, const std::vector<IndexTagInfo>& tags,
                          const std::vector<std::vector<IndexEntry>>& entries);
    static int writeFresh(const std::string& path, const std::vector<IndexTagInfo>& tags,
                          const std::vector<SortedKeys>& keys);

    // The first half of writeFresh: the complete new index for `path` written, with the permissions
    // and owner of the file at `path`, to `temporary` and made durable; the caller renames it.
    static int writeFreshBeside(const std::string& path, const std::string& temporary,
                                const std::vector<IndexTagInfo>& tags, const std::vector<SortedKeys>& keys);

    int tagCount() const;
    const IndexTagInfo& tagInfo(int tag) const;
    int findTagNumber(std::string_view name) const; // case-insensitive; -1 when absent

    // Tree changes. insert: storeDuplicateKey is not decided here (the table layer asks
    // findKey first for unique tags); inserting an existing (key, record) pair is a no-op.
    int insert(int tag, std::string_view key, uint32_t record);
    int remove(int tag, std::string_view key, uint32_t record); // absent pair: no-op, 0
    // Replaces every entry of the tag (after a pack or a reindex).
    int rebuild(int tag, std::vector<IndexEntry> entries);

    // Navigation in ascending (key, record) order. Each returns 0 and fills `entry`, storeEof when
    // there is no such entry, or a negative error for a damaged index.
    int first(int tag, IndexEntry& entry);
    int last(int tag, IndexEntry& entry);
    // The entry strictly after / before (key, record); the pair itself need not be in the tree
    // (it may have been removed since it was read).
    int next(int tag, std::string_view key, uint32_t record, IndexEntry& entry);
    int previous(int tag, std::string_view key, uint32_t record, IndexEntry& entry);
    // First entry whose first prefix.size() key bytes are >= prefix; last entry whose first
    // prefix.size() key bytes are <= prefix. A prefix longer than the key is cut to the key length.
    int seekFirstAtOrAbove(int tag, std::string_view prefix, IndexEntry& entry);
    int seekLastAtOrBelow(int tag, std::string_view prefix, IndexEntry& entry);
    // The lowest record holding exactly this key, or 0 when none.
    uint32_t findKey(int tag, std::string_view key);
    long keyCount(int tag);

    // Checks the tag's tree as written on disk (after flushing): page formats, sibling links, interior
    // keys, key order and count, and that no page is both free and in use. Returns 0, or
    // storeErrIndex with a description in `problem`.
    int verify(int tag, std::string& problem);

    int flush(); // writes changed pages and the header (bumping the update counter)
    int sync();  // fsync
    int close(); // flush and close the file
    bool readOnly() const;

    struct Impl;

private:
    explicit CompoundIndex(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

} // namespace kip::store
