#pragma once
// The listing dialog every report and listing shows: a window title, two heading lines, a
// single-column list in a fixed-width font whose lines carry a record number (or -1), and the
// buttons "OK", "Print", "Help" with the optional "Cancel", "Print w/o Breaks" and "Print Summary".
// The report that opens it fills the lines and sets what its print buttons and a double click do.

#include "golfdb/CKipGolfDoc.h"
#include "platform/DialogHost.h"

#include <functional>
#include <string>
#include <vector>

namespace kip::report {

// A line that opens nothing.
inline constexpr long noRecord = -1;
// ok() after it opened the selected line: the dialog stays open.
inline constexpr int dialogStaysOpen = 0;

enum class ListButton { Ok, Cancel, Print, PrintNoBreaks, PrintSummary, Help };

// Dialog units of a list's tab stops in pixels: four units to the average character width.
int dialogUnitsToPixels(int dialogUnits, int averageCharWidth);

class CListDlg : public platform::DialogModel {
public:
    using Line = golfdb::ListItem;

    explicit CListDlg(std::string title = {});

    const std::string& title() const { return title_; }
    void setTitle(std::string title) { title_ = std::move(title); }
    // Either heading line may be empty.
    const std::string& firstHeading() const { return firstHeading_; }
    const std::string& secondHeading() const { return secondHeading_; }
    void setHeadings(std::string first, std::string second);

    // Tab stops of the list in dialog units, ascending.
    const std::vector<int>& tabStops() const { return tabStops_; }
    void setTabStops(std::vector<int> dialogUnits) { tabStops_ = std::move(dialogUnits); }

    // A sorted list keeps its lines in the order of compareListText, equal texts in the order added.
    // Set it before the first line is added.
    bool sorted() const { return sorted_; }
    void setSorted(bool sorted) { sorted_ = sorted; }
    // Whether lines can be selected at all (the team listing's cannot).
    bool selectable() const { return selectable_; }
    void setSelectable(bool selectable);

    // The optional buttons; "OK", "Print" and "Help" are always there.
    void showButton(ListButton button, bool shown = true);
    // The buttons in the order the dialog shows them.
    std::vector<ListButton> buttons() const;
    static const std::string& caption(ListButton button);
    bool printEnabled() const { return printEnabled_; }
    void setPrintEnabled(bool enabled);
    const std::string& helpTopic() const { return helpTopic_; }
    void setHelpTopic(std::string topic) { helpTopic_ = std::move(topic); }

    // Adds a line at the end, or at its sorted place; returns its index.
    int addLine(std::string text, long record = noRecord);
    // The lines in order, with one change notice for all of them.
    void addLines(const golfdb::ItemList& lines);
    void clear();
    const std::vector<Line>& lines() const { return lines_; }
    int size() const { return static_cast<int>(lines_.size()); }
    const Line& line(int index) const { return lines_.at(static_cast<std::size_t>(index)); }
    std::vector<std::string> texts() const;

    // -1: nothing selected.
    int selectedIndex() const { return selected_; }
    void select(int index);
    void clearSelection();

    // What the report does on its print buttons (Print, PrintNoBreaks, PrintSummary).
    void setPrintAction(ListButton button, std::function<void()> action);
    // What a double click on a line with a record does (a line bound to -1 does nothing).
    void setOpenAction(std::function<void(int index, long record)> action) { open_ = std::move(action); }
    // "OK" with a line with a record selected opens it instead of closing; the selection is then
    // cleared and the dialog stays open.
    void setOkOpensSelection(bool on) { okOpensSelection_ = on; }
    // Called with the dialog open every so often, for listings that fill while they are shown.
    void setPoll(std::function<void()> poll) { poll_ = std::move(poll); }
    const std::function<void()>& poll() const { return poll_; }
    // The view's hook: called whenever the lines, the selection or the print state change.
    void setChangedListener(std::function<void()> listener) { changed_ = std::move(listener); }

    // The user's actions.
    int ok();
    int cancel();
    void print(ListButton button);
    void doubleClick(int index);

private:
    void changed();
    int insertLine(std::string text, long record);

    std::string title_;
    std::string firstHeading_;
    std::string secondHeading_;
    std::vector<int> tabStops_;
    std::vector<Line> lines_;
    bool sorted_ = false;
    bool selectable_ = true;
    bool cancelShown_ = false;
    bool printNoBreaksShown_ = false;
    bool printSummaryShown_ = false;
    bool printEnabled_ = true;
    bool okOpensSelection_ = false;
    std::string helpTopic_ = "listing";
    int selected_ = -1;
    std::function<void()> printAction_;
    std::function<void()> printNoBreaksAction_;
    std::function<void()> printSummaryAction_;
    std::function<void(int, long)> open_;
    std::function<void()> poll_;
    std::function<void()> changed_;
};

} // namespace kip::report
