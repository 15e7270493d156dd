#pragma once
// A fresh golf database in a temporary folder, with short ways to add golfers and rounds.

#include "golfdb/CKipGolfDoc.h"
#include "handicap/Differential.h"
#include "support/Doubles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace kip::handicap::testing {

struct RoundSpec {
    std::string golfer;
    int year, month, day;
    double differential;
    int gross = 85;
    std::string course = "Alder Run";
};

class GolfData {
public:
    explicit GolfData(const std::string& subfolder = "") : folder(dir.path() + subfolder) {
        std::filesystem::create_directories(folder);
        reopen();
    }

    golfdb::CKipGolfDoc& doc() { return *doc_; }
    golfdb::ScoreTable& scores() { return doc_->scoreTable(); }
    golfdb::GolferTable& golfers() { return doc_->golferTable(); }

    // Closes the document and opens the folder again, so values come back from the files.
    void reopen() {
        doc_.reset();
        doc_ = std::make_unique<golfdb::CKipGolfDoc>(folder, prompter, &cursor, 2026);
        EXPECT_NE(doc_->openDatabase(), golfdb::OpenOutcome::EndProgram);
        prompter.shown.clear();
    }

    void addGolfer(const std::string& name, double handicap = 0.0, int rounds = 0) {
        golfers().record().clear();
        golfers().record().name = name;
        golfers().record().handicapIndex = handicap;
        golfers().record().handicapRounds = rounds;
        EXPECT_EQ(golfers().add(), 0) << name;
    }

    golfdb::GolferRecord golfer(const std::string& name) {
        EXPECT_EQ(golfers().find(name), 0) << name;
        return golfers().record();
    }

    // A total-only round with the given stored differential; returns its record number.
    long addRound(const RoundSpec& wanted) {
        auto& round = scores().record();
        round.clear();
        round.golfer = wanted.golfer;
        round.name = wanted.course;
        round.slope = 113;
        round.flags = golfdb::flagTotalOnly | golfdb::flagNoFairwayStats;
        round.year = wanted.year;
        round.month = wanted.month;
        round.day = wanted.day;
        round.totalStrokes = wanted.gross;
        round.differential = wanted.differential;
        EXPECT_EQ(scores().add(), 0);
        return scores().recordNumber();
    }

    // One round a day from the differentials given newest first; record numbers in the same order.
    std::vector<long> addRounds(const std::string& golfer, const std::vector<double>& newestFirst) {
        std::vector<long> records(newestFirst.size());
        for (std::size_t age = newestFirst.size(); age-- > 0;) {
            const int a = static_cast<int>(age);
            records[age] =
                addRound({golfer, 2024 - a / 300, 12 - a % 300 / 25, 28 - a % 25, newestFirst[age]});
        }
        return records;
    }

    long addInitialRound(const std::string& golfer, double startingIndex, int roundCount) {
        buildInitialHandicapRound(scores().record(), golfer, startingIndex, roundCount);
        EXPECT_EQ(scores().add(), 0);
        return scores().recordNumber();
    }

    test::TempDir dir;
    std::string folder;
    test::ScriptedPrompter prompter;
    test::CountingWaitCursor cursor;

private:
    std::unique_ptr<golfdb::CKipGolfDoc> doc_;
};

} // namespace kip::handicap::testing
