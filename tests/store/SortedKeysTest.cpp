// The order a new index is written in: every (key, record) pair of a tag ascending, repeated pairs
// left out, and one record per key for a unique tag.

#include "store/SortedKeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace kip::store;

namespace {

std::vector<IndexEntry> expectedOrder(std::vector<IndexEntry> entries, bool unique) {
    std::sort(entries.begin(), entries.end(), [](const IndexEntry& a, const IndexEntry& b) {
        return a.key < b.key || (a.key == b.key && a.record < b.record);
    });
    std::vector<IndexEntry> out;
    for (const IndexEntry& e : entries)
        if (out.empty() || out.back().key != e.key || (!unique && out.back().record != e.record))
            out.push_back(e);
    return out;
}

bool sameEntries(const std::vector<IndexEntry>& a, const std::vector<IndexEntry>& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](const auto& x, const auto& y) { return x.key == y.key && x.record == y.record; });
}

// Keys that look like golf keys: a few names sharing long prefixes, blank padded, then a date; some
// bytes above 0x7F, some whole keys repeated, records in no particular order.
std::vector<IndexEntry> golfLikeKeys(int keyLength, int count, unsigned seed) {
    std::mt19937 random(seed);
    const std::vector<std::string> names = {"Golfer0001, Test",
                                            "Golfer0002, Test",
                                            "Golfer0010, Test",
                                            "Brandt, Ola",
                                            "Brandt, Olaf",
                                            "\xC5"
                                            "ngstr\xF6m, Lars",
                                            "",
                                            "Okonkwo, Ike"};
    std::vector<IndexEntry> entries;
    for (int i = 0; i < count; ++i) {
        std::string key = names[random() % names.size()];
        key.resize(static_cast<size_t>(std::max(0, keyLength - 8)), ' ');
        key += std::to_string(20100101 + random() % 1500);
        key.resize(static_cast<size_t>(keyLength), ' ');
        entries.push_back({key, static_cast<uint32_t>(1 + random() % (count * 2))});
        if (random() % 10 == 0)
            entries.push_back(entries.back()); // the same pair twice
    }
    return entries;
}

} // namespace

TEST(SortedKeys, GolfLikeKeysOfEveryLengthComeOutInKeyAndRecordOrder) {
    for (const int keyLength : {1, 3, 8, 9, 16, 23, 48, 240})
        for (const int count : {0, 1, 2, 63, 64, 129, 5000})
            for (const bool unique : {false, true}) {
                const auto entries =
                    golfLikeKeys(keyLength, count, static_cast<unsigned>(keyLength * 7919 + count));
                const SortedKeys sorted = SortedKeys::of(entries, keyLength, unique);
                EXPECT_TRUE(sameEntries(sorted.entries(), expectedOrder(entries, unique)))
                    << "key length " << keyLength << ", " << count << " keys, unique " << unique;
            }
}

TEST(SortedKeys, EqualKeysKeepTheirRecordsAscendingAndUniqueKeepsTheLowest) {
    std::vector<IndexEntry> entries;
    for (const uint32_t record : {9u, 3u, 7u, 3u, 1u, 8u})
        entries.push_back({std::string(12, 'A'), record});
    entries.push_back({std::string(11, 'A') + "@", 5}); // sorts first: '@' is below 'A'
    const auto all = SortedKeys::of(entries, 12, false);
    std::vector<uint32_t> records;
    for (size_t i = 0; i < all.size(); ++i)
        records.push_back(all.record(i));
    EXPECT_EQ(records, (std::vector<uint32_t>{5, 1, 3, 7, 8, 9}));
    const auto one = SortedKeys::of(entries, 12, true);
    ASSERT_EQ(one.size(), 2u);
    EXPECT_EQ(one.record(1), 1u);
}

TEST(SortedKeys, BytesCompareUnsignedWordForWord) {
    // Keys that differ only in their high bytes or only past the eighth byte of a word.
    std::vector<IndexEntry> entries;
    std::mt19937 random(11);
    for (uint32_t r = 1; r <= 3000; ++r) {
        std::string key(20, '\0');
        for (auto& c : key)
            c = static_cast<char>(random() % 3 == 0 ? 0xFF : random() % 3 == 0 ? 0x80 : 0x7F);
        entries.push_back({key, r});
    }
    EXPECT_TRUE(sameEntries(SortedKeys::of(entries, 20, false).entries(), expectedOrder(entries, false)));
}

TEST(SortedKeys, LargeSetsSortedOnTwoThreadsMatchTheOneThreadOrder) {
    // Enough keys for the two-sided sort, with the pivot word shared by many keys of both sides.
    for (const bool unique : {false, true}) {
        const auto entries = golfLikeKeys(48, 70000, unique ? 5u : 6u);
        EXPECT_TRUE(
            sameEntries(SortedKeys::of(entries, 48, unique).entries(), expectedOrder(entries, unique)))
            << "unique " << unique;
    }
    std::vector<IndexEntry> same;
    for (uint32_t r = 70000; r > 0; --r)
        same.push_back({"Okonkwo, Ike", r}); // one word for every key: nothing to split on
    EXPECT_TRUE(sameEntries(SortedKeys::of(same, 12, false).entries(), expectedOrder(same, false)));
}

TEST(SortedKeys, KeysReadInPlaceSkipDeletedRowsAndNumberRecordsFromOne) {
    // Rows of 21 bytes: the deletion mark, four bytes of something else, then a 16-byte key.
    for (const uint32_t rows : {1u, 300u, 40000u}) {
        std::mt19937 random(rows);
        std::vector<unsigned char> table;
        std::vector<IndexEntry> live;
        for (uint32_t r = 1; r <= rows; ++r) {
            const bool deleted = random() % 7 == 0;
            std::string key = "Golfer" + std::to_string(random() % 300);
            key.resize(8, ' ');
            key += std::to_string(20200101 + random() % 400);
            table.push_back(deleted ? '*' : ' ');
            for (int i = 0; i < 4; ++i)
                table.push_back(static_cast<unsigned char>(random()));
            table.insert(table.end(), key.begin(), key.end());
            if (!deleted)
                live.push_back({key, r});
        }
        for (const bool unique : {false, true}) {
            SortedKeys keys;
            keys.keyLength = 16;
            keys.rows = table.data();
            keys.stride = 21;
            keys.keyOffset = 5;
            keys.rowCount = rows;
            keys.skipDeleted = true;
            keys.sort(unique);
            EXPECT_TRUE(sameEntries(keys.entries(), expectedOrder(live, unique)))
                << rows << " rows, unique " << unique;
        }
    }
}
