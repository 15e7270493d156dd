#include "report/PrintJob.h"

namespace kip::report {

bool PrintJob::start(platform::Printer& printer, const platform::PrintRequest& request) {
    surface_ = printer.start(request);
    if (!surface_)
        return false;
    lineHeight_ = surface_->lineHeight();
    charWidth_ = surface_->averageCharWidth();
    setPageTop(2);
    bottomLimit_ = surface_->pageHeight() - 5 * lineHeight_;
    y_ = pageTop_;
    pageUsed_ = false;
    return true;
}

void PrintJob::end() {
    if (surface_)
        surface_->finish();
    surface_.reset();
}

PrintJob::~PrintJob() {
    end();
}

void PrintJob::setPageTop(int lines) {
    pageTop_ = lines * lineHeight_;
}

void PrintJob::setTabStops(const std::vector<int>& charWidths) {
    stops_.clear();
    for (const int widths : charWidths)
        stops_.push_back(widths * charWidth_);
}

void PrintJob::printLine(const std::string& text, int advance) {
    if (!surface_)
        return;
    if (bottomLimitRule_ && pageUsed_ && pageFull())
        newPage();
    if (stops_.empty())
        surface_->drawText(leftMargin(), y_, text);
    else
        surface_->drawTabbedText(leftMargin(), y_, text, stops_);
    pageUsed_ = true;
    y_ += advance * lineHeight_;
}

void PrintJob::newPage() {
    if (!surface_)
        return;
    surface_->newPage();
    y_ = pageTop_;
    pageUsed_ = false;
}

} // namespace kip::report
