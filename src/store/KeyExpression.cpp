#include "store/KeyExpression.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace kip::store {
namespace {

std::string normalised(std::string_view text) {
    std::string out;
    for (const char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            out.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    return out;
}

std::string upper(std::string_view s) {
    std::string out(s);
    for (auto& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

struct KeyHandle {
    uint64_t head = 0;
    uint32_t at = 0;
};

bool validTagName(const std::string& name) {
    return !name.empty() && name.size() <= 10 && std::isalpha(static_cast<unsigned char>(name[0])) &&
           std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isalnum(c) || c == '_'; });
}

// Sorts by eight key bytes at a time: one level orders the handles by the word at `depth`, then
// each run of equal words is ordered by the next word. Comparisons stay on integers held in the
// handles instead of comparing long keys that mostly share their first bytes.
void sortKeys(KeyHandle* first, KeyHandle* last, const char* keys, size_t k, size_t depth) {
    for (KeyHandle* h = first; h != last; ++h) {
        uint64_t word = 0;
        for (size_t b = depth; b < depth + 8; ++b)
            word = word << 8 | (b < k ? static_cast<unsigned char>(keys[h->at * k + b]) : 0u);
        h->head = word;
    }
    const bool lastWord = depth + 8 >= k;
    std::sort(first, last, [lastWord](const KeyHandle& a, const KeyHandle& b) {
        return a.head < b.head || (lastWord && a.head == b.head && a.at < b.at); // scanned in record order
    });
    if (lastWord)
        return;
    for (KeyHandle* run = first; run != last;) {
        KeyHandle* end = run + 1;
        while (end != last && end->head == run->head)
            ++end;
        if (end - run > 1)
            sortKeys(run, end, keys, k, depth + 8);
        run = end;
    }
}

} // namespace

bool KeyExpression::describeTag(const TagSpec& row, const std::vector<DbfField>& fields, IndexTagInfo& info) {
    KeyExpression e;
    info = IndexTagInfo{};
    info.name = upper(row.name);
    info.keyExpression = row.keyExpression;
    info.forExpression = row.filterExpression;
    info.unique = row.unique == uniqueRefuse;
    info.descending = row.order == orderDescending;
    const bool validCodes = (row.unique == uniqueNone || row.unique == uniqueRefuse) &&
                            (row.order == orderAscending || row.order == orderDescending);
    if (!validCodes || !validTagName(info.name) || !e.parse(row.keyExpression, fields) ||
        !e.parseFilter(row.filterExpression))
        return false;
    info.keyLength = e.keyLength();
    return true;
}

bool KeyExpression::parse(std::string_view text, const std::vector<DbfField>& fields) {
    parts_.clear();
    length_ = 0;
    const std::string expression = normalised(text);
    if (expression.empty())
        return false;
    size_t start = 0;
    while (start <= expression.size()) {
        const size_t plus = expression.find('+', start);
        const std::string name = expression.substr(start, plus == std::string::npos ? plus : plus - start);
        const DbfField* found = nullptr;
        for (const auto& f : fields)
            if (f.name == name)
                found = &f;
        if (found == nullptr || found->type != 'C')
            return false;
        parts_.push_back({found->offset, found->width});
        length_ += found->width;
        if (plus == std::string::npos)
            break;
        start = plus + 1;
    }
    return length_ >= 1 && length_ <= 240;
}

bool KeyExpression::parseFilter(std::string_view text) {
    const std::string filter = normalised(text);
    notDeleted_ = filter == ".NOT.DELETED()" || filter == "!DELETED()" || filter == "NOTDELETED()";
    return filter.empty() || notDeleted_;
}

bool KeyExpression::parseTag(const IndexTagInfo& tag, const std::vector<DbfField>& fields) {
    return tag.characterKey && parse(tag.keyExpression, fields) && length_ == tag.keyLength &&
           parseFilter(tag.forExpression);
}

std::string KeyExpression::evaluate(const unsigned char* record) const {
    std::string key;
    evaluateInto(record, key);
    return key;
}

void KeyExpression::evaluateInto(const unsigned char* record, std::string& key) const {
    key.clear();
    key.reserve(static_cast<size_t>(length_));
    for (const auto& part : parts_)
        key.append(reinterpret_cast<const char*>(record + part.offset), static_cast<size_t>(part.width));
}

int KeyExpression::collectEntries(const DbfFile& dbf, bool unique, std::vector<IndexEntry>& entries) const {
    // Keys are gathered side by side and sorted through a small handle holding their first eight
    // bytes: most comparisons end there, without touching the key block.
    const auto k = static_cast<size_t>(length_);
    std::string block;
    std::vector<uint32_t> records;
    block.reserve(static_cast<size_t>(dbf.recordCount()) * k);
    records.reserve(dbf.recordCount());
    const int rc = dbf.scan([&](uint32_t record, const unsigned char* data) {
        if (!passes(data))
            return 0;
        for (const auto& part : parts_)
            block.append(reinterpret_cast<const char*>(data + part.offset), static_cast<size_t>(part.width));
        records.push_back(record);
        return 0;
    });
    if (rc != storeOk)
        return rc;
    std::vector<KeyHandle> order(records.size());
    for (uint32_t i = 0; i < order.size(); ++i)
        order[i].at = i;
    sortKeys(order.data(), order.data() + order.size(), block.data(), k, 0);
    const char* keys = block.data();
    entries.clear();
    entries.reserve(order.size());
    for (const auto& h : order) {
        std::string_view key(keys + h.at * k, k);
        if (unique && !entries.empty() && entries.back().key == key)
            continue;
        entries.push_back({std::string(key), records[h.at]});
    }
    return storeOk;
}

} // namespace kip::store
