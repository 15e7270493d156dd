#include "store/CdxPageStore.h"

#include "store/CdxBytes.h"
#include "store/FileIo.h"
#include "store/TableStore.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kip::store {

CdxPageStore::~CdxPageStore() {
    if (fd_ >= 0)
        ::close(fd_);
}

int CdxPageStore::openFile(const std::string& path, bool readOnly) {
    readOnly_ = readOnly;
    fd_ = ::open(path.c_str(), (readOnly ? O_RDONLY : O_RDWR) | O_CLOEXEC);
    if (fd_ >= 0)
        return storeOk;
    return errno == EACCES || errno == EPERM || errno == EROFS ? storeErrAccess : storeErrOpen;
}

int CdxPageStore::createFile(const std::string& path, bool exclusive) {
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | (exclusive ? O_EXCL : O_TRUNC), 0666);
    if (fd_ >= 0)
        return storeOk;
    return errno == EEXIST ? storeErrExists : storeErrCreate;
}

int CdxPageStore::closeFile() {
    const int rc = fd_ >= 0 && ::close(fd_) != 0 ? storeErrWrite : storeOk;
    fd_ = -1;
    return rc;
}

void CdxPageStore::keepModeOf(const std::string& path) {
    if (fd_ >= 0)
        copyModeAndOwner(path, fd_);
}

int CdxPageStore::syncFile() {
    if (fd_ >= 0 && !readOnly_ && ::fsync(fd_) != 0)
        return storeErrWrite;
    return storeOk;
}

int CdxPageStore::readImage(std::vector<uint8_t>& image) const {
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        return storeErrRead;
    if (st.st_size < 0 || static_cast<uint64_t>(st.st_size) > 0xFFFFFE00u)
        return storeErrIndex;
    image.resize(static_cast<size_t>(st.st_size));
    return readFully(fd_, image.data(), image.size(), 0) ? storeOk : storeErrRead;
}

bool CdxPageStore::writeBytes(const uint8_t* data, size_t size, uint32_t offset) {
    return writeFully(fd_, data, size, offset);
}

void CdxPageStore::adoptFreeList(const std::vector<uint32_t>& chain) {
    freeStack_.assign(chain.rbegin(), chain.rend());
}

void CdxPageStore::dropFreeList() {
    freeStack_.clear();
    freeListChanged_ = true;
}

void CdxPageStore::adopt(std::unique_ptr<CdxNode> node) {
    const uint32_t offset = node->offset();
    nodes_[offset] = std::move(node);
}

CdxNode* CdxPageStore::node(uint32_t offset) const {
    const auto it = nodes_.find(offset);
    return it == nodes_.end() ? nullptr : it->second.get();
}

void CdxPageStore::touch(CdxNode* node) {
    if (!node->dirty) {
        node->dirty = true;
        dirtyPages_.push_back(node->offset());
    }
}

CdxNode* CdxPageStore::allocate(int keyLength, uint8_t fill, bool leaf) {
    uint32_t offset;
    if (!freeStack_.empty()) {
        offset = freeStack_.back();
        freeStack_.pop_back();
        freeListChanged_ = true;
    } else {
        offset = fileEnd_;
        fileEnd_ += cdxPageSize;
    }
    auto fresh = std::make_unique<CdxNode>(offset, keyLength, fill, leaf);
    CdxNode* n = fresh.get();
    nodes_[offset] = std::move(fresh);
    touch(n);
    return n;
}

void CdxPageStore::release(CdxNode* node) {
    const uint32_t offset = node->offset();
    nodes_.erase(offset);
    freeStack_.push_back(offset);
    freedSinceFlush_.push_back(offset);
    freeListChanged_ = true;
}

int CdxPageStore::writeChanges(bool& changed) {
    if (int rc = writeDirtyPages(changed); rc != storeOk)
        return rc;
    if (int rc = writeFreedPages(changed); rc != storeOk)
        return rc;
    changed = changed || freeListChanged_;
    freeListChanged_ = false;
    return storeOk;
}

// A page stays dirty until its bytes are written, so a failed flush can be repeated.
int CdxPageStore::writeRun(std::vector<uint8_t>& run, uint32_t start, std::vector<CdxNode*>& inRun) {
    if (!run.empty() && !writeFully(fd_, run.data(), run.size(), start))
        return storeErrWrite;
    for (CdxNode* n : inRun)
        n->dirty = false;
    run.clear();
    inRun.clear();
    return storeOk;
}

int CdxPageStore::writeDirtyPages(bool& changed) {
    std::sort(dirtyPages_.begin(), dirtyPages_.end());
    dirtyPages_.erase(std::unique(dirtyPages_.begin(), dirtyPages_.end()), dirtyPages_.end());
    std::vector<uint8_t> run;
    std::vector<CdxNode*> inRun;
    uint32_t runStart = 0;
    for (const uint32_t offset : dirtyPages_) {
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
    dirtyPages_.clear();
    return storeOk;
}

int CdxPageStore::writeFreedPages(bool& changed) {
    if (freedSinceFlush_.empty())
        return storeOk;
    std::unordered_map<uint32_t, uint32_t> nextFree;
    for (size_t i = 0; i < freeStack_.size(); ++i)
        nextFree[freeStack_[i]] = i > 0 ? freeStack_[i - 1] : 0;
    std::array<uint8_t, cdxPageSize> page{};
    for (const uint32_t offset : freedSinceFlush_) {
        const auto it = nextFree.find(offset);
        if (it == nextFree.end() || node(offset) != nullptr)
            continue;
        cdx::writeLe32(page.data(), it->second);
        if (!writeFully(fd_, page.data(), page.size(), offset))
            return storeErrWrite;
        changed = true;
    }
    freedSinceFlush_.clear();
    return storeOk;
}

} // namespace kip::store
