#pragma once
// A fresh golf database for the statistics tests, with short ways to add courses, golfers and rounds.

#include "golfdb/CKipGolfDoc.h"
#include "support/Doubles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

namespace kip::stats::testing {

// One hole of a detail round.
struct Hole {
    int par = 4;
    int strokes = 4;
    int putts = 2;
    bool fairway = false;
    bool green = false;
};
using Holes = std::array<Hole, 18>;

// 18 holes of par 4 played in par with two putts.
inline Holes parHoles(int par = 4, int strokes = 4, int putts = 2) {
    Holes holes;
    holes.fill({par, strokes, putts, false, false});
    return holes;
}

struct Round {
    std::string golfer = "Hogan, Ben";
    int year = 2024, month = 6, day = 1;
    std::string course = "Alder Run";
    std::string tee = "Blue";
    int total = 0; // 0: the sum of the holes
};

class StatsData {
public:
    StatsData() {
        doc_ = std::make_unique<golfdb::CKipGolfDoc>(dir.path(), prompter, &cursor, 2024);
        EXPECT_NE(doc_->openDatabase(), golfdb::OpenOutcome::EndProgram);
        prompter.shown.clear();
    }

    golfdb::CKipGolfDoc& doc() { return *doc_; }
    golfdb::ScoreTable& scores() { return doc_->scoreTable(); }

    long addGolfer(const std::string& name) {
        auto& golfers = doc_->golferTable();
        golfers.record().clear();
        golfers.record().name = name;
        EXPECT_EQ(golfers.add(), 0) << name;
        return golfers.recordNumber();
    }

    long addCourse(const std::string& name, const std::string& tee, const std::string& city = "Springfield") {
        auto& courses = doc_->courseTable();
        courses.record().clearCourse();
        courses.record().name = name;
        courses.record().tee = tee;
        courses.record().city = city;
        courses.record().state = "IL";
        courses.record().slope = 120;
        courses.record().rating = 70.5;
        for (int h = 1; h <= 18; ++h)
            courses.record().par[static_cast<std::size_t>(h)] = 4;
        EXPECT_EQ(courses.add(), 0) << name;
        return courses.recordNumber();
    }

    // A hole-by-hole round; extraFlags may add flagNoFairwayStats.
    long addDetail(const Round& r, const Holes& holes, std::uint8_t extraFlags = 0) {
        auto& round = start(r);
        round.flags = extraFlags;
        int total = 0;
        for (std::size_t h = 1; h <= 18; ++h) {
            const Hole& hole = holes[h - 1];
            round.par[h] = static_cast<std::int8_t>(hole.par);
            round.strokes[h] = static_cast<std::int8_t>(hole.strokes);
            round.putts[h] = static_cast<std::int8_t>(hole.putts);
            round.holeFlags[h] = static_cast<std::uint8_t>((hole.fairway ? golfdb::holeFairwayHit : 0) |
                                                           (hole.green ? golfdb::holeGreenInRegulation : 0));
            total += hole.strokes;
        }
        round.totalStrokes = r.total ? r.total : total;
        return finish();
    }

    long addTotalOnly(const Round& r, int total) {
        auto& round = start(r);
        round.flags = golfdb::flagTotalOnly | golfdb::flagNoFairwayStats;
        round.totalStrokes = total;
        return finish();
    }

    test::TempDir dir;
    test::ScriptedPrompter prompter;
    test::CountingWaitCursor cursor;

private:
    golfdb::ScoreRecord& start(const Round& r) {
        auto& round = doc_->scoreTable().record();
        round.clear();
        round.golfer = r.golfer;
        round.name = r.course;
        round.tee = r.tee;
        round.slope = 120;
        round.rating = 70.5;
        round.year = r.year;
        round.month = r.month;
        round.day = r.day;
        return round;
    }
    long finish() {
        EXPECT_EQ(doc_->scoreTable().add(), 0);
        return doc_->scoreTable().recordNumber();
    }

    std::unique_ptr<golfdb::CKipGolfDoc> doc_;
};

} // namespace kip::stats::testing
