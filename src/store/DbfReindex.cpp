#include "store/DbfReindex.h"

#include "store/CompoundIndex.h"
#include "store/DbfFile.h"
#include "store/KeyExpression.h"

namespace kip::store {
namespace {

bool tagsFromIndex(const std::string& indexPath, std::vector<IndexTagInfo>& infos) {
    std::unique_ptr<CompoundIndex> old;
    if (indexPath.empty() || CompoundIndex::open(indexPath, true, old) != storeOk)
        return false;
    for (int t = 0; t < old->tagCount(); ++t)
        infos.push_back(old->tagInfo(t));
    return true;
}

bool tagsFromSpecs(const std::vector<TagSpec>& rows, const DbfFile& dbf, std::vector<IndexTagInfo>& infos) {
    for (const auto& row : rows) {
        IndexTagInfo info;
        if (!KeyExpression::describeTag(row, dbf.fields(), info))
            return false;
        infos.push_back(std::move(info));
    }
    return !infos.empty();
}

} // namespace

int DbfReindex::run(const std::string& dbfPath, const std::vector<TagSpec>& fallbackTags,
                    std::string& problem) {
    std::unique_ptr<DbfFile> dbf;
    if (const int rc = DbfFile::open(dbfPath, dbf); rc != storeOk) {
        problem = "the table cannot be opened";
        return rc;
    }
    if (dbf->readOnly()) {
        problem = "the table is read-only";
        return storeErrAccess;
    }
    const std::string existing = DbfFile::existingIndexPath(dbfPath);
    std::vector<IndexTagInfo> infos;
    if (!tagsFromIndex(existing, infos)) {
        infos.clear();
        if (!tagsFromSpecs(fallbackTags, *dbf, infos)) {
            problem = "the index cannot be read and the table's tags are not known";
            return storeErrIndex;
        }
    }
    std::vector<std::vector<IndexEntry>> entries(infos.size());
    for (size_t t = 0; t < infos.size(); ++t) {
        KeyExpression expression;
        if (!expression.parseTag(infos[t], dbf->fields())) {
            problem = "tag " + infos[t].name + " has an expression the store cannot evaluate";
            return storeErrIndex;
        }
        if (const int rc = expression.collectEntries(*dbf, infos[t].unique, entries[t]); rc != storeOk) {
            problem = "the records cannot be read";
            return rc;
        }
    }
    const std::string target = existing.empty() ? DbfFile::indexPaths(dbfPath).front() : existing;
    if (const int rc = CompoundIndex::writeFresh(target, infos, entries); rc != storeOk) {
        problem = "the new index cannot be written";
        return rc;
    }
    if (!dbf->indexFlagSet())
        if (const int rc = dbf->setIndexFlag(true); rc != storeOk) {
            problem = "the table header cannot be written";
            return rc;
        }
    return dbf->sync();
}

} // namespace kip::store
