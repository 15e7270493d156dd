// Random appends, key changes, deletions and packs on a table with two tags, compared step by step
// with a plain model of what the tags must hold.

#include "TableTestTools.h"
#include "store/DbfExaminer.h"
#include "store/TableStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

namespace kip::store {
namespace {

struct Row {
    std::string golfer, date;
    bool deleted = false;
};

class TableModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::vector<FieldSpec> fields = {
            {"GOLFER", 'C', 6, 0}, {"DATE", 'C', 4, 0}, {"NOTE", 'C', 3, 0}};
        const std::vector<TagSpec> tags = {
            {"NEWEST", "GOLFER+DATE", ".NOT. DELETED()", uniqueNone, orderDescending},
            {"BYDATE", "DATE+GOLFER", ".NOT. DELETED()", uniqueRefuse, orderAscending}};
        t = createTable(ctx, dir.file("Model"), fields, tags);
        ASSERT_NE(t, nullptr);
    }

    std::string golfer() { return "G" + std::to_string(random() % 12); }
    std::string date() { return std::to_string(1000 + random() % 40); }
    static std::string padded(const std::string& s, size_t n) { return s + std::string(n - s.size(), ' '); }

    bool keyTaken(const std::string& g, const std::string& d, long except) const {
        for (const auto& [r, row] : rows)
            if (r != except && !row.deleted && row.golfer == g && row.date == d)
                return true;
        return false;
    }

    std::vector<long> expected(bool newest) const {
        std::vector<std::pair<std::string, long>> keys;
        for (const auto& [r, row] : rows)
            if (!row.deleted)
                keys.emplace_back(
                    newest ? padded(row.golfer, 6) + row.date : row.date + padded(row.golfer, 6), r);
        std::sort(keys.begin(), keys.end());
        if (newest)
            std::reverse(keys.begin(), keys.end());
        std::vector<long> order;
        for (const auto& k : keys)
            order.push_back(k.second);
        return order;
    }

    void compareWalks() {
        selectTag(t, findTag(t, "NEWEST"));
        ASSERT_EQ(test::walk(t), expected(true));
        selectTag(t, findTag(t, "BYDATE"));
        ASSERT_EQ(test::walk(t), expected(false));
    }

    void append() {
        const std::string g = golfer(), d = date();
        const int rc = test::appendRow(t, {{"GOLFER", g}, {"DATE", d}});
        if (keyTaken(g, d, 0)) {
            ASSERT_EQ(rc, storeDuplicateKey);
            return;
        }
        ASSERT_EQ(rc, storeOk);
        rows[recordNumber(t)] = {g, d};
    }

    long liveRecord() {
        std::vector<long> live;
        for (const auto& [r, row] : rows)
            if (!row.deleted)
                live.push_back(r);
        return live.empty() ? 0 : live[random() % live.size()];
    }

    void change() {
        const long r = liveRecord();
        if (r == 0)
            return;
        const std::string g = golfer(), d = date();
        ASSERT_EQ(goRecord(t, r), storeOk);
        blankRecord(t);
        assignText(fieldByName(t, "GOLFER"), g);
        assignText(fieldByName(t, "DATE"), d);
        const int rc = flushTable(t);
        if (keyTaken(g, d, r)) {
            ASSERT_EQ(rc, storeDuplicateKey);
            return;
        }
        ASSERT_EQ(rc, storeOk);
        rows[r].golfer = g;
        rows[r].date = d;
    }

    // Deletes the records of one golfer while walking the descending tag, as the golf tables do.
    void deleteGolferWhileWalking() {
        selectTag(t, findTag(t, "NEWEST"));
        const std::string g = golfer();
        for (int rc = seekKey(t, padded(g, 6) + "9999"); rc == storeOk || rc == storeAfter;
             rc = skipRecords(t, 1)) {
            if (fieldText(fieldByName(t, "GOLFER")) != padded(g, 6))
                break;
            if (random() % 2 == 0) {
                deleteRecord(t);
                ASSERT_EQ(flushTable(t), storeOk);
                rows[recordNumber(t)].deleted = true;
            }
        }
    }

    void pack() {
        ASSERT_EQ(packTable(t), storeOk);
        std::map<long, Row> packed;
        long next = 1;
        for (const auto& [r, row] : rows)
            if (!row.deleted)
                packed[next++] = row;
        rows = packed;
        ASSERT_EQ(recordCount(t), static_cast<long>(rows.size()));
    }

    test::TempDir dir;
    TableContext ctx;
    Table* t = nullptr;
    std::map<long, Row> rows;
    std::mt19937 random{424242};
};

TEST_F(TableModelTest, TagsFollowEveryWriteDeleteAndPack) {
    for (int step = 1; step <= 1500 && !HasFatalFailure(); ++step) {
        const unsigned choice = random() % 10;
        if (choice < 6)
            append();
        else if (choice < 9)
            change();
        else
            deleteGolferWhileWalking();
        if (step % 100 == 0)
            compareWalks();
        if (step % 500 == 0)
            pack();
    }
    ASSERT_FALSE(HasFatalFailure());
    compareWalks();
    EXPECT_GT(rows.size(), 60u); // the run kept a table worth walking
    ASSERT_EQ(closeTable(t), storeOk);

    DbfExaminer examiner;
    ASSERT_EQ(examiner.open(dir.file("Model.dbf")), storeOk);
    EXPECT_EQ(examiner.check(), std::vector<std::string>{});
    t = openTable(ctx, dir.file("Model"));
    ASSERT_NE(t, nullptr);
    setUniqueMode(findTag(t, "BYDATE"), uniqueRefuse);
    compareWalks();
}

} // namespace
} // namespace kip::store
