#pragma once
// One tag's B+-tree over the pages of its index file: searching and walking in ascending
// (key, record) order, and inserting and removing in place (splitting full pages, merging sparse
// ones, freeing empty ones, keeping each interior entry equal to its child's last key and record,
// and linking siblings on every level). A bulk build lays sorted entries out bottom-up.

#include "store/CdxNode.h"
#include "store/CompoundIndex.h"

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace kip::store {

class CdxPageStore;

class CdxTree {
public:
    CdxTree(CdxPageStore& pages, IndexTagInfo info, uint32_t headerOffset, uint32_t root, long keys);

    const IndexTagInfo& info() const { return info_; }
    int keyLength() const { return info_.keyLength; }
    uint8_t fill() const { return info_.characterKey ? 0x20 : 0x00; }
    uint32_t headerOffset() const { return headerOffset_; }
    uint32_t root() const { return root_; }
    long keyCount() const { return keys_; }
    // The root moved since the tag header was last written.
    bool rootMoved() const { return rootMoved_; }
    void rootWritten() { rootMoved_ = false; }

    // Keys are exactly keyLength() bytes (the caller checks).
    int insert(std::string_view key, uint32_t record);
    int remove(std::string_view key, uint32_t record);
    // Replaces every entry; the old pages go to the free list first, so the new tree reuses them.
    void rebuild(const SortedKeys& sorted);
    void build(const SortedKeys& sorted);
    // Encodes a whole new tree of `sorted` page by page, without keeping its pages: leaves first,
    // then each interior level, at the pages from `fileEnd` on (which it advances). Each finished
    // page goes to `put` in ascending offset order. Returns the root's offset, or cdxNoPage when
    // `put` failed.
    using PagePut = std::function<bool(uint32_t offset, const uint8_t* page)>;
    static uint32_t writeSorted(const SortedKeys& sorted, int keyLength, uint8_t fill, uint32_t& fileEnd,
                                const PagePut& put);

    int first(IndexEntry& entry);
    int last(IndexEntry& entry);
    int next(std::string_view key, uint32_t record, IndexEntry& entry);
    int previous(std::string_view key, uint32_t record, IndexEntry& entry);
    int seekFirstAtOrAbove(std::string_view prefix, IndexEntry& entry);
    int seekLastAtOrBelow(std::string_view prefix, IndexEntry& entry);

private:
    struct Step {
        CdxNode* node;
        int index;
    };
    using Path = std::vector<Step>;

    template <class AtOrAfter> void descend(const AtOrAfter& atOrAfter, Path& path) const;
    void descendEdge(Path& path, bool leftmost) const;
    bool nextLeaf(Path& path) const;
    bool previousLeaf(Path& path) const;
    bool settle(Path& path) const;
    bool forward(Path& path) const;
    bool backward(Path& path) const;
    int emit(bool found, IndexEntry& entry);
    bool cacheHolds(std::string_view key, uint32_t record) const;

    std::vector<CdxNode*> split(CdxNode* n, bool packLeft);
    void growRoot(const std::vector<CdxNode*>& pieces);
    void repairAfterInsert(const Path& path, bool atLeafEnd);
    bool tryMerge(CdxNode* parent, int at);
    void repairAfterRemove(const Path& path);
    void shrinkRoot();
    void unlink(CdxNode* n);
    void linkLevel(const std::vector<CdxNode*>& level);
    void collectPages(uint32_t offset, std::vector<uint32_t>& out) const;
    void setRoot(uint32_t root);

    CdxPageStore* pages_;
    IndexTagInfo info_;
    uint32_t headerOffset_;
    uint32_t root_;
    bool rootMoved_ = false;
    long keys_;
    // Bumped by every change; a cached position from an older version is not trusted.
    uint64_t version_ = 0;
    // The last position handed out, so that walking by next() does not search from the root.
    Path cached_;
    uint64_t cachedVersion_ = 0;
    bool cacheValid_ = false;
};

} // namespace kip::store
