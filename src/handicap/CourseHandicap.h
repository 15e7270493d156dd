#pragma once
// The course handicap: strokes a golfer receives on one course and tee.

namespace kip::handicap {

// slope / 113 * index + 0.5, truncated toward zero (so -1.8 gives -1, not -2).
int computeCourseHandicap(double handicapIndex, int slope);

} // namespace kip::handicap
