// Leaf packing details that other writers do differently or that only show with unusual keys.

#include "store/CdxNode.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using kip::store::CdxNode;

namespace {

const uint8_t* bytes(const std::string& s) {
    return reinterpret_cast<const uint8_t*>(s.data());
}

std::string keyOf(const CdxNode& n, int i) {
    return std::string(reinterpret_cast<const char*>(n.keyAt(i)), n.keyLength());
}

CdxNode roundTrip(const CdxNode& n, std::array<uint8_t, 512>& page) {
    n.encode(page.data());
    CdxNode back(n.offset(), n.keyLength(), n.fill(), true);
    std::string problem;
    EXPECT_TRUE(CdxNode::decode(page.data(), n.offset(), n.keyLength(), n.fill(), true, back, problem))
        << problem;
    return back;
}

TEST(CdxNodeLeaf, EqualAndBlankKeysStoreNothingAndRoundTrip) {
    CdxNode leaf(0x600, 10, ' ', true);
    leaf.insertAt(0, bytes("          "), 1);
    leaf.insertAt(1, bytes("BAY 7     "), 2);
    leaf.insertAt(2, bytes("BAY 7     "), 42);
    std::array<uint8_t, 512> page{};
    const CdxNode back = roundTrip(leaf, page);
    ASSERT_EQ(3, back.count());
    EXPECT_EQ("          ", keyOf(back, 0));
    EXPECT_EQ("BAY 7     ", keyOf(back, 2));
    EXPECT_EQ(42u, back.recordAt(2));
    // Entry 0: trail 10, nothing stored. Entry 2: dup capped at K - trail = 5, nothing stored.
    EXPECT_EQ(0xA0, page[24 + 2]);
    EXPECT_EQ(0x55, page[24 + 3 * 2 + 2]);
    EXPECT_EQ(488 - 3 * 3 - 5, page[12] | page[13] << 8);
}

TEST(CdxNodeLeaf, EntriesWidenWhenRecordNumbersOutgrowThreeBytes) {
    CdxNode leaf(0x600, 10, ' ', true);
    leaf.insertAt(0, bytes("A         "), 65535);
    EXPECT_EQ(3, leaf.entryWidth());
    leaf.insertAt(1, bytes("B         "), 65536);
    EXPECT_EQ(4, leaf.entryWidth());
    std::array<uint8_t, 512> page{};
    const CdxNode back = roundTrip(leaf, page);
    EXPECT_EQ(24, page[20]); // record bits
    EXPECT_EQ(4, page[23]);
    EXPECT_EQ(65536u, back.recordAt(1));
    leaf.eraseAt(1);
    EXPECT_EQ(3, leaf.entryWidth()); // narrows again once the large record is gone
    EXPECT_EQ(5, CdxNode::entryWidthFor(65536, 240));
    EXPECT_EQ(6, CdxNode::entryWidthFor(0xFFFFFFFFu, 240));
}

// Another writer's leaf: four-byte entries, no trailing compression (blanks stored literally).
TEST(CdxNodeLeaf, ReadsLeavesPackedWithOtherParameters) {
    std::array<uint8_t, 512> page{};
    page[0] = 3;
    page[2] = 2;
    for (int i = 4; i < 12; ++i)
        page[i] = 0xFF;
    const int freeBytes = 488 - 2 * 4 - 11;
    page[12] = static_cast<uint8_t>(freeBytes);
    page[13] = static_cast<uint8_t>(freeBytes >> 8);
    page[14] = 0xFF;
    page[15] = 0xFF;
    page[16] = 0xFF;
    page[18] = 0x0F;
    page[19] = 0x0F;
    page[20] = 24;
    page[21] = 4;
    page[22] = 4;
    page[23] = 4;
    // Key length 8: "ROOM 1  " record 70000 (dup 0, trail 0), "ROOM 2  " record 3 (dup 5, trail 0).
    const uint32_t first = 70000, second = 3u | 5u << 24;
    for (int b = 0; b < 4; ++b) {
        page[24 + b] = static_cast<uint8_t>(first >> (8 * b));
        page[28 + b] = static_cast<uint8_t>(second >> (8 * b));
    }
    const std::string tail = "2  ROOM 1  ";
    std::copy(tail.begin(), tail.end(), page.end() - tail.size());
    CdxNode n(0x600, 8, ' ', true);
    std::string problem;
    ASSERT_TRUE(CdxNode::decode(page.data(), 0x600, 8, ' ', true, n, problem)) << problem;
    ASSERT_EQ(2, n.count());
    EXPECT_EQ("ROOM 1  ", keyOf(n, 0));
    EXPECT_EQ(70000u, n.recordAt(0));
    EXPECT_EQ("ROOM 2  ", keyOf(n, 1));
    EXPECT_EQ(3u, n.recordAt(1));
    // Written back, the blanks are compressed and the entries keep the width the records need.
    std::array<uint8_t, 512> again{};
    const CdxNode back = roundTrip(n, again);
    EXPECT_EQ(4, again[23]);
    EXPECT_EQ("ROOM 2  ", keyOf(back, 1));
    EXPECT_EQ(488 - 2 * 4 - 7, again[12] | again[13] << 8);
}

TEST(CdxNodeLeaf, StrictDecodingNamesWhatACarefulWriterAvoids) {
    CdxNode leaf(0x600, 10, ' ', true);
    leaf.insertAt(0, bytes("JONES     "), 2);
    std::array<uint8_t, 512> page{};
    leaf.encode(page.data());
    CdxNode n(0x600, 10, ' ', true);
    std::string problem;
    page[18] = 0x07; // duplicate-count mask disagrees with its four bits
    EXPECT_TRUE(CdxNode::decode(page.data(), 0x600, 10, ' ', false, n, problem));
    EXPECT_FALSE(CdxNode::decode(page.data(), 0x600, 10, ' ', true, n, problem));
    page[18] = 0x0F;
    page[24 + 2] |= 0x01; // first entry claims a shared prefix
    EXPECT_FALSE(CdxNode::decode(page.data(), 0x600, 10, ' ', true, n, problem));
}

TEST(CdxNodeInterior, CapacityFollowsTheKeyLength) {
    EXPECT_EQ(27, CdxNode::interiorCapacity(10));
    EXPECT_EQ(31, CdxNode::interiorCapacity(8));
    EXPECT_EQ(2, CdxNode::interiorCapacity(240));
    CdxNode node(0x800, 10, ' ', false);
    for (int i = 0; i < 28; ++i)
        node.insertAt(i, bytes(std::string(10, static_cast<char>('A' + i))), static_cast<uint32_t>(i),
                      0x400u * i);
    EXPECT_TRUE(node.overflows());
    node.eraseAt(27);
    EXPECT_FALSE(node.overflows());
    std::array<uint8_t, 512> page{};
    node.encode(page.data());
    EXPECT_EQ(0, page[0]);
    EXPECT_EQ(0x00, page[12 + 18 + 10]); // record 1 of entry 1, big-endian
    EXPECT_EQ(0x01, page[12 + 18 + 13]);
    EXPECT_EQ(0x04, page[12 + 18 + 10 + 6]); // child 0x400 of entry 1, big-endian
}

} // namespace
