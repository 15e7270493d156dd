#include "golfdb/GolfTableBase.h"

#include "golfdb/GolfSchema.h"
#include "golfdb/RepairNotes.h"
#include "golfdb/TableFields.h"
#include "golfdb/WriterLock.h"
#include "store/CompoundIndex.h"
#include "store/DbfReindex.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace kip::golfdb {

GolfTableBase::GolfTableBase(std::string path, const char* tagName)
    : path_(std::move(path)), tagName_(tagName) {
    store::initContext(context_);
}

GolfTableBase::~GolfTableBase() {
    close();
    store::releaseContext(context_);
}

namespace {

// Expressions compared as FoxPro reads them: case and blanks do not matter, "!" is ".NOT.".
std::string normalExpression(std::string_view text) {
    std::string upper;
    for (const char c : text)
        if (c != ' ')
            upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::string out;
    for (std::size_t i = 0; i < upper.size();) {
        if (upper.compare(i, 5, ".NOT.") == 0) {
            out += '!';
            i += 5;
        } else {
            out += upper[i++];
        }
    }
    return out;
}

bool golfTagNamed(const std::string& name, store::TagSpec& tag) {
    for (const store::TagSpec& candidate : {courseTag(), peopleTag(), scoresTag()})
        if (candidate.name == name) {
            tag = candidate;
            return true;
        }
    return false;
}

} // namespace

std::string GolfTableBase::tableName() const {
    return std::filesystem::path(path_).filename().string();
}

bool GolfTableBase::tagIsGolfLayout() const {
    store::TagSpec golf;
    if (!golfTagNamed(tagName_, golf))
        return true; // a table of no known layout is taken as it is
    const store::IndexTagInfo info = store::tagInfo(tag_);
    return normalExpression(info.keyExpression) == normalExpression(golf.keyExpression) &&
           normalExpression(info.forExpression) == normalExpression(golf.filterExpression) &&
           info.unique == (golf.unique == store::uniqueRefuse) &&
           info.descending == (golf.order == store::orderDescending);
}

int GolfTableBase::openOnce(bool uniqueTag, int fieldCount, bool full, bool mayRepair, bool& indexBad) {
    indexBad = false;
    close();
    store::initContext(context_);
    table_ = store::openTable(context_, path_);
    if (!table_) {
        const int rc = context_.result() != 0 ? context_.result() : store::storeErrOpen;
        indexBad = rc == store::storeErrIndex;
        return rc;
    }
    tag_ = store::findTag(table_, tagName_);
    if (!tag_ || !tagIsGolfLayout()) {
        close();
        indexBad = true;
        return store::storeErrIndex;
    }
    store::selectTag(table_, tag_);
    if (uniqueTag)
        store::setUniqueMode(tag_, store::uniqueRefuse);
    bindFields(fieldCount);
    // A table without every golf field at its width is not ours to read or write.
    if (!fields::matchesLayout(fields_.data(), layout(), static_cast<std::size_t>(fieldCount))) {
        close();
        return store::storeErrCorrupt;
    }
    std::string problem;
    if (store::checkIndex(table_, full, problem) != store::storeOk) {
        indexBad = true;
        // A reader keeps what it found: the writer may be half-way through a change.
        if (!mayRepair)
            return store::storeOk;
        close();
        return store::storeErrIndex;
    }
    return store::storeOk;
}

int GolfTableBase::openWith(bool uniqueTag, int fieldCount) {
    indexRebuilt_ = false;
    // Only the one writer of the folder may rebuild an index: this program when it holds the
    // writer lock, or when it can take it for the moment of the repair.
    const std::string folder = std::filesystem::path(path_).parent_path().string();
    bool unclean = false;
    WriterLock repairLock;
    bool mayRepair = repairIndex_ && WriterLock::heldInProcess(folder, &unclean);
    if (repairIndex_ && !mayRepair) {
        const WriterLock::State state = repairLock.acquire(folder, false);
        mayRepair = state != WriterLock::State::Busy;
        unclean = repairLock.lastEndUnclean();
    }
    const bool full = fullCheck_ || unclean;
    bool indexBad = false;
    int rc = openOnce(uniqueTag, fieldCount, full, mayRepair, indexBad);
    store::TagSpec golf;
    if (rc == store::storeOk || !indexBad || !mayRepair || !golfTagNamed(tagName_, golf))
        return rc;
    // The table is the truth and its index is derived from it: rebuild it with the golf tag.
    std::string problem;
    const int rebuilt = store::DbfReindex::runWithTags(path_ + ".dbf", {golf}, problem);
    if (rebuilt != store::storeOk)
        return rebuilt == store::storeErrAccess ? rc : rebuilt;
    rc = openOnce(uniqueTag, fieldCount, false, true, indexBad);
    if (rc == store::storeOk && indexBad) {
        close();
        rc = store::storeErrIndex;
    }
    indexRebuilt_ = rc == store::storeOk;
    if (indexRebuilt_)
        noteRepair(rebuiltIndexNote(tableName()));
    return rc;
}

int GolfTableBase::createWith(const std::vector<store::FieldSpec>& fieldList, const store::TagSpec& tag,
                              int fieldCount) {
    close();
    store::initContext(context_);
    table_ = store::createTable(context_, path_, fieldList, {tag});
    if (!table_)
        return context_.result() != 0 ? context_.result() : store::storeErrCreate;
    tag_ = store::findTag(table_, tagName_);
    store::selectTag(table_, tag_);
    if (tag.unique == store::uniqueRefuse)
        store::setUniqueMode(tag_, store::uniqueRefuse);
    bindFields(fieldCount);
    if (!fields::matchesLayout(fields_.data(), fieldList, static_cast<std::size_t>(fieldCount))) {
        close();
        return store::storeErrCorrupt;
    }
    return store::storeOk;
}

int GolfTableBase::close() {
    if (!table_)
        return store::storeOk;
    if (packOnClose) {
        packOnClose = 0;
        store::packTable(table_);
    }
    const int rc = store::closeTable(table_);
    table_ = nullptr;
    tag_ = nullptr;
    fields_.fill(nullptr);
    store::releaseContext(context_);
    return rc;
}

int GolfTableBase::sync() {
    return table_ ? store::syncTable(table_) : store::storeOk;
}

void GolfTableBase::bindFields(int fieldCount) {
    const auto list = layout();
    const auto count = std::min({static_cast<std::size_t>(fieldCount), list.size(), fields_.size()});
    for (std::size_t i = 0; i < count; ++i)
        fields_[i] = store::fieldByName(table_, list[i].name);
}

int GolfTableBase::readIfPositioned(int rc) {
    if (rc == store::storeOk)
        readCurrent();
    return rc;
}

int GolfTableBase::seekAndRead(const std::string& key) {
    if (!table_)
        return store::storeErrState;
    return readIfPositioned(store::seekKey(table_, key));
}

int GolfTableBase::goTop() {
    if (!table_)
        return store::storeErrState;
    return readIfPositioned(store::goTop(table_));
}

int GolfTableBase::skip() {
    if (!table_)
        return store::storeErrState;
    return readIfPositioned(store::skipRecords(table_, 1));
}

int GolfTableBase::goTo(long recordNumber) {
    if (!table_)
        return store::storeErrState;
    return readIfPositioned(store::goRecord(table_, recordNumber));
}

long GolfTableBase::recordNumber() const {
    return table_ ? store::recordNumber(table_) : 0;
}

int GolfTableBase::add() {
    if (!table_)
        return store::storeErrState;
    int rc = store::appendStart(table_);
    if (rc != store::storeOk)
        return rc;
    store::blankRecord(table_);
    writeCurrent();
    rc = store::appendRecord(table_);
    if (rc == store::storeOk)
        rc = store::flushTable(table_);
    return rc;
}

int GolfTableBase::change() {
    if (!table_)
        return store::storeErrState;
    store::blankRecord(table_);
    writeCurrent();
    return store::flushTable(table_);
}

int GolfTableBase::remove() {
    if (!table_)
        return store::storeErrState;
    store::deleteRecord(table_);
    return store::flushTable(table_);
}

} // namespace kip::golfdb
