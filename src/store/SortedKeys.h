#pragma once
// The (key, record) pairs of one tag, as a rebuild or a pack gathers them from a table, and their
// sorted order. Keys are not kept one string each: they lie side by side in one block in the order
// they were gathered, or are read in place from the table's records when the key is one stretch of
// each record.

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
    // Gathered into a block: keyLength bytes per key at places 0, 1, ..., with its record in `records`.
    std::string block;
    std::vector<uint32_t> records;
    // Read in place: record r of rowCount at rows + (r - 1) * stride, its key keyOffset bytes into it,
    // at place r - 1; rows marked deleted are left out when skipDeleted. Valid while the table stays
    // open and unchanged.
    const unsigned char* rows = nullptr;
    size_t stride = 0;
    size_t keyOffset = 0;
    uint32_t rowCount = 0;
    bool skipDeleted = false;
    std::vector<uint32_t> order; // places in ascending (key, record) order

    size_t size() const { return order.size(); }
    const char* keyAt(size_t i) const { return keyOfPlace(order[i]); }
    std::string_view key(size_t i) const { return {keyAt(i), size_t(keyLength)}; }
    uint32_t record(size_t i) const { return recordOfPlace(order[i]); }
    const char* keyOfPlace(uint32_t place) const {
        return rows != nullptr ? reinterpret_cast<const char*>(rows + size_t(place) * stride + keyOffset)
                               : block.data() + size_t(place) * size_t(keyLength);
    }
    uint32_t recordOfPlace(uint32_t place) const { return rows != nullptr ? place + 1 : records[place]; }
    size_t placeCount() const { return rows != nullptr ? rowCount : records.size(); }

    // Fills `order` from the keys gathered: repeated (key, record) pairs are left out, and a unique
    // tag keeps only the lowest record of each key. A large set is sorted in two halves at once,
    // which are then merged.
    void sort(bool unique);
    // The entries (each key exactly keyLength bytes), sorted.
    static SortedKeys of(const std::vector<IndexEntry>& entries, int keyLength, bool unique);
    std::vector<IndexEntry> entries() const;
};

} // namespace kip::store
