#include "store/CompoundIndex.h"

#include "store/CdxBytes.h"
#include "store/CdxNode.h"
#include "store/CdxPageStore.h"
#include "store/CdxTree.h"
#include "store/CdxVerifier.h"
#include "store/FileIo.h"
#include "store/TableStore.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <unordered_set>

namespace kip::store {

namespace {

using namespace cdx;

constexpr uint32_t headerBytes = 1024;
constexpr uint32_t directoryOffset = 0x400;
constexpr int directoryKeyLength = 10;
constexpr int maxTreeDepth = 64;
constexpr size_t runBytes = size_t(64) << 10; // pages of a new index go out in runs of this size
// A hostile page can decode to far more key bytes than it holds; refuse files that would need more.
constexpr size_t maxDecodedBytes = size_t(256) << 20;

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

// Every page is claimed once: a page reached twice (a loop, or two parents) makes the file damaged,
// which bounds every later walk by the page count.
struct Loader {
    const std::vector<uint8_t>& image;
    std::unordered_set<uint32_t> visited{0, cdxPageSize};
    size_t decodedBytes = 0;

    bool claim(uint32_t offset) {
        return offset % cdxPageSize == 0 && offset >= headerBytes &&
               size_t(offset) + cdxPageSize <= image.size() && visited.insert(offset).second;
    }
    bool decode(uint32_t offset, int keyLength, uint8_t fill, CdxNode& node) {
        std::string problem;
        if (!CdxNode::decode(image.data() + offset, offset, keyLength, fill, false, node, problem))
            return false;
        decodedBytes += static_cast<size_t>(node.count()) * (keyLength + 8);
        return decodedBytes <= maxDecodedBytes;
    }
};

} // namespace

struct CompoundIndex::Impl {
    CdxPageStore pages;
    std::vector<CdxTree> trees;                 // in creation order
    std::unordered_set<uint32_t> reservedPages; // headers and tag directory
    uint32_t counter = 0;
    // The counter was bumped but the header words not yet written (a flush failed after the pages).
    bool headerPending = false;
    std::unique_ptr<CdxNode> directory; // only while laying out a fresh file

    // ---- loading -------------------------------------------------------------------------------

    int load(const std::string& path, bool readOnly) {
        if (int rc = pages.openFile(path, readOnly); rc != storeOk)
            return rc;
        std::vector<uint8_t> image;
        if (int rc = pages.readImage(image); rc != storeOk)
            return rc;
        if (image.size() < headerBytes)
            return storeErrIndex;
        pages.setFileEnd(static_cast<uint32_t>((image.size() + cdxPageSize - 1) / cdxPageSize * cdxPageSize));
        return parse(image);
    }

    int parse(const std::vector<uint8_t>& image) {
        Loader loader{image};
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
        std::sort(trees.begin(), trees.end(),
                  [](const CdxTree& a, const CdxTree& b) { return a.headerOffset() < b.headerOffset(); });
        if (!pages.readOnly())
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
        IndexTagInfo info;
        info.name = upper(name);
        info.keyLength = readLe16(h + 12);
        info.unique = (h[14] & 0x01) != 0;
        info.descending = readLe16(h + 502) != 0;
        const uint32_t forOffset = readLe16(h + 504), forLength = readLe16(h + 506);
        const uint32_t keyOffset = readLe16(h + 508), keyLength = readLe16(h + 510);
        if (info.keyLength < 1 || info.keyLength > cdxMaxKeyLength || keyOffset + keyLength > cdxPageSize ||
            forOffset + forLength > cdxPageSize)
            return storeErrIndex;
        info.keyExpression = poolText(h + cdxPageSize, keyOffset, keyLength);
        if (forLength > 1)
            info.forExpression = poolText(h + cdxPageSize, forOffset, forLength);
        CdxTree tree(pages, std::move(info), offset, readLe32(h), 0);
        long keys = 0;
        if (!loadTree(loader, tree, tree.root(), 0, keys))
            return storeErrIndex;
        trees.emplace_back(pages, tree.info(), offset, tree.root(), keys);
        return storeOk;
    }

    bool loadTree(Loader& loader, const CdxTree& tree, uint32_t offset, int depth, long& keys) {
        auto node = std::make_unique<CdxNode>(offset, tree.keyLength(), tree.fill(), true);
        if (depth > maxTreeDepth || !loader.claim(offset) ||
            !loader.decode(offset, tree.keyLength(), tree.fill(), *node))
            return false;
        node->setRoot(depth == 0);
        if (node->leaf())
            keys += node->count();
        else if (node->count() == 0)
            return false;
        for (int i = 0; !node->leaf() && i < node->count(); ++i) {
            if (!loadTree(loader, tree, node->childAt(i), depth + 1, keys))
                return false;
        }
        pages.adopt(std::move(node));
        return true;
    }

    // A free list we cannot trust is dropped (its pages leak) rather than risk handing out a live page.
    void loadFreeList(Loader& loader) {
        std::vector<uint32_t> chain;
        for (uint32_t page = readLe32(loader.image.data() + 4); page != 0 && page != cdxNoPage;
             page = readLe32(loader.image.data() + page)) {
            if (!loader.claim(page)) {
                pages.dropFreeList();
                return;
            }
            chain.push_back(page);
        }
        pages.adoptFreeList(chain);
    }

    // ---- changes -------------------------------------------------------------------------------

    CdxTree* tree(int tag) {
        return tag >= 0 && tag < static_cast<int>(trees.size()) ? &trees[tag] : nullptr;
    }

    // Changes after close() would be lost without a word; refuse them instead.
    int writable() const {
        if (!pages.isOpen())
            return storeErrState;
        return pages.readOnly() ? storeErrAccess : storeOk;
    }

    int flush() {
        if (pages.readOnly() || !pages.isOpen())
            return storeOk;
        bool changed = headerPending;
        if (int rc = pages.writeChanges(changed); rc != storeOk)
            return rc;
        for (CdxTree& t : trees) {
            if (!t.rootMoved())
                continue;
            std::array<uint8_t, 4> root{};
            writeLe32(root.data(), t.root());
            if (!pages.writeBytes(root.data(), root.size(), t.headerOffset()))
                return storeErrWrite;
            t.rootWritten();
            changed = true;
        }
        if (!changed)
            return storeOk;
        if (!headerPending)
            ++counter;
        headerPending = true;
        std::array<uint8_t, 8> words{};
        writeLe32(words.data(), pages.freeHead());
        writeBe32(words.data() + 4, counter);
        if (!pages.writeBytes(words.data(), words.size(), 4))
            return storeErrWrite;
        headerPending = false;
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

    // Header pair at 0, tag directory at 0x400, then per tag its header pair and its empty root leaf.
    int layoutEmpty(const std::vector<IndexTagInfo>& infos) {
        if (!validTagList(infos) || infos.empty())
            return storeErrArgument;
        pages.setFileEnd(directoryOffset + cdxPageSize);
        reservedPages = {0, cdxPageSize, directoryOffset};
        for (size_t i = 0; i < infos.size(); ++i) {
            IndexTagInfo info = infos[i];
            info.name = upper(info.name);
            const uint32_t header = pages.fileEnd();
            reservedPages.insert({header, header + cdxPageSize});
            pages.setFileEnd(header + headerBytes);
            trees.emplace_back(pages, std::move(info), header, 0, 0);
            trees.back().build(SortedKeys{});
            trees.back().rootWritten();
        }
        return layoutDirectory();
    }

    static bool validFresh(const std::vector<IndexTagInfo>& infos, const std::vector<SortedKeys>& keys) {
        if (!validTagList(infos) || infos.empty() || keys.size() != infos.size())
            return false;
        for (size_t i = 0; i < infos.size(); ++i)
            if (keys[i].keyLength != infos[i].keyLength && keys[i].size() != 0)
                return false;
        return true;
    }

    // The whole file of a new index (arguments checked by validFresh) written straight from sorted
    // keys, laid out as layoutEmpty does: each tree's pages are encoded as they are filled and
    // written in runs, none of them kept.
    int writeFresh(const std::vector<IndexTagInfo>& infos, const std::vector<SortedKeys>& keys) {
        std::vector<uint8_t> run;
        uint32_t runStart = 0;
        const auto writeRun = [&] {
            const bool ok = run.empty() || pages.writeBytes(run.data(), run.size(), runStart);
            run.clear();
            return ok;
        };
        const auto put = [&](uint32_t offset, const uint8_t* page) {
            if (!run.empty() && offset != runStart + run.size() && !writeRun())
                return false;
            if (run.empty())
                runStart = offset;
            run.insert(run.end(), page, page + cdxPageSize);
            return run.size() < runBytes || writeRun();
        };
        run.reserve(runBytes);
        uint32_t fileEnd = directoryOffset + cdxPageSize;
        for (size_t i = 0; i < infos.size(); ++i) {
            IndexTagInfo info = infos[i];
            info.name = upper(info.name);
            const uint32_t header = fileEnd;
            fileEnd += headerBytes;
            const uint8_t fill = info.characterKey ? 0x20 : 0x00;
            const uint32_t root = CdxTree::writeSorted(keys[i], info.keyLength, fill, fileEnd, put);
            if (root == cdxNoPage)
                return storeErrWrite;
            trees.emplace_back(pages, std::move(info), header, root, static_cast<long>(keys[i].size()));
        }
        if (!writeRun())
            return storeErrWrite;
        pages.setFileEnd(fileEnd);
        if (const int rc = layoutDirectory(); rc != storeOk)
            return rc;
        return writeHeaders();
    }

    int layoutDirectory() {
        std::vector<const CdxTree*> byName;
        for (const CdxTree& t : trees)
            byName.push_back(&t);
        std::sort(byName.begin(), byName.end(),
                  [](const CdxTree* a, const CdxTree* b) { return a->info().name < b->info().name; });
        directory = std::make_unique<CdxNode>(directoryOffset, directoryKeyLength, 0x20, true);
        for (const CdxTree* t : byName) {
            std::string key = t->info().name;
            key.resize(directoryKeyLength, ' ');
            directory->insertAt(directory->count(), reinterpret_cast<const uint8_t*>(key.data()),
                                t->headerOffset());
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

    static void encodeTagHeader(const CdxTree& tree, uint8_t* h) {
        const IndexTagInfo& info = tree.info();
        writeLe32(h, tree.root());
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
        if (const int rc = writeHeaders(); rc != storeOk)
            return rc;
        bool changed = false;
        return pages.writeChanges(changed);
    }

    // The file header, the tag directory and each tag's header.
    int writeHeaders() {
        std::vector<uint8_t> image(directoryOffset + cdxPageSize, 0);
        encodeFileHeader(image.data());
        directory->encode(image.data() + directoryOffset);
        if (!pages.writeBytes(image.data(), image.size(), 0))
            return storeErrWrite;
        for (const CdxTree& t : trees) {
            std::array<uint8_t, headerBytes> header{};
            encodeTagHeader(t, header.data());
            if (!pages.writeBytes(header.data(), header.size(), t.headerOffset()))
                return storeErrWrite;
        }
        directory.reset();
        return storeOk;
    }

    // ---- checking ------------------------------------------------------------------------------

    int verify(const CdxTree& tree, std::string& problem) {
        if (int rc = flush(); rc != storeOk)
            return rc;
        std::vector<uint8_t> image;
        if (int rc = pages.readImage(image); rc != storeOk)
            return rc;
        if (image.size() < headerBytes)
            return storeErrRead;
        CdxVerifier verifier(image);
        const auto inUse = [this](uint32_t page) {
            return pages.node(page) != nullptr || reservedPages.count(page) != 0;
        };
        if (!verifier.checkTree(tree.root(), tree.keyLength(), tree.fill(), tree.keyCount(), problem) ||
            !verifier.checkFreeList(inUse, problem))
            return storeErrIndex;
        return storeOk;
    }
};

// ---- public interface ----------------------------------------------------------------------------

CompoundIndex::CompoundIndex(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

CompoundIndex::~CompoundIndex() {
    if (impl_)
        impl_->flush();
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
    if (int rc = impl->layoutEmpty(tags); rc != storeOk)
        return rc;
    if (int rc = impl->pages.createFile(path, true); rc != storeOk)
        return rc;
    if (int rc = impl->writeWhole(); rc != storeOk) {
        ::unlink(path.c_str());
        return rc;
    }
    out.reset(new CompoundIndex(std::move(impl)));
    return storeOk;
}

int CompoundIndex::writeFreshBeside(const std::string& path, const std::string& temporary,
                                    const std::vector<IndexTagInfo>& tags,
                                    const std::vector<SortedKeys>& keys) {
    if (!Impl::validFresh(tags, keys))
        return storeErrArgument;
    Impl impl;
    // Only the old file's update counter is carried on (bumped), so that readers see a change.
    if (const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC); fd >= 0) {
        std::array<uint8_t, 12> head{};
        if (readFully(fd, head.data(), head.size(), 0))
            impl.counter = readBe32(head.data() + 8) + 1;
        ::close(fd);
    }
    if (int rc = impl.pages.createFile(temporary, false); rc != storeOk)
        return storeErrCreate;
    int rc = impl.writeFresh(tags, keys);
    if (rc == storeOk) {
        impl.pages.keepModeOf(path);
        rc = impl.pages.syncFile();
    }
    if (int closed = impl.pages.closeFile(); rc == storeOk)
        rc = closed;
    if (rc != storeOk)
        ::unlink(temporary.c_str());
    return rc;
}

int CompoundIndex::writeFresh(const std::string& path, const std::vector<IndexTagInfo>& tags,
                              const std::vector<std::vector<IndexEntry>>& entries) {
    if (entries.size() != tags.size())
        return storeErrArgument;
    std::vector<SortedKeys> keys;
    for (size_t i = 0; i < tags.size(); ++i) {
        for (const IndexEntry& e : entries[i])
            if (e.key.size() != size_t(tags[i].keyLength))
                return storeErrArgument;
        keys.push_back(SortedKeys::of(entries[i], tags[i].keyLength, tags[i].unique));
    }
    return writeFresh(path, tags, keys);
}

int CompoundIndex::writeFresh(const std::string& path, const std::vector<IndexTagInfo>& tags,
                              const std::vector<SortedKeys>& keys) {
    const std::string temporary = path + ".tmp";
    int rc = writeFreshBeside(path, temporary, tags, keys);
    if (rc == storeOk && ::rename(temporary.c_str(), path.c_str()) != 0)
        rc = storeErrWrite;
    if (rc != storeOk)
        ::unlink(temporary.c_str());
    else
        syncFolderOf(path);
    return rc;
}

int CompoundIndex::tagCount() const {
    return static_cast<int>(impl_->trees.size());
}

const IndexTagInfo& CompoundIndex::tagInfo(int tag) const {
    static const IndexTagInfo none;
    return tag >= 0 && tag < tagCount() ? impl_->trees[tag].info() : none;
}

int CompoundIndex::findTagNumber(std::string_view name) const {
    const std::string wanted = upper(name);
    for (int i = 0; i < tagCount(); ++i) {
        if (impl_->trees[i].info().name == wanted)
            return i;
    }
    return -1;
}

int CompoundIndex::insert(int tag, std::string_view key, uint32_t record) {
    CdxTree* t = impl_->tree(tag);
    if (t == nullptr || key.size() != size_t(t->keyLength()))
        return storeErrArgument;
    if (int rc = impl_->writable(); rc != storeOk)
        return rc;
    return t->insert(key, record);
}

int CompoundIndex::remove(int tag, std::string_view key, uint32_t record) {
    CdxTree* t = impl_->tree(tag);
    if (t == nullptr || key.size() != size_t(t->keyLength()))
        return storeErrArgument;
    if (int rc = impl_->writable(); rc != storeOk)
        return rc;
    return t->remove(key, record);
}

int CompoundIndex::rebuild(int tag, std::vector<IndexEntry> entries) {
    CdxTree* t = impl_->tree(tag);
    if (t == nullptr)
        return storeErrArgument;
    if (int rc = impl_->writable(); rc != storeOk)
        return rc;
    for (const IndexEntry& e : entries) {
        if (e.key.size() != size_t(t->keyLength()))
            return storeErrArgument;
    }
    t->rebuild(SortedKeys::of(entries, t->keyLength(), t->info().unique));
    return storeOk;
}

int CompoundIndex::first(int tag, IndexEntry& entry) {
    CdxTree* t = impl_->tree(tag);
    return t == nullptr ? storeErrArgument : t->first(entry);
}

int CompoundIndex::last(int tag, IndexEntry& entry) {
    CdxTree* t = impl_->tree(tag);
    return t == nullptr ? storeErrArgument : t->last(entry);
}

int CompoundIndex::next(int tag, std::string_view key, uint32_t record, IndexEntry& entry) {
    CdxTree* t = impl_->tree(tag);
    if (t == nullptr || key.size() != size_t(t->keyLength()))
        return storeErrArgument;
    return t->next(key, record, entry);
}

int CompoundIndex::previous(int tag, std::string_view key, uint32_t record, IndexEntry& entry) {
    CdxTree* t = impl_->tree(tag);
    if (t == nullptr || key.size() != size_t(t->keyLength()))
        return storeErrArgument;
    return t->previous(key, record, entry);
}

int CompoundIndex::seekFirstAtOrAbove(int tag, std::string_view prefix, IndexEntry& entry) {
    CdxTree* t = impl_->tree(tag);
    return t == nullptr ? storeErrArgument : t->seekFirstAtOrAbove(prefix, entry);
}

int CompoundIndex::seekLastAtOrBelow(int tag, std::string_view prefix, IndexEntry& entry) {
    CdxTree* t = impl_->tree(tag);
    return t == nullptr ? storeErrArgument : t->seekLastAtOrBelow(prefix, entry);
}

uint32_t CompoundIndex::findKey(int tag, std::string_view key) {
    CdxTree* t = impl_->tree(tag);
    IndexEntry found;
    if (t == nullptr || key.size() != size_t(t->keyLength()) ||
        t->seekFirstAtOrAbove(key, found) != storeOk || found.key != key)
        return 0;
    return found.record;
}

long CompoundIndex::keyCount(int tag) {
    const CdxTree* t = impl_->tree(tag);
    return t == nullptr ? 0 : t->keyCount();
}

int CompoundIndex::flush() {
    return impl_->flush();
}

int CompoundIndex::sync() {
    return impl_->pages.syncFile();
}

int CompoundIndex::close() {
    const int rc = impl_->flush();
    const int closed = impl_->pages.closeFile();
    return rc != storeOk ? rc : closed;
}

bool CompoundIndex::readOnly() const {
    return impl_->pages.readOnly();
}

int CompoundIndex::verify(int tag, std::string& problem) {
    const CdxTree* t = impl_->tree(tag);
    if (t == nullptr)
        return storeErrArgument;
    if (!impl_->pages.isOpen())
        return storeErrState;
    return impl_->verify(*t, problem);
}

} // namespace kip::store
