#include "golfdb/CourseTable.h"

#include "golfdb/GolfSchema.h"
#include "golfdb/TableFields.h"
#include "platform/TextFormat.h"

#include <algorithm>

namespace kip::golfdb {
namespace {

// A YARDAGE group is three characters; anything wider would shift every later hole.
constexpr int yardageMin = -99;
constexpr int yardageMax = 999;
constexpr int yardageGroup = 3;

std::string yardageText(const std::array<std::int32_t, holeSlots>& yardage) {
    std::string text;
    text.reserve(holeSlots * yardageGroup);
    for (const auto length : yardage)
        text += platform::formatText("%03d", std::clamp<int>(length, yardageMin, yardageMax));
    return text;
}

// The points total is kept as two signed bytes: T % 127 and T / 127, both truncating toward zero.
constexpr int pointsBase = 127;
constexpr int pointsBlockBytes = 7;

} // namespace

// Anything but a full set of 18 (blanks, another program's bytes) reads as no stroke indexes.
void CourseTable::readStrokeIndexes(store::Field* extra, HoleBytes& strokeIndex) {
    strokeIndex.fill(0);
    for (int hole = 1; hole < holeSlots; ++hole)
        strokeIndex[static_cast<std::size_t>(hole)] =
            static_cast<std::int8_t>(*store::fieldBytes(extra, strokeIndexOffset + hole - 1));
    if (!isStrokeIndexSet(strokeIndex))
        strokeIndex.fill(0);
}

CourseTable::CourseTable(std::string path) : CourseTable(std::move(path), courseTagName) {}

CourseTable::CourseTable(std::string path, const char* tagName) : GolfTableBase(std::move(path), tagName) {}

int CourseTable::open() {
    return openWith(true, courseFieldCount);
}

int CourseTable::create() {
    return createWith(courseFields(), courseTag(), courseFieldCount);
}

std::vector<store::FieldSpec> CourseTable::layout() const {
    return courseFields();
}

void CourseTable::readCurrent() {
    readCoursePart(false);
}

void CourseTable::writeCurrent() {
    writeCoursePart(false);
}

void CourseTable::readCoursePart(bool scoreVariant) {
    CourseRecord& r = courseRecord();
    r.name = fields::readText(field(fName));
    // A round has no address fields; whatever a copied course left there does not belong to it.
    r.zip = scoreVariant ? std::string() : fields::readText(field(fZip));
    r.city = scoreVariant ? std::string() : fields::readText(field(fCity));
    r.state = scoreVariant ? std::string() : fields::readText(field(fState));
    r.phone = scoreVariant ? std::string() : fields::readText(field(fPhone));
    r.tee = fields::readText(field(fTee));
    r.flags = *store::fieldBytes(field(fFlags), 0);
    r.slope = static_cast<std::int32_t>(store::fieldLong(field(fSlope)));
    r.rating = store::fieldDouble(field(fRating));
    fields::readBytes(field(fPar), r.par);
    const std::string yardage = store::fieldText(field(fYardage));
    for (size_t i = 0; i < r.yardage.size(); ++i)
        r.yardage[i] = fields::groupValue(yardage, i * yardageGroup, yardageGroup);
    r.extra.clear();
    readStrokeIndexes(field(fExtra), r.strokeIndex);
    r.pointValues.fill(0);
    r.totalPoints = 0;
    if (scoreVariant && (r.flags & flagPointsRound)) {
        fields::readBytes(field(fExtra), r.pointValues);
        const auto low = static_cast<std::int8_t>(*store::fieldBytes(field(fExtra), pointKinds));
        const auto high = static_cast<std::int8_t>(*store::fieldBytes(field(fExtra), pointKinds + 1));
        r.totalPoints = low + high * pointsBase;
    }
}

void CourseTable::writeCoursePart(bool scoreVariant) {
    const CourseRecord& r = courseRecord();
    fields::writeText(field(fName), r.name);
    store::assignText(field(fExtra), "");
    if (!scoreVariant) {
        fields::writeText(field(fCity), r.city);
        fields::writeText(field(fState), r.state);
        fields::writeText(field(fZip), r.zip);
        fields::writeText(field(fPhone), r.phone);
    } else if (r.flags & flagPointsRound) {
        std::array<std::int8_t, pointsBlockBytes> block{};
        std::copy(r.pointValues.begin(), r.pointValues.end(), block.begin());
        block[pointKinds] = static_cast<std::int8_t>(r.totalPoints % pointsBase);
        block[pointKinds + 1] = static_cast<std::int8_t>(r.totalPoints / pointsBase);
        fields::writeBytes(field(fExtra), block);
    }
    if (r.hasStrokeIndexes())
        for (int hole = 1; hole < holeSlots; ++hole)
            *store::fieldBytes(field(fExtra), strokeIndexOffset + hole - 1) =
                static_cast<unsigned char>(r.strokeIndex[static_cast<std::size_t>(hole)]);
    *store::fieldBytes(field(fFlags), 0) = r.flags;
    fields::writeText(field(fTee), r.tee);
    store::assignLong(field(fSlope), r.slope);
    store::assignDouble(field(fRating), r.rating);
    fields::writeBytes(field(fPar), r.par);
    store::assignText(field(fYardage), yardageText(r.yardage));
}

int CourseTable::find(const std::string& name, const std::string& city, const std::string& state,
                      const std::string& tee) {
    return seekAndRead(courseKey(name, city, state, tee));
}

void CourseTable::copyRecordTo(CourseTable& other) const {
    other.courseRecord() = static_cast<const CourseRecord&>(courseRecord());
}

HoleInts CourseTable::parArray() const {
    HoleInts out{};
    std::copy(courseRecord().par.begin(), courseRecord().par.end(), out.begin());
    return out;
}

HoleInts CourseTable::yardageArray() const {
    HoleInts out{};
    std::copy(courseRecord().yardage.begin(), courseRecord().yardage.end(), out.begin());
    return out;
}

} // namespace kip::golfdb
