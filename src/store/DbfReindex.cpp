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

namespace {

int rebuild(const std::string& dbfPath, const std::vector<TagSpec>& fallbackTags, bool useOldTags,
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
    std::vector<KeyExpression> expressions;
    // The old index's tags are kept when every one of them can be evaluated; a tag header that
    // is damaged falls back to the table's own tags.
    const auto parseAll = [&] {
        expressions.assign(infos.size(), KeyExpression());
        for (size_t t = 0; t < infos.size(); ++t)
            if (!expressions[t].parseTag(infos[t], dbf->fields())) {
                problem = "tag " + infos[t].name + " has an expression the store cannot evaluate";
                return false;
            }
        return true;
    };
    if (!useOldTags || !tagsFromIndex(existing, infos) || !parseAll()) {
        infos.clear();
        if (!tagsFromSpecs(fallbackTags, *dbf, infos)) {
            if (problem.empty())
                problem = "the index cannot be read and the table's tags are not known";
            return storeErrIndex;
        }
        problem.clear();
        if (!parseAll())
            return storeErrIndex;
    }
    std::vector<SortedKeys> keys(infos.size());
    for (size_t t = 0; t < infos.size(); ++t) {
        if (const int rc = expressions[t].collectKeys(*dbf, infos[t].unique, keys[t]); rc != storeOk) {
            problem = "the records cannot be read";
            return rc;
        }
    }
    const std::string target = existing.empty() ? DbfFile::indexPaths(dbfPath).front() : existing;
    if (const int rc = CompoundIndex::writeFresh(target, infos, keys); rc != storeOk) {
        problem = "the new index cannot be written";
        return rc;
    }
    if (!dbf->indexFlagSet()) {
        if (const int rc = dbf->setIndexFlag(true); rc != storeOk) {
            problem = "the table header cannot be written";
            return rc;
        }
        return dbf->sync();
    }
    return storeOk;
}

} // namespace

int DbfReindex::run(const std::string& dbfPath, const std::vector<TagSpec>& fallbackTags,
                    std::string& problem) {
    return rebuild(dbfPath, fallbackTags, true, problem);
}

int DbfReindex::runWithTags(const std::string& dbfPath, const std::vector<TagSpec>& tags,
                            std::string& problem) {
    return rebuild(dbfPath, tags, false, problem);
}

} // namespace kip::store
