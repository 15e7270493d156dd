#include "store/SortedKeys.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace kip::store {
namespace {

// A key's place with eight of its bytes as one big-endian word: most comparisons end on the word.
struct Handle {
    uint64_t head;
    uint32_t at;
};

uint64_t wordAt(const char* key, size_t depth, size_t k) {
    if (depth + 8 <= k) {
        uint64_t word;
        std::memcpy(&word, key + depth, 8);
        if constexpr (std::endian::native == std::endian::little)
            word = __builtin_bswap64(word);
        return word;
    }
    unsigned char bytes[8] = {};
    std::memcpy(bytes, key + depth, std::min<size_t>(8, k - depth));
    uint64_t word = 0;
    for (const unsigned char b : bytes)
        word = word << 8 | b;
    return word;
}

struct Sorter {
    const char* block;
    size_t k;
    const uint32_t* records;

    // Orders [first, last), whose keys agree on their first `depth` bytes, by the rest of the key
    // and then by record, one word at a time. A word that every key of the run shares costs one pass
    // and no sorting, which is the common case: the rounds of one golfer share the whole name.
    void run(Handle* first, Handle* last, size_t depth) const {
        for (;;) {
            bool same = true;
            const uint64_t head0 = wordAt(block + size_t(first->at) * k, depth, k);
            for (Handle* h = first; h != last; ++h) {
                h->head = wordAt(block + size_t(h->at) * k, depth, k);
                same = same && h->head == head0;
            }
            const bool lastWord = depth + 8 >= k;
            if (same) {
                if (lastWord)
                    return byRecord(first, last);
                depth += 8;
                continue;
            }
            std::sort(first, last, [](const Handle& a, const Handle& b) { return a.head < b.head; });
            for (Handle* from = first; from != last;) {
                Handle* to = from + 1;
                while (to != last && to->head == from->head)
                    ++to;
                if (to - from > 1) {
                    if (lastWord)
                        byRecord(from, to);
                    else
                        run(from, to, depth + 8);
                }
                from = to;
            }
            return;
        }
    }

    void byRecord(Handle* first, Handle* last) const {
        const auto before = [this](const Handle& a, const Handle& b) {
            return records[a.at] < records[b.at] || (records[a.at] == records[b.at] && a.at < b.at);
        };
        if (!std::is_sorted(first, last, before))
            std::sort(first, last, before);
    }
};

} // namespace

void SortedKeys::sort(bool unique) {
    const size_t k = size_t(keyLength);
    const size_t count = records.size();
    std::vector<Handle> handles(count);
    for (size_t i = 0; i < count; ++i)
        handles[i].at = static_cast<uint32_t>(i);
    if (count > 1 && k > 0)
        Sorter{block.data(), k, records.data()}.run(handles.data(), handles.data() + count, 0);
    order.clear();
    order.reserve(count);
    for (const Handle& h : handles) {
        if (!order.empty()) {
            const uint32_t prior = order.back();
            if (std::memcmp(block.data() + size_t(prior) * k, block.data() + size_t(h.at) * k, k) == 0 &&
                (unique || records[prior] == records[h.at]))
                continue;
        }
        order.push_back(h.at);
    }
}

SortedKeys SortedKeys::of(const std::vector<IndexEntry>& entries, int keyLength, bool unique) {
    SortedKeys keys;
    keys.keyLength = keyLength;
    keys.block.reserve(entries.size() * size_t(keyLength));
    keys.records.reserve(entries.size());
    for (const IndexEntry& e : entries) {
        keys.block.append(e.key, 0, size_t(keyLength));
        keys.block.resize(keys.records.size() * size_t(keyLength) + size_t(keyLength), '\0');
        keys.records.push_back(e.record);
    }
    keys.sort(unique);
    return keys;
}

std::vector<IndexEntry> SortedKeys::entries() const {
    std::vector<IndexEntry> out;
    out.reserve(size());
    for (size_t i = 0; i < size(); ++i)
        out.push_back({std::string(key(i)), record(i)});
    return out;
}

} // namespace kip::store
