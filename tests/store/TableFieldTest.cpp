#include "TableTestTools.h"
#include "store/DbfNumber.h"
#include "store/TableStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace kip::store {
namespace {

TEST(TableFieldNumbers, DecimalsRoundHalfAwayFromZero) {
    EXPECT_EQ(formatDoubleText(71.25, 4, 1), "71.3");
    EXPECT_EQ(formatDoubleText(71.25, 5, 1), " 71.3");
    EXPECT_EQ(formatDoubleText(-71.25, 5, 1), "-71.3");
    EXPECT_EQ(formatDoubleText(2.675, 6, 2), "  2.68"); // stored in binary just below the half
    EXPECT_EQ(formatDoubleText(0.5, 5, 2), " 0.50");
    EXPECT_EQ(formatDoubleText(-0.04, 4, 1), " 0.0"); // no negative zero
    EXPECT_EQ(formatDoubleText(-1.2, 4, 1), "-1.2");
    EXPECT_EQ(formatDoubleText(12.5, 3, 0), " 13");
    EXPECT_EQ(formatDoubleText(12.35, 5, 1), " 12.4");
    EXPECT_EQ(formatDoubleText(1.005, 5, 2), " 1.01");
}

TEST(TableFieldNumbers, LargeValuesRoundOnlyAtTheHalf) {
    EXPECT_EQ(formatDoubleText(500000000.0, 12, 0), "   500000000");
    EXPECT_EQ(formatDoubleText(100000000.4, 12, 0), "   100000000");
    EXPECT_EQ(formatDoubleText(100000000.5, 12, 0), "   100000001");
    EXPECT_EQ(formatDoubleText(5000000.0, 12, 2), "  5000000.00");
    EXPECT_EQ(formatDoubleText(10000.0004999, 10, 3), " 10000.000");
    EXPECT_EQ(formatDoubleText(-123456789012.375, 17, 0), "    -123456789012");
    EXPECT_EQ(formatDoubleText(1e15 + 0.375, 18, 0), "  1000000000000000");
}

TEST(TableFieldNumbers, ValuesThatDoNotFitBecomeAsterisks) {
    EXPECT_EQ(formatDoubleText(100.0, 4, 1), "****");
    EXPECT_EQ(formatDoubleText(-10.0, 4, 1), "****");
    EXPECT_EQ(formatDoubleText(1e300, 6, 1), "******");
    EXPECT_EQ(formatLongText(1000, 3), "***");
    EXPECT_EQ(formatLongText(-99, 3), "-99");
    EXPECT_EQ(formatLongText(7, 3), "  7");
}

TEST(TableFieldNumbers, ReadingToleratesBlanksAsterisksAndSigns) {
    EXPECT_EQ(parseLongText("    "), 0);
    EXPECT_EQ(parseLongText("****"), 0);
    EXPECT_EQ(parseLongText(" -01"), -1);
    EXPECT_EQ(parseLongText(" +12"), 12);
    EXPECT_DOUBLE_EQ(parseDoubleText(" -1.2"), -1.2);
    EXPECT_DOUBLE_EQ(parseDoubleText("****"), 0.0);
    EXPECT_DOUBLE_EQ(parseDoubleText("    "), 0.0);
    EXPECT_DOUBLE_EQ(parseDoubleText("71.0"), 71.0);
}

TEST(TableFieldAssign, FieldsPadCutAndMarkTheRecordChanged) {
    test::TempDir dir;
    TableContext ctx;
    Table* t = createTable(ctx, dir.file("T"), test::smallCourseFields(), {});
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(appendStart(t), storeOk);
    blankRecord(t);
    ASSERT_EQ(appendRecord(t), storeOk);

    Field* name = fieldByName(t, "Name");
    Field* rating = fieldByName(t, "RATING");
    Field* slope = fieldByName(t, "SLOPE");
    ASSERT_TRUE(name && rating && slope);
    EXPECT_EQ(fieldByName(t, "NOSUCH"), nullptr);
    EXPECT_EQ(fieldLong(slope), 0); // a blank record reads as zero
    assignText(name, "A name longer than ten");
    assignDouble(rating, 71.25);
    assignLong(slope, 12345);
    EXPECT_EQ(fieldText(name), "A name lon");
    EXPECT_EQ(fieldText(rating), "71.3");
    EXPECT_EQ(fieldText(slope), "****");
    EXPECT_EQ(fieldLong(slope), 0);
    EXPECT_TRUE(fieldOverflowed(slope));
    EXPECT_FALSE(fieldOverflowed(rating));
    EXPECT_FALSE(fieldOverflowed(name));
    ASSERT_EQ(flushTable(t), storeOk);
    assignText(name, "Short");
    EXPECT_EQ(fieldText(name), "Short     ");
    ASSERT_EQ(goRecord(t, 1), storeOk); // the move writes the changed record
    EXPECT_EQ(fieldText(name), "Short     ");
    EXPECT_DOUBLE_EQ(fieldDouble(rating), 71.3);
}

} // namespace
} // namespace kip::store
