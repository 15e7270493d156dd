#include "stats/StatsText.h"

#include <limits>

namespace kip::stats {

int leadingInteger(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    long long value = 0;
    constexpr long long limit = std::numeric_limits<int>::max();
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        if (value <= limit)
            value = value * 10 + (text[i] - '0');
    if (value > limit)
        value = negative ? limit + 1 : limit;
    return static_cast<int>(negative ? -value : value);
}

std::vector<report::PrintLine> headedPrintLines(const std::string& title,
                                                std::initializer_list<std::string> headings) {
    std::vector<report::PrintLine> lines{{title, 2}};
    for (const std::string& heading : headings)
        if (!heading.empty())
            lines.push_back({heading, 2});
    return lines;
}

} // namespace kip::stats
