// The crash test: a child is killed at random moments of every write sequence; after each kill the
// database opens, no confirmed row is lost or duplicated and every index agrees with its table.
// bench_kill runs many more kills.

#include "support/KillHarness.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace kip::killtest {
namespace {

constexpr int killsPerOperation = 8;

class KillTest : public ::testing::TestWithParam<Operation> {};

TEST_P(KillTest, EveryKillLeavesAWholeDatabase) {
    test::TempDir data;
    test::TempDir saved;
    Harness harness(data.path(), saved.path(), KIP_CLI_PATH, 20, 50,
                    1234u + static_cast<unsigned>(GetParam()));
    harness.setStepsPerChild(25);
    Outcome outcome;
    harness.run(GetParam(), killsPerOperation, outcome);
    EXPECT_EQ(outcome.kills, killsPerOperation);
    EXPECT_EQ(outcome.opened, outcome.kills);
    EXPECT_EQ(outcome.rowsFaulty, 0);
    EXPECT_EQ(outcome.indexFaulty, 0);
    EXPECT_EQ(outcome.mixedSets, 0);
    for (const std::string& f : outcome.faults)
        ADD_FAILURE() << f;
}

INSTANTIATE_TEST_SUITE_P(WriteSequences, KillTest,
                         ::testing::Values(Operation::Append, Operation::Change, Operation::Delete,
                                           Operation::Pack, Operation::Backup, Operation::Restore,
                                           Operation::Recalc),
                         [](const auto& info) { return std::string(operationName(info.param)); });

} // namespace
} // namespace kip::killtest
