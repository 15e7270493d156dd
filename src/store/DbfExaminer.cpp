#include "store/DbfExaminer.h"

#include "platform/TextFormat.h"
#include "store/DbfNumber.h"

#include <algorithm>
#include <filesystem>
#include <map>

namespace kip::store {
namespace {

std::string hex(std::string_view bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out.push_back(digits[b >> 4]);
        out.push_back(digits[b & 0x0F]);
    }
    return out;
}

std::string hexByte(unsigned char b) {
    return platform::formatText("0x%02X", b);
}

bool printable(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

std::string trimRight(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

std::string shownValue(const DbfField& field, const unsigned char* record) {
    const std::string raw(reinterpret_cast<const char*>(record + field.offset),
                          static_cast<size_t>(field.width));
    if (field.type == 'N' || field.type == 'F') {
        return platform::formatText("%.*f", field.decimals, parseDoubleText(raw) + 0.0);
    }
    if (!printable(raw))
        return "x:" + hex(raw);
    return trimRight(raw);
}

bool before(const IndexEntry& a, const IndexEntry& b) {
    const int c = a.key.compare(b.key);
    return c < 0 || (c == 0 && a.record < b.record);
}

std::string recordList(const std::vector<uint32_t>& records) {
    std::string out;
    for (const auto r : records) {
        if (!out.empty())
            out.push_back(',');
        out.append(std::to_string(r));
    }
    return out;
}

} // namespace

int DbfExaminer::open(const std::string& dbfPath) {
    const int rc = DbfFile::open(dbfPath, dbf_);
    if (rc != storeOk)
        return rc;
    if (const int lrc = loadRecords(); lrc != storeOk)
        return lrc;
    if (dbf_->indexFlagSet()) {
        const std::string indexPath = DbfFile::existingIndexPath(dbfPath);
        indexError_ = indexPath.empty() ? storeErrOpen : CompoundIndex::open(indexPath, true, index_);
    }
    return storeOk;
}

int DbfExaminer::loadRecords() {
    records_.clear();
    records_.reserve(static_cast<size_t>(dbf_->recordCount()) * dbf_->recordLength());
    return dbf_->scan([&](uint32_t, const unsigned char* record) {
        records_.insert(records_.end(), record, record + dbf_->recordLength());
        return 0;
    });
}

std::string DbfExaminer::baseName() const {
    return std::filesystem::path(dbf_->path()).stem().string();
}

DbfExaminer::TagReport DbfExaminer::inspectTag(int tag) {
    TagReport report;
    const IndexTagInfo& info = index_->tagInfo(tag);
    report.keyCount = index_->keyCount(tag);
    KeyExpression expression;
    report.understood = info.characterKey && expression.parse(info.keyExpression, dbf_->fields()) &&
                        expression.keyLength() == info.keyLength &&
                        expression.parseFilter(info.forExpression);

    // Walk in the tag's own order; a damaged index must not keep the walk going for ever.
    const size_t limit = static_cast<size_t>(std::max<long>(report.keyCount, 0)) + dbf_->recordCount() + 1;
    IndexEntry entry;
    int rc = info.descending ? index_->last(tag, entry) : index_->first(tag, entry);
    while (rc == storeOk && report.walked.size() < limit) {
        if (!report.walked.empty()) {
            const IndexEntry& prior = report.walked.back();
            if (info.descending ? !before(entry, prior) : !before(prior, entry)) {
                report.order = false;
                break;
            }
        }
        report.walked.push_back(entry);
        const IndexEntry& from = report.walked.back();
        rc = info.descending ? index_->previous(tag, from.key, from.record, entry)
                             : index_->next(tag, from.key, from.record, entry);
    }
    if (rc < 0) {
        report.walkError = rc;
        report.order = false;
    }
    report.count = report.keyCount >= 0 && static_cast<size_t>(report.keyCount) == report.walked.size();
    if (!report.understood) {
        report.keys = report.coverage = false;
        return report;
    }

    // What the tag must hold, from the records themselves.
    const uint32_t count = dbf_->recordCount();
    const size_t length = dbf_->recordLength();
    std::map<std::string, std::vector<uint32_t>> holders;
    for (uint32_t r = 1; r <= count; ++r) {
        const unsigned char* record = &records_[(r - 1) * length];
        if (expression.passes(record))
            holders[expression.evaluate(record)].push_back(r);
    }
    std::map<uint32_t, int> seenRecords;
    std::map<std::string, int> seenKeys;
    for (const auto& e : report.walked) {
        if (e.record < 1 || e.record > count) {
            report.keys = false;
            continue;
        }
        const unsigned char* record = &records_[(e.record - 1) * length];
        if (!expression.passes(record) || expression.evaluate(record) != e.key)
            report.keys = false;
        ++seenRecords[e.record];
        ++seenKeys[e.key];
    }
    for (const auto& [key, records] : holders) {
        if (info.unique) {
            report.coverage = report.coverage && seenKeys[key] == 1;
            if (records.size() > 1) {
                uint32_t indexed = 0;
                for (const auto& e : report.walked)
                    if (e.key == key)
                        indexed = e.record;
                report.shared.push_back("records " + recordList(records) + " share one key; indexed: " +
                                        (indexed ? std::to_string(indexed) : "none"));
            }
        } else {
            for (const auto r : records)
                report.coverage = report.coverage && seenRecords[r] == 1;
        }
    }
    return report;
}

void DbfExaminer::dump(std::ostream& out) {
    const auto& h = dbf_->header();
    out << "table\t" << baseName() << '\n';
    out << "dbf-version\t" << hexByte(h[0]) << '\n';
    out << "dbf-date\t" << hexByte(h[1]) << ' ' << hexByte(h[2]) << ' ' << hexByte(h[3])
        << "\tyy=" << int(h[1]) << " mm=" << int(h[2]) << " dd=" << int(h[3]) << '\n';
    out << "dbf-byte28\t" << hexByte(h[28]) << '\n';
    out << "dbf-byte29\t" << hexByte(h[29]) << '\n';
    out << "lastrec\t" << dbf_->recordCount() << '\n';
    out << "header-length\t" << dbf_->headerLength() << '\n';
    out << "record-length\t" << dbf_->recordLength() << '\n';
    out << "fields\t" << dbf_->fields().size() << '\n';
    for (const auto& f : dbf_->fields())
        out << "field\t" << f.name << '\t' << f.type << '\t' << f.width << '\t' << f.decimals
            << "\tflags=" << hexByte(f.flags) << '\n';

    const int tags = index_ ? index_->tagCount() : 0;
    if (dbf_->indexFlagSet() && !index_)
        out << "index-error\t" << indexError_ << '\n';
    out << "tags\t" << tags << '\n';
    std::vector<TagReport> reports;
    for (int t = 0; t < tags; ++t) {
        const IndexTagInfo& info = index_->tagInfo(t);
        reports.push_back(inspectTag(t));
        out << "tag\t" << t + 1 << '\t' << info.name << '\n';
        out << "tag-key\t" << info.keyExpression << '\n';
        out << "tag-for\t" << info.forExpression << '\n';
        out << "tag-unique\t" << (info.unique ? "yes" : "no") << '\n';
        out << "tag-descending\t" << (info.descending ? "yes" : "no") << '\n';
        out << "tag-keycount\t" << reports.back().keyCount << '\n';
    }

    std::vector<uint32_t> deleted;
    for (uint32_t r = 1; r <= dbf_->recordCount(); ++r)
        if (records_[(r - 1) * dbf_->recordLength()] == '*')
            deleted.push_back(r);
    out << "deleted\t" << deleted.size() << '\n';
    for (const auto r : deleted)
        out << "deleted-recno\t" << r << '\n';

    bool intact = !(dbf_->indexFlagSet() && !index_);
    for (int t = 0; t < tags; ++t) {
        const std::string& name = index_->tagInfo(t).name;
        const TagReport& report = reports[static_cast<size_t>(t)];
        out << "keys\t" << name << '\n';
        for (const auto& e : report.walked)
            out << e.record << '\t' << hex(e.key) << '\n';
        out << "end-keys\t" << name << '\t' << report.walked.size() << '\n';
        for (const auto& note : report.shared)
            out << "unique-shared\t" << name << '\t' << note << '\n';
        const auto word = [](bool ok) { return ok ? "ok" : "fail"; };
        out << "integrity\t" << name << "\twalked=" << report.walked.size()
            << "\tkeycount=" << report.keyCount << "\tcount=" << word(report.count)
            << "\torder=" << word(report.order) << "\tkeys=" << word(report.keys)
            << "\tcoverage=" << word(report.coverage) << '\n';
        intact = intact && report.count && report.order && report.keys && report.coverage;
    }
    out << "integrity\t" << (intact ? "ok" : "fail") << '\n';
}

void DbfExaminer::listRecords(std::ostream& out) {
    out << "records\t" << dbf_->recordCount();
    for (const auto& f : dbf_->fields())
        out << '\t' << f.name;
    out << '\n';
    for (uint32_t r = 1; r <= dbf_->recordCount(); ++r) {
        const unsigned char* record = &records_[(r - 1) * dbf_->recordLength()];
        out << r << '\t' << (record[0] == '*' ? '*' : '-');
        for (const auto& f : dbf_->fields())
            out << '\t' << shownValue(f, record);
        out << '\n';
    }
}

std::vector<std::string> DbfExaminer::tagFaults(int tag, const TagReport& report) const {
    std::vector<std::string> faults;
    const std::string prefix = baseName() + ": tag " + index_->tagInfo(tag).name + ": ";
    if (report.walkError < 0)
        faults.push_back(prefix + "the index is damaged (rc = " + std::to_string(report.walkError) + ")");
    if (!report.count)
        faults.push_back(prefix + "walked " + std::to_string(report.walked.size()) +
                         " keys but the tag counts " + std::to_string(report.keyCount));
    if (!report.order)
        faults.push_back(prefix + "keys are out of order");
    if (!report.understood)
        faults.push_back(prefix + "key or FOR expression cannot be evaluated");
    else if (!report.keys)
        faults.push_back(prefix + "a key does not match its record, or names a record it must not hold");
    if (report.understood && !report.coverage)
        faults.push_back(prefix + "records are missing from the tag or held more than once");
    return faults;
}

std::vector<std::string> DbfExaminer::check() {
    if (dbf_->indexFlagSet() && !index_)
        return {baseName() + ": the structural index cannot be opened (rc = " + std::to_string(indexError_) +
                ")"};
    std::vector<std::string> faults;
    // A record that starts with neither mark means the records are not where the header says.
    for (uint32_t r = 1; r <= dbf_->recordCount(); ++r) {
        const unsigned char mark = records_[(r - 1) * dbf_->recordLength()];
        if (mark != ' ' && mark != '*') {
            faults.push_back(baseName() + ": record " + std::to_string(r) + " has no deletion mark (byte " +
                             std::to_string(mark) + ")");
            break;
        }
    }
    for (int t = 0; index_ && t < index_->tagCount(); ++t) {
        const auto more = tagFaults(t, inspectTag(t));
        faults.insert(faults.end(), more.begin(), more.end());
        std::string problem;
        if (index_->verify(t, problem) != storeOk)
            faults.push_back(baseName() + ": tag " + index_->tagInfo(t).name +
                             ": damaged index pages: " + problem);
    }
    return faults;
}

} // namespace kip::store
