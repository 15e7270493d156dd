#include "store/TableStore.h"
#include "store/UndoLog.h"

#include "store/CompoundIndex.h"
#include "store/DbfFile.h"
#include "store/DbfNumber.h"
#include "store/FileIo.h"
#include "store/KeyExpression.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace kip::store {

class Field {
public:
    Table* table = nullptr;
    const DbfField* def = nullptr;
};

class Tag {
public:
    Table* table = nullptr;
    int number = 0;
    IndexTagInfo info;
    KeyExpression expression;
    bool understood = false;
    bool refuse = false;
};

class Table {
public:
    TableContext* context = nullptr;
    std::unique_ptr<DbfFile> dbf;
    std::unique_ptr<CompoundIndex> index;
    std::vector<std::unique_ptr<Field>> fields;
    std::vector<std::unique_ptr<Tag>> tags;
    std::vector<unsigned char> buffer; // the record being read or built
    std::vector<unsigned char> saved;  // the current record as the file holds it
    uint32_t current = 0;
    bool changed = false;
    bool appending = false;
    bool readOnly = false;
    Tag* selected = nullptr;
    // The selected tag's entry the table stands on. It stays after the current record left the tag
    // (deleted and flushed), so a walk goes on from where that record was.
    bool positioned = false;
    IndexEntry position;
};

namespace {

namespace fs = std::filesystem;

int done(Table* table, int rc) {
    table->context->setResult(rc);
    return rc;
}

std::string upper(std::string_view s) {
    std::string out(s);
    for (auto& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string tablePath(const std::string& path) {
    return fs::path(path).has_extension() ? path : path + ".dbf";
}

bool fileExists(const std::string& path, int& error) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        return true;
    error = errno == ENOENT ? 0 : errno;
    return false;
}

std::vector<std::string> indexCandidates(const std::string& dbfPath) {
    return DbfFile::indexPaths(dbfPath);
}

bool entryBefore(const IndexEntry& a, const IndexEntry& b) {
    const int c = a.key.compare(b.key);
    return c < 0 || (c == 0 && a.record < b.record);
}

void addFields(Table& table) {
    for (const auto& def : table.dbf->fields()) {
        auto field = std::make_unique<Field>();
        field->table = &table;
        field->def = &def;
        table.fields.push_back(std::move(field));
    }
    table.buffer.assign(table.dbf->recordLength(), ' ');
    table.saved = table.buffer;
}

// A tag whose expressions the store cannot evaluate leaves the table read-only: writing records
// without updating that tag would leave it stale for every other reader.
bool addTags(Table& table) {
    bool allUnderstood = true;
    for (int i = 0; table.index && i < table.index->tagCount(); ++i) {
        auto tag = std::make_unique<Tag>();
        tag->table = &table;
        tag->number = i;
        tag->info = table.index->tagInfo(i);
        tag->understood = tag->expression.parseTag(tag->info, table.dbf->fields());
        allUnderstood = allUnderstood && tag->understood;
        table.tags.push_back(std::move(tag));
    }
    return allUnderstood;
}

bool writable(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && (st.st_mode & 0222) != 0 && ::access(path.c_str(), W_OK) == 0;
}

int openIndex(Table& table) {
    for (const auto& candidate : indexCandidates(table.dbf->path())) {
        int error = 0;
        if (!fileExists(candidate, error))
            continue;
        const bool readOnly = table.dbf->readOnly() || !writable(candidate);
        const int rc = CompoundIndex::open(candidate, readOnly, table.index);
        if (rc != storeOk)
            return rc;
        table.readOnly = table.readOnly || readOnly || table.index->readOnly();
        return storeOk;
    }
    return storeErrIndex;
}

void setPositionFromSaved(Table& table) {
    Tag* tag = table.selected;
    table.positioned = tag != nullptr && tag->understood && table.current != 0;
    if (table.positioned) {
        tag->expression.evaluateInto(table.saved.data(), table.position.key);
        table.position.record = table.current;
    }
}

int loadRecord(Table& table, uint32_t record) {
    const int rc = table.dbf->readRecord(record, table.saved.data());
    if (rc != storeOk)
        return rc;
    table.buffer = table.saved;
    table.current = record;
    table.changed = false;
    table.appending = false;
    return storeOk;
}

int loadEntry(Table& table, const IndexEntry& entry) {
    if (entry.record < 1 || entry.record > table.dbf->recordCount())
        return storeErrIndex; // a damaged index names a record the table does not hold
    const int rc = loadRecord(table, entry.record);
    if (rc != storeOk)
        return rc;
    table.positioned = true;
    table.position = entry;
    return storeOk;
}

void leaveRecord(Table& table) {
    table.current = 0;
    table.positioned = false;
    table.changed = false;
    table.appending = false;
}

struct KeyChange {
    std::string oldKey, newKey;
    bool oldIn = false, newIn = false;
};

std::vector<KeyChange> keyChanges(const Table& table, const unsigned char* oldRecord) {
    std::vector<KeyChange> changes(table.tags.size());
    for (size_t i = 0; i < table.tags.size(); ++i) {
        const KeyExpression& e = table.tags[i]->expression;
        if (oldRecord != nullptr) {
            changes[i].oldIn = e.passes(oldRecord);
            e.evaluateInto(oldRecord, changes[i].oldKey);
        }
        changes[i].newIn = e.passes(table.buffer.data());
        e.evaluateInto(table.buffer.data(), changes[i].newKey);
    }
    return changes;
}

bool entering(const KeyChange& c) {
    return c.newIn && (!c.oldIn || c.oldKey != c.newKey);
}

// Another record holds the key in a unique tag: either the write is refused (mode 20) or the
// record simply stays out of the tag, as it always did for the first record with a key.
bool keyTakenByOther(Table& table, const Tag& tag, const std::string& key, uint32_t record) {
    if (!tag.info.unique)
        return false;
    const uint32_t holder = table.index->findKey(tag.number, key);
    return holder != 0 && holder != record;
}

bool refused(Table& table, const std::vector<KeyChange>& changes, uint32_t record) {
    for (size_t i = 0; i < changes.size(); ++i) {
        const Tag& tag = *table.tags[i];
        if (tag.refuse && entering(changes[i]) && keyTakenByOther(table, tag, changes[i].newKey, record))
            return true;
    }
    return false;
}

int updateTags(Table& table, const std::vector<KeyChange>& changes, uint32_t record) {
    for (size_t i = 0; i < changes.size(); ++i) {
        const KeyChange& c = changes[i];
        const Tag& tag = *table.tags[i];
        const bool leaving = c.oldIn && (!c.newIn || c.oldKey != c.newKey);
        if (leaving)
            if (const int rc = table.index->remove(tag.number, c.oldKey, record); rc < 0)
                return rc;
        if (entering(c) && !keyTakenByOther(table, tag, c.newKey, record))
            if (const int rc = table.index->insert(tag.number, c.newKey, record); rc < 0)
                return rc;
    }
    return storeOk;
}

void positionAfterWrite(Table& table, const std::vector<KeyChange>& changes) {
    if (table.selected == nullptr)
        return;
    const KeyChange& c = changes[static_cast<size_t>(table.selected->number)];
    if (c.newIn) {
        table.positioned = true;
        table.position = {c.newKey, table.current};
    }
}

// A write that cannot be made gives the buffer back its stored values: the caller has the result
// code, and changes left pending would make every later move and the close fail again.
int discardChanges(Table& table, int rc) {
    table.buffer = table.saved;
    table.changed = false;
    return rc;
}

int writeCurrent(Table& table) {
    if (table.readOnly)
        return discardChanges(table, storeErrAccess);
    const auto changes = keyChanges(table, table.saved.data());
    if (refused(table, changes, table.current))
        return discardChanges(table, storeDuplicateKey);
    if (const int rc = table.dbf->writeRecord(table.current, table.buffer.data()); rc != storeOk)
        return discardChanges(table, rc);
    table.saved = table.buffer;
    table.changed = false;
    if (const int rc = updateTags(table, changes, table.current); rc != storeOk)
        return rc;
    positionAfterWrite(table, changes);
    return storeOk;
}

// A changed buffer is written before the table moves, flushes or closes.
int writeChanged(Table& table) {
    if (!table.changed)
        return storeOk;
    if (table.appending || table.current == 0) {
        // An append that was started but never added is dropped, as is a buffer with no record.
        table.appending = false;
        table.changed = false;
        table.buffer = table.saved;
        return storeOk;
    }
    return writeCurrent(table);
}

// Before a move: a record written on the way reaches the index file at once too, so a table left
// without a later flush never holds records its tags do not know.
int settle(Table& table) {
    if (!table.changed)
        return storeOk;
    const int rc = writeChanged(table);
    return rc == storeOk && table.index && !table.readOnly ? table.index->flush() : rc;
}

int firstInOrder(Table& table, Tag& tag, IndexEntry& entry) {
    return tag.info.descending ? table.index->last(tag.number, entry) : table.index->first(tag.number, entry);
}

int stepInOrder(Table& table, Tag& tag, bool forward, IndexEntry& entry) {
    const IndexEntry& from = table.position;
    const bool ascending = forward != tag.info.descending;
    const int rc = ascending ? table.index->next(tag.number, from.key, from.record, entry)
                             : table.index->previous(tag.number, from.key, from.record, entry);
    if (rc != storeOk)
        return rc;
    // Each step must make progress, or a damaged index would keep a walk going for ever.
    const bool progressed = ascending ? entryBefore(from, entry) : entryBefore(entry, from);
    return progressed ? storeOk : storeErrIndex;
}

int skipPhysical(Table& table, long count) {
    if (table.current == 0)
        return count < 0 ? storeBof : storeEof;
    // Compared before adding, so that no count can overflow the arithmetic.
    const long current = static_cast<long>(table.current);
    const long last = static_cast<long>(table.dbf->recordCount());
    if (count < 1 - current || count > last - current) {
        leaveRecord(table);
        return count < 0 ? storeBof : storeEof;
    }
    return loadRecord(table, static_cast<uint32_t>(current + count));
}

int skipInTag(Table& table, Tag& tag, long count) {
    const bool forward = count > 0;
    long steps = forward ? count : (count == LONG_MIN ? LONG_MAX : -count);
    if (!table.positioned) {
        if (forward)
            return storeEof;
        // From the end of the tag, one step back reaches its last record.
        IndexEntry last;
        const int rc =
            tag.info.descending ? table.index->first(tag.number, last) : table.index->last(tag.number, last);
        if (rc != storeOk)
            return rc == storeEof ? storeBof : rc;
        table.position = last;
        table.positioned = true;
        --steps;
        if (steps == 0)
            return loadEntry(table, last);
    }
    IndexEntry entry;
    for (; steps > 0; --steps) {
        const int rc = stepInOrder(table, tag, forward, entry);
        if (rc == storeEof) {
            leaveRecord(table);
            return forward ? storeEof : storeBof;
        }
        if (rc != storeOk)
            return rc;
        table.position = entry;
    }
    return loadEntry(table, entry);
}

int tagInfos(const std::vector<DbfField>& fields, const std::vector<TagSpec>& rows,
             std::vector<IndexTagInfo>& infos) {
    for (const auto& row : rows) {
        IndexTagInfo info;
        if (!KeyExpression::describeTag(row, fields, info))
            return storeErrArgument;
        for (const auto& other : infos)
            if (other.name == info.name)
                return storeErrArgument;
        infos.push_back(std::move(info));
    }
    return storeOk;
}

// Field descriptors as the new file will hold them, to check key expressions before anything exists.
std::vector<DbfField> plannedFields(const std::vector<FieldSpec>& rows) {
    std::vector<DbfField> fields;
    int offset = 1;
    for (const auto& s : rows) {
        fields.push_back({upper(s.name), static_cast<char>(std::toupper(static_cast<unsigned char>(s.type))),
                          s.width, s.decimals, offset, 0});
        offset += s.width;
    }
    return fields;
}

int refuseExisting(const std::string& dbfPath) {
    std::vector<std::string> paths{dbfPath};
    for (const auto& p : indexCandidates(dbfPath))
        paths.push_back(p);
    for (const auto& p : paths) {
        int error = 0;
        if (fileExists(p, error))
            return storeErrExists;
        if (error != 0)
            return storeErrCreate;
    }
    return storeOk;
}

Table* adopt(TableContext& context, std::unique_ptr<Table>& table, std::unique_ptr<Table>& slot) {
    context.setResult(storeOk);
    slot = std::move(table);
    return slot.get();
}

} // namespace

TableContext::TableContext() = default;
TableContext::~TableContext() {
    if (table_)
        closeTable(table_.get());
}

int initContext(TableContext& context) {
    if (context.table())
        closeTable(context.table());
    context.setResult(storeOk);
    return storeOk;
}

int releaseContext(TableContext& context) {
    if (context.table_)
        closeTable(context.table_.get());
    return context.result();
}

Table* openTable(TableContext& context, const std::string& path) {
    if (context.table())
        closeTable(context.table());
    auto table = std::make_unique<Table>();
    table->context = &context;
    int rc = DbfFile::open(tablePath(path), table->dbf);
    if (rc == storeOk) {
        table->readOnly = table->dbf->readOnly();
        if (table->dbf->indexFlagSet())
            rc = openIndex(*table);
    }
    if (rc != storeOk) {
        context.setResult(rc);
        return nullptr;
    }
    addFields(*table);
    if (!addTags(*table))
        table->readOnly = true;
    return adopt(context, table, context.table_);
}

Table* createTable(TableContext& context, const std::string& path, const std::vector<FieldSpec>& fields,
                   const std::vector<TagSpec>& tags) {
    if (context.table())
        closeTable(context.table());
    const std::string dbfPath = tablePath(path);
    std::vector<IndexTagInfo> infos;
    int rc = DbfFile::checkFields(fields);
    if (rc == storeOk)
        rc = tagInfos(plannedFields(fields), tags, infos);
    if (rc == storeOk)
        rc = refuseExisting(dbfPath);
    auto table = std::make_unique<Table>();
    table->context = &context;
    if (rc == storeOk)
        rc = DbfFile::create(dbfPath, fields, !tags.empty(), table->dbf);
    if (rc == storeOk && !tags.empty()) {
        rc = CompoundIndex::create(indexCandidates(dbfPath).front(), infos, table->index);
        if (rc != storeOk) {
            table->dbf.reset();
            ::unlink(dbfPath.c_str());
        }
    }
    if (rc != storeOk) {
        context.setResult(rc);
        return nullptr;
    }
    addFields(*table);
    addTags(*table);
    for (auto& tag : table->tags)
        tag->refuse = tag->info.unique;
    return adopt(context, table, context.table_);
}

int closeTable(Table* table) {
    if (table == nullptr)
        return storeErrState;
    TableContext& context = *table->context;
    int rc = writeChanged(*table);
    if (table->index) {
        const int irc = table->index->close();
        if (rc >= 0 && irc < 0)
            rc = irc;
    }
    context.table_.reset();
    context.setResult(rc);
    return rc;
}

Tag* findTag(Table* table, std::string_view name) {
    if (table == nullptr)
        return nullptr;
    const std::string wanted = upper(name);
    for (auto& tag : table->tags)
        if (tag->info.name == wanted)
            return tag.get();
    return nullptr;
}

IndexTagInfo tagInfo(const Tag* tag) {
    return tag != nullptr ? tag->info : IndexTagInfo{};
}

Table* selectTag(Table* table, Tag* tag) {
    if (table == nullptr || (tag != nullptr && tag->table != table))
        return table;
    table->selected = tag;
    if (table->current != 0)
        setPositionFromSaved(*table);
    return table;
}

int setUniqueMode(Tag* tag, int code) {
    if (tag == nullptr || (code != uniqueNone && code != uniqueRefuse) ||
        (code == uniqueRefuse && !tag->info.unique))
        return storeErrArgument;
    tag->refuse = code == uniqueRefuse;
    return storeOk;
}

int goTop(Table* table) {
    if (table == nullptr)
        return storeErrState;
    if (table->selected != nullptr && !table->index)
        return done(table, storeErrIndex);
    if (const int rc = settle(*table); rc != storeOk)
        return done(table, rc);
    if (table->selected == nullptr) {
        if (table->dbf->recordCount() == 0) {
            leaveRecord(*table);
            return done(table, storeEof);
        }
        return done(table, loadRecord(*table, 1));
    }
    IndexEntry entry;
    const int rc = firstInOrder(*table, *table->selected, entry);
    if (rc == storeEof)
        leaveRecord(*table);
    return done(table, rc == storeOk ? loadEntry(*table, entry) : rc);
}

int skipRecords(Table* table, long count) {
    if (table == nullptr)
        return storeErrState;
    if (const int rc = settle(*table); rc != storeOk)
        return done(table, rc);
    if (count == 0)
        return done(table, table->current != 0 ? storeOk : storeEof);
    if (table->selected != nullptr && !table->index)
        return done(table, storeErrIndex);
    if (table->selected == nullptr)
        return done(table, skipPhysical(*table, count));
    return done(table, skipInTag(*table, *table->selected, count));
}

int goRecord(Table* table, long record) {
    if (table == nullptr)
        return storeErrState;
    if (const int rc = settle(*table); rc != storeOk)
        return done(table, rc);
    if (record < 1 || record > static_cast<long>(table->dbf->recordCount()))
        return done(table, storeNoRecord);
    const int rc = loadRecord(*table, static_cast<uint32_t>(record));
    if (rc == storeOk)
        setPositionFromSaved(*table);
    return done(table, rc);
}

long recordNumber(const Table* table) {
    return table != nullptr ? static_cast<long>(table->current) : 0;
}

long recordCount(const Table* table) {
    return table != nullptr ? static_cast<long>(table->dbf->recordCount()) : 0;
}

bool recordDeleted(const Table* table) {
    return table != nullptr && table->buffer[0] == '*';
}

int seekKey(Table* table, std::string_view key) {
    if (table == nullptr)
        return storeErrState;
    if (const int rc = settle(*table); rc != storeOk)
        return done(table, rc);
    Tag* tag = table->selected;
    if (tag == nullptr)
        return done(table, storeErrState);
    if (!table->index)
        return done(table, storeErrIndex);
    const std::string_view prefix = key.substr(0, static_cast<size_t>(tag->info.keyLength));
    IndexEntry entry;
    const int rc = tag->info.descending ? table->index->seekLastAtOrBelow(tag->number, prefix, entry)
                                        : table->index->seekFirstAtOrAbove(tag->number, prefix, entry);
    if (rc == storeEof)
        leaveRecord(*table);
    if (rc != storeOk)
        return done(table, rc);
    if (const int lrc = loadEntry(*table, entry); lrc != storeOk)
        return done(table, lrc);
    return done(table, entry.key.compare(0, prefix.size(), prefix) == 0 ? storeOk : storeAfter);
}

int appendStart(Table* table) {
    if (table == nullptr)
        return storeErrState;
    if (table->readOnly)
        return done(table, storeErrAccess);
    if (const int rc = settle(*table); rc != storeOk)
        return done(table, rc);
    table->appending = true;
    std::fill(table->buffer.begin(), table->buffer.end(), ' ');
    return done(table, storeOk);
}

void blankRecord(Table* table) {
    if (table == nullptr)
        return;
    std::fill(table->buffer.begin() + 1, table->buffer.end(), ' ');
    table->changed = true;
}

int appendRecord(Table* table) {
    if (table == nullptr)
        return storeErrState;
    if (table->readOnly)
        return done(table, storeErrAccess);
    const auto changes = keyChanges(*table, nullptr);
    if (refused(*table, changes, 0)) {
        table->appending = false;
        table->changed = false;
        table->buffer = table->saved;
        return done(table, storeDuplicateKey);
    }
    uint32_t record = 0;
    if (const int rc = table->dbf->appendRecord(table->buffer.data(), record); rc != storeOk)
        return done(table, rc);
    table->current = record;
    table->saved = table->buffer;
    table->appending = false;
    table->changed = false;
    const int rc = updateTags(*table, changes, record);
    table->positioned = false;
    positionAfterWrite(*table, changes);
    return done(table, rc);
}

int flushTable(Table* table) {
    if (table == nullptr)
        return storeErrState;
    // A changed buffer with no record to write it to (nothing current, no append under way) cannot
    // be saved: say so instead of reporting the dropped changes as written.
    const bool nowhere = table->changed && !table->appending && table->current == 0;
    if (const int rc = writeChanged(*table); rc != storeOk)
        return done(table, rc);
    if (nowhere)
        return done(table, storeErrState);
    return done(table, table->index && !table->readOnly ? table->index->flush() : storeOk);
}

int syncTable(Table* table) {
    if (table == nullptr)
        return storeErrState;
    if (const int rc = flushTable(table); rc != storeOk)
        return rc;
    int rc = table->dbf->sync();
    if (rc == storeOk && table->index && !table->readOnly)
        rc = table->index->sync();
    return done(table, rc);
}

void deleteRecord(Table* table) {
    if (table == nullptr || table->current == 0 || table->appending)
        return;
    table->buffer[0] = '*';
    table->changed = true;
}

// Rows are never moved in place: the packed table and its new index are written beside the old
// files and made durable, the old index is removed, and the new files are renamed into place. A
// stop at any moment leaves the old table or the new one whole, at worst without its index, which
// the next open rebuilds from the table.
int packTable(Table* table) {
    if (table == nullptr)
        return storeErrState;
    if (table->readOnly)
        return done(table, storeErrAccess);
    // Packing renumbers the rows an undo log names: never while one guards the table.
    if (table->dbf->guarded())
        return done(table, storeErrState);
    if (const int rc = writeChanged(*table); rc != storeOk)
        return done(table, rc);
    leaveRecord(*table);
    if (table->index)
        if (const int rc = table->index->flush(); rc != storeOk)
            return done(table, rc);
    const std::string dbfPath = table->dbf->path();
    const std::string packed = dbfPath + ".packing";
    uint32_t kept = 0;
    int rc = table->dbf->writePacked(
        packed, [](const unsigned char* record) { return record[0] != '*'; }, kept);
    if (rc != storeOk)
        return done(table, rc);
    std::string indexPath;
    std::string freshIndex;
    if (table->index) {
        indexPath = DbfFile::existingIndexPath(dbfPath);
        if (indexPath.empty())
            indexPath = indexCandidates(dbfPath).front();
        freshIndex = indexPath + ".tmp";
        std::unique_ptr<DbfFile> newFile;
        rc = DbfFile::open(packed, newFile);
        std::vector<IndexTagInfo> infos;
        std::vector<SortedKeys> keys(table->tags.size());
        for (size_t i = 0; rc == storeOk && i < table->tags.size(); ++i) {
            const Tag& tag = *table->tags[i];
            infos.push_back(tag.info);
            rc = tag.expression.collectKeys(*newFile, tag.info.unique, keys[i]);
        }
        if (rc == storeOk)
            rc = CompoundIndex::writeFreshBeside(indexPath, freshIndex, infos, keys);
        if (rc != storeOk) {
            ::unlink(packed.c_str());
            return done(table, rc);
        }
        table->index->close();
        table->index.reset();
        ::unlink(indexPath.c_str());
    }
    rc = table->dbf->replaceWith(packed);
    if (rc == storeOk && table->index == nullptr && !indexPath.empty()) {
        if (::rename(freshIndex.c_str(), indexPath.c_str()) != 0)
            rc = storeErrWrite;
        syncFolderOf(indexPath);
        if (rc == storeOk)
            rc = CompoundIndex::open(indexPath, false, table->index);
        for (auto& tag : table->tags)
            if (table->index) {
                tag->number = table->index->findTagNumber(tag->info.name);
                if (tag->number < 0)
                    rc = storeErrIndex;
            }
        if (rc != storeOk)
            table->index.reset();
    }
    if (rc != storeOk) {
        ::unlink(packed.c_str());
        ::unlink(freshIndex.c_str());
        // The files on disk are whole; this handle can no longer write them safely.
        table->readOnly = true;
    }
    return done(table, rc);
}

namespace {

bool entryMatchesRecord(Table& table, const Tag& tag, const IndexEntry& entry,
                        std::vector<unsigned char>& row) {
    if (entry.record < 1 || entry.record > table.dbf->recordCount())
        return false;
    if (table.dbf->readRecord(entry.record, row.data()) != storeOk || !tag.expression.passes(row.data()))
        return false;
    std::string key;
    tag.expression.evaluateInto(row.data(), key);
    return key == entry.key;
}

int checkTagQuickly(Table& table, const Tag& tag, uint32_t admitted, std::string& problem) {
    long expected = admitted;
    if (tag.info.unique) {
        std::vector<IndexEntry> entries;
        if (const int rc = tag.expression.collectEntries(*table.dbf, true, entries); rc != storeOk)
            return rc;
        expected = static_cast<long>(entries.size());
    }
    const long held = table.index->keyCount(tag.number);
    if (held != expected) {
        problem = "tag " + tag.info.name + " holds " + std::to_string(held) + " keys for " +
                  std::to_string(expected) + " records";
        return storeErrIndex;
    }
    std::vector<unsigned char> row(table.dbf->recordLength());
    IndexEntry entry;
    for (const bool last : {false, true}) {
        const int rc = last ? table.index->last(tag.number, entry) : table.index->first(tag.number, entry);
        if (rc == storeEof)
            break;
        if (rc != storeOk || !entryMatchesRecord(table, tag, entry, row)) {
            problem = "tag " + tag.info.name + " names a record that does not hold its key";
            return storeErrIndex;
        }
    }
    return storeOk;
}

int checkTagFully(Table& table, const Tag& tag, std::string& problem) {
    if (table.index->verify(tag.number, problem) != storeOk)
        return storeErrIndex;
    std::vector<IndexEntry> wanted;
    if (const int rc = tag.expression.collectEntries(*table.dbf, tag.info.unique, wanted); rc != storeOk)
        return rc;
    if (table.index->keyCount(tag.number) != static_cast<long>(wanted.size())) {
        problem = "tag " + tag.info.name + " holds another number of keys than its records";
        return storeErrIndex;
    }
    IndexEntry entry;
    int rc = table.index->first(tag.number, entry);
    for (const IndexEntry& w : wanted) {
        if (rc != storeOk || entry.key != w.key || entry.record != w.record) {
            problem = "tag " + tag.info.name + " disagrees with record " + std::to_string(w.record);
            return storeErrIndex;
        }
        rc = table.index->next(tag.number, entry.key, entry.record, entry);
    }
    if (rc != storeEof) {
        problem = "tag " + tag.info.name + " holds keys of no record";
        return storeErrIndex;
    }
    return storeOk;
}

} // namespace

int checkIndex(Table* table, bool full, std::string& problem) {
    if (table == nullptr)
        return storeErrState;
    problem.clear();
    if (!table->index)
        return done(table, table->tags.empty() ? storeOk : storeErrIndex);
    if (const int rc = settle(*table); rc != storeOk)
        return done(table, rc);
    if (!table->readOnly)
        if (const int rc = table->index->flush(); rc != storeOk)
            return done(table, rc);
    uint32_t live = 0;
    const uint32_t all = table->dbf->recordCount();
    bool anyFilter = false;
    for (const auto& tag : table->tags)
        anyFilter = anyFilter || (tag->understood && tag->expression.hasFilter());
    if (anyFilter && !full) {
        const int rc = table->dbf->scan([&live](uint32_t, const unsigned char* row) {
            live += row[0] != '*' ? 1 : 0;
            return 0;
        });
        if (rc != storeOk)
            return done(table, rc);
    }
    for (const auto& tag : table->tags) {
        if (!tag->understood)
            continue;
        const int rc = full
                           ? checkTagFully(*table, *tag, problem)
                           : checkTagQuickly(*table, *tag, tag->expression.hasFilter() ? live : all, problem);
        if (rc != storeOk)
            return done(table, rc);
    }
    return done(table, storeOk);
}

Field* fieldByName(Table* table, std::string_view name) {
    if (table == nullptr)
        return nullptr;
    const int i = table->dbf->fieldIndex(name);
    return i < 0 ? nullptr : table->fields[static_cast<size_t>(i)].get();
}

FieldSpec fieldSpec(const Field* field) {
    if (field == nullptr)
        return {"", 'C', 0, 0};
    return {field->def->name, field->def->type, field->def->width, field->def->decimals};
}

std::string fieldText(const Field* field) {
    if (field == nullptr)
        return {};
    const auto* start = field->table->buffer.data() + field->def->offset;
    return std::string(reinterpret_cast<const char*>(start), static_cast<size_t>(field->def->width));
}

long fieldLong(const Field* field) {
    return field == nullptr ? 0 : parseLongText(fieldText(field));
}

double fieldDouble(const Field* field) {
    return field == nullptr ? 0 : parseDoubleText(fieldText(field));
}

bool fieldOverflowed(const Field* field) {
    if (field == nullptr || (field->def->type != 'N' && field->def->type != 'F'))
        return false;
    const std::string text = fieldText(field);
    return std::all_of(text.begin(), text.end(), [](char c) { return c == '*'; });
}

unsigned char* fieldBytes(Field* field, int index) {
    if (field == nullptr || index < 0 || index >= field->def->width)
        return nullptr;
    return field->table->buffer.data() + field->def->offset + index;
}

void assignText(Field* field, std::string_view text) {
    if (field == nullptr)
        return;
    unsigned char* start = field->table->buffer.data() + field->def->offset;
    const size_t width = static_cast<size_t>(field->def->width);
    const size_t n = std::min(width, text.size());
    std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(n), start);
    std::fill(start + n, start + width, ' ');
    field->table->changed = true;
}

void assignLong(Field* field, long value) {
    if (field != nullptr)
        assignText(field, formatLongText(value, field->def->width));
}

void assignDouble(Field* field, double value) {
    if (field != nullptr)
        assignText(field, formatDoubleText(value, field->def->width, field->def->decimals));
}

int guardTable(Table* table, UndoLog& log) {
    if (table == nullptr)
        return storeErrState;
    if (table->readOnly)
        return done(table, storeErrAccess);
    if (const int rc = settle(*table); rc != storeOk)
        return done(table, rc);
    return done(table, table->dbf->guardWith(&log));
}

int keepRows(Table* table, const std::vector<long>& records) {
    if (table == nullptr)
        return storeErrState;
    std::vector<uint32_t> rows;
    rows.reserve(records.size());
    for (const long record : records)
        if (record > 0 && record <= static_cast<long>(UINT32_MAX))
            rows.push_back(static_cast<uint32_t>(record));
    return done(table, table->dbf->keepRows(rows));
}

void unguardTable(Table* table) {
    if (table != nullptr)
        table->dbf->guardWith(nullptr);
}

} // namespace kip::store
