#pragma once
// One press of "Print": the printer's document with its page geometry. Every line starts at the left
// margin (one average character width); y moves down by whole line heights; the page is full once y
// has reached the bottom limit, five line heights above the bottom of the page.

#include "platform/PrintSurface.h"

#include <memory>
#include <string>
#include <vector>

namespace kip::report {

class PrintJob {
public:
    // Shows the print dialog and starts the document with its first page. False when the user
    // cancelled: nothing is printed.
    bool start(platform::Printer& printer, const platform::PrintRequest& request);
    // Ends the last page and the document; also done when the job is destroyed.
    void end();
    ~PrintJob();

    int lineHeight() const { return lineHeight_; }
    int charWidth() const { return charWidth_; }
    int leftMargin() const { return charWidth_; }
    int pageTop() const { return pageTop_; }
    int bottomLimit() const { return bottomLimit_; }
    int y() const { return y_; }

    // Where continuation pages start, in line heights (2 unless a print says otherwise).
    void setPageTop(int lines);
    // Tab stops in average character widths from the left edge of the page; empty: no tab expansion.
    // A single stop repeats every so many widths.
    void setTabStops(const std::vector<int>& charWidths);
    // With the bottom-limit rule off the print decides its page breaks itself.
    void setBottomLimitRule(bool on) { bottomLimitRule_ = on; }

    // Moves y to the given number of line heights from the top of the page.
    void moveTo(int lines) { y_ = lines * lineHeight_; }
    void skip(int lines) { y_ += lines * lineHeight_; }
    bool pageFull() const { return y_ >= bottomLimit_; }
    // Whether anything has been printed on the current page.
    bool pageUsed() const { return pageUsed_; }

    // Draws the line at the margin and moves down by advance line heights. Under the bottom-limit
    // rule a full page is ended and a new one begun at the page top before the next line, so a
    // report that fills its last page exactly leaves no empty page behind, and a first line below
    // the limit (a page too short for the layout) still goes on the first page.
    void printLine(const std::string& text, int advance = 1);
    // Ends the page and starts the next, y at the page top.
    void newPage();

    platform::PrintSurface* surface() { return surface_.get(); }

private:
    std::unique_ptr<platform::PrintSurface> surface_;
    int lineHeight_ = 0;
    int charWidth_ = 0;
    int pageTop_ = 0;
    int bottomLimit_ = 0;
    int y_ = 0;
    std::vector<int> stops_;
    bool bottomLimitRule_ = true;
    bool pageUsed_ = false;
};

} // namespace kip::report
