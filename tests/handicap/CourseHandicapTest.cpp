#include "handicap/CourseHandicap.h"

#include <gtest/gtest.h>

#include <limits>

namespace kip::handicap {
namespace {

TEST(CourseHandicap, RoundsHalfUpForPositiveIndexes) {
    EXPECT_EQ(computeCourseHandicap(12.3, 125), 14); // 14.106...
    EXPECT_EQ(computeCourseHandicap(12.5, 113), 13);
    EXPECT_EQ(computeCourseHandicap(12.4, 113), 12);
    EXPECT_EQ(computeCourseHandicap(0.0, 140), 0);
}

TEST(CourseHandicap, TruncatesTowardZeroForPlusHandicaps) {
    EXPECT_EQ(computeCourseHandicap(-2.0, 130), -1); // -1.80..., not -2
    EXPECT_EQ(computeCourseHandicap(-1.2, 125), 0);  // -0.827... truncates to 0
    EXPECT_EQ(computeCourseHandicap(-9.9, 155), -13);
}

TEST(CourseHandicap, AbsurdInputsStayDefined) {
    EXPECT_EQ(computeCourseHandicap(12.0, 0), 0);
    EXPECT_EQ(computeCourseHandicap(std::numeric_limits<double>::quiet_NaN(), 113), 0);
    EXPECT_EQ(computeCourseHandicap(1e300, 9999), std::numeric_limits<int>::max());
    EXPECT_EQ(computeCourseHandicap(-1e300, 9999), std::numeric_limits<int>::min());
}

} // namespace
} // namespace kip::handicap
