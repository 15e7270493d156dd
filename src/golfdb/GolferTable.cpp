#include "golfdb/GolferTable.h"

#include "golfdb/GolfSchema.h"
#include "golfdb/StoreText.h"
#include "golfdb/TableFields.h"
#include "platform/TextFormat.h"

namespace kip::golfdb {

GolferTable::GolferTable(std::string path) : GolfTableBase(std::move(path), peopleTagName) {}

int GolferTable::open() {
    return openWith(true, fieldCount);
}

int GolferTable::create() {
    return createWith(golferFields(), peopleTag(), fieldCount);
}

std::vector<store::FieldSpec> GolferTable::layout() const {
    return golferFields();
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
    store::assignDouble(field(fHandicap), fields::storedOneDecimal(r.handicapIndex));
    store::assignLong(field(fRounds), r.handicapRounds);
    if (r.team != 0) {
        r.extra = platform::formatText("%4d", r.team);
    } else {
        r.extra.clear();
    }
    fields::writeText(field(fExtra), r.extra);
}

int GolferTable::find(const std::string& name) {
    std::string key = toStoreText(name);
    key.resize(golferNameWidth, ' ');
    return seekAndRead(key);
}

void GolferTable::joinName(const std::string& last, const std::string& first) {
    record_.name = joinGolferName(last, first);
}

} // namespace kip::golfdb
