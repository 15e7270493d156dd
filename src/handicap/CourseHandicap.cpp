#include "handicap/CourseHandicap.h"

#include "golfdb/ScoreTable.h"
#include "handicap/WorldHandicap.h"

#include <algorithm>
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

int ruleCourseHandicap(double handicapIndex, const golfdb::CourseRecord& course, int rule) {
    if (rule != golfdb::ruleWorld)
        return computeCourseHandicap(handicapIndex, course.slope);
    // A damaged row can hold anything; keep the conversions to tenths defined.
    const auto tenths = [](double value) {
        return std::isfinite(value) ? static_cast<int>(std::lround(std::clamp(value, -1e6, 1e6) * 10.0)) : 0;
    };
    int par = 0;
    for (int hole = 1; hole < golfdb::holeSlots; ++hole)
        par += course.par[static_cast<std::size_t>(hole)];
    return whs::courseHandicap(tenths(handicapIndex), course.slope, tenths(course.rating), par);
}

} // namespace kip::handicap
