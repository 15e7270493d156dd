#pragma once
// Checks a tag's tree and the file's free list as they lie on disk, by the rules a careful writer
// keeps (exact free-space fields, sibling links on every level, interior entries carrying their
// child's last key, ascending order, root bit on the root only). Used by tests and maintenance.

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

namespace kip::store {

class CdxNode;

class CdxVerifier {
public:
    explicit CdxVerifier(const std::vector<uint8_t>& image) : image_(image) {}

    bool checkTree(uint32_t root, int keyLength, uint8_t fill, long keyCount, std::string& problem);
    // inUse tells whether a page belongs to a tree, a header or the tag directory.
    bool checkFreeList(const std::function<bool(uint32_t)>& inUse, std::string& problem) const;

private:
    struct Expected {
        std::string key;
        uint32_t record;
    };

    bool readLevel(const std::vector<uint32_t>& level, const std::vector<Expected>& expectedLast,
                   int keyLength, uint8_t fill, bool rootLevel, std::vector<CdxNode>& decoded,
                   std::string& problem);
    static bool checkNode(const CdxNode& n, bool rootLevel, size_t i, const std::vector<uint32_t>& level,
                          std::string& problem);
    static bool checkLevel(const std::vector<CdxNode>& level, std::string& problem);

    const std::vector<uint8_t>& image_;
    std::unordered_set<uint32_t> seen_;
};

} // namespace kip::store
