#include "store/CdxNode.h"
#include "store/CdxBytes.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>

namespace kip::store {

namespace {

using namespace cdx;

uint64_t lowMask(int bits) {
    return bits >= 64 ? ~uint64_t(0) : (uint64_t(1) << bits) - 1;
}

constexpr int leafHeaderBytes = 24;
constexpr int nodePrefixBytes = 12;

} // namespace

CdxNode::CdxNode(uint32_t offset, int keyLength, uint8_t fill, bool leaf)
    : offset_(offset), keyLength_(keyLength), fill_(fill), leaf_(leaf) {}

void CdxNode::becomeEmptyLeaf() {
    leaf_ = true;
    keys_.clear();
    records_.clear();
    children_.clear();
    stored_ = 0;
    maxRecord_ = 0;
}

int CdxNode::bitLength(int keyLength) {
    int bits = 0;
    while ((1 << bits) - 1 < keyLength)
        ++bits;
    return bits;
}

int CdxNode::entryWidthFor(uint32_t maxRecord, int keyLength) {
    const int countBits = 2 * bitLength(keyLength);
    for (int width = 3; width < 8; ++width) {
        const int recordBits = 8 * width - countBits;
        if (recordBits >= 32 || maxRecord <= lowMask(recordBits))
            return width;
    }
    return 8;
}

// Both run for every key on every leaf encode, so they compare eight bytes at a time.
int CdxNode::trailOf(const uint8_t* key) const {
    const uint64_t pattern = uint64_t(fill_) * 0x0101010101010101u;
    int trail = 0;
    while (trail + 8 <= keyLength_) {
        uint64_t word;
        std::memcpy(&word, key + keyLength_ - trail - 8, 8);
        if (word != pattern)
            break;
        trail += 8;
    }
    while (trail < keyLength_ && key[keyLength_ - 1 - trail] == fill_)
        ++trail;
    return trail;
}

int CdxNode::dupOf(const uint8_t* previous, const uint8_t* key, int trail) const {
    const int cap = keyLength_ - trail;
    int dup = 0;
    if constexpr (std::endian::native == std::endian::little) {
        while (dup + 8 <= cap) {
            uint64_t a, b;
            std::memcpy(&a, previous + dup, 8);
            std::memcpy(&b, key + dup, 8);
            if (a != b)
                return dup + std::countr_zero(a ^ b) / 8;
            dup += 8;
        }
    }
    while (dup < cap && previous[dup] == key[dup])
        ++dup;
    return dup;
}

int CdxNode::storedBytes(int i) const {
    const uint8_t* key = keyAt(i);
    const int trail = trailOf(key);
    const int dup = i == 0 ? 0 : dupOf(keyAt(i - 1), key, trail);
    return keyLength_ - dup - trail;
}

int CdxNode::leadBytes(int i) const {
    return keyLength_ - trailOf(keyAt(i));
}

int CdxNode::leafBytes() const {
    return count() * entryWidth() + stored_;
}

bool CdxNode::overflows() const {
    return leaf_ ? leafBytes() > cdxLeafArea : count() > interiorCapacity(keyLength_);
}

void CdxNode::recount() {
    stored_ = 0;
    maxRecord_ = 0;
    if (!leaf_)
        return;
    for (int i = 0; i < count(); ++i) {
        stored_ += storedBytes(i);
        maxRecord_ = std::max(maxRecord_, records_[i]);
    }
}

void CdxNode::insertAt(int i, const uint8_t* key, uint32_t record, uint32_t child) {
    const int before = leaf_ && i < count() ? storedBytes(i) : 0;
    keys_.insert(keys_.begin() + static_cast<std::ptrdiff_t>(i) * keyLength_, key, key + keyLength_);
    records_.insert(records_.begin() + i, record);
    if (!leaf_)
        children_.insert(children_.begin() + i, child);
    if (leaf_) {
        stored_ += storedBytes(i) + (i + 1 < count() ? storedBytes(i + 1) : 0) - before;
        maxRecord_ = std::max(maxRecord_, record);
    }
}

void CdxNode::eraseAt(int i) {
    const int before = leaf_ ? storedBytes(i) + (i + 1 < count() ? storedBytes(i + 1) : 0) : 0;
    const uint32_t record = records_[i];
    const auto keyStart = keys_.begin() + static_cast<std::ptrdiff_t>(i) * keyLength_;
    keys_.erase(keyStart, keyStart + keyLength_);
    records_.erase(records_.begin() + i);
    if (!leaf_)
        children_.erase(children_.begin() + i);
    if (leaf_) {
        stored_ += (i < count() ? storedBytes(i) : 0) - before;
        if (record == maxRecord_)
            maxRecord_ = records_.empty() ? 0 : *std::max_element(records_.begin(), records_.end());
    }
}

bool CdxNode::assignAt(int i, const uint8_t* key, uint32_t record) {
    if (records_[i] == record && std::memcmp(keyAt(i), key, keyLength_) == 0)
        return false;
    if (leaf_) {
        eraseAt(i);
        insertAt(i, key, record);
    } else {
        std::memcpy(keys_.data() + static_cast<size_t>(i) * keyLength_, key, keyLength_);
        records_[i] = record;
    }
    return true;
}

void CdxNode::moveTailTo(int from, CdxNode& other) {
    const auto keyStart = keys_.begin() + static_cast<std::ptrdiff_t>(from) * keyLength_;
    other.keys_.insert(other.keys_.end(), keyStart, keys_.end());
    keys_.erase(keyStart, keys_.end());
    other.records_.insert(other.records_.end(), records_.begin() + from, records_.end());
    records_.erase(records_.begin() + from, records_.end());
    if (!leaf_) {
        other.children_.insert(other.children_.end(), children_.begin() + from, children_.end());
        children_.erase(children_.begin() + from, children_.end());
    }
    recount();
    other.recount();
}

void CdxNode::appendAllFrom(CdxNode& other) {
    other.moveTailTo(0, *this);
}

void CdxNode::encode(uint8_t* page) const {
    std::memset(page, 0, cdxPageSize);
    writeLe16(page, (leaf_ ? 2u : 0u) | (root_ ? 1u : 0u));
    writeLe16(page + 2, static_cast<uint32_t>(count()));
    writeLe32(page + 4, left_);
    writeLe32(page + 8, right_);
    if (leaf_)
        encodeLeaf(page);
    else
        encodeInterior(page);
}

void CdxNode::encodeInterior(uint8_t* page) const {
    uint8_t* out = page + nodePrefixBytes;
    for (int i = 0; i < count(); ++i) {
        std::memcpy(out, keyAt(i), keyLength_);
        writeBe32(out + keyLength_, records_[i]);
        writeBe32(out + keyLength_ + 4, children_[i]);
        out += keyLength_ + 8;
    }
}

void CdxNode::encodeLeaf(uint8_t* page) const {
    const int width = entryWidth();
    const int countBits = bitLength(keyLength_);
    const int recordBits = 8 * width - 2 * countBits;
    writeLe16(page + 12, static_cast<uint32_t>(cdxLeafArea - leafBytes()));
    writeLe32(page + 14, static_cast<uint32_t>(lowMask(std::min(recordBits, 32))));
    page[18] = uint8_t(lowMask(countBits));
    page[19] = uint8_t(lowMask(countBits));
    page[20] = uint8_t(recordBits);
    page[21] = uint8_t(countBits);
    page[22] = uint8_t(countBits);
    page[23] = uint8_t(width);
    int cursor = static_cast<int>(cdxPageSize);
    for (int i = 0; i < count(); ++i) {
        const uint8_t* key = keyAt(i);
        const int trail = trailOf(key);
        const int dup = i == 0 ? 0 : dupOf(keyAt(i - 1), key, trail);
        const int length = keyLength_ - dup - trail;
        cursor -= length;
        std::memcpy(page + cursor, key + dup, length);
        const uint64_t entry =
            uint64_t(records_[i]) | uint64_t(dup) << recordBits | uint64_t(trail) << (recordBits + countBits);
        uint8_t* out = page + leafHeaderBytes + i * width;
        for (int b = 0; b < width; ++b)
            out[b] = uint8_t(entry >> (8 * b));
    }
}

bool CdxNode::decode(const uint8_t* page, uint32_t offset, int keyLength, uint8_t fill, bool strict,
                     CdxNode& out, std::string& problem) {
    const uint16_t attributes = readLe16(page);
    out = CdxNode(offset, keyLength, fill, (attributes & 2) != 0);
    out.root_ = (attributes & 1) != 0;
    out.left_ = readLe32(page + 4);
    out.right_ = readLe32(page + 8);
    if (strict && attributes > 3) {
        problem = "unknown node attributes";
        return false;
    }
    return out.leaf_ ? out.decodeLeaf(page, strict, problem) : out.decodeInterior(page, problem);
}

bool CdxNode::decodeInterior(const uint8_t* page, std::string& problem) {
    const int n = readLe16(page + 2);
    const int entryBytes = keyLength_ + 8;
    if (nodePrefixBytes + n * entryBytes > static_cast<int>(cdxPageSize)) {
        problem = "interior key count beyond the page";
        return false;
    }
    keys_.resize(static_cast<size_t>(n) * keyLength_);
    records_.resize(n);
    children_.resize(n);
    const uint8_t* in = page + nodePrefixBytes;
    for (int i = 0; i < n; ++i, in += entryBytes) {
        std::memcpy(keys_.data() + static_cast<size_t>(i) * keyLength_, in, keyLength_);
        records_[i] = readBe32(in + keyLength_);
        children_[i] = readBe32(in + keyLength_ + 4);
    }
    return true;
}

bool CdxNode::decodeLeaf(const uint8_t* page, bool strict, std::string& problem) {
    const int n = readLe16(page + 2);
    const int freeBytes = readLe16(page + 12);
    const uint32_t recordMask = readLe32(page + 14);
    const int recordBits = page[20], dupBits = page[21], trailBits = page[22], width = page[23];
    if (width < 1 || width > 8 || dupBits > 8 || trailBits > 8 || recordBits < 1 ||
        recordBits + dupBits + trailBits > 8 * width) {
        problem = "leaf bit widths make no sense";
        return false;
    }
    if (leafHeaderBytes + n * width > static_cast<int>(cdxPageSize)) {
        problem = "leaf key count beyond the page";
        return false;
    }
    if (strict && (recordBits + dupBits + trailBits != 8 * width || width < 3 ||
                   recordMask != lowMask(std::min(recordBits, 32)) || page[18] != lowMask(dupBits) ||
                   page[19] != lowMask(trailBits))) {
        problem = "leaf masks disagree with their bit counts";
        return false;
    }
    keys_.assign(static_cast<size_t>(n) * keyLength_, fill_);
    records_.resize(n);
    const int entriesEnd = leafHeaderBytes + n * width;
    int cursor = static_cast<int>(cdxPageSize);
    for (int i = 0; i < n; ++i) {
        uint64_t entry = 0;
        for (int b = 0; b < width; ++b)
            entry |= uint64_t(page[leafHeaderBytes + i * width + b]) << (8 * b);
        const uint64_t record = entry & lowMask(recordBits);
        const int dup = static_cast<int>((entry >> recordBits) & lowMask(dupBits));
        const int trail = static_cast<int>((entry >> (recordBits + dupBits)) & lowMask(trailBits));
        if (record > 0xFFFFFFFFu || dup + trail > keyLength_ || (strict && i == 0 && dup != 0)) {
            problem = "leaf entry out of range";
            return false;
        }
        const int length = keyLength_ - dup - trail;
        cursor -= length;
        if (cursor < entriesEnd) {
            problem = "leaf keys overlap their entries";
            return false;
        }
        uint8_t* key = keys_.data() + static_cast<size_t>(i) * keyLength_;
        if (i > 0)
            std::memcpy(key, key - keyLength_, dup);
        std::memcpy(key + dup, page + cursor, length);
        records_[i] = static_cast<uint32_t>(record);
    }
    recount();
    if (strict && freeBytes != cdxLeafArea - (n * width + (static_cast<int>(cdxPageSize) - cursor))) {
        problem = "leaf free-space field is wrong";
        return false;
    }
    return true;
}

} // namespace kip::store
