#pragma once
// The (key, record) pairs of one tag, as a rebuild or a pack gathers them from a table, and their
// sorted order. Keys lie side by side in one block in the order they were gathered, so that a
// hundred thousand keys cost three allocations instead of a hundred thousand.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kip::store {

struct IndexEntry {
    std::string key; // exactly keyLength bytes
    uint32_t record = 0;
};

struct SortedKeys {
    int keyLength = 0;
    std::string block;             // keyLength bytes per gathered key
    std::vector<uint32_t> records; // the record of each gathered key
    std::vector<uint32_t> order;   // places in `block`, in ascending (key, record) order

    size_t size() const { return order.size(); }
    const char* keyAt(size_t i) const { return block.data() + size_t(order[i]) * size_t(keyLength); }
    std::string_view key(size_t i) const { return {keyAt(i), size_t(keyLength)}; }
    uint32_t record(size_t i) const { return records[order[i]]; }

    // Fills `order` from what `block` and `records` hold: repeated (key, record) pairs are left out,
    // and a unique tag keeps only the lowest record of each key.
    void sort(bool unique);
    // The entries (each key exactly keyLength bytes), sorted.
    static SortedKeys of(const std::vector<IndexEntry>& entries, int keyLength, bool unique);
    std::vector<IndexEntry> entries() const;
};

} // namespace kip::store
