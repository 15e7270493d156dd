#include "golfdb/StoreText.h"

#include <array>
#include <cstdint>

namespace kip::golfdb {
namespace {

// Code points of Windows-1252 bytes 0x80..0x9F; the unassigned ones keep their C1 value.
constexpr std::array<std::uint16_t, 32> highControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::uint32_t codePointOf(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0)
        return highControls[byte - 0x80];
    return byte;
}

char byteOf(std::uint32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    for (std::size_t i = 0; i < highControls.size(); ++i)
        if (highControls[i] == codePoint)
            return static_cast<char>(0x80 + i);
    return '?';
}

void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Length of the UTF-8 sequence starting at text[i] and its code point; a malformed sequence is one
// byte long with no code point.
std::size_t decodeAt(std::string_view text, std::size_t i, std::uint32_t& cp) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
    } else {
        cp = 0xFFFFFFFF;
        return 1;
    }
    if (i + length > text.size()) {
        cp = 0xFFFFFFFF;
        return 1;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            cp = 0xFFFFFFFF;
            return 1;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    return length;
}

bool isAscii(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

std::string toStoreText(std::string_view utf8) {
    if (isAscii(utf8))
        return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        std::uint32_t cp = 0;
        i += decodeAt(utf8, i, cp);
        out += byteOf(cp);
    }
    return out;
}

std::string fromStoreText(std::string_view stored) {
    if (isAscii(stored))
        return std::string(stored);
    std::string out;
    out.reserve(stored.size() * 2);
    for (const char c : stored)
        appendUtf8(out, codePointOf(static_cast<unsigned char>(c)));
    return out;
}

std::string storedForm(std::string_view utf8) {
    return isAscii(utf8) ? std::string(utf8) : fromStoreText(toStoreText(utf8));
}

std::string lettersOutsideStore(std::string_view utf8) {
    std::string letters;
    if (isAscii(utf8))
        return letters;
    std::string seen;
    for (std::size_t i = 0; i < utf8.size();) {
        std::uint32_t cp = 0;
        const std::size_t length = decodeAt(utf8, i, cp);
        const bool malformed = cp == 0xFFFFFFFF;
        if (malformed || (cp != '?' && byteOf(cp) == '?')) {
            std::string letter;
            if (malformed)
                appendUtf8(letter, 0xFFFD);
            else
                letter.assign(utf8.substr(i, length));
            if (seen.find('\0' + letter + '\0') == std::string::npos) {
                seen += '\0' + letter + '\0';
                letters += (letters.empty() ? "" : " ") + letter;
            }
        }
        i += length;
    }
    return letters;
}

std::string cutToCharacters(std::string_view utf8, std::size_t characters) {
    std::size_t i = 0;
    for (std::size_t count = 0; i < utf8.size() && count < characters; ++count) {
        std::uint32_t cp = 0;
        i += decodeAt(utf8, i, cp);
    }
    return std::string(utf8.substr(0, i));
}

std::string trimRight(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0) {
        const char c = text[end - 1];
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r' && c != '\v' && c != '\f')
            break;
        --end;
    }
    return std::string(text.substr(0, end));
}

} // namespace kip::golfdb
