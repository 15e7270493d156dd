#pragma once
// The pages of one open index file: every tree page decoded once and kept in memory, the free-page
// list, and which pages changed since the last flush. Pages are taken from the free list before
// the file grows; a freed page links to the next free one in its bytes 0-3.

#include "store/CdxNode.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace kip::store {

class CdxPageStore {
public:
    CdxPageStore() = default;
    ~CdxPageStore();
    CdxPageStore(const CdxPageStore&) = delete;
    CdxPageStore& operator=(const CdxPageStore&) = delete;

    // Returns 0 or a negative store error.
    int openFile(const std::string& path, bool readOnly);
    // exclusive: fail when the file exists; otherwise an existing file is emptied.
    int createFile(const std::string& path, bool exclusive);
    int closeFile();
    int syncFile();
    // Gives the open file the permissions and owner of the file at `path`, when there is one.
    void keepModeOf(const std::string& path);
    bool isOpen() const { return fd_ >= 0; }
    bool readOnly() const { return readOnly_; }
    int readImage(std::vector<uint8_t>& image) const;
    bool writeBytes(const uint8_t* data, size_t size, uint32_t offset);

    uint32_t fileEnd() const { return fileEnd_; }
    void setFileEnd(uint32_t end) { fileEnd_ = end; }
    // chain: the free pages from the head of the list onwards.
    void adoptFreeList(const std::vector<uint32_t>& chain);
    // Forgets an untrustworthy list (its pages leak) and marks the file header for rewriting.
    void dropFreeList();
    uint32_t freeHead() const { return freeStack_.empty() ? 0 : freeStack_.back(); }
    bool freeListChanged() const { return freeListChanged_; }

    void adopt(std::unique_ptr<CdxNode> node);
    CdxNode* node(uint32_t offset) const;
    void touch(CdxNode* node);
    CdxNode* allocate(int keyLength, uint8_t fill, bool leaf);
    void release(CdxNode* node);

    // Writes changed pages and newly freed pages; `changed` tells whether anything was written.
    int writeChanges(bool& changed);

private:
    int writeRun(std::vector<uint8_t>& run, uint32_t start, std::vector<CdxNode*>& inRun);
    int writeDirtyPages(bool& changed);
    int writeFreedPages(bool& changed);

    int fd_ = -1;
    bool readOnly_ = false;
    uint32_t fileEnd_ = 0;
    std::unordered_map<uint32_t, std::unique_ptr<CdxNode>> nodes_;
    std::vector<uint32_t> dirtyPages_;
    std::vector<uint32_t> freeStack_; // back() is the head of the list
    std::vector<uint32_t> freedSinceFlush_;
    bool freeListChanged_ = false;
};

} // namespace kip::store
