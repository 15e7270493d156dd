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
