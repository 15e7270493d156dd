#pragma once
// What the handicap listings need from the layers above them: the golfer and course choices, the
// round editor that shows a round, the printer and today's date. What is missing is left out: no
// choice ends the command, no round editor opens nothing, no printer leaves the prints disabled.

#include "golfdb/ScoreRecord.h"
#include "platform/Clock.h"
#include "platform/PrintSurface.h"

#include <functional>
#include <optional>

namespace kip::handicap {

struct ListingServices {
    // Select Golfer: a golfer row's record number, or nothing when cancelled.
    std::function<std::optional<long>()> chooseGolfer;
    // Select Course and Select a Tee: a course row's record number, or nothing when cancelled.
    std::function<std::optional<long>()> chooseCourse;
    // Opens the loaded round in View mode.
    std::function<void(const golfdb::ScoreRecord&)> viewRound;
    platform::Printer* printer = nullptr;
    platform::Clock* clock = nullptr; // the system clock when none
};

} // namespace kip::handicap
