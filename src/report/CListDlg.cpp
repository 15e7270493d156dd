#include "report/CListDlg.h"

#include "report/ListOrder.h"

#include <algorithm>

namespace kip::report {

int dialogUnitsToPixels(int dialogUnits, int averageCharWidth) {
    return dialogUnits * averageCharWidth / 4;
}

CListDlg::CListDlg(std::string title) : title_(std::move(title)) {}

void CListDlg::setHeadings(std::string first, std::string second) {
    firstHeading_ = std::move(first);
    secondHeading_ = std::move(second);
}

void CListDlg::setSelectable(bool selectable) {
    selectable_ = selectable;
    if (!selectable_)
        clearSelection();
}

void CListDlg::showButton(ListButton button, bool shown) {
    switch (button) {
    case ListButton::Cancel:
        cancelShown_ = shown;
        break;
    case ListButton::PrintNoBreaks:
        printNoBreaksShown_ = shown;
        break;
    case ListButton::PrintSummary:
        printSummaryShown_ = shown;
        break;
    default:
        break; // always shown
    }
}

std::vector<ListButton> CListDlg::buttons() const {
    std::vector<ListButton> result = {ListButton::Ok};
    if (cancelShown_)
        result.push_back(ListButton::Cancel);
    result.push_back(ListButton::Print);
    if (printNoBreaksShown_)
        result.push_back(ListButton::PrintNoBreaks);
    if (printSummaryShown_)
        result.push_back(ListButton::PrintSummary);
    result.push_back(ListButton::Help);
    return result;
}

const std::string& CListDlg::caption(ListButton button) {
    static const std::string captions[] = {"OK",  "Cancel", "Print", "Print w/o Breaks", "Print Summary",
                                           "Help"};
    return captions[static_cast<int>(button)];
}

void CListDlg::setPrintEnabled(bool enabled) {
    printEnabled_ = enabled;
    changed();
}

int CListDlg::addLine(std::string text, long record) {
    const int index = insertLine(std::move(text), record);
    changed();
    return index;
}

int CListDlg::insertLine(std::string text, long record) {
    auto at = lines_.end();
    if (sorted_)
        at = std::upper_bound(lines_.begin(), lines_.end(), text,
                              [](const std::string& t, const Line& l) { return listTextLess(t, l.text); });
    const int index = static_cast<int>(at - lines_.begin());
    lines_.insert(at, Line{std::move(text), record});
    if (selected_ >= index)
        ++selected_;
    return index;
}

void CListDlg::addLines(const golfdb::ItemList& lines) {
    // One notice for the whole batch: a view shows a long listing without redrawing for every line.
    for (const auto& line : lines)
        insertLine(line.text, line.record);
    if (!lines.empty())
        changed();
}

void CListDlg::clear() {
    lines_.clear();
    selected_ = -1;
    changed();
}

std::vector<std::string> CListDlg::texts() const {
    std::vector<std::string> result;
    result.reserve(lines_.size());
    for (const auto& line : lines_)
        result.push_back(line.text);
    return result;
}

void CListDlg::select(int index) {
    if (!selectable_ || index < -1 || index >= size())
        return;
    selected_ = index;
    changed();
}

void CListDlg::clearSelection() {
    selected_ = -1;
    changed();
}

void CListDlg::setPrintAction(ListButton button, std::function<void()> action) {
    if (button == ListButton::PrintNoBreaks)
        printNoBreaksAction_ = std::move(action);
    else if (button == ListButton::PrintSummary)
        printSummaryAction_ = std::move(action);
    else
        printAction_ = std::move(action);
}

int CListDlg::ok() {
    if (okOpensSelection_ && open_ && selected_ >= 0 && line(selected_).record != noRecord) {
        const int index = selected_;
        open_(index, line(index).record);
        clearSelection();
        return dialogStaysOpen;
    }
    return platform::dialogOk;
}

int CListDlg::cancel() {
    return platform::dialogCancel;
}

void CListDlg::print(ListButton button) {
    if (!printEnabled_)
        return;
    const auto& action = button == ListButton::PrintNoBreaks  ? printNoBreaksAction_
                         : button == ListButton::PrintSummary ? printSummaryAction_
                                                              : printAction_;
    if (action)
        action();
}

void CListDlg::doubleClick(int index) {
    if (index < 0 || index >= size() || line(index).record == noRecord || !open_)
        return;
    open_(index, line(index).record);
    if (okOpensSelection_)
        clearSelection();
}

void CListDlg::changed() {
    if (changed_)
        changed_();
}

} // namespace kip::report
