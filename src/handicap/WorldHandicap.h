#pragma once
// The World Handicap System: course handicap, net double bogey, score differential with the playing
// conditions, the index from the 20 most recent differentials with its exceptional-score reductions
// and caps, replayed round by round. Every number is kept in whole tenths (or as an exact fraction),
// because binary doubles get the halves wrong (29.15 is 29.149999... as a double).

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace kip::handicap::whs {

inline constexpr int holes = 18;
inline constexpr int noStrokeIndex = 0;
inline constexpr int highestIndexTenths = 540;
inline constexpr int lowestPcc = -1;
inline constexpr int highestPcc = 3;

// numerator / denominator rounded to a whole number, halves toward +infinity (-1.5 -> -1, 14.5 -> 15).
// denominator must be positive.
long long roundHalfUp(long long numerator, long long denominator);

// index x slope / 113 + (rating - par), rounded half up; index and rating in tenths.
int courseHandicap(int indexTenths, int slope, int ratingTenths, int par);

// Strokes a hole receives (negative: given back) from a course handicap by its stroke index (1 =
// hardest); without a stroke index every hole receives ceil(C / 18) and a plus handicap gives none back.
int strokesReceived(int courseHandicap, int strokeIndex);

// The most a hole counts: par + 5 without a course handicap, else net double bogey.
int holeMaximum(int par, std::optional<int> courseHandicap, int strokeIndex);

// A score differential: 113 / slope x (adjusted gross - rating - PCC). The unrounded value is kept as
// the fraction scaled / slope tenths.
struct Differential {
    long long scaled = 0; // 113 x (adjusted gross - rating - PCC) in tenths
    int slope = 113;
    int tenths() const { return static_cast<int>(roundHalfUp(scaled, slope)); }
};
Differential scoreDifferential(int adjustedGross, int ratingTenths, int slope, int pcc);

// The exceptional-score reduction of a differential against the index in effect: 20 tenths when it
// is 10.0 or more below, 10 when 7.0 or more below, else 0.
int exceptionalReduction(int indexTenths, const Differential& differential);

// How many of k differentials are averaged and what is added (tenths); k from 3 to 20.
struct IndexRow {
    int used = 0;
    int adjustment = 0;
};
IndexRow indexRow(int k);

// The rounded average of step 5 (adjustment added, at most 54.0) from up to 20 differentials in
// tenths; nothing while there are fewer than 3.
std::optional<int> averagedIndex(const std::vector<int>& differentials);

// The soft and hard caps against the low index.
struct CappedIndex {
    int tenths = 0;
    bool softCapped = false;
    bool hardCapped = false;
};
CappedIndex capped(int averageTenths, int lowTenths);

// The differential an initial handicap row stands for: its stored HCINDEX h (tenths) x 0.96, less
// 0.05 when above 0, rounded half up to a tenth.
int initialDifferential(int storedTenths);

// Days since 1970-01-01 of a calendar date.
long dayNumber(int year, int month, int day);

// One row of the replay, in the order played.
struct PlayedRound {
    long day = 0;         // dayNumber of its date
    bool initial = false; // an initial handicap row: `copies` differentials of initialDifferential
    int copies = 1;       //
    int storedTenths = 0; // HCINDEX of an initial handicap row
    bool totalOnly = false;
    int total = 0; // typed total of a total-only round
    int slope = 113;
    int ratingTenths = 0;
    int pcc = 0;
    // Bytes as the rows hold them: a golfer's whole record is copied and reordered on every replay.
    std::array<std::int8_t, holes + 1> par{};
    std::array<std::int8_t, holes + 1> strokes{};
    std::array<std::int8_t, holes + 1> strokeIndex{}; // all 0 when the round has none
};

// The adjusted gross of a round: a total-only round's typed total, else the sum over the holes of the
// strokes limited to the hole maximum under the index in effect (tenths).
int adjustedGross(const PlayedRound& round, std::optional<int> indexInEffect);

// One counted differential of the record.
struct RecordEntry {
    std::size_t round = 0; // position of its round in the replayed sequence
    int adjustedGross = 0; // 0 for an initial handicap copy
    int tenths = 0;        // rounded differential
    int reduction = 0;     // exceptional-score reductions it carries
    int value() const { return tenths - reduction; }
};

// The index after one day with rounds.
struct DayIndex {
    long day = 0;
    std::size_t firstRound = 0; // position of the day's first round in the replayed sequence
    bool initial = false;       // the day of the initial handicap rows
    std::optional<int> index;   // tenths; none while fewer than 3 differentials
    int counted = 0;            // differentials it was computed from (at most 20)
    std::optional<int> low;     // the low index the caps compared with
    bool softCapped = false;
    bool hardCapped = false;
};

class Replay {
public:
    // Rounds must come oldest first; rounds of one day share the index in effect before that day.
    void play(const std::vector<PlayedRound>& rounds);

    const std::vector<RecordEntry>& record() const { return record_; }
    const std::vector<DayIndex>& days() const { return days_; }
    // The index now and the count it came from (0 when there is none).
    std::optional<int> index() const;
    int counted() const;
    // The positions in record() of the 20 most recent entries and, of those, the ones averaged
    // (ascending value, the older of equal ones first).
    std::vector<std::size_t> recent() const;
    std::vector<std::size_t> used() const;

private:
    void playRound(const PlayedRound& round, std::size_t position, std::optional<int> inEffect);
    void closeDay(long day, std::size_t firstRound, bool initial);
    std::optional<int> lowIndexBefore(long day) const;

    std::vector<RecordEntry> record_;
    std::vector<DayIndex> days_;
};

} // namespace kip::handicap::whs
