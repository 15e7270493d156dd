#pragma once
// Fairways and greens of one golfer within the report limits: what follows a drive in the fairway and
// what follows a green reached in regulation, counted over holes. Also the "Fairways and Greens
// Results" dialog, which has no print.

#include "golfdb/ScoreTable.h"
#include "platform/DialogHost.h"
#include "platform/WaitCursor.h"
#include "stats/StatsGolfer.h"

#include <array>
#include <string>
#include <vector>

namespace kip::stats {

inline constexpr int fairwayFields = 6; // texts per row

class CFairways : public platform::DialogModel {
public:
    StatsSubject subject;

    void compute(golfdb::ScoreTable& scores, platform::WaitCursor* cursor);

    static const char* dialogName() { return "Fairways and Greens Results"; }
    static const char* fairwayRowLabel() { return "When Your Drive Lands in the Fairway:"; }
    static const char* greenRowLabel() { return "When You Hit the Green in Regulation:"; }
    static const char* fairwayHeader() {
        return "# Holes       Fw Hit     Greens Hit  Below Par     Par  <=Par";
    }
    static const char* greenHeader() {
        return "# Holes     Greens Hit    Putts      Below Par     Par  <=Par";
    }
    // "Stats for First Last on Course", or without a course "Stats for First Last".
    std::string title() const;

    const std::array<std::string, fairwayFields>& fairwayTexts() const { return fairway_; }
    const std::array<std::string, fairwayFields>& greenTexts() const { return green_; }

    // The seven lines of the command line: title, each row's label, header and tab-joined texts.
    std::vector<std::string> lines() const;
    int ok() { return platform::dialogOk; }

private:
    std::array<std::string, fairwayFields> fairway_{};
    std::array<std::string, fairwayFields> green_{};
};

} // namespace kip::stats
