#include "golfdb/TableFields.h"

#include "store/DbfNumber.h"

#include "golfdb/StoreText.h"

#include <algorithm>
#include <cmath>

namespace kip::golfdb::fields {

std::string readText(const store::Field* field) {
    return fromStoreText(trimRight(store::fieldText(field)));
}

void writeText(store::Field* field, const std::string& text) {
    store::assignText(field, toStoreText(text));
}

double limitedToOneDecimal(double value) {
    return std::isnan(value) ? 0.0 : std::clamp(value, lowestOneDecimal, highestOneDecimal);
}

double storedOneDecimal(double value) {
    return store::parseDoubleText(store::formatDoubleText(limitedToOneDecimal(value), 4, 1));
}

namespace {

bool numeric(char type) {
    return type == 'N' || type == 'F';
}

// A field fits the layout when it has the layout's width and kind; N and F both hold numbers, and a
// number must keep the layout's decimals, or every rewrite would round the stored values.
bool fits(const store::FieldSpec& actual, const store::FieldSpec& wanted) {
    if (actual.width != wanted.width)
        return false;
    if (numeric(wanted.type))
        return numeric(actual.type) && actual.decimals == wanted.decimals;
    return actual.type == wanted.type;
}

} // namespace

bool matchesLayout(store::Field* const* handles, const std::vector<store::FieldSpec>& layout,
                   std::size_t count) {
    for (std::size_t i = 0; i < count && i < layout.size(); ++i) {
        if (handles[i] == nullptr || !fits(store::fieldSpec(handles[i]), layout[i]))
            return false;
    }
    return count <= layout.size();
}

int groupValue(const std::string& text, std::size_t start, std::size_t width) {
    std::size_t i = start;
    const std::size_t end = std::min(text.size(), start + width);
    while (i < end && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < end && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    int value = 0;
    for (; i < end && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + (text[i] - '0');
    return negative ? -value : value;
}

} // namespace kip::golfdb::fields
