#include "store/CompoundIndex.h"

#include "store/CdxBytes.h"
#include "store/CdxNode.h"
#include "store/CdxVerifier.h"
#include "store/TableStore.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <unordered_set>

namespace kip::store {

namespace {

constexpr uint32_t headerBytes = 1024;
constexpr uint32_t directoryOffset = 0x400;
constexpr int directoryKeyLength = 10;
constexpr int maxTreeDepth = 64;
constexpr uint32_t maxFileBytes = 0xFFFFFE00u;
// A hostile page can decode to far more key bytes than it holds; refuse files that would need more.
constexpr size_t maxDecodedBytes = size_t(256) << 20;

using namespace cdx;

const uint8_t* bytes(std::string_view s) {
    return reinterpret_cast<const uint8_t*>(s.data());
}

int compareEntry(const uint8_t* a, uint32_t ra, const uint8_t* b, uint32_t rb, size_t length) {
    if (const int c = std::memcmp(a, b, length))
        return c;
    return ra < rb ? -1 : (ra > rb ? 1 : 0);
}

bool readAt(int fd, uint8_t* buffer, size_t size, off_t offset) {
    while (size > 0) {
        const ssize_t n = ::pread(fd, buffer, size, offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        buffer += n;
        size -= static_cast<size_t>(n);
        offset += n;
    }
    return true;
}

bool writeAt(int fd, const uint8_t* buffer, size_t size, off_t offset) {
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, buffer, size, offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        buffer += n;
        size -= static_cast<size_t>(n);
        offset += n;
    }
    return true;
}

int openErrorCode(int error) {
    return error == EACCES || error == EPERM || error == EROFS ? storeErrAccess : storeErrOpen;
}

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string poolText(const uint8_t* pool, uint32_t offset, uint32_t length) {
    const auto* start = reinterpret_cast<const char*>(pool + offset);
    return std::string(start, strnlen(start, length));
}

struct Step {
    CdxNode* node;
    int index;
};
using Path = std::vector<Step>;

struct TagState {
    IndexTagInfo info;
    uint32_t headerOffset = 0;
    uint32_t root = 0;
    bool headerDirty = false;
    long keys = 0;
    uint64_t version = 0;
    // The last position handed out, so that walking by next() does not search from the root.
    Path cached;
    uint64_t cachedVersion = 0;
    bool cacheValid = false;

    int keyLength() const { return info.keyLength; }
    uint8_t fill() const { return info.characterKey ? 0x20 : 0x00; }
};

} // namespace

struct CompoundIndex::Impl {
    int fd = -1;
    bool readOnly = false;
    uint32_t fileEnd = 0;
    uint32_t counter = 0;
    bool headerDirty = false;
    std::vector<uint32_t> freeStack; // back() is the head of the file's free list
    std::vector<uint32_t> freedSinceFlush;
    std::unordered_map<uint32_t, std::unique_ptr<CdxNode>> nodes;
    std::vector<uint32_t> dirtyPages;
    std::unordered_set<uint32_t> reservedPages; // headers and tag directory
    std::vector<TagState> tags;
    std::unique_ptr<CdxNode> directory; // only while laying out a fresh file

    Impl() = default;
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;
    ~Impl() {
        if (fd >= 0)
            ::close(fd);
    }

    // ---- loading -------------------------------------------------------------------------------

    struct Loader {
        const std::vector<uint8_t>& image;
        std::unordered_set<uint32_t> visited;
        size_t decodedBytes = 0;

        bool pageInside(uint32_t offset) const {
            return offset % cdxPageSize == 0 && offset >= headerBytes &&
                   size_t(offset) + cdxPageSize <= image.size();
        }
        bool claim(uint32_t offset) { return pageInside(offset) && visited.insert(offset).second; }
        bool decode(uint32_t offset, int keyLength, uint8_t fill, CdxNode& node) {
            std::string problem;
            if (!CdxNode::decode(image.data() + offset, offset, keyLength, fill, false, node, problem))
                return false;
            decodedBytes += static_cast<size_t>(node.count()) * (keyLength + 8);
            return decodedBytes <= maxDecodedBytes;
        }
    };

    int load(const std::string& path, bool ro) {
        readOnly = ro;
        fd = ::open(path.c_str(), (ro ? O_RDONLY : O_RDWR) | O_CLOEXEC);
        if (fd < 0)
            return openErrorCode(errno);
        struct stat st {};
        if (::fstat(fd, &st) != 0)
            return storeErrRead;
        if (st.st_size < off_t(headerBytes) || st.st_size > off_t(maxFileBytes))
            return storeErrIndex;
        std::vector<uint8_t> image(static_cast<size_t>(st.st_size));
        if (!readAt(fd, image.data(), image.size(), 0))
            return storeErrRead;
        fileEnd = static_cast<uint32_t>((image.size() + cdxPageSize - 1) / cdxPageSize * cdxPageSize);
        return parse(image);
    }

    int parse(const std::vector<uint8_t>& image) {
        Loader loader{image, {}, 0};
        loader.visited = {0, cdxPageSize};
        counter = readBe32(image.data() + 8);
        const int directoryKey = readLe16(image.data() + 12);
        if (directoryKey < 1 || directoryKey > cdxMaxKeyLength)
            return storeErrIndex;
        std::vector<std::pair<std::string, uint32_t>> entries;
        if (!readDirectory(loader, readLe32(image.data()), directoryKey, 0, entries))
            return storeErrIndex;
        reservedPages = loader.visited;
        for (const auto& [name, offset] : entries) {
            if (int rc = loadTag(loader, name, offset); rc != storeOk)
                return rc;
        }
        std::sort(tags.begin(), tags.end(),
                  [](const TagState& a, const TagState& b) { return a.headerOffset < b.headerOffset; });
        if (!readOnly)
            loadFreeList(loader);
        return storeOk;
    }

    bool readDirectory(Loader& loader, uint32_t offset, int keyLength, int depth,
                       std::vector<std::pair<std::string, uint32_t>>& entries) {
        CdxNode node(offset, keyLength, 0x20, true);
        if (depth > maxTreeDepth || !loader.claim(offset) || !loader.decode(offset, keyLength, 0x20, node))
            return false;
        for (int i = 0; i < node.count(); ++i) {
            if (!node.leaf()) {
                if (!readDirectory(loader, node.childAt(i), keyLength, depth + 1, entries))
                    return false;
                continue;
            }
            std::string name(reinterpret_cast<const char*>(node.keyAt(i)), keyLength);
            while (!name.empty() && (name.back() == ' ' || name.back() == '\0'))
                name.pop_back();
            entries.emplace_back(name, node.recordAt(i));
        }
        return node.leaf() || node.count() > 0;
    }

    int loadTag(Loader& loader, const std::string& name, uint32_t offset) {
        if (!loader.claim(offset) || !loader.claim(offset + cdxPageSize))
            return storeErrIndex;
        reservedPages.insert({offset, offset + cdxPageSize});
        const uint8_t* h = loader.image.data() + offset;
        TagState tag;
        tag.headerOffset = offset;
        tag.root = readLe32(h);
        tag.info.name = upper(name);
        tag.info.keyLength = readLe16(h + 12);
        tag.info.unique = (h[14] & 0x01) != 0;
        tag.info.descending = readLe16(h + 502) != 0;
        const uint32_t forOffset = readLe16(h + 504), forLength = readLe16(h + 506);
        const uint32_t keyOffset = readLe16(h + 508), keyLength = readLe16(h + 510);
        if (tag.info.keyLength < 1 || tag.info.keyLength > cdxMaxKeyLength ||
            keyOffset + keyLength > cdxPageSize || forOffset + forLength > cdxPageSize)
            return storeErrIndex;
        tag.info.keyExpression = poolText(h + cdxPageSize, keyOffset, keyLength);
        if (forLength > 1)
            tag.info.forExpression = poolText(h + cdxPageSize, forOffset, forLength);
        if (!loadTree(loader, tag, tag.root, 0))
            return storeErrIndex;
        tags.push_back(std::move(tag));
        return storeOk;
    }

    bool loadTree(Loader& loader, TagState& tag, uint32_t offset, int depth) {
        auto node = std::make_unique<CdxNode>(offset, tag.keyLength(), tag.fill(), true);
        if (depth > maxTreeDepth || !loader.claim(offset) ||
            !loader.decode(offset, tag.keyLength(), tag.fill(), *node))
            return false;
        node->setRoot(depth == 0);
        if (node->leaf()) {
            tag.keys += node->count();
        } else {
            if (node->count() == 0)
                return false;
            for (int i = 0; i < node->count(); ++i) {
                if (!loadTree(loader, tag, node->childAt(i), depth + 1))
                    return false;
            }
        }
        nodes.emplace(offset, std::move(node));
        return true;
    }

    // A free list we cannot trust is dropped (its pages leak) rather than risk handing out a live page.
    void loadFreeList(Loader& loader) {
        std::vector<uint32_t> chain;
        uint32_t page = readLe32(loader.image.data() + 4);
        while (page != 0 && page != cdxNoPage) {
            if (!loader.claim(page)) {
                headerDirty = true;
                return;
            }
            chain.push_back(page);
            page = readLe32(loader.image.data() + page);
        }
        freeStack.assign(chain.rbegin(), chain.rend());
    }

    // Changes after close() would be lost without a word; refuse them instead.
    int writable() const {
        if (fd < 0)
            return storeErrState;
        return readOnly ? storeErrAccess : storeOk;
    }

    // ---- pages ---------------------------------------------------------------------------------

    CdxNode* node(uint32_t offset) const {
        const auto it = nodes.find(offset);
        return it == nodes.end() ? nullptr : it->second.get();
    }

    void touch(CdxNode* n) {
        if (!n->dirty) {
            n->dirty = true;
            dirtyPages.push_back(n->offset());
        }
    }

    CdxNode* allocate(const TagState& tag, bool leaf) {
        uint32_t offset;
        if (!freeStack.empty()) {
            offset = freeStack.back();
            freeStack.pop_back();
            headerDirty = true;
        } else {
            offset = fileEnd;
            fileEnd += cdxPageSize;
        }
        auto fresh = std::make_unique<CdxNode>(offset, tag.keyLength(), tag.fill(), leaf);
        CdxNode* n = fresh.get();
        nodes[offset] = std::move(fresh);
        touch(n);
        return n;
    }

    void release(CdxNode* n) {
        const uint32_t offset = n->offset();
        nodes.erase(offset);
        freeStack.push_back(offset);
        freedSinceFlush.push_back(offset);
        headerDirty = true;
    }

    void unlink(CdxNode* n) {
        if (CdxNode* l = n->left() == cdxNoPage ? nullptr : node(n->left())) {
            l->setRight(n->right());
            touch(l);
        }
        if (CdxNode* r = n->right() == cdxNoPage ? nullptr : node(n->right())) {
            r->setLeft(n->left());
            touch(r);
        }
    }

    void linkLevel(const std::vector<CdxNode*>& level) {
        for (size_t i = 0; i < level.size(); ++i) {
            level[i]->setLeft(i > 0 ? level[i - 1]->offset() : cdxNoPage);
            level[i]->setRight(i + 1 < level.size() ? level[i + 1]->offset() : cdxNoPage);
            level[i]->setRoot(false);
        }
    }

    // ---- searching -----------------------------------------------------------------------------

    // Fills `path` down to the leaf position of the first entry for which atOrAfter holds (the
    // position may equal the leaf's count: nothing in that leaf qualifies).
    template <class AtOrAfter>
    void descend(const TagState& tag, const AtOrAfter& atOrAfter, Path& path) const {
        path.clear();
        for (CdxNode* n = node(tag.root); n != nullptr;) {
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
            n = node(n->childAt(lo));
        }
    }

    void descendEdge(Path& path, bool leftmost) const {
        while (!path.back().node->leaf()) {
            CdxNode* child = node(path.back().node->childAt(path.back().index));
            path.push_back({child, leftmost ? 0 : child->count() - 1});
        }
    }

    bool nextLeaf(Path& path) const {
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

    bool previousLeaf(Path& path) const {
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

    bool settle(Path& path) const {
        if (path.empty())
            return false;
        return path.back().index < path.back().node->count() || nextLeaf(path);
    }
    bool forward(Path& path) const {
        ++path.back().index;
        return settle(path);
    }
    bool backward(Path& path) const {
        if (path.empty())
            return false;
        if (path.back().index > 0) {
            --path.back().index;
            return true;
        }
        return previousLeaf(path);
    }

    int emit(TagState& tag, bool found, IndexEntry& entry) const {
        tag.cacheValid = found;
        if (!found)
            return storeEof;
        const Step& at = tag.cached.back();
        entry.key.assign(reinterpret_cast<const char*>(at.node->keyAt(at.index)), tag.keyLength());
        entry.record = at.node->recordAt(at.index);
        tag.cachedVersion = tag.version;
        return storeOk;
    }

    bool cacheHolds(const TagState& tag, std::string_view key, uint32_t record) const {
        if (!tag.cacheValid || tag.cachedVersion != tag.version || tag.cached.empty())
            return false;
        const Step& at = tag.cached.back();
        return at.index < at.node->count() && at.node->recordAt(at.index) == record &&
               std::memcmp(at.node->keyAt(at.index), key.data(), key.size()) == 0;
    }

    static auto atOrAfter(std::string_view key, uint32_t record) {
        return [k = bytes(key), record, n = key.size()](const uint8_t* key2, uint32_t record2) {
            return compareEntry(key2, record2, k, record, n) >= 0;
        };
    }
    static auto after(std::string_view key, uint32_t record) {
        return [k = bytes(key), record, n = key.size()](const uint8_t* key2, uint32_t record2) {
            return compareEntry(key2, record2, k, record, n) > 0;
        };
    }

    // ---- changing the tree ---------------------------------------------------------------------

    static std::string_view lastKey(const CdxNode* n) {
        return {reinterpret_cast<const char*>(n->keyAt(n->count() - 1)), size_t(n->keyLength())};
    }
    static uint32_t lastRecord(const CdxNode* n) { return n->recordAt(n->count() - 1); }

    // Where a leaf that no longer fits is cut: about in half by bytes, or as full as possible on the
    // left when the new key went to its end (keys arriving in order then fill pages completely).
    static std::vector<int> leafCuts(const CdxNode* n, bool packLeft) {
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

    static std::vector<int> interiorCuts(const CdxNode* n) {
        const int capacity = CdxNode::interiorCapacity(n->keyLength());
        const int pieces = std::max(2, (n->count() + capacity - 1) / capacity);
        const int size = (n->count() + pieces - 1) / pieces;
        std::vector<int> cuts;
        for (int at = size; at < n->count(); at += size)
            cuts.push_back(at);
        return cuts;
    }

    std::vector<CdxNode*> split(const TagState& tag, CdxNode* n, bool packLeft) {
        const std::vector<int> cuts = n->leaf() ? leafCuts(n, packLeft) : interiorCuts(n);
        std::vector<CdxNode*> pieces(cuts.size() + 1, n);
        for (size_t k = cuts.size(); k-- > 0;) {
            pieces[k + 1] = allocate(tag, n->leaf());
            n->moveTailTo(cuts[k], *pieces[k + 1]);
        }
        const uint32_t oldRight = n->right();
        const uint32_t oldLeft = n->left();
        linkLevel(pieces);
        pieces.front()->setLeft(oldLeft);
        pieces.back()->setRight(oldRight);
        if (CdxNode* r = oldRight == cdxNoPage ? nullptr : node(oldRight)) {
            r->setLeft(pieces.back()->offset());
            touch(r);
        }
        for (CdxNode* piece : pieces)
            touch(piece);
        return pieces;
    }

    void growRoot(TagState& tag, const std::vector<CdxNode*>& pieces) {
        CdxNode* root = allocate(tag, false);
        for (CdxNode* piece : pieces)
            root->insertAt(root->count(), bytes(lastKey(piece)), lastRecord(piece), piece->offset());
        if (root->overflows()) {
            growRoot(tag, split(tag, root, false));
            return;
        }
        root->setRoot(true);
        tag.root = root->offset();
        tag.headerDirty = true;
    }

    void repairAfterInsert(TagState& tag, const Path& path, bool atLeafEnd) {
        for (size_t level = path.size(); level-- > 0;) {
            CdxNode* n = path[level].node;
            std::vector<CdxNode*> pieces{n};
            if (n->overflows())
                pieces = split(tag, n, atLeafEnd && level + 1 == path.size());
            if (level == 0) {
                if (pieces.size() > 1)
                    growRoot(tag, pieces);
                return;
            }
            CdxNode* parent = path[level - 1].node;
            const int at = path[level - 1].index;
            bool changed = parent->assignAt(at, bytes(lastKey(pieces[0])), lastRecord(pieces[0]));
            for (size_t k = 1; k < pieces.size(); ++k) {
                parent->insertAt(at + static_cast<int>(k), bytes(lastKey(pieces[k])), lastRecord(pieces[k]),
                                 pieces[k]->offset());
                changed = true;
            }
            if (!changed)
                return;
            touch(parent);
        }
    }

    static bool underfull(const CdxNode* n) {
        if (n->leaf())
            return n->leafBytes() < cdxLeafArea / 4;
        return n->count() == 1 || n->count() * 3 <= CdxNode::interiorCapacity(n->keyLength());
    }

    // Merged pages keep a quarter of their room free so that the next insert does not split again.
    static bool mergeFits(const CdxNode* l, const CdxNode* r) {
        if (!l->leaf())
            return l->count() + r->count() <= CdxNode::interiorCapacity(l->keyLength());
        const int width = std::max(l->entryWidth(), r->entryWidth());
        const int bytesNeeded = l->leafBytes() + r->leafBytes() + (l->count() + r->count()) * width -
                                l->count() * l->entryWidth() - r->count() * r->entryWidth();
        return bytesNeeded <= cdxLeafArea * 3 / 4;
    }

    // Merges child `at` of `parent` with a neighbour when both fit in one page.
    bool tryMerge(CdxNode* parent, int at) {
        if (!underfull(node(parent->childAt(at))))
            return false;
        for (const int j : {at, at - 1}) {
            if (j < 0 || j + 1 >= parent->count())
                continue;
            CdxNode* l = node(parent->childAt(j));
            CdxNode* r = node(parent->childAt(j + 1));
            if (l->leaf() != r->leaf() || !mergeFits(l, r))
                continue;
            l->appendAllFrom(*r);
            l->setRight(r->right());
            if (CdxNode* further = r->right() == cdxNoPage ? nullptr : node(r->right())) {
                further->setLeft(l->offset());
                touch(further);
            }
            release(r);
            parent->eraseAt(j);
            parent->setChild(j, l->offset());
            parent->assignAt(j, bytes(lastKey(l)), lastRecord(l));
            touch(l);
            touch(parent);
            return true;
        }
        return false;
    }

    void repairAfterRemove(TagState& tag, const Path& path) {
        for (size_t level = path.size() - 1; level > 0; --level) {
            CdxNode* n = path[level].node;
            CdxNode* parent = path[level - 1].node;
            const int at = path[level - 1].index;
            if (n->count() == 0) {
                unlink(n);
                release(n);
                parent->eraseAt(at);
                touch(parent);
            } else if (!tryMerge(parent, at) && parent->assignAt(at, bytes(lastKey(n)), lastRecord(n))) {
                touch(parent);
            }
        }
        shrinkRoot(tag);
    }

    void shrinkRoot(TagState& tag) {
        CdxNode* root = node(tag.root);
        while (!root->leaf() && root->count() == 1) {
            CdxNode* child = node(root->childAt(0));
            release(root);
            child->setRoot(true);
            child->setLeft(cdxNoPage);
            child->setRight(cdxNoPage);
            touch(child);
            tag.root = child->offset();
            tag.headerDirty = true;
            root = child;
        }
        if (!root->leaf() && root->count() == 0) {
            root->becomeEmptyLeaf();
            touch(root);
        }
    }

    // Lays out sorted entries bottom-up: full leaves, then full interior levels up to one root.
    void buildTree(TagState& tag, const std::vector<const IndexEntry*>& sorted) {
        std::vector<CdxNode*> level{allocate(tag, true)};
        for (const IndexEntry* e : sorted) {
            CdxNode* leaf = level.back();
            leaf->insertAt(leaf->count(), bytes(e->key), e->record);
            if (leaf->overflows()) {
                leaf->eraseAt(leaf->count() - 1);
                level.push_back(allocate(tag, true));
                level.back()->insertAt(0, bytes(e->key), e->record);
            }
        }
        linkLevel(level);
        const size_t capacity = static_cast<size_t>(CdxNode::interiorCapacity(tag.keyLength()));
        while (level.size() > 1) {
            std::vector<CdxNode*> upper;
            for (size_t i = 0; i < level.size(); ++i) {
                if (i % capacity == 0)
                    upper.push_back(allocate(tag, false));
                upper.back()->insertAt(upper.back()->count(), bytes(lastKey(level[i])), lastRecord(level[i]),
                                       level[i]->offset());
            }
            linkLevel(upper);
            level = std::move(upper);
        }
        level[0]->setRoot(true);
        tag.root = level[0]->offset();
        tag.headerDirty = true;
        tag.keys = static_cast<long>(sorted.size());
        ++tag.version;
    }

    void collectPages(uint32_t offset, std::vector<uint32_t>& out) const {
        const CdxNode* n = node(offset);
        if (n == nullptr)
            return;
        out.push_back(offset);
        if (!n->leaf()) {
            for (int i = 0; i < n->count(); ++i)
                collectPages(n->childAt(i), out);
        }
    }

    // ---- writing -------------------------------------------------------------------------------

    // A page stays dirty until its bytes are written, so a failed flush can be repeated.
    int writeRun(std::vector<uint8_t>& run, uint32_t start, std::vector<CdxNode*>& inRun) {
        if (!run.empty() && !writeAt(fd, run.data(), run.size(), start))
            return storeErrWrite;
        for (CdxNode* n : inRun)
            n->dirty = false;
        run.clear();
        inRun.clear();
        return storeOk;
    }

    int writeDirtyPages(bool& changed) {
        std::sort(dirtyPages.begin(), dirtyPages.end());
        dirtyPages.erase(std::unique(dirtyPages.begin(), dirtyPages.end()), dirtyPages.end());
        std::vector<uint8_t> run;
        std::vector<CdxNode*> inRun;
        uint32_t runStart = 0;
        for (const uint32_t offset : dirtyPages) {
            CdxNode* n = node(offset);
            if (n == nullptr || !n->dirty)
                continue;
            if (!run.empty() && runStart + run.size() != offset) {
                if (int rc = writeRun(run, runStart, inRun); rc != storeOk)
                    return rc;
            }
            if (run.empty())
                runStart = offset;
            run.resize(run.size() + cdxPageSize);
            n->encode(run.data() + run.size() - cdxPageSize);
            inRun.push_back(n);
            changed = true;
        }
        if (int rc = writeRun(run, runStart, inRun); rc != storeOk)
            return rc;
        dirtyPages.clear();
        return storeOk;
    }

    int writeFreedPages() {
        if (freedSinceFlush.empty())
            return storeOk;
        std::unordered_map<uint32_t, uint32_t> nextFree;
        for (size_t i = 0; i < freeStack.size(); ++i)
            nextFree[freeStack[i]] = i > 0 ? freeStack[i - 1] : 0;
        std::array<uint8_t, cdxPageSize> page{};
        for (const uint32_t offset : freedSinceFlush) {
            const auto it = nextFree.find(offset);
            if (it == nextFree.end() || node(offset) != nullptr)
                continue;
            writeLe32(page.data(), it->second);
            if (!writeAt(fd, page.data(), page.size(), offset))
                return storeErrWrite;
        }
        freedSinceFlush.clear();
        return storeOk;
    }

    int flush(bool bumpCounter) {
        if (readOnly || fd < 0)
            return storeOk;
        bool changed = headerDirty;
        if (int rc = writeDirtyPages(changed); rc != storeOk)
            return rc;
        if (int rc = writeFreedPages(); rc != storeOk)
            return rc;
        for (TagState& tag : tags) {
            if (!tag.headerDirty)
                continue;
            std::array<uint8_t, 4> root{};
            writeLe32(root.data(), tag.root);
            if (!writeAt(fd, root.data(), root.size(), tag.headerOffset))
                return storeErrWrite;
            tag.headerDirty = false;
            changed = true;
        }
        if (!changed)
            return storeOk;
        if (bumpCounter)
            ++counter;
        std::array<uint8_t, 8> words{};
        writeLe32(words.data(), freeStack.empty() ? 0 : freeStack.back());
        writeBe32(words.data() + 4, counter);
        if (!writeAt(fd, words.data(), words.size(), 4))
            return storeErrWrite;
        headerDirty = false;
        return storeOk;
    }

    // ---- fresh files ---------------------------------------------------------------------------

    static bool validTagList(const std::vector<IndexTagInfo>& tags) {
        std::unordered_set<std::string> names;
        for (const IndexTagInfo& t : tags) {
            if (t.name.empty() || t.name.size() > directoryKeyLength || !names.insert(upper(t.name)).second ||
                t.keyLength < 1 || t.keyLength > cdxMaxKeyLength || t.keyExpression.empty() ||
                t.keyExpression.size() + t.forExpression.size() + 2 > cdxPageSize ||
                t.keyExpression.find('\0') != std::string::npos ||
                t.forExpression.find('\0') != std::string::npos)
                return false;
        }
        return true;
    }

    // Sorts small records holding the first 16 key bytes as integers: most comparisons then never
    // touch the keys themselves, which are scattered over the heap.
    struct SortItem {
        uint64_t high, low;
        const IndexEntry* entry;
    };

    static uint64_t bigEndianWord(const std::string& key, size_t from) {
        uint64_t word = 0;
        for (size_t i = from; i < from + 8; ++i)
            word = word << 8 | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
        return word;
    }

    static std::vector<const IndexEntry*> sortEntries(const std::vector<IndexEntry>& entries, bool unique) {
        std::vector<SortItem> items;
        items.reserve(entries.size());
        for (const IndexEntry& e : entries)
            items.push_back({bigEndianWord(e.key, 0), bigEndianWord(e.key, 8), &e});
        std::sort(items.begin(), items.end(), [](const SortItem& a, const SortItem& b) {
            if (a.high != b.high)
                return a.high < b.high;
            if (a.low != b.low)
                return a.low < b.low;
            const std::string& ka = a.entry->key;
            if (ka.size() > 16) {
                if (const int c = std::memcmp(ka.data() + 16, b.entry->key.data() + 16, ka.size() - 16))
                    return c < 0;
            }
            return a.entry->record < b.entry->record;
        });
        std::vector<const IndexEntry*> sorted;
        sorted.reserve(items.size());
        for (const SortItem& item : items) {
            // Equal pairs collapse; a unique tag keeps the lowest record of each key.
            if (!sorted.empty() && sorted.back()->key == item.entry->key &&
                (unique || sorted.back()->record == item.entry->record))
                continue;
            sorted.push_back(item.entry);
        }
        return sorted;
    }

    int layoutFresh(const std::vector<IndexTagInfo>& infos,
                    const std::vector<std::vector<IndexEntry>>& entries) {
        if (!validTagList(infos) || infos.empty() || entries.size() != infos.size())
            return storeErrArgument;
        fileEnd = directoryOffset + cdxPageSize;
        reservedPages = {0, cdxPageSize, directoryOffset};
        for (size_t i = 0; i < infos.size(); ++i) {
            TagState tag;
            tag.info = infos[i];
            tag.info.name = upper(tag.info.name);
            tag.headerOffset = fileEnd;
            reservedPages.insert({fileEnd, fileEnd + cdxPageSize});
            fileEnd += headerBytes;
            for (const IndexEntry& e : entries[i]) {
                if (e.key.size() != size_t(tag.keyLength()))
                    return storeErrArgument;
            }
            buildTree(tag, sortEntries(entries[i], tag.info.unique));
            tags.push_back(std::move(tag));
        }
        return layoutDirectory();
    }

    int layoutDirectory() {
        std::vector<const TagState*> byName;
        for (const TagState& t : tags)
            byName.push_back(&t);
        std::sort(byName.begin(), byName.end(),
                  [](const TagState* a, const TagState* b) { return a->info.name < b->info.name; });
        directory = std::make_unique<CdxNode>(directoryOffset, directoryKeyLength, 0x20, true);
        for (const TagState* t : byName) {
            std::string key = t->info.name;
            key.resize(directoryKeyLength, ' ');
            directory->insertAt(directory->count(), bytes(key), t->headerOffset);
        }
        directory->setRoot(true);
        return directory->overflows() ? storeErrArgument : storeOk;
    }

    void encodeFileHeader(uint8_t* h) const {
        writeLe32(h, directoryOffset);
        writeBe32(h + 8, counter);
        writeLe16(h + 12, directoryKeyLength);
        h[14] = 0xE0;
        h[15] = 0x01;
        writeLe16(h + 504, 1);
        writeLe16(h + 506, 1);
        writeLe16(h + 510, 1);
    }

    static void encodeTagHeader(const TagState& tag, uint8_t* h) {
        const IndexTagInfo& info = tag.info;
        writeLe32(h, tag.root);
        writeLe16(h + 12, static_cast<uint32_t>(info.keyLength));
        h[14] = uint8_t(0x60 | (info.unique ? 0x01 : 0) | (info.forExpression.empty() ? 0 : 0x08));
        h[15] = 0x01;
        writeLe16(h + 502, info.descending ? 1 : 0);
        const auto keyBytes = static_cast<uint32_t>(info.keyExpression.size() + 1);
        writeLe16(h + 504, keyBytes);
        writeLe16(h + 506, static_cast<uint32_t>(info.forExpression.size() + 1));
        writeLe16(h + 508, 0);
        writeLe16(h + 510, keyBytes);
        std::memcpy(h + cdxPageSize, info.keyExpression.data(), info.keyExpression.size());
        std::memcpy(h + cdxPageSize + keyBytes, info.forExpression.data(), info.forExpression.size());
    }

    int writeWhole() {
        std::vector<uint8_t> image(directoryOffset + cdxPageSize, 0);
        encodeFileHeader(image.data());
        directory->encode(image.data() + directoryOffset);
        if (!writeAt(fd, image.data(), image.size(), 0))
            return storeErrWrite;
        for (TagState& tag : tags) {
            std::array<uint8_t, headerBytes> header{};
            encodeTagHeader(tag, header.data());
            if (!writeAt(fd, header.data(), header.size(), tag.headerOffset))
                return storeErrWrite;
            tag.headerDirty = false;
        }
        directory.reset();
        bool changed = false;
        return writeDirtyPages(changed);
    }

    // ---- checking ------------------------------------------------------------------------------

    int verify(const TagState& tag, std::string& problem) {
        if (int rc = flush(true); rc != storeOk)
            return rc;
        struct stat st {};
        if (::fstat(fd, &st) != 0)
            return storeErrRead;
        std::vector<uint8_t> image(static_cast<size_t>(st.st_size));
        if (image.size() < headerBytes || !readAt(fd, image.data(), image.size(), 0))
            return storeErrRead;
        CdxVerifier verifier(image);
        const auto inUse = [this](uint32_t page) {
            return nodes.count(page) != 0 || reservedPages.count(page) != 0;
        };
        if (!verifier.checkTree(tag.root, tag.keyLength(), tag.fill(), tag.keys, problem) ||
            !verifier.checkFreeList(inUse, problem))
            return storeErrIndex;
        return storeOk;
    }
};

// ---- public interface ----------------------------------------------------------------------------

CompoundIndex::CompoundIndex(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

CompoundIndex::~CompoundIndex() {
    if (impl_)
        impl_->flush(true);
}

int CompoundIndex::open(const std::string& path, bool readOnly, std::unique_ptr<CompoundIndex>& out) {
    auto impl = std::make_unique<Impl>();
    if (int rc = impl->load(path, readOnly); rc != storeOk)
        return rc;
    out.reset(new CompoundIndex(std::move(impl)));
    return storeOk;
}

int CompoundIndex::create(const std::string& path, const std::vector<IndexTagInfo>& tags,
                          std::unique_ptr<CompoundIndex>& out) {
    auto impl = std::make_unique<Impl>();
    if (int rc = impl->layoutFresh(tags, std::vector<std::vector<IndexEntry>>(tags.size())); rc != storeOk)
        return rc;
    impl->fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (impl->fd < 0)
        return errno == EEXIST ? storeErrExists : storeErrCreate;
    if (int rc = impl->writeWhole(); rc != storeOk) {
        ::unlink(path.c_str());
        return rc;
    }
    out.reset(new CompoundIndex(std::move(impl)));
    return storeOk;
}

int CompoundIndex::writeFresh(const std::string& path, const std::vector<IndexTagInfo>& tags,
                              const std::vector<std::vector<IndexEntry>>& entries) {
    Impl impl;
    if (int rc = impl.layoutFresh(tags, entries); rc != storeOk)
        return rc;
    if (const int old = ::open(path.c_str(), O_RDONLY | O_CLOEXEC); old >= 0) {
        std::array<uint8_t, 4> word{};
        if (readAt(old, word.data(), word.size(), 8))
            impl.counter = readBe32(word.data()) + 1;
        ::close(old);
    }
    const std::string temporary = path + ".tmp";
    impl.fd = ::open(temporary.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (impl.fd < 0)
        return storeErrCreate;
    int rc = impl.writeWhole();
    if (rc == storeOk && ::fsync(impl.fd) != 0)
        rc = storeErrWrite;
    ::close(impl.fd);
    impl.fd = -1;
    if (rc == storeOk && ::rename(temporary.c_str(), path.c_str()) != 0)
        rc = storeErrWrite;
    if (rc != storeOk)
        ::unlink(temporary.c_str());
    return rc;
}

int CompoundIndex::tagCount() const {
    return static_cast<int>(impl_->tags.size());
}

const IndexTagInfo& CompoundIndex::tagInfo(int tag) const {
    static const IndexTagInfo none;
    return tag >= 0 && tag < tagCount() ? impl_->tags[tag].info : none;
}

int CompoundIndex::findTagNumber(std::string_view name) const {
    const std::string wanted = upper(name);
    for (int i = 0; i < tagCount(); ++i) {
        if (impl_->tags[i].info.name == wanted)
            return i;
    }
    return -1;
}

namespace {
bool validTag(int tag, int count) {
    return tag >= 0 && tag < count;
}
} // namespace

int CompoundIndex::insert(int tag, std::string_view key, uint32_t record) {
    if (!validTag(tag, tagCount()))
        return storeErrArgument;
    if (int rc = impl_->writable(); rc != storeOk)
        return rc;
    TagState& t = impl_->tags[tag];
    if (key.size() != size_t(t.keyLength()))
        return storeErrArgument;
    Path path;
    impl_->descend(t, Impl::atOrAfter(key, record), path);
    if (path.empty())
        return storeErrIndex;
    CdxNode* leaf = path.back().node;
    const int at = path.back().index;
    if (at < leaf->count() && leaf->recordAt(at) == record &&
        std::memcmp(leaf->keyAt(at), key.data(), key.size()) == 0)
        return storeOk;
    leaf->insertAt(at, bytes(key), record);
    impl_->touch(leaf);
    ++t.keys;
    ++t.version;
    impl_->repairAfterInsert(t, path, at + 1 == leaf->count());
    return storeOk;
}

int CompoundIndex::remove(int tag, std::string_view key, uint32_t record) {
    if (!validTag(tag, tagCount()))
        return storeErrArgument;
    if (int rc = impl_->writable(); rc != storeOk)
        return rc;
    TagState& t = impl_->tags[tag];
    if (key.size() != size_t(t.keyLength()))
        return storeErrArgument;
    Path path;
    impl_->descend(t, Impl::atOrAfter(key, record), path);
    if (path.empty())
        return storeErrIndex;
    CdxNode* leaf = path.back().node;
    const int at = path.back().index;
    if (at >= leaf->count() || leaf->recordAt(at) != record ||
        std::memcmp(leaf->keyAt(at), key.data(), key.size()) != 0)
        return storeOk;
    leaf->eraseAt(at);
    impl_->touch(leaf);
    --t.keys;
    ++t.version;
    impl_->repairAfterRemove(t, path);
    return storeOk;
}

int CompoundIndex::rebuild(int tag, std::vector<IndexEntry> entries) {
    if (!validTag(tag, tagCount()))
        return storeErrArgument;
    if (int rc = impl_->writable(); rc != storeOk)
        return rc;
    TagState& t = impl_->tags[tag];
    for (const IndexEntry& e : entries) {
        if (e.key.size() != size_t(t.keyLength()))
            return storeErrArgument;
    }
    const auto sorted = Impl::sortEntries(entries, t.info.unique);
    std::vector<uint32_t> pages;
    impl_->collectPages(t.root, pages);
    // Released highest first so that the new tree takes the old pages in file order.
    std::sort(pages.rbegin(), pages.rend());
    for (const uint32_t page : pages)
        impl_->release(impl_->node(page));
    impl_->buildTree(t, sorted);
    t.cacheValid = false;
    return storeOk;
}

int CompoundIndex::first(int tag, IndexEntry& entry) {
    if (!validTag(tag, tagCount()))
        return storeErrArgument;
    TagState& t = impl_->tags[tag];
    impl_->descend(
        t, [](const uint8_t*, uint32_t) { return true; }, t.cached);
    return impl_->emit(t, impl_->settle(t.cached), entry);
}

int CompoundIndex::last(int tag, IndexEntry& entry) {
    if (!validTag(tag, tagCount()))
        return storeErrArgument;
    TagState& t = impl_->tags[tag];
    impl_->descend(
        t, [](const uint8_t*, uint32_t) { return false; }, t.cached);
    return impl_->emit(t, impl_->backward(t.cached), entry);
}

int CompoundIndex::next(int tag, std::string_view key, uint32_t record, IndexEntry& entry) {
    if (!validTag(tag, tagCount()))
        return storeErrArgument;
    TagState& t = impl_->tags[tag];
    if (key.size() != size_t(t.keyLength()))
        return storeErrArgument;
    if (impl_->cacheHolds(t, key, record))
        return impl_->emit(t, impl_->forward(t.cached), entry);
    impl_->descend(t, Impl::after(key, record), t.cached);
    return impl_->emit(t, impl_->settle(t.cached), entry);
}

int CompoundIndex::previous(int tag, std::string_view key, uint32_t record, IndexEntry& entry) {
    if (!validTag(tag, tagCount()))
        return storeErrArgument;
    TagState& t = impl_->tags[tag];
    if (key.size() != size_t(t.keyLength()))
        return storeErrArgument;
    if (!impl_->cacheHolds(t, key, record))
        impl_->descend(t, Impl::atOrAfter(key, record), t.cached);
    return impl_->emit(t, impl_->backward(t.cached), entry);
}

int CompoundIndex::seekFirstAtOrAbove(int tag, std::string_view prefix, IndexEntry& entry) {
    if (!validTag(tag, tagCount()))
        return storeErrArgument;
    TagState& t = impl_->tags[tag];
    const size_t n = std::min(prefix.size(), size_t(t.keyLength()));
    impl_->descend(
        t, [p = bytes(prefix), n](const uint8_t* key, uint32_t) { return std::memcmp(key, p, n) >= 0; },
        t.cached);
    return impl_->emit(t, impl_->settle(t.cached), entry);
}

int CompoundIndex::seekLastAtOrBelow(int tag, std::string_view prefix, IndexEntry& entry) {
    if (!validTag(tag, tagCount()))
        return storeErrArgument;
    TagState& t = impl_->tags[tag];
    const size_t n = std::min(prefix.size(), size_t(t.keyLength()));
    impl_->descend(
        t, [p = bytes(prefix), n](const uint8_t* key, uint32_t) { return std::memcmp(key, p, n) > 0; },
        t.cached);
    return impl_->emit(t, impl_->backward(t.cached), entry);
}

uint32_t CompoundIndex::findKey(int tag, std::string_view key) {
    IndexEntry found;
    if (!validTag(tag, tagCount()) || key.size() != size_t(impl_->tags[tag].keyLength()) ||
        seekFirstAtOrAbove(tag, key, found) != storeOk || found.key != key)
        return 0;
    return found.record;
}

long CompoundIndex::keyCount(int tag) {
    return validTag(tag, tagCount()) ? impl_->tags[tag].keys : 0;
}

int CompoundIndex::flush() {
    return impl_->flush(true);
}

int CompoundIndex::sync() {
    if (impl_->fd >= 0 && !impl_->readOnly && ::fsync(impl_->fd) != 0)
        return storeErrWrite;
    return storeOk;
}

int CompoundIndex::close() {
    int rc = impl_->flush(true);
    if (impl_->fd >= 0 && ::close(impl_->fd) != 0 && rc == storeOk)
        rc = storeErrWrite;
    impl_->fd = -1;
    return rc;
}

bool CompoundIndex::readOnly() const {
    return impl_->readOnly;
}

int CompoundIndex::verify(int tag, std::string& problem) {
    if (!validTag(tag, tagCount()))
        return storeErrArgument;
    if (impl_->fd < 0)
        return storeErrState;
    return impl_->verify(impl_->tags[tag], problem);
}

} // namespace kip::store
