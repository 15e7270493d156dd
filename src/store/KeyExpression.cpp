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

bool validTagName(const std::string& name) {
    return !name.empty() && name.size() <= 10 && std::isalpha(static_cast<unsigned char>(name[0])) &&
           std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isalnum(c) || c == '_'; });
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

int KeyExpression::collectKeys(const DbfFile& dbf, bool unique, SortedKeys& keys) const {
    keys = SortedKeys{};
    keys.keyLength = length_;
    bool oneStretch = !parts_.empty();
    for (size_t i = 1; i < parts_.size(); ++i)
        oneStretch = oneStretch && parts_[i].offset == parts_[i - 1].offset + parts_[i - 1].width;
    if (const unsigned char* records = oneStretch ? dbf.mappedRecords() : nullptr) {
        // The key is one stretch of each record: it is sorted where it lies.
        keys.rows = records;
        keys.stride = dbf.recordLength();
        keys.keyOffset = static_cast<size_t>(parts_.front().offset);
        keys.rowCount = dbf.recordCount();
        keys.skipDeleted = notDeleted_;
        keys.sort(unique);
        return storeOk;
    }
    keys.block.reserve(static_cast<size_t>(dbf.recordCount()) * static_cast<size_t>(length_));
    keys.records.reserve(dbf.recordCount());
    const int rc = dbf.scan([&](uint32_t record, const unsigned char* data) {
        if (!passes(data))
            return 0;
        for (const auto& part : parts_)
            keys.block.append(reinterpret_cast<const char*>(data + part.offset),
                              static_cast<size_t>(part.width));
        keys.records.push_back(record);
        return 0;
    });
    if (rc != storeOk)
        return rc;
    keys.sort(unique);
    return storeOk;
}

int KeyExpression::collectEntries(const DbfFile& dbf, bool unique, std::vector<IndexEntry>& entries) const {
    SortedKeys keys;
    if (const int rc = collectKeys(dbf, unique, keys); rc != storeOk)
        return rc;
    entries = keys.entries();
    return storeOk;
}

} // namespace kip::store
