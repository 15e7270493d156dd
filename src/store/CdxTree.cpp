#include "store/CdxTree.h"

#include "store/CdxBytes.h"
#include "store/CdxPageStore.h"
#include "store/TableStore.h"
#include "store/TwoThreads.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace kip::store {

namespace {

const uint8_t* bytes(std::string_view s) {
    return reinterpret_cast<const uint8_t*>(s.data());
}

int compareEntry(const uint8_t* a, uint32_t ra, const uint8_t* b, uint32_t rb, size_t length) {
    if (const int c = std::memcmp(a, b, length))
        return c;
    return ra < rb ? -1 : (ra > rb ? 1 : 0);
}

// True when the leaf holds exactly this entry at position at.
bool holdsEntry(const CdxNode& leaf, int at, std::string_view key, uint32_t record) {
    return at < leaf.count() && leaf.recordAt(at) == record &&
           std::memcmp(leaf.keyAt(at), key.data(), key.size()) == 0;
}

auto atOrAfter(std::string_view key, uint32_t record) {
    return [k = bytes(key), record, n = key.size()](const uint8_t* key2, uint32_t record2) {
        return compareEntry(key2, record2, k, record, n) >= 0;
    };
}

auto after(std::string_view key, uint32_t record) {
    return [k = bytes(key), record, n = key.size()](const uint8_t* key2, uint32_t record2) {
        return compareEntry(key2, record2, k, record, n) > 0;
    };
}

const uint8_t* lastKey(const CdxNode* n) {
    return n->keyAt(n->count() - 1);
}
uint32_t lastRecord(const CdxNode* n) {
    return n->recordAt(n->count() - 1);
}

// Where a leaf that no longer fits is cut: about in half by bytes, or as full as possible on the
// left when the new key went to its end (keys arriving in order then fill pages completely).
std::vector<int> leafCuts(const CdxNode* n, bool packLeft) {
    const int width = n->entryWidth();
    std::vector<int> cuts;
    int limit = packLeft ? cdxLeafArea : n->leafBytes() / 2;
    int used = width + n->leadBytes(0);
    for (int i = 1; i < n->count(); ++i) {
        const int add = width + n->storedBytes(i);
        if (used + add <= limit) {
            used += add;
            continue;
        }
        cuts.push_back(i);
        used = width + n->leadBytes(i);
        limit = cdxLeafArea;
    }
    return cuts;
}

std::vector<int> interiorCuts(const CdxNode* n) {
    const int capacity = CdxNode::interiorCapacity(n->keyLength());
    const int pieces = std::max(2, (n->count() + capacity - 1) / capacity);
    const int size = (n->count() + pieces - 1) / pieces;
    std::vector<int> cuts;
    for (int at = size; at < n->count(); at += size)
        cuts.push_back(at);
    return cuts;
}

bool underfull(const CdxNode* n) {
    if (n->leaf())
        return n->leafBytes() < cdxLeafArea / 4;
    return n->count() == 1 || n->count() * 3 <= CdxNode::interiorCapacity(n->keyLength());
}

// Merged pages keep a quarter of their room free so that the next insert does not split again.
bool mergeFits(const CdxNode* l, const CdxNode* r) {
    if (!l->leaf())
        return l->count() + r->count() <= CdxNode::interiorCapacity(l->keyLength());
    const int width = std::max(l->entryWidth(), r->entryWidth());
    const int bytesNeeded = l->leafBytes() + r->leafBytes() + (l->count() + r->count()) * width -
                            l->count() * l->entryWidth() - r->count() * r->entryWidth();
    return bytesNeeded <= cdxLeafArea * 3 / 4;
}

} // namespace

CdxTree::CdxTree(CdxPageStore& pages, IndexTagInfo info, uint32_t headerOffset, uint32_t root, long keys)
    : pages_(&pages), info_(std::move(info)), headerOffset_(headerOffset), root_(root), keys_(keys) {}

// ---- searching ---------------------------------------------------------------------------------

// Fills `path` down to the leaf position of the first entry for which atOrAfter holds (the
// position may equal the leaf's count: nothing in that leaf qualifies).
template <class AtOrAfter> void CdxTree::descend(const AtOrAfter& atOrAfter, Path& path) const {
    path.clear();
    for (CdxNode* n = pages_->node(root_); n != nullptr;) {
        int lo = 0, hi = n->count();
        while (lo < hi) {
            const int mid = (lo + hi) / 2;
            if (atOrAfter(n->keyAt(mid), n->recordAt(mid)))
                hi = mid;
            else
                lo = mid + 1;
        }
        if (n->leaf()) {
            path.push_back({n, lo});
            return;
        }
        lo = std::min(lo, n->count() - 1);
        path.push_back({n, lo});
        n = pages_->node(n->childAt(lo));
    }
}

void CdxTree::descendEdge(Path& path, bool leftmost) const {
    while (!path.back().node->leaf()) {
        CdxNode* child = pages_->node(path.back().node->childAt(path.back().index));
        path.push_back({child, leftmost ? 0 : child->count() - 1});
    }
}

bool CdxTree::nextLeaf(Path& path) const {
    for (;;) {
        path.pop_back();
        while (!path.empty() && path.back().index + 1 >= path.back().node->count())
            path.pop_back();
        if (path.empty())
            return false;
        ++path.back().index;
        descendEdge(path, true);
        if (path.back().node->count() > 0)
            return true;
    }
}

bool CdxTree::previousLeaf(Path& path) const {
    for (;;) {
        path.pop_back();
        while (!path.empty() && path.back().index == 0)
            path.pop_back();
        if (path.empty())
            return false;
        --path.back().index;
        descendEdge(path, false);
        if (path.back().node->count() > 0)
            return true;
    }
}

bool CdxTree::settle(Path& path) const {
    if (path.empty())
        return false;
    return path.back().index < path.back().node->count() || nextLeaf(path);
}

bool CdxTree::forward(Path& path) const {
    ++path.back().index;
    return settle(path);
}

bool CdxTree::backward(Path& path) const {
    if (path.empty())
        return false;
    if (path.back().index > 0) {
        --path.back().index;
        return true;
    }
    return previousLeaf(path);
}

int CdxTree::emit(bool found, IndexEntry& entry) {
    cacheValid_ = found;
    if (!found)
        return storeEof;
    const Step& at = cached_.back();
    entry.key.assign(reinterpret_cast<const char*>(at.node->keyAt(at.index)), keyLength());
    entry.record = at.node->recordAt(at.index);
    cachedVersion_ = version_;
    return storeOk;
}

bool CdxTree::cacheHolds(std::string_view key, uint32_t record) const {
    if (!cacheValid_ || cachedVersion_ != version_ || cached_.empty())
        return false;
    const Step& at = cached_.back();
    return at.index < at.node->count() && at.node->recordAt(at.index) == record &&
           std::memcmp(at.node->keyAt(at.index), key.data(), key.size()) == 0;
}

int CdxTree::first(IndexEntry& entry) {
    descend([](const uint8_t*, uint32_t) { return true; }, cached_);
    return emit(settle(cached_), entry);
}

int CdxTree::last(IndexEntry& entry) {
    descend([](const uint8_t*, uint32_t) { return false; }, cached_);
    return emit(backward(cached_), entry);
}

int CdxTree::next(std::string_view key, uint32_t record, IndexEntry& entry) {
    if (cacheHolds(key, record))
        return emit(forward(cached_), entry);
    descend(after(key, record), cached_);
    return emit(settle(cached_), entry);
}

int CdxTree::previous(std::string_view key, uint32_t record, IndexEntry& entry) {
    if (!cacheHolds(key, record))
        descend(atOrAfter(key, record), cached_);
    return emit(backward(cached_), entry);
}

int CdxTree::seekFirstAtOrAbove(std::string_view prefix, IndexEntry& entry) {
    const size_t n = std::min(prefix.size(), size_t(keyLength()));
    descend([p = bytes(prefix), n](const uint8_t* key, uint32_t) { return std::memcmp(key, p, n) >= 0; },
            cached_);
    return emit(settle(cached_), entry);
}

int CdxTree::seekLastAtOrBelow(std::string_view prefix, IndexEntry& entry) {
    const size_t n = std::min(prefix.size(), size_t(keyLength()));
    descend([p = bytes(prefix), n](const uint8_t* key, uint32_t) { return std::memcmp(key, p, n) > 0; },
            cached_);
    return emit(backward(cached_), entry);
}

// ---- changing ----------------------------------------------------------------------------------

int CdxTree::insert(std::string_view key, uint32_t record) {
    Path path;
    descend(atOrAfter(key, record), path);
    if (path.empty())
        return storeErrIndex;
    CdxNode* leaf = path.back().node;
    const int at = path.back().index;
    if (holdsEntry(*leaf, at, key, record))
        return storeOk;
    leaf->insertAt(at, bytes(key), record);
    pages_->touch(leaf);
    ++keys_;
    ++version_;
    repairAfterInsert(path, at + 1 == leaf->count());
    return storeOk;
}

int CdxTree::remove(std::string_view key, uint32_t record) {
    Path path;
    descend(atOrAfter(key, record), path);
    if (path.empty())
        return storeErrIndex;
    CdxNode* leaf = path.back().node;
    const int at = path.back().index;
    if (!holdsEntry(*leaf, at, key, record))
        return storeOk;
    leaf->eraseAt(at);
    pages_->touch(leaf);
    --keys_;
    ++version_;
    repairAfterRemove(path);
    return storeOk;
}

void CdxTree::setRoot(uint32_t root) {
    root_ = root;
    rootMoved_ = true;
}

void CdxTree::unlink(CdxNode* n) {
    if (CdxNode* l = n->left() == cdxNoPage ? nullptr : pages_->node(n->left())) {
        l->setRight(n->right());
        pages_->touch(l);
    }
    if (CdxNode* r = n->right() == cdxNoPage ? nullptr : pages_->node(n->right())) {
        r->setLeft(n->left());
        pages_->touch(r);
    }
}

void CdxTree::linkLevel(const std::vector<CdxNode*>& level) {
    for (size_t i = 0; i < level.size(); ++i) {
        level[i]->setLeft(i > 0 ? level[i - 1]->offset() : cdxNoPage);
        level[i]->setRight(i + 1 < level.size() ? level[i + 1]->offset() : cdxNoPage);
        level[i]->setRoot(false);
    }
}

std::vector<CdxNode*> CdxTree::split(CdxNode* n, bool packLeft) {
    const std::vector<int> cuts = n->leaf() ? leafCuts(n, packLeft) : interiorCuts(n);
    std::vector<CdxNode*> pieces(cuts.size() + 1, n);
    for (size_t k = cuts.size(); k-- > 0;) {
        pieces[k + 1] = pages_->allocate(keyLength(), fill(), n->leaf());
        n->moveTailTo(cuts[k], *pieces[k + 1]);
    }
    const uint32_t oldRight = n->right();
    const uint32_t oldLeft = n->left();
    linkLevel(pieces);
    pieces.front()->setLeft(oldLeft);
    pieces.back()->setRight(oldRight);
    if (CdxNode* r = oldRight == cdxNoPage ? nullptr : pages_->node(oldRight)) {
        r->setLeft(pieces.back()->offset());
        pages_->touch(r);
    }
    for (CdxNode* piece : pieces)
        pages_->touch(piece);
    return pieces;
}

void CdxTree::growRoot(const std::vector<CdxNode*>& pieces) {
    CdxNode* root = pages_->allocate(keyLength(), fill(), false);
    for (CdxNode* piece : pieces)
        root->insertAt(root->count(), lastKey(piece), lastRecord(piece), piece->offset());
    if (root->overflows()) {
        growRoot(split(root, false));
        return;
    }
    root->setRoot(true);
    setRoot(root->offset());
}

void CdxTree::repairAfterInsert(const Path& path, bool atLeafEnd) {
    for (size_t level = path.size(); level-- > 0;) {
        CdxNode* n = path[level].node;
        std::vector<CdxNode*> pieces{n};
        if (n->overflows())
            pieces = split(n, atLeafEnd && level + 1 == path.size());
        if (level == 0) {
            if (pieces.size() > 1)
                growRoot(pieces);
            return;
        }
        CdxNode* parent = path[level - 1].node;
        const int at = path[level - 1].index;
        bool changed = parent->assignAt(at, lastKey(pieces[0]), lastRecord(pieces[0]));
        for (size_t k = 1; k < pieces.size(); ++k) {
            parent->insertAt(at + static_cast<int>(k), lastKey(pieces[k]), lastRecord(pieces[k]),
                             pieces[k]->offset());
            changed = true;
        }
        if (!changed)
            return;
        pages_->touch(parent);
    }
}

// Merges child `at` of `parent` with a neighbour when both fit in one page.
bool CdxTree::tryMerge(CdxNode* parent, int at) {
    if (!underfull(pages_->node(parent->childAt(at))))
        return false;
    for (const int j : {at, at - 1}) {
        if (j < 0 || j + 1 >= parent->count())
            continue;
        CdxNode* l = pages_->node(parent->childAt(j));
        CdxNode* r = pages_->node(parent->childAt(j + 1));
        if (l->leaf() != r->leaf() || !mergeFits(l, r))
            continue;
        l->appendAllFrom(*r);
        l->setRight(r->right());
        if (CdxNode* further = r->right() == cdxNoPage ? nullptr : pages_->node(r->right())) {
            further->setLeft(l->offset());
            pages_->touch(further);
        }
        pages_->release(r);
        parent->eraseAt(j);
        parent->setChild(j, l->offset());
        parent->assignAt(j, lastKey(l), lastRecord(l));
        pages_->touch(l);
        pages_->touch(parent);
        return true;
    }
    return false;
}

void CdxTree::repairAfterRemove(const Path& path) {
    for (size_t level = path.size() - 1; level > 0; --level) {
        CdxNode* n = path[level].node;
        CdxNode* parent = path[level - 1].node;
        const int at = path[level - 1].index;
        if (n->count() == 0) {
            unlink(n);
            pages_->release(n);
            parent->eraseAt(at);
            pages_->touch(parent);
        } else if (!tryMerge(parent, at) && parent->assignAt(at, lastKey(n), lastRecord(n))) {
            pages_->touch(parent);
        }
    }
    shrinkRoot();
}

void CdxTree::shrinkRoot() {
    CdxNode* root = pages_->node(root_);
    while (!root->leaf() && root->count() == 1) {
        CdxNode* child = pages_->node(root->childAt(0));
        pages_->release(root);
        child->setRoot(true);
        child->setLeft(cdxNoPage);
        child->setRight(cdxNoPage);
        pages_->touch(child);
        setRoot(child->offset());
        root = child;
    }
    if (!root->leaf() && root->count() == 0) {
        root->becomeEmptyLeaf();
        pages_->touch(root);
    }
}

// ---- bulk building -----------------------------------------------------------------------------

void CdxTree::collectPages(uint32_t offset, std::vector<uint32_t>& out) const {
    const CdxNode* n = pages_->node(offset);
    if (n == nullptr)
        return;
    out.push_back(offset);
    for (int i = 0; !n->leaf() && i < n->count(); ++i)
        collectPages(n->childAt(i), out);
}

void CdxTree::rebuild(const SortedKeys& sorted) {
    std::vector<uint32_t> old;
    collectPages(root_, old);
    // Released highest first so that the new tree takes the old pages in file order.
    std::sort(old.rbegin(), old.rend());
    for (const uint32_t page : old)
        pages_->release(pages_->node(page));
    build(sorted);
}

constexpr size_t prefetchAhead = 16;
// Trees of at least this many keys have the two halves of their leaves filled by two threads.
constexpr size_t splitLeavesFrom = 32768;

namespace {

struct Written {
    std::string lastKey;
    uint32_t lastRecord;
    uint32_t offset;
};

// Encodes the nodes of one level in order, each at the next page from `fileEnd`, linking each to
// the one before it, and notes each node's last entry for the level above.
struct LevelWriter {
    int keyLength;
    uint8_t fill;
    uint32_t& fileEnd;
    const CdxTree::PagePut& put;
    std::vector<Written>& written;
    uint32_t left = cdxNoPage;
    bool ok = true;
    std::array<uint8_t, cdxPageSize> page{};

    uint32_t take() {
        const uint32_t offset = fileEnd;
        fileEnd += cdxPageSize;
        return offset;
    }
    // `right`: the page that follows on this level, or cdxNoPage.
    void finish(CdxNode& node, uint32_t right, bool root) {
        node.setLeft(left);
        node.setRight(right);
        node.setRoot(root);
        node.encode(page.data());
        ok = ok && put(node.offset(), page.data());
        if (node.count() > 0)
            written.push_back({std::string(reinterpret_cast<const char*>(lastKey(node)), size_t(keyLength)),
                               lastRecord(node), node.offset()});
        left = node.offset();
    }
    static const uint8_t* lastKey(const CdxNode& n) { return n.keyAt(n.count() - 1); }
    static uint32_t lastRecord(const CdxNode& n) { return n.recordAt(n.count() - 1); }

    // Leaves for sorted entries [begin, end). `more`: leaves follow on the right; `mayBeRoot`: a
    // single leaf is the whole tree.
    void leaves(const SortedKeys& sorted, size_t begin, size_t end, bool more, bool mayBeRoot) {
        CdxNode leaf(take(), keyLength, fill, true);
        for (size_t i = begin; i < end; ++i) {
            if (i + prefetchAhead < end) // keys in sorted order lie anywhere in the table
                __builtin_prefetch(sorted.keyAt(i + prefetchAhead));
            const auto* key = reinterpret_cast<const uint8_t*>(sorted.keyAt(i));
            leaf.insertAt(leaf.count(), key, sorted.record(i));
            if (leaf.overflows()) {
                leaf.eraseAt(leaf.count() - 1);
                finish(leaf, fileEnd, false);
                leaf = CdxNode(take(), keyLength, fill, true);
                leaf.insertAt(0, key, sorted.record(i));
            }
        }
        finish(leaf, more ? fileEnd : cdxNoPage, mayBeRoot && written.empty());
    }
};

} // namespace

uint32_t CdxTree::writeSorted(const SortedKeys& sorted, int keyLength, uint8_t fill, uint32_t& fileEnd,
                              const PagePut& put) {
    std::vector<Written> level;
    LevelWriter writer{keyLength, fill, fileEnd, put, level};
    if (sorted.size() < splitLeavesFrom || !twoThreadsAvailable()) {
        writer.leaves(sorted, 0, sorted.size(), false, true);
        if (level.size() <= 1)
            return writer.ok ? writer.left : cdxNoPage;
    } else {
        // The second half's leaves are filled on another thread into pages numbered from 0, then
        // moved behind the first half's: their links and offsets are shifted when they are written.
        const size_t middle = sorted.size() / 2;
        std::vector<uint8_t> pages;
        pages.reserve((sorted.size() - middle) / 2 * cdxPageSize +
                      cdxPageSize); // a leaf holds two keys or more
        std::vector<Written> secondLevel;
        uint32_t secondEnd = 0;
        const PagePut keep = [&pages](uint32_t, const uint8_t* page) {
            pages.insert(pages.end(), page, page + cdxPageSize);
            return true;
        };
        LevelWriter second{keyLength, fill, secondEnd, keep, secondLevel};
        onTwoThreads([&](int half) {
            if (half == 0)
                writer.leaves(sorted, 0, middle, true, false);
            else
                second.leaves(sorted, middle, sorted.size(), false, false);
        });
        const uint32_t base = fileEnd;
        for (size_t at = 0; at < pages.size(); at += cdxPageSize) {
            uint8_t* page = pages.data() + at;
            const uint32_t left = cdx::readLe32(page + 4), right = cdx::readLe32(page + 8);
            cdx::writeLe32(page + 4, left == cdxNoPage ? writer.left : left + base);
            cdx::writeLe32(page + 8, right == cdxNoPage ? cdxNoPage : right + base);
            writer.ok = writer.ok && put(base + static_cast<uint32_t>(at), page);
        }
        fileEnd += secondEnd;
        for (Written& w : secondLevel) {
            w.offset += base;
            level.push_back(std::move(w));
        }
    }

    const size_t capacity = static_cast<size_t>(CdxNode::interiorCapacity(keyLength));
    while (level.size() > 1) {
        const std::vector<Written> below = std::move(level);
        level.clear();
        writer.left = cdxNoPage;
        const size_t nodes = (below.size() + capacity - 1) / capacity;
        for (size_t n = 0; n < nodes; ++n) {
            CdxNode interior(writer.take(), keyLength, fill, false);
            for (size_t j = n * capacity; j < std::min(below.size(), (n + 1) * capacity); ++j)
                interior.insertAt(interior.count(), reinterpret_cast<const uint8_t*>(below[j].lastKey.data()),
                                  below[j].lastRecord, below[j].offset);
            writer.finish(interior, n + 1 < nodes ? fileEnd : cdxNoPage, nodes == 1);
        }
    }
    return writer.ok ? level.front().offset : cdxNoPage;
}

// Lays out sorted entries bottom-up: full leaves, then full interior levels up to one root.
void CdxTree::build(const SortedKeys& sorted) {
    std::vector<CdxNode*> level{pages_->allocate(keyLength(), fill(), true)};
    for (size_t i = 0; i < sorted.size(); ++i) {
        const auto* key = reinterpret_cast<const uint8_t*>(sorted.keyAt(i));
        CdxNode* leaf = level.back();
        leaf->insertAt(leaf->count(), key, sorted.record(i));
        if (leaf->overflows()) {
            leaf->eraseAt(leaf->count() - 1);
            level.push_back(pages_->allocate(keyLength(), fill(), true));
            level.back()->insertAt(0, key, sorted.record(i));
        }
    }
    linkLevel(level);
    const size_t capacity = static_cast<size_t>(CdxNode::interiorCapacity(keyLength()));
    while (level.size() > 1) {
        std::vector<CdxNode*> upper;
        for (size_t i = 0; i < level.size(); ++i) {
            if (i % capacity == 0)
                upper.push_back(pages_->allocate(keyLength(), fill(), false));
            upper.back()->insertAt(upper.back()->count(), lastKey(level[i]), lastRecord(level[i]),
                                   level[i]->offset());
        }
        linkLevel(upper);
        level = std::move(upper);
    }
    level[0]->setRoot(true);
    setRoot(level[0]->offset());
    keys_ = static_cast<long>(sorted.size());
    ++version_;
    cacheValid_ = false;
}

} // namespace kip::store
