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
    // Read in place: the key of record r at inPlace + (r - 1) * stride, for the records in `places`
    // (each r - 1). Valid while the table stays open and unchanged.
    const char* inPlace = nullptr;
    size_t stride = 0;
    std::vector<uint32_t> places;
    std::vector<uint32_t> order; // places in ascending (key, record) order

    size_t size() const { return order.size(); }
    const char* keyAt(size_t i) const { return keyOfPlace(order[i]); }
    std::string_view key(size_t i) const { return {keyAt(i), size_t(keyLength)}; }
    uint32_t record(size_t i) const { return recordOfPlace(order[i]); }
    const char* keyOfPlace(uint32_t place) const {
        return inPlace != nullptr ? inPlace + size_t(place) * stride
                                  : block.data() + size_t(place) * size_t(keyLength);
    }
    uint32_t recordOfPlace(uint32_t place) const { return inPlace != nullptr ? place + 1 : records[place]; }

    // Fills `order` from the keys gathered: repeated (key, record) pairs are left out, and a unique
    // tag keeps only the lowest record of each key.
    void sort(bool unique);
    // The entries (each key exactly keyLength bytes), sorted.
    static SortedKeys of(const std::vector<IndexEntry>& entries, int keyLength, bool unique);
    std::vector<IndexEntry> entries() const;
};

} // namespace kip::store
