#include "manage/ListOrder.h"

#include "report/ListOrder.h"

#include <algorithm>

namespace kip::manage {
namespace {

unsigned char folded(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

} // namespace

bool lineBefore(std::string_view a, std::string_view b) {
    return report::listTextLess(a, b);
}

bool startsWithFolded(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalFolded(text.substr(0, prefix.size()), prefix);
}

bool equalFolded(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (folded(a[i]) != folded(b[i]))
            return false;
    return true;
}

std::string upperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

void sortLines(golfdb::ItemList& items) {
    std::stable_sort(items.begin(), items.end(), [](const golfdb::ListItem& a, const golfdb::ListItem& b) {
        return lineBefore(a.text, b.text);
    });
}

std::vector<int> chosenLines(std::vector<int> lines, std::size_t count) {
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [count](int i) { return i < 0 || i >= static_cast<int>(count); }),
                lines.end());
    return lines;
}

} // namespace kip::manage
