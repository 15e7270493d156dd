#pragma once
// A course row and a filled round editor shared by the round entry tests.

#include "golfdb/CourseRecord.h"
#include "rounds/CScoresDlg.h"

#include <array>
#include <string>

namespace kip::test {

inline golfdb::CourseRecord sampleCourse(std::uint8_t flags = 0) {
    golfdb::CourseRecord course;
    course.name = "Pine Valley Links";
    course.tee = "Blue";
    course.slope = 120;
    course.rating = 70.1;
    course.flags = flags;
    const std::array<int, 19> par = {0, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 3, 5, 4, 4, 4, 3, 5, 4};
    for (std::size_t h = 0; h < par.size(); ++h) {
        course.par[h] = static_cast<std::int8_t>(par[h]);
        course.yardage[h] = h == 0 ? 0 : static_cast<int>(100 + 20 * h);
    }
    return course;
}

// Plays a whole round into the editor: the strokes of each hole and two putts each (one on
// par 3s), through the automatic tabbing as a user types.
inline void typeRound(rounds::CScoresDlg& dlg, const std::array<int, 19>& strokes) {
    for (int h = 1; h <= 18; ++h) {
        dlg.typeStrokes(h, std::to_string(strokes[static_cast<std::size_t>(h)]));
        dlg.leaveStrokes(h);
        dlg.typePutts(h, dlg.card().par[static_cast<std::size_t>(h)] == 3 ? "1" : "2");
        dlg.leavePutts(h);
    }
}

inline constexpr std::array<int, 19> parRound = {0, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 3, 5, 4, 4, 4, 3, 5, 4};

} // namespace kip::test
