// In-place changes against a model: thousands of random inserts and removes must leave the tree equal
// to a std::set, structurally sound on disk (checked by verify) and equal again after reopening.

#include "store/CompoundIndex.h"
#include "store/TableStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <filesystem>
#include <random>
#include <set>
#include <sys/resource.h>

using namespace kip::store;
using kip::test::TempDir;

namespace {

using Pair = std::pair<std::string, uint32_t>;
using Model = std::set<Pair>;

struct Shape {
    const char* name;
    int keyLength;
    uint32_t maxRecord; // beyond what three-byte entries hold, so entry widths must grow
    int alphabet;       // few distinct bytes: long shared prefixes and many equal keys
};

class RandomKeys {
public:
    RandomKeys(const Shape& shape, unsigned seed) : shape_(shape), rng_(seed) {}

    // Golfer-name-like prefix, a short varying middle, blank padding: exercises dup and trail.
    std::string key() {
        std::string k(shape_.keyLength, ' ');
        const int used = std::uniform_int_distribution<int>(0, shape_.keyLength)(rng_);
        for (int i = 0; i < used; ++i)
            k[i] = static_cast<char>('A' + std::uniform_int_distribution<int>(0, shape_.alphabet - 1)(rng_));
        return k;
    }
    uint32_t record() { return std::uniform_int_distribution<uint32_t>(1, shape_.maxRecord)(rng_); }
    int percent() { return std::uniform_int_distribution<int>(0, 99)(rng_); }
    template <class C> auto pick(const C& c) {
        auto it = c.begin();
        std::advance(it, std::uniform_int_distribution<size_t>(0, c.size() - 1)(rng_));
        return *it;
    }

private:
    Shape shape_;
    std::mt19937 rng_;
};

std::vector<IndexTagInfo> tagFor(const Shape& shape) {
    return {{"T", "KEY", "", shape.keyLength, true, false, false}};
}

void expectEqualToModel(CompoundIndex& index, const Model& model) {
    ASSERT_EQ(static_cast<long>(model.size()), index.keyCount(0));
    IndexEntry e;
    int rc = index.first(0, e);
    for (const Pair& p : model) {
        ASSERT_EQ(storeOk, rc);
        ASSERT_EQ(p.first, e.key);
        ASSERT_EQ(p.second, e.record);
        rc = index.next(0, e.key, e.record, e);
    }
    EXPECT_EQ(storeEof, rc);
    std::string problem;
    ASSERT_EQ(storeOk, index.verify(0, problem)) << problem;
}

// Inserts count random pairs into tag 0 of the index and into the model.
void insertRandom(CompoundIndex& index, RandomKeys& random, Model& model, int count) {
    for (int i = 0; i < count; ++i) {
        const Pair p{random.key(), random.record()};
        model.insert(p);
        ASSERT_EQ(storeOk, index.insert(0, p.first, p.second));
    }
}

class TreeShape : public ::testing::TestWithParam<Shape> {};

TEST_P(TreeShape, RandomInsertsAndRemovesMatchASetBeforeAndAfterReopen) {
    const Shape shape = GetParam();
    TempDir dir;
    const std::string path = dir.file("t.cdx");
    std::unique_ptr<CompoundIndex> index;
    ASSERT_EQ(storeOk, CompoundIndex::create(path, tagFor(shape), index));
    RandomKeys random(shape, 7);
    Model model;
    for (int op = 1; op <= 6000; ++op) {
        if (random.percent() < 65 || model.empty()) {
            const Pair p{random.key(), random.record()};
            ASSERT_EQ(storeOk, index->insert(0, p.first, p.second));
            model.insert(p);
        } else {
            const Pair p = random.percent() < 90 ? random.pick(model) : Pair{random.key(), random.record()};
            ASSERT_EQ(storeOk, index->remove(0, p.first, p.second));
            model.erase(p);
        }
        if (op % 1500 == 0) {
            ASSERT_NO_FATAL_FAILURE(expectEqualToModel(*index, model));
        }
    }
    ASSERT_EQ(storeOk, index->close());
    index.reset();
    ASSERT_EQ(storeOk, CompoundIndex::open(path, false, index));
    ASSERT_NO_FATAL_FAILURE(expectEqualToModel(*index, model));

    // Emptying the tag merges and frees pages until one empty root leaf is left.
    while (!model.empty()) {
        const Pair p = random.pick(model);
        ASSERT_EQ(storeOk, index->remove(0, p.first, p.second));
        model.erase(p);
    }
    ASSERT_NO_FATAL_FAILURE(expectEqualToModel(*index, model));
    IndexEntry e;
    EXPECT_EQ(storeEof, index->first(0, e));
    EXPECT_EQ(storeEof, index->last(0, e));
}

TEST_P(TreeShape, NavigationFromPairsThatAreNotInTheTree) {
    const Shape shape = GetParam();
    TempDir dir;
    std::unique_ptr<CompoundIndex> index;
    ASSERT_EQ(storeOk, CompoundIndex::create(dir.file("n.cdx"), tagFor(shape), index));
    RandomKeys random(shape, 11);
    Model model;
    ASSERT_NO_FATAL_FAILURE(insertRandom(*index, random, model, 2000));
    for (int i = 0; i < 400; ++i) {
        // Half of the probes were just removed, as when the table layer deletes while walking.
        Pair probe{random.key(), random.record()};
        if (i % 2 == 0) {
            probe = random.pick(model);
            model.erase(probe);
            ASSERT_EQ(storeOk, index->remove(0, probe.first, probe.second));
        }
        IndexEntry e;
        const auto above = model.upper_bound(probe);
        const int rcNext = index->next(0, probe.first, probe.second, e);
        if (above == model.end()) {
            EXPECT_EQ(storeEof, rcNext);
        } else {
            ASSERT_EQ(storeOk, rcNext);
            EXPECT_EQ(*above, Pair(e.key, e.record));
        }
        const auto below = model.lower_bound(probe);
        const int rcPrevious = index->previous(0, probe.first, probe.second, e);
        if (below == model.begin()) {
            EXPECT_EQ(storeEof, rcPrevious);
        } else {
            ASSERT_EQ(storeOk, rcPrevious);
            EXPECT_EQ(*std::prev(below), Pair(e.key, e.record));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, TreeShape,
                         ::testing::Values(Shape{"ScoresLike", 48, 300000, 3}, Shape{"Widest", 240, 70000, 2},
                                           Shape{"Short", 4, 5000000, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

// Tags share one file and one free list: pages one tag frees are taken by the other.
TEST(CompoundIndexTree, TwoTagsChangingTogetherStayApart) {
    TempDir dir;
    const std::string path = dir.file("two.cdx");
    const Shape narrow{"", 10, 70000, 3}, wide{"", 95, 70000, 3};
    std::unique_ptr<CompoundIndex> index;
    ASSERT_EQ(storeOk, CompoundIndex::create(path,
                                             {{"NARROW", "A", "", 10, true, false, false},
                                              {"WIDE", "B", ".NOT. DELETED()", 95, true, true, false}},
                                             index));
    RandomKeys narrowKeys(narrow, 1), wideKeys(wide, 2);
    std::array<Model, 2> models;
    for (int op = 0; op < 4000; ++op) {
        const int tag = op % 2;
        RandomKeys& random = tag == 0 ? narrowKeys : wideKeys;
        Model& model = models[tag];
        if (random.percent() < 55 || model.empty()) {
            const Pair p{random.key(), random.record()};
            ASSERT_EQ(storeOk, index->insert(tag, p.first, p.second));
            model.insert(p);
        } else {
            const Pair p = random.pick(model);
            ASSERT_EQ(storeOk, index->remove(tag, p.first, p.second));
            model.erase(p);
        }
        if (op % 400 == 0) {
            ASSERT_EQ(storeOk, index->flush());
        }
    }
    ASSERT_EQ(storeOk, index->close());
    index.reset();
    ASSERT_EQ(storeOk, CompoundIndex::open(path, false, index));
    for (int tag = 0; tag < 2; ++tag) {
        Model& model = models[tag];
        ASSERT_EQ(static_cast<long>(model.size()), index->keyCount(tag));
        IndexEntry e;
        int rc = index->first(tag, e);
        for (const Pair& p : model) {
            ASSERT_EQ(storeOk, rc);
            ASSERT_EQ(p, Pair(e.key, e.record));
            rc = index->next(tag, e.key, e.record, e);
        }
        EXPECT_EQ(storeEof, rc);
        std::string problem;
        EXPECT_EQ(storeOk, index->verify(tag, problem)) << problem;
    }
}

TEST(CompoundIndexTree, SeeksByPrefixMatchAModel) {
    TempDir dir;
    std::unique_ptr<CompoundIndex> index;
    ASSERT_EQ(storeOk,
              CompoundIndex::create(dir.file("s.cdx"), {{"T", "K", "", 12, true, false, true}}, index));
    RandomKeys random({"", 12, 5000, 4}, 3);
    Model model;
    ASSERT_NO_FATAL_FAILURE(insertRandom(*index, random, model, 3000));
    for (int i = 0; i < 300; ++i) {
        const std::string prefix = random.key().substr(0, 1 + i % 12);
        IndexEntry e;
        auto atOrAbove = std::find_if(model.begin(), model.end(), [&](const Pair& p) {
            return p.first.compare(0, prefix.size(), prefix) >= 0;
        });
        const int rc = index->seekFirstAtOrAbove(0, prefix, e);
        if (atOrAbove == model.end()) {
            EXPECT_EQ(storeEof, rc);
        } else {
            ASSERT_EQ(storeOk, rc);
            EXPECT_EQ(*atOrAbove, Pair(e.key, e.record));
        }
        auto atOrBelow = std::find_if(model.rbegin(), model.rend(), [&](const Pair& p) {
            return p.first.compare(0, prefix.size(), prefix) <= 0;
        });
        const int rc2 = index->seekLastAtOrBelow(0, prefix, e);
        if (atOrBelow == model.rend()) {
            EXPECT_EQ(storeEof, rc2);
        } else {
            ASSERT_EQ(storeOk, rc2);
            EXPECT_EQ(*atOrBelow, Pair(e.key, e.record));
        }
    }
}

TEST(CompoundIndexTree, DeleteAndInsertChurnReusesFreedPages) {
    TempDir dir;
    const std::string path = dir.file("c.cdx");
    std::unique_ptr<CompoundIndex> index;
    const Shape shape{"", 48, 60000, 3};
    ASSERT_EQ(storeOk, CompoundIndex::create(path, tagFor(shape), index));
    RandomKeys random(shape, 5);
    std::vector<Pair> pairs;
    for (int i = 0; i < 3000; ++i)
        pairs.emplace_back(random.key(), random.record());
    uintmax_t firstSize = 0;
    for (int round = 0; round < 4; ++round) {
        for (const Pair& p : pairs)
            ASSERT_EQ(storeOk, index->insert(0, p.first, p.second));
        ASSERT_EQ(storeOk, index->flush());
        const uintmax_t size = std::filesystem::file_size(path);
        if (round == 0)
            firstSize = size;
        EXPECT_EQ(firstSize, size) << "round " << round;
        for (const Pair& p : pairs)
            ASSERT_EQ(storeOk, index->remove(0, p.first, p.second));
        ASSERT_EQ(storeOk, index->flush());
        std::string problem;
        ASSERT_EQ(storeOk, index->verify(0, problem)) << problem;
    }
    // A rebuild also takes its pages from the free list before the file grows.
    std::vector<IndexEntry> entries;
    for (const Pair& p : pairs)
        entries.push_back({p.first, p.second});
    ASSERT_EQ(storeOk, index->rebuild(0, entries));
    ASSERT_EQ(storeOk, index->flush());
    EXPECT_GE(firstSize, std::filesystem::file_size(path));
    std::string problem;
    EXPECT_EQ(storeOk, index->verify(0, problem)) << problem;
}

TEST(CompoundIndexTree, InsertingAnExistingPairOrRemovingAnAbsentOneChangesNothing) {
    TempDir dir;
    const std::string path = dir.file("d.cdx");
    std::unique_ptr<CompoundIndex> index;
    ASSERT_EQ(storeOk, CompoundIndex::create(path, {{"T", "K", "", 5, true, false, false}}, index));
    ASSERT_EQ(storeOk, index->insert(0, "ABC  ", 1));
    ASSERT_EQ(storeOk, index->insert(0, "ABC  ", 1));
    ASSERT_EQ(storeOk, index->remove(0, "ABC  ", 2));
    ASSERT_EQ(storeOk, index->remove(0, "ABD  ", 1));
    EXPECT_EQ(1, index->keyCount(0));
    EXPECT_EQ(storeErrArgument, index->insert(0, "ABC", 1));
    EXPECT_EQ(storeErrArgument, index->insert(1, "ABC  ", 1));
    ASSERT_EQ(storeOk, index->flush());
    const std::string before = kip::test::readFile(path);
    ASSERT_EQ(storeOk, index->flush());
    EXPECT_EQ(before, kip::test::readFile(path));
    ASSERT_EQ(storeOk, index->close());
    EXPECT_EQ(storeErrState, index->insert(0, "XYZ  ", 5));
    EXPECT_EQ(storeErrState, index->remove(0, "ABC  ", 1));
    EXPECT_EQ(before, kip::test::readFile(path));
}

// The file may not grow (as on a full disk): flush must say so, and a later flush must still write
// everything that was changed.
TEST(CompoundIndexTree, AFailedFlushReportsAnErrorAndCanBeRepeated) {
    TempDir dir;
    const std::string path = dir.file("w.cdx");
    std::unique_ptr<CompoundIndex> index;
    const Shape shape{"", 48, 60000, 3};
    ASSERT_EQ(storeOk, CompoundIndex::create(path, tagFor(shape), index));
    RandomKeys random(shape, 9);
    Model model;
    ASSERT_NO_FATAL_FAILURE(insertRandom(*index, random, model, 2000));
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit normal{};
    ASSERT_EQ(0, getrlimit(RLIMIT_FSIZE, &normal));
    rlimit capped = normal;
    capped.rlim_cur = std::filesystem::file_size(path);
    ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &capped));
    const int failed = index->flush();
    setrlimit(RLIMIT_FSIZE, &normal);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(storeErrWrite, failed);
    ASSERT_EQ(storeOk, index->close());
    index.reset();
    ASSERT_EQ(storeOk, CompoundIndex::open(path, false, index));
    expectEqualToModel(*index, model);
}

} // namespace
