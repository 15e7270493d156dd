#include "store/CdxVerifier.h"

#include "store/CdxBytes.h"
#include "store/CdxNode.h"

#include <cstring>

namespace kip::store {

namespace {

constexpr int maxTreeDepth = 64;

bool fail(std::string& problem, const char* what) {
    problem = what;
    return false;
}

std::string keyText(const CdxNode& n, int i) {
    return std::string(reinterpret_cast<const char*>(n.keyAt(i)), n.keyLength());
}

} // namespace

bool CdxVerifier::checkTree(uint32_t root, int keyLength, uint8_t fill, long keyCount, std::string& problem) {
    std::vector<uint32_t> level{root};
    std::vector<Expected> expectedLast;
    for (int depth = 0; depth <= maxTreeDepth; ++depth) {
        std::vector<CdxNode> decoded;
        if (!readLevel(level, expectedLast, keyLength, fill, depth == 0, decoded, problem) ||
            !checkLevel(decoded, problem))
            return false;
        level.clear();
        expectedLast.clear();
        long keys = 0;
        for (const CdxNode& n : decoded) {
            keys += n.count();
            for (int k = 0; !n.leaf() && k < n.count(); ++k) {
                level.push_back(n.childAt(k));
                expectedLast.push_back({keyText(n, k), n.recordAt(k)});
            }
        }
        if (decoded.front().leaf())
            return keys == keyCount || fail(problem, "key count differs from the tree");
    }
    return fail(problem, "tree deeper than any sane index");
}

bool CdxVerifier::readLevel(const std::vector<uint32_t>& level, const std::vector<Expected>& expectedLast,
                            int keyLength, uint8_t fill, bool rootLevel, std::vector<CdxNode>& decoded,
                            std::string& problem) {
    for (size_t i = 0; i < level.size(); ++i) {
        const uint32_t offset = level[i];
        if (offset % cdxPageSize != 0 || size_t(offset) + cdxPageSize > image_.size())
            return fail(problem, "page offset outside the file");
        if (!seen_.insert(offset).second)
            return fail(problem, "page used twice in the tree");
        CdxNode n(offset, keyLength, fill, true);
        if (!CdxNode::decode(image_.data() + offset, offset, keyLength, fill, true, n, problem) ||
            !checkNode(n, rootLevel, i, level, problem))
            return false;
        if (!rootLevel && (n.count() == 0 || keyText(n, n.count() - 1) != expectedLast[i].key ||
                           n.recordAt(n.count() - 1) != expectedLast[i].record))
            return fail(problem, "interior entry is not the last key of its child");
        decoded.push_back(std::move(n));
    }
    return true;
}

bool CdxVerifier::checkNode(const CdxNode& n, bool rootLevel, size_t i, const std::vector<uint32_t>& level,
                            std::string& problem) {
    if (n.root() != rootLevel)
        return fail(problem, "root bit wrong");
    const uint32_t left = i > 0 ? level[i - 1] : cdxNoPage;
    const uint32_t right = i + 1 < level.size() ? level[i + 1] : cdxNoPage;
    if (n.left() != left || n.right() != right)
        return fail(problem, "sibling links broken");
    if (!n.leaf() && (n.count() == 0 || n.count() > CdxNode::interiorCapacity(n.keyLength())))
        return fail(problem, "interior key count out of range");
    if (n.leaf() && !rootLevel && n.count() == 0)
        return fail(problem, "empty leaf left in the tree");
    return true;
}

bool CdxVerifier::checkLevel(const std::vector<CdxNode>& level, std::string& problem) {
    const CdxNode* previous = nullptr;
    int previousIndex = 0;
    for (const CdxNode& n : level) {
        if (n.leaf() != level.front().leaf())
            return fail(problem, "leaves and interior nodes mixed on one level");
        for (int k = 0; k < n.count(); ++k) {
            if (previous != nullptr) {
                const int c = std::memcmp(previous->keyAt(previousIndex), n.keyAt(k), n.keyLength());
                if (c > 0 || (c == 0 && previous->recordAt(previousIndex) >= n.recordAt(k)))
                    return fail(problem, "keys out of order");
            }
            previous = &n;
            previousIndex = k;
        }
    }
    return true;
}

bool CdxVerifier::checkFreeList(const std::function<bool(uint32_t)>& inUse, std::string& problem) const {
    if (image_.size() % cdxPageSize != 0)
        return fail(problem, "file length is not a multiple of 512");
    std::unordered_set<uint32_t> free;
    for (uint32_t page = cdx::readLe32(image_.data() + 4); page != 0 && page != cdxNoPage;
         page = cdx::readLe32(image_.data() + page)) {
        if (page % cdxPageSize != 0 || size_t(page) + cdxPageSize > image_.size() ||
            !free.insert(page).second)
            return fail(problem, "free list leaves the file or loops");
        if (inUse(page))
            return fail(problem, "page both free and in use");
    }
    return true;
}

} // namespace kip::store
