#pragma once
// Field conversions shared by the table classes: texts cross the record boundary as UTF-8 in
// memory and Windows-1252 in the table; hole arrays are raw bytes of the record buffer.

#include "store/TableStore.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kip::golfdb::fields {

std::string readText(const store::Field* field);
void writeText(store::Field* field, const std::string& text);

template <class Array> void readBytes(store::Field* field, Array& out) {
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<typename Array::value_type>(*store::fieldBytes(field, static_cast<int>(i)));
}

template <class Array> void writeBytes(store::Field* field, const Array& in) {
    for (size_t i = 0; i < in.size(); ++i)
        *store::fieldBytes(field, static_cast<int>(i)) = static_cast<unsigned char>(in[i]);
}

// The one-decimal numbers of the golf tables (HCINDEX, HANDICAP: four characters) hold -9.9 to
// 99.9; anything outside would be stored as asterisks and read back as 0.
inline constexpr double lowestOneDecimal = -9.9;
inline constexpr double highestOneDecimal = 99.9;

// A value kept within that range; one that is not a number becomes 0.
double limitedToOneDecimal(double value);
// The value such a field holds for `value`: limited to the range and rounded to tenths exactly as
// the store writes it. A computed differential or index is kept in this form from the moment it is
// made, so every listing and message shows what the row holds.
double storedOneDecimal(double value);

// True when every one of the first `count` handles is bound and has the width and kind the golf
// layout says: hole bytes are addressed directly, so a narrower field of the same name must never be
// used, and a number with other decimals would be rounded on every rewrite.
bool matchesLayout(store::Field* const* handles, const std::vector<store::FieldSpec>& layout,
                   std::size_t count);

// Integer value of a fixed-width group: leading blanks skipped, optional sign, digits ("-05" is -5).
int groupValue(const std::string& text, std::size_t start, std::size_t width);

} // namespace kip::golfdb::fields
