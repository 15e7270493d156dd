#include "store/SortedKeys.h"

#include "store/TwoThreads.h"

#include <algorithm>
#include <array>
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

// Keys are read in sorted order, which is anywhere in the block or the table: they are asked for
// this many handles early.
constexpr std::ptrdiff_t prefetchAhead = 16;

// Runs this short are sorted by comparison; longer ones by their bytes.
constexpr std::ptrdiff_t shortRun = 128;

struct Sorter {
    const SortedKeys& keys;
    size_t k;
    const Handle* base;
    // Where a key repeats the one before it in sorted order, ascending: only these places can hold
    // a pair to leave out, so nothing else needs its key compared again.
    std::vector<size_t> repeats{};

    // Orders [first, last), whose keys agree on their first `depth` bytes, by the rest of the key
    // and then by record, one word at a time. A word that every key of the run shares costs one pass
    // and no sorting, which is the common case: the rounds of one golfer share the whole name.
    void run(Handle* first, Handle* last, size_t depth) {
        if (depth > 0) {
            // Bytes that every key of the run shares are passed over in one pass, not word by word.
            const char* lead = keyAt(*first);
            size_t common = k;
            for (const Handle* h = first + 1; h != last && common > depth; ++h) {
                if (last - h > prefetchAhead)
                    __builtin_prefetch(keyAt(h[prefetchAhead]) + depth);
                common = sharedUpTo(lead, keyAt(*h), depth, common);
            }
            if (common == k)
                return byRecord(first, last);
            depth += (common - depth) / 8 * 8;
            for (Handle* h = first; h != last; ++h) {
                if (last - h > prefetchAhead)
                    __builtin_prefetch(keyAt(h[prefetchAhead]) + depth);
                h->head = wordAt(keyAt(*h), depth, k);
            }
        }
        uint64_t varying = 0;
        for (const Handle* h = first; h != last; ++h)
            varying |= h->head ^ first->head;
        if (varying != 0)
            return byHead(first, last, depth, varying);
        afterHead(first, last, depth);
    }

    const char* keyAt(const Handle& h) const { return keys.keyOfPlace(h.at); }

    // Where keys a and b first differ at or after `from`, looking no further than `limit`.
    static size_t sharedUpTo(const char* a, const char* b, size_t from, size_t limit) {
        size_t i = from;
        for (; i + 8 <= limit; i += 8) {
            uint64_t x, y;
            std::memcpy(&x, a + i, 8);
            std::memcpy(&y, b + i, 8);
            if (x != y)
                break;
        }
        while (i < limit && a[i] == b[i])
            ++i;
        return i;
    }

    // Orders a run by the word at `depth`, in place, one byte at a time from the highest byte that
    // differs (`varying` has the bits in which some head differs from another), then each group of
    // equal words by what follows.
    void byHead(Handle* first, Handle* last, size_t depth, uint64_t varying, int shift = 56) {
        while (shift >= 0 && ((varying >> shift) & 0xFF) == 0)
            shift -= 8;
        if (shift < 0)
            return afterHead(first, last, depth);
        if (last - first <= shortRun) {
            std::sort(first, last, [](const Handle& a, const Handle& b) { return a.head < b.head; });
            for (Handle* from = first; from != last;) {
                Handle* to = from + 1;
                while (to != last && to->head == from->head)
                    ++to;
                afterHead(from, to, depth);
                from = to;
            }
            return;
        }
        const auto byteOf = [shift](const Handle& h) {
            return static_cast<unsigned>(h.head >> shift) & 0xFFu;
        };
        std::array<size_t, 256> end{};
        for (const Handle* h = first; h != last; ++h)
            ++end[byteOf(*h)];
        std::array<size_t, 256> next{};
        size_t at = 0;
        for (size_t b = 0; b < 256; ++b) {
            next[b] = at;
            at += end[b];
            end[b] = at;
        }
        const std::array<size_t, 256> start = next;
        for (size_t b = 0; b < 256; ++b)
            while (next[b] < end[b]) {
                Handle& h = first[next[b]];
                const unsigned to = byteOf(h);
                if (to == b)
                    ++next[b];
                else
                    std::swap(h, first[next[to]++]);
            }
        for (size_t b = 0; b < 256; ++b)
            if (end[b] - start[b] > 1)
                byHead(first + start[b], first + end[b], depth, varying, shift - 8);
    }

    // A run whose words at `depth` are all equal.
    void afterHead(Handle* first, Handle* last, size_t depth) {
        if (last - first < 2)
            return;
        if (depth + 8 >= k)
            byRecord(first, last);
        else
            run(first, last, depth + 8);
    }

    void byRecord(Handle* first, Handle* last) {
        for (const Handle* h = first + 1; h < last; ++h)
            repeats.push_back(size_t(h - base));
        const auto before = [this](const Handle& a, const Handle& b) {
            const uint32_t ra = keys.recordOfPlace(a.at), rb = keys.recordOfPlace(b.at);
            return ra < rb || (ra == rb && a.at < b.at);
        };
        if (!std::is_sorted(first, last, before))
            std::sort(first, last, before);
    }
};

// Sets of at least this many places are sorted by two threads, each taking the keys on one side of
// a middle word.
constexpr size_t splitFrom = 32768;
constexpr uint32_t pivotSamples = 1023;

bool livePlace(const SortedKeys& keys, uint32_t place) {
    return !keys.skipDeleted || keys.rows[size_t(place) * keys.stride] != '*';
}

// Handles of the live places in [begin, end): those whose first word is below `pivot` to `low`,
// the others to `high`.
void gather(const SortedKeys& keys, uint32_t begin, uint32_t end, uint64_t pivot, std::vector<Handle>& low,
            std::vector<Handle>& high) {
    const size_t k = size_t(keys.keyLength);
    for (uint32_t place = begin; place < end; ++place)
        if (livePlace(keys, place)) {
            const Handle h{wordAt(keys.keyOfPlace(place), 0, k), place};
            (h.head < pivot ? low : high).push_back(h);
        }
}

// Sorts the handles, whose first words are set; returns where a key repeats the one before it.
std::vector<size_t> sortHandles(const SortedKeys& keys, std::vector<Handle>& handles) {
    Sorter sorter{keys, size_t(keys.keyLength), handles.data()};
    if (handles.size() > 1)
        sorter.run(handles.data(), handles.data() + handles.size(), 0);
    return std::move(sorter.repeats);
}

} // namespace

void SortedKeys::sort(bool unique) {
    const auto count = static_cast<uint32_t>(placeCount());
    const size_t k = size_t(keyLength);
    // Keys below the pivot's first word sort wholly before the others, so the two sides are sorted
    // on their own and simply follow each other; equal keys always fall on one side.
    std::array<std::vector<Handle>, 2> sides;
    std::array<std::vector<size_t>, 2> repeats;
    if (count >= splitFrom && twoThreadsAvailable()) {
        std::vector<uint64_t> sample;
        for (uint32_t i = 0; i < pivotSamples; ++i)
            sample.push_back(wordAt(keyOfPlace(uint32_t(uint64_t(count) * i / pivotSamples)), 0, k));
        std::nth_element(sample.begin(), sample.begin() + pivotSamples / 2, sample.end());
        const uint64_t pivot = sample[pivotSamples / 2];
        std::array<std::array<std::vector<Handle>, 2>, 2> gathered; // [half of the table][side]
        for (auto& half : gathered) // here, so that the memory comes from this thread's heap
            for (auto& side : half)
                side.reserve(count / 2 + 1);
        onTwoThreads([&](int half) {
            gather(*this, half == 0 ? 0 : count / 2, half == 0 ? count / 2 : count, pivot,
                   gathered[size_t(half)][0], gathered[size_t(half)][1]);
        });
        onTwoThreads([&](int side) {
            auto& mine = gathered[0][size_t(side)];
            const auto& theirs = gathered[1][size_t(side)];
            mine.insert(mine.end(), theirs.begin(), theirs.end());
            sides[size_t(side)] = std::move(mine);
            repeats[size_t(side)] = sortHandles(*this, sides[size_t(side)]);
        });
    } else {
        gather(*this, 0, count, 0, sides[1], sides[1]); // no word is below 0: one side holds all
        repeats[1] = sortHandles(*this, sides[1]);
    }
    order.clear();
    order.reserve(sides[0].size() + sides[1].size());
    for (size_t s = 0; s < 2; ++s) {
        auto repeat = repeats[s].begin();
        for (size_t i = 0; i < sides[s].size(); ++i) {
            const uint32_t at = sides[s][i].at;
            if (repeat != repeats[s].end() && *repeat == i) {
                ++repeat;
                if (unique || recordOfPlace(order.back()) == recordOfPlace(at))
                    continue;
            }
            order.push_back(at);
        }
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
