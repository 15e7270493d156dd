#include "stats/CGraphStatsDlg.h"

#include "stats/StatsText.h"

namespace kip::stats {

CGraphStatsDlg::CGraphStatsDlg(GraphPlot plot, std::string firstName, std::string lastName,
                               platform::Prompter& prompter, platform::Printer* printer)
    : plot_(std::move(plot)), firstName_(std::move(firstName)), lastName_(std::move(lastName)),
      prompter_(prompter), printer_(printer) {}

std::string CGraphStatsDlg::title() const {
    return formatText("Statistics for %s %s", firstName_.c_str(), lastName_.c_str());
}

GraphDrawResult CGraphStatsDlg::draw(const GraphRect& rect, platform::PrintSurface& surface) {
    const GraphDrawResult result = drawGraph(rect, surface, plot_);
    if (result == GraphDrawResult::TooManyRounds && !tooManyShown_)
        tooManyPending_ = true;
    return result;
}

void CGraphStatsDlg::showTooManyRounds() {
    tooManyPending_ = false;
    tooManyShown_ = true;
    prompter_.show({tooManyRoundsText, graphErrorCaption, platform::Icon::Error, platform::Buttons::Ok});
}

std::optional<std::string> CGraphStatsDlg::click(int x, int y) {
    if (popupOpen_) {
        popupOpen_ = false;
        return std::nullopt;
    }
    if (!plot_.drawn || !plot_.inner.contains(x, y))
        return std::nullopt;
    popupOpen_ = true;
    return popupText(plot_, y);
}

bool CGraphStatsDlg::print() {
    if (!printer_)
        return false;
    platform::PrintRequest request;
    request.documentName = "Kip Golf Stats Graph";
    // Courier, as the listings print: the legend is laid out in average character widths.
    request.landscape = true;
    std::unique_ptr<platform::PrintSurface> surface = printer_->start(request);
    if (!surface)
        return false;
    // The print lays out its own copy: the window's click popup keeps the screen's layout.
    GraphPlot page = plot_;
    const GraphRect rect{0, 0, surface->pageWidth(), surface->pageHeight()};
    const GraphDrawResult result = drawGraph(rect, *surface, page);
    surface->finish();
    if (result == GraphDrawResult::TooManyRounds)
        prompter_.show({tooManyRoundsText, graphErrorCaption, platform::Icon::Error, platform::Buttons::Ok});
    return true;
}

} // namespace kip::stats
