#pragma once
// One decoded page of a compound index tree: a compact leaf or an interior node, with its keys held
// uncompressed so that the tree can be searched and changed in place. Encoding packs a leaf again with
// the smallest entry width its record numbers allow (never below three bytes, which every reader takes).

#include <cstdint>
#include <string>
#include <vector>

namespace kip::store {

inline constexpr uint32_t cdxPageSize = 512;
inline constexpr uint32_t cdxNoPage = 0xFFFFFFFFu;
inline constexpr int cdxLeafArea = 488; // bytes 24-511 of a leaf
inline constexpr int cdxMaxKeyLength = 240;

class CdxNode {
public:
    CdxNode(uint32_t offset, int keyLength, uint8_t fill, bool leaf);

    uint32_t offset() const { return offset_; }
    int keyLength() const { return keyLength_; }
    uint8_t fill() const { return fill_; }
    bool leaf() const { return leaf_; }
    bool root() const { return root_; }
    void setRoot(bool root) { root_ = root; }
    // Turns an emptied interior root back into an empty root leaf.
    void becomeEmptyLeaf();
    uint32_t left() const { return left_; }
    uint32_t right() const { return right_; }
    void setLeft(uint32_t page) { left_ = page; }
    void setRight(uint32_t page) { right_ = page; }

    int count() const { return static_cast<int>(records_.size()); }
    const uint8_t* keyAt(int i) const { return keys_.data() + static_cast<size_t>(i) * keyLength_; }
    uint32_t recordAt(int i) const { return records_[i]; }
    uint32_t childAt(int i) const { return children_[i]; }
    void setChild(int i, uint32_t page) { children_[i] = page; }

    void insertAt(int i, const uint8_t* key, uint32_t record, uint32_t child = 0);
    void eraseAt(int i);
    // Sets entry i to (key, record); returns whether it changed.
    bool assignAt(int i, const uint8_t* key, uint32_t record);
    // Moves entries [from, count) to the end of `other` (same kind, same key length).
    void moveTailTo(int from, CdxNode& other);
    void appendAllFrom(CdxNode& other);

    // Bytes a leaf needs in its 488-byte area; entry i as stored after entry i - 1.
    int leafBytes() const;
    int storedBytes(int i) const;
    // Bytes entry i takes when it opens a leaf (nothing shared with a predecessor).
    int leadBytes(int i) const;
    int entryWidth() const { return entryWidthFor(maxRecord_, keyLength_); }
    bool overflows() const;
    static int interiorCapacity(int keyLength) { return 500 / (keyLength + 8); }
    static int entryWidthFor(uint32_t maxRecord, int keyLength);
    static int bitLength(int keyLength);

    // Fills `page` (512 bytes). Precondition: !overflows().
    void encode(uint8_t* page) const;
    // Decodes a page; `strict` also demands everything a careful writer produces (exact free space,
    // consistent masks, first entry uncompressed). Returns false with a reason for a malformed page.
    static bool decode(const uint8_t* page, uint32_t offset, int keyLength, uint8_t fill, bool strict,
                       CdxNode& out, std::string& problem);

    bool dirty = false;

private:
    void recount();
    void encodeLeaf(uint8_t* page) const;
    void encodeInterior(uint8_t* page) const;
    bool decodeLeaf(const uint8_t* page, bool strict, std::string& problem);
    bool decodeInterior(const uint8_t* page, std::string& problem);
    int trailOf(const uint8_t* key) const;
    int dupOf(const uint8_t* previous, const uint8_t* key, int trail) const;

    uint32_t offset_;
    int keyLength_;
    uint8_t fill_;
    bool leaf_;
    bool root_ = false;
    uint32_t left_ = cdxNoPage;
    uint32_t right_ = cdxNoPage;
    std::vector<uint8_t> keys_;
    std::vector<uint32_t> records_;
    std::vector<uint32_t> children_;
    // Leaf bookkeeping kept up to date by every change, so that fitting a key costs O(K).
    int stored_ = 0;
    uint32_t maxRecord_ = 0;
};

} // namespace kip::store
