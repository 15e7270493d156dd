#pragma once
// "Statistics Graph": the graph of the chosen statistics above "OK", "Print" and "Help". The
// window's graph control draws it with drawGraph whenever it repaints; a click in the plot shows
// the values of the scales at that height; "Print" draws it on one landscape page.

#include "platform/DialogHost.h"
#include "platform/PrintSurface.h"
#include "platform/Prompter.h"
#include "stats/StatsGraph.h"

#include <optional>
#include <string>

namespace kip::stats {

class CGraphStatsDlg : public platform::DialogModel {
public:
    CGraphStatsDlg(GraphPlot plot, std::string firstName, std::string lastName, platform::Prompter& prompter,
                   platform::Printer* printer);

    std::string title() const; // "Statistics for First Last"
    GraphPlot& plot() { return plot_; }
    const GraphPlot& plot() const { return plot_; }

    // The graph control's drawing. When the rounds do not fit, the message is shown the first time
    // (showTooManyRounds) and the graph stays empty.
    GraphDrawResult draw(const GraphRect& rect, platform::PrintSurface& surface);
    bool tooManyRoundsPending() const { return tooManyPending_; }
    void showTooManyRounds();

    // A click at (x, y) of the graph control: the popup line to show at the mouse when it opens one,
    // nothing when the click closed the open popup or missed the plot.
    std::optional<std::string> click(int x, int y);
    bool popupOpen() const { return popupOpen_; }
    void popupClosed() { popupOpen_ = false; }

    bool canPrint() const { return printer_ != nullptr; }
    // One landscape page; false without a printer or when the print dialog was cancelled.
    bool print();
    int ok() { return platform::dialogOk; }

private:
    GraphPlot plot_;
    std::string firstName_, lastName_;
    platform::Prompter& prompter_;
    platform::Printer* printer_;
    bool popupOpen_ = false;
    bool tooManyPending_ = false;
    bool tooManyShown_ = false;
};

} // namespace kip::stats
