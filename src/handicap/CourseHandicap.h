#pragma once
// The course handicap: strokes a golfer receives on one course and tee.

#include "golfdb/CourseRecord.h"

namespace kip::handicap {

// slope / 113 * index + 0.5, truncated toward zero (so -1.8 gives -1, not -2).
int computeCourseHandicap(double handicapIndex, int slope);

// The course handicap under a rule: the World Handicap System's index x slope / 113 + (rating - par)
// rounded half up, or computeCourseHandicap for the other rules.
int ruleCourseHandicap(double handicapIndex, const golfdb::CourseRecord& course, int rule);

} // namespace kip::handicap
