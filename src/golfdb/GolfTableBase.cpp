#include "golfdb/GolfTableBase.h"

#include "golfdb/TableFields.h"

#include <algorithm>

namespace kip::golfdb {

GolfTableBase::GolfTableBase(std::string path, const char* tagName)
    : path_(std::move(path)), tagName_(tagName) {
    store::initContext(context_);
}

GolfTableBase::~GolfTableBase() {
    close();
    store::releaseContext(context_);
}

int GolfTableBase::openWith(bool uniqueTag, int fieldCount) {
    close();
    store::initContext(context_);
    table_ = store::openTable(context_, path_);
    if (!table_)
        return context_.result() != 0 ? context_.result() : store::storeErrOpen;
    tag_ = store::findTag(table_, tagName_);
    if (!tag_) {
        close();
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
    return store::storeOk;
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
