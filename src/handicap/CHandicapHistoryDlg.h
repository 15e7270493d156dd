#pragma once
// The Handicap History dialog: one golfer's index after each day with rounds, as a list and as a
// line chart spaced by date, with the low index and the capped days marked; "Print" prints the list.

#include "golfdb/CKipGolfDoc.h"
#include "handicap/HandicapHistory.h"
#include "handicap/ListingServices.h"
#include "platform/DialogHost.h"
#include "platform/PrintSurface.h"

#include <optional>
#include <string>
#include <vector>

namespace kip::handicap {

// Where the chart puts its points: x from the first to the last day, y over the index range.
struct HistoryChartScale {
    long firstDay = 0;
    long lastDay = 0;
    double lowest = 0.0;  // bottom of the index axis
    double highest = 0.0; // top of the index axis
};

class CHandicapHistoryDlg : public platform::DialogModel {
public:
    CHandicapHistoryDlg(const std::string& golferKey, std::vector<HistoryPoint> points, int rule);

    std::string title() const; // "Handicap History for %s %s"
    const std::vector<HistoryPoint>& points() const { return points_; }
    const std::vector<std::string>& lines() const { return lines_; }
    // The legend under the chart: which marks mean what, under the rule in force.
    std::string legend() const;
    bool worldRule() const;
    // The axis range: the indexes shown, widened to whole numbers; the low index included.
    HistoryChartScale scale() const;
    // The low index of the newest point that had one (World Handicap System).
    std::optional<double> lowIndex() const;

    // Draws the chart in the box on any surface (the window's chart control and the print): the
    // index as a line over the days spaced by date, the low index dashed, S and H over capped days.
    void drawChart(int left, int top, int width, int height, platform::PrintSurface& surface) const;

    bool printEnabled() const { return printer_ != nullptr && !lines_.empty(); }
    void setPrinter(platform::Printer* printer) { printer_ = printer; }
    // The lines "Print" prints under the title and the chart.
    std::vector<std::string> printedLines() const;
    // The title, the chart and the list; false without a printer or when the print was cancelled.
    bool print();
    int ok() { return platform::dialogOk; }

private:
    std::string firstName_;
    std::string lastName_;
    std::vector<HistoryPoint> points_;
    std::vector<std::string> lines_;
    int rule_;
    platform::Printer* printer_ = nullptr;
};

// Select Golfer, then the dialog for that golfer under the rule in force. Writes nothing.
void showHandicapHistory(platform::DialogHost& host, golfdb::CKipGolfDoc& doc,
                         const ListingServices& services);

} // namespace kip::handicap
