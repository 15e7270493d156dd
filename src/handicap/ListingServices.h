#pragma once
// What the handicap listings need from the layers above them: the golfer and course choices, the
// round editor that shows a round, the printer and today's date. An empty function is something the
// program does not offer (yet): its command or button is left out.

#include "golfdb/ScoreRecord.h"
#include "platform/Clock.h"
#include "report/ReportPrint.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kip::handicap {

struct ListingServices {
    // Select Golfer: a golfer row's record number, or nothing when cancelled.
    std::function<std::optional<long>()> chooseGolfer;
    // Select Course and Select a Tee: a course row's record number, or nothing when cancelled.
    std::function<std::optional<long>()> chooseCourse;
    // Opens the loaded round in View mode.
    std::function<void(const golfdb::ScoreRecord&)> viewRound;
    // Prints the lines with the variant's layout; false when the print dialog was cancelled.
    std::function<bool(report::PrintVariant, const std::string& title, const std::vector<report::PrintLine>&)>
        print;
    platform::Clock* clock = nullptr;
};

} // namespace kip::handicap
