#include "handicap/CourseHandicap.h"

#include <cmath>
#include <limits>

namespace kip::handicap {

int computeCourseHandicap(double handicapIndex, int slope) {
    const double q = 113.0;
    const double value = std::trunc(slope / q * handicapIndex + 0.5);
    // A damaged golfer row can hold any index; keep the conversion to int defined.
    if (std::isnan(value))
        return 0;
    if (value <= std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    if (value >= std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    return static_cast<int>(value);
}

} // namespace kip::handicap
