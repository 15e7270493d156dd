#include "exchange/RoundsFileText.h"

#include "golfdb/StoreText.h"
#include "platform/TextFormat.h"

#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace kip::exchange {
namespace {

constexpr char quote = '"';

bool opensWithoutClosing(std::string_view field) {
    return !field.empty() && field.front() == quote && (field.size() == 1 || field.back() != quote);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The unquoted text after leading blanks.
std::string_view numberText(std::string_view field) {
    std::string_view text = unquoted(field);
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool validUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        std::uint32_t cp = lead;
        if (lead >= 0x80) {
            if (lead >= 0xC2 && lead <= 0xDF) {
                length = 2;
                cp = lead & 0x1Fu;
            } else if (lead >= 0xE0 && lead <= 0xEF) {
                length = 3;
                cp = lead & 0x0Fu;
            } else if (lead >= 0xF0 && lead <= 0xF4) {
                length = 4;
                cp = lead & 0x07u;
            } else {
                return false;
            }
            if (i + length > text.size())
                return false;
            for (std::size_t k = 1; k < length; ++k) {
                const auto next = static_cast<unsigned char>(text[i + k]);
                if ((next & 0xC0) != 0x80)
                    return false;
                cp = (cp << 6) | (next & 0x3Fu);
            }
            const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
            if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
                return false;
        }
        i += length;
    }
    return true;
}

} // namespace

void splitFields(std::string_view line, bool golferFirst, std::vector<std::string_view>& fields) {
    fields.clear();
    std::size_t pos = 0;
    // The next raw field: from pos up to the next comma; runs of commas before it are skipped.
    auto nextRaw = [&](std::size_t& start) -> bool {
        while (pos < line.size() && line[pos] == ',')
            ++pos;
        if (pos >= line.size())
            return false;
        start = pos;
        const std::size_t comma = line.find(',', pos);
        pos = comma == std::string_view::npos ? line.size() : comma;
        return true;
    };
    std::size_t start = 0;
    while (nextRaw(start)) {
        std::string_view field = line.substr(start, pos - start);
        std::size_t ignored = 0;
        if (golferFirst && fields.empty() && (field.empty() || field.back() != quote) && nextRaw(ignored))
            field = line.substr(start, pos - start);
        while (opensWithoutClosing(field) && nextRaw(ignored))
            field = line.substr(start, pos - start);
        fields.push_back(field);
    }
}

std::string_view unquoted(std::string_view field) {
    if (field.size() < 2 || field.front() != quote || field.back() != quote)
        return {};
    return field.substr(1, field.size() - 2);
}

bool isYes(std::string_view field) {
    return field.size() == 3 && field[0] == quote && (field[1] == 'y' || field[1] == 'Y') &&
           field[2] == quote;
}

int wholeNumber(std::string_view field) {
    std::string_view text = numberText(field);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    long long value = 0;
    for (const char c : text) {
        if (!isDigit(c))
            break;
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    return static_cast<int>(value < INT_MIN ? INT_MIN : value);
}

double decimalNumber(std::string_view field) {
    std::string_view text = numberText(field);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::size_t end = 0;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    if (end < text.size() && text[end] == '.') {
        ++end;
        while (end < text.size() && isDigit(text[end]))
            ++end;
    }
    double value = 0.0;
    const std::string_view digits = text.substr(0, end);
    if (digits.empty() || digits == ".")
        return 0.0;
    // from_chars wants a digit first.
    const std::string number = digits.front() == '.' ? "0" + std::string(digits) : std::string(digits);
    const auto parsed = std::from_chars(number.data(), number.data() + number.size(), value);
    if (parsed.ec != std::errc() || !std::isfinite(value))
        return 0.0;
    return negative ? -value : value;
}

std::string textOf(std::string_view field) {
    const std::string_view text = unquoted(field);
    if (validUtf8(text))
        return std::string(text);
    return golfdb::fromStoreText(text);
}

char* writeInteger(char* out, long value, int zeroPadWidth) {
    std::array<char, 24> digits{};
    unsigned long magnitude =
        value < 0 ? 0ul - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
    int length = 0;
    do {
        digits[static_cast<std::size_t>(length++)] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        *out++ = '-';
    // As printf pads: the sign counts towards the width.
    for (int pad = zeroPadWidth - length - (value < 0 ? 1 : 0); pad > 0; --pad)
        *out++ = '0';
    while (length > 0)
        *out++ = digits[static_cast<std::size_t>(--length)];
    return out;
}

void appendOneDecimal(std::string& out, double value) {
    // to_chars with a precision rounds as printf does; the room covers every finite double.
    std::array<char, 400> text{};
    const auto [end, ec] =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, 1);
    if (ec != std::errc()) {
        out += platform::formatText("%2.1f", value);
        return;
    }
    out.append(text.data(), end);
}

} // namespace kip::exchange
