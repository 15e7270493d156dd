#include "manage/CourseForm.h"

#include <algorithm>

namespace kip::manage {

std::string CourseForm::key() const {
    return golfdb::courseKey(name, city, state, tee);
}

int frontNine(const golfdb::HoleInts& holes) {
    int sum = 0;
    for (int h = 1; h <= 9; ++h)
        sum += holes.at(static_cast<std::size_t>(h));
    return sum;
}

int backNine(const golfdb::HoleInts& holes) {
    int sum = 0;
    for (int h = 10; h <= 18; ++h)
        sum += holes.at(static_cast<std::size_t>(h));
    return sum;
}

int total(const golfdb::HoleInts& holes) {
    return frontNine(holes) + backNine(holes);
}

CourseForm formFromRecord(const golfdb::CourseRecord& record) {
    CourseForm form;
    form.name = record.name;
    form.city = record.city;
    form.state = record.state;
    form.zip = record.zip;
    form.phone = record.phone;
    form.tee = record.tee;
    form.rating = record.rating;
    form.slope = record.slope;
    for (std::size_t h = 0; h < golfdb::holeSlots; ++h) {
        form.par[h] = record.par[h];
        form.yardage[h] = record.yardage[h];
    }
    form.meters = record.inMetres();
    form.strokeIndex = record.strokeIndex;
    return form;
}

void recordFromForm(const CourseForm& form, golfdb::CourseRecord& record) {
    record.name = form.name;
    record.city = form.city;
    record.state = form.state;
    record.zip = form.zip;
    record.phone = form.phone;
    record.tee = form.tee;
    record.rating = form.rating;
    record.slope = form.slope;
    // The dialog refuses holes beyond what the row can hold; the clamp only guards other callers.
    for (std::size_t h = 0; h < golfdb::holeSlots; ++h) {
        record.par[h] = static_cast<std::int8_t>(std::clamp(form.par[h], -128, 127));
        record.yardage[h] = std::clamp(form.yardage[h], 0, 999);
    }
    record.strokeIndex = golfdb::isStrokeIndexSet(form.strokeIndex) ? form.strokeIndex : golfdb::HoleBytes{};
    if (form.meters)
        record.flags = static_cast<std::uint8_t>(record.flags | golfdb::flagMetres);
    else
        record.flags = static_cast<std::uint8_t>(record.flags & ~golfdb::flagMetres);
}

} // namespace kip::manage
