#include "golfdb/GolferTable.h"

#include "golfdb/GolfSchema.h"
#include "golfdb/StoreText.h"
#include "golfdb/TableFields.h"

#include <array>
#include <cstdio>

namespace kip::golfdb {

GolferTable::GolferTable(std::string path) : path_(std::move(path)) {
    store::initContext(context_);
}

GolferTable::~GolferTable() {
    close();
    store::releaseContext(context_);
}

int GolferTable::open() {
    close();
    store::initContext(context_);
    table_ = store::openTable(context_, path_);
    if (!table_)
        return context_.result() != 0 ? context_.result() : store::storeErrOpen;
    tag_ = store::findTag(table_, peopleTagName);
    if (!tag_) {
        close();
        return store::storeErrIndex;
    }
    store::selectTag(table_, tag_);
    store::setUniqueMode(tag_, store::uniqueRefuse);
    bindFields();
    // A table without every golf field at its width is not ours to read or write.
    if (!fields::matchesLayout(fields_.data(), golferFields(), fields_.size())) {
        close();
        return store::storeErrCorrupt;
    }
    return store::storeOk;
}

int GolferTable::create() {
    close();
    store::initContext(context_);
    table_ = store::createTable(context_, path_, golferFields(), {peopleTag()});
    if (!table_)
        return context_.result() != 0 ? context_.result() : store::storeErrCreate;
    tag_ = store::findTag(table_, peopleTagName);
    store::selectTag(table_, tag_);
    store::setUniqueMode(tag_, store::uniqueRefuse);
    bindFields();
    return store::storeOk;
}

int GolferTable::close() {
    if (!table_)
        return store::storeOk;
    const int rc = store::closeTable(table_);
    table_ = nullptr;
    tag_ = nullptr;
    fields_.fill(nullptr);
    store::releaseContext(context_);
    return rc;
}

int GolferTable::sync() {
    return table_ ? store::syncTable(table_) : store::storeOk;
}

void GolferTable::bindFields() {
    const auto list = golferFields();
    for (size_t i = 0; i < fields_.size(); ++i)
        fields_[i] = store::fieldByName(table_, list[i].name);
}

void GolferTable::readCurrent() {
    GolferRecord& r = record_;
    r.name = fields::readText(field(fName));
    r.street = fields::readText(field(fStreet));
    r.city = fields::readText(field(fCity));
    r.state = fields::readText(field(fState));
    r.zip = fields::readText(field(fZip));
    r.phone = fields::readText(field(fPhone));
    r.handicapIndex = store::fieldDouble(field(fHandicap));
    r.handicapRounds = static_cast<std::int32_t>(store::fieldLong(field(fRounds)));
    r.extra = fields::readText(field(fExtra));
    r.team = r.extra.empty() ? 0 : fields::groupValue(r.extra, 0, 4);
}

void GolferTable::writeCurrent() {
    GolferRecord& r = record_;
    // Round rows repeat the name as stored, so memory keeps the cut name too.
    r.name = cutToCharacters(r.name, golferNameWidth);
    fields::writeText(field(fName), r.name);
    fields::writeText(field(fStreet), r.street);
    fields::writeText(field(fCity), r.city);
    fields::writeText(field(fState), r.state);
    fields::writeText(field(fZip), r.zip);
    fields::writeText(field(fPhone), r.phone);
    store::assignDouble(field(fHandicap), r.handicapIndex);
    store::assignLong(field(fRounds), r.handicapRounds);
    if (r.team != 0) {
        std::array<char, 16> team{};
        std::snprintf(team.data(), team.size(), "%4d", r.team);
        r.extra = team.data();
    } else {
        r.extra.clear();
    }
    fields::writeText(field(fExtra), r.extra);
}

int GolferTable::readIfPositioned(int rc) {
    if (rc == store::storeOk)
        readCurrent();
    return rc;
}

int GolferTable::goTop() {
    if (!table_)
        return store::storeErrState;
    return readIfPositioned(store::goTop(table_));
}

int GolferTable::skip() {
    if (!table_)
        return store::storeErrState;
    return readIfPositioned(store::skipRecords(table_, 1));
}

int GolferTable::goTo(long recordNumber) {
    if (!table_)
        return store::storeErrState;
    return readIfPositioned(store::goRecord(table_, recordNumber));
}

long GolferTable::recordNumber() const {
    return table_ ? store::recordNumber(table_) : 0;
}

int GolferTable::add() {
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

int GolferTable::change() {
    if (!table_)
        return store::storeErrState;
    store::blankRecord(table_);
    writeCurrent();
    return store::flushTable(table_);
}

int GolferTable::remove() {
    if (!table_)
        return store::storeErrState;
    store::deleteRecord(table_);
    return store::flushTable(table_);
}

int GolferTable::find(const std::string& name) {
    if (!table_)
        return store::storeErrState;
    std::string key = toStoreText(name);
    key.resize(golferNameWidth, ' ');
    return readIfPositioned(store::seekKey(table_, key));
}

void GolferTable::joinName(const std::string& last, const std::string& first) {
    record_.name = joinGolferName(last, first);
}

} // namespace kip::golfdb
