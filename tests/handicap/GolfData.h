#pragma once
// A fresh golf database in a temporary folder, with helpers to add golfers and rounds.

#include "golfdb/CKipGolfDoc.h"
#include "support/Doubles.h"
#include "support/TempDir.h"

#include <string>

namespace kip::handicap::testing {

struct RoundSpec {
    std::string golfer;
    int year = 2024;
    int month = 6;
    int day = 1;
    double differential = 0.0;
    int gross = 85;
    std::string course = "Alder Run";
};

class GolfData {
public:
    GolfData();
    ~GolfData();

    golfdb::CKipGolfDoc& doc() { return *doc_; }
    golfdb::ScoreTable& scores() { return doc_->scoreTable(); }
    golfdb::GolferTable& golfers() { return doc_->golferTable(); }

    void addGolfer(const std::string& name, double handicap = 0.0, int rounds = 0);
    // Appends a total-only round with the given stored differential; returns its record number.
    long addRound(const RoundSpec& spec);
    // Appends rounds dated one day apart, oldest first, from the differentials given newest first.
    std::vector<long> addRoundsNewestFirst(const std::string& golfer,
                                           const std::vector<double>& differentials, int startYear = 2024);
    long addInitialRound(const std::string& golfer, double startingIndex, int roundCount);
    golfdb::GolferRecord golfer(const std::string& name);
    // Closes the document and opens the same folder again, so values come back from the files.
    void reopen();

    test::TempDir dir;
    test::ScriptedPrompter prompter;
    test::CountingWaitCursor cursor;

private:
    std::unique_ptr<golfdb::CKipGolfDoc> doc_;
};

} // namespace kip::handicap::testing
