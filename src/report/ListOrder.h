#pragma once
// The order of every list that keeps its lines sorted by their text: the texts are compared byte by
// byte as if every ASCII capital letter were its small letter. Lists keep equal texts in the order
// they were added (see CListDlg::addLine).

#include <string_view>

namespace kip::report {

// Negative, zero or positive as a sorts before, with or after b.
int compareListText(std::string_view a, std::string_view b);
inline bool listTextLess(std::string_view a, std::string_view b) {
    return compareListText(a, b) < 0;
}

} // namespace kip::report
