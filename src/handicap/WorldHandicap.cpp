#include "handicap/WorldHandicap.h"

#include <algorithm>
#include <numeric>

namespace kip::handicap::whs {
namespace {

constexpr int standardSlope = 113;
constexpr int window = 20;
constexpr int softCapFrom = 30;  // tenths above the low index before the soft cap applies
constexpr int hardCapAbove = 50; // tenths above the low index the index never passes
constexpr int moderateExceptional = 70;
constexpr int greatExceptional = 100;
constexpr int daysInYear = 365;

long long floorDiv(long long numerator, long long denominator) {
    const long long quotient = numerator / denominator;
    return (numerator % denominator != 0 && (numerator < 0) != (denominator < 0)) ? quotient - 1 : quotient;
}

// A slope of 0 or less (no rating known) counts as a course of standard difficulty, as the legacy
// differential does, so nothing divides by zero.
int usableSlope(int slope) {
    return slope > 0 ? slope : standardSlope;
}

} // namespace

long long roundHalfUp(long long numerator, long long denominator) {
    return floorDiv(2 * numerator + denominator, 2 * denominator);
}

int courseHandicap(int indexTenths, int slope, int ratingTenths, int par) {
    const long long s = usableSlope(slope);
    const long long numerator = static_cast<long long>(indexTenths) * s +
                                static_cast<long long>(standardSlope) * (ratingTenths - 10LL * par);
    return static_cast<int>(roundHalfUp(numerator, 10LL * standardSlope));
}

int strokesReceived(int courseHandicap, int strokeIndex) {
    if (strokeIndex == noStrokeIndex)
        return courseHandicap > 0 ? (courseHandicap + holes - 1) / holes : 0;
    if (courseHandicap >= 0)
        return courseHandicap / holes + (strokeIndex <= courseHandicap % holes ? 1 : 0);
    const int plus = -courseHandicap;
    return -(plus / holes + (strokeIndex > holes - plus % holes ? 1 : 0));
}

int holeMaximum(int par, std::optional<int> courseHandicap, int strokeIndex) {
    if (!courseHandicap)
        return par + 5;
    return par + 2 + strokesReceived(*courseHandicap, strokeIndex);
}

int adjustedGross(const PlayedRound& round, std::optional<int> indexInEffect) {
    if (round.totalOnly)
        return round.total;
    int par = 0;
    for (int hole = 1; hole <= holes; ++hole)
        par += round.par[static_cast<std::size_t>(hole)];
    std::optional<int> handicap;
    if (indexInEffect)
        handicap = courseHandicap(*indexInEffect, round.slope, round.ratingTenths, par);
    int adjusted = 0;
    for (std::size_t hole = 1; hole <= holes; ++hole)
        adjusted += std::min<int>(round.strokes[hole],
                                  holeMaximum(round.par[hole], handicap, round.strokeIndex[hole]));
    return adjusted;
}

Differential scoreDifferential(int adjustedGross, int ratingTenths, int slope, int pcc) {
    Differential d;
    d.slope = usableSlope(slope);
    d.scaled = static_cast<long long>(standardSlope) * (10LL * adjustedGross - ratingTenths - 10LL * pcc);
    return d;
}

int exceptionalReduction(int indexTenths, const Differential& differential) {
    // index - scaled / slope >= limit, multiplied through by the positive slope.
    const long long below = static_cast<long long>(indexTenths) * differential.slope - differential.scaled;
    if (below >= static_cast<long long>(greatExceptional) * differential.slope)
        return 20;
    if (below >= static_cast<long long>(moderateExceptional) * differential.slope)
        return 10;
    return 0;
}

IndexRow indexRow(int k) {
    if (k <= 3)
        return {1, -20};
    if (k == 4)
        return {1, -10};
    if (k == 5)
        return {1, 0};
    if (k == 6)
        return {2, -10};
    if (k <= 8)
        return {2, 0};
    if (k <= 11)
        return {3, 0};
    if (k <= 14)
        return {4, 0};
    if (k <= 16)
        return {5, 0};
    if (k <= 18)
        return {6, 0};
    if (k == 19)
        return {7, 0};
    return {8, 0};
}

namespace {

// The step 5 average of k values (at most 20), which it reorders.
std::optional<int> averageOf(int* values, int k) {
    if (k < 3)
        return std::nullopt;
    const IndexRow row = indexRow(k);
    std::nth_element(values, values + row.used - 1, values + k);
    const long long sum = std::accumulate(values, values + row.used, 0LL);
    const long long average = roundHalfUp(sum, row.used) + row.adjustment;
    return static_cast<int>(std::min<long long>(average, highestIndexTenths));
}

} // namespace

std::optional<int> averagedIndex(const std::vector<int>& differentials) {
    std::array<int, window> values{};
    const int k = static_cast<int>(std::min<std::size_t>(differentials.size(), window));
    std::copy(differentials.end() - k, differentials.end(), values.begin());
    return averageOf(values.data(), k);
}

CappedIndex capped(int averageTenths, int lowTenths) {
    CappedIndex out{averageTenths, false, false};
    const int rise = averageTenths - lowTenths;
    if (rise <= softCapFrom)
        return out;
    // A - (d - 3.0) / 2 in half tenths, rounded half up to a tenth.
    out.tenths = static_cast<int>(roundHalfUp(2LL * averageTenths - (rise - softCapFrom), 2));
    out.softCapped = true;
    if (out.tenths > lowTenths + hardCapAbove) {
        out.tenths = lowTenths + hardCapAbove;
        out.hardCapped = true;
    }
    return out;
}

int initialDifferential(int storedTenths) {
    // h x 0.96 in hundredths of a tenth, less 0.05 (50 of them) when above 0.
    long long hundredths = 96LL * storedTenths;
    if (hundredths > 0)
        hundredths -= 50;
    return static_cast<int>(roundHalfUp(hundredths, 100));
}

long dayNumber(int year, int month, int day) {
    // Days from civil: March-based years so that the leap day ends the year.
    const long y = static_cast<long>(year) - (month <= 2 ? 1 : 0);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yearOfEra = y - era * 400;
    const long m = month;
    const long dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void Replay::play(const std::vector<PlayedRound>& rounds) {
    record_.clear();
    days_.clear();
    record_.reserve(rounds.size());
    days_.reserve(rounds.size());
    std::size_t first = 0;
    while (first < rounds.size()) {
        const long day = rounds[first].day;
        const bool initial = rounds[first].initial;
        const std::optional<int> inEffect = index();
        std::size_t next = first;
        for (; next < rounds.size() && rounds[next].day == day && rounds[next].initial == initial; ++next)
            playRound(rounds[next], next, inEffect);
        closeDay(day, first, initial);
        first = next;
    }
}

void Replay::playRound(const PlayedRound& round, std::size_t position, std::optional<int> inEffect) {
    if (round.initial) {
        const int tenths = initialDifferential(round.storedTenths);
        for (int copy = 0; copy < round.copies; ++copy)
            record_.push_back({position, 0, tenths, 0});
        return;
    }
    const int adjusted = adjustedGross(round, inEffect);
    const Differential differential = scoreDifferential(adjusted, round.ratingTenths, round.slope, round.pcc);
    record_.push_back({position, adjusted, differential.tenths(), 0});
    if (!inEffect)
        return;
    if (const int reduction = exceptionalReduction(*inEffect, differential); reduction > 0) {
        const std::size_t end = record_.size();
        const std::size_t from = end > window ? end - window : 0;
        for (std::size_t i = from; i < end; ++i)
            record_[i].reduction += reduction;
    }
}

std::vector<std::size_t> Replay::recent() const {
    std::vector<std::size_t> positions;
    const std::size_t from = record_.size() > window ? record_.size() - window : 0;
    for (std::size_t i = from; i < record_.size(); ++i)
        positions.push_back(i);
    return positions;
}

std::vector<std::size_t> Replay::used() const {
    std::vector<std::size_t> positions = recent();
    if (positions.size() < 3)
        return {};
    std::stable_sort(positions.begin(), positions.end(),
                     [&](std::size_t a, std::size_t b) { return record_[a].value() < record_[b].value(); });
    positions.resize(static_cast<std::size_t>(indexRow(static_cast<int>(positions.size())).used));
    return positions;
}

std::optional<int> Replay::index() const {
    return days_.empty() ? std::nullopt : days_.back().index;
}

int Replay::counted() const {
    return days_.empty() || !days_.back().index ? 0 : days_.back().counted;
}

void Replay::closeDay(long day, std::size_t firstRound, bool initial) {
    DayIndex entry;
    entry.day = day;
    entry.firstRound = firstRound;
    entry.initial = initial;
    // Once per day with rounds over a golfer's whole record: kept free of allocations.
    std::array<int, window> values{};
    const std::size_t from = record_.size() > window ? record_.size() - window : 0;
    for (std::size_t i = from; i < record_.size(); ++i)
        values[i - from] = record_[i].value();
    entry.counted = static_cast<int>(record_.size() - from);
    entry.index = averageOf(values.data(), entry.counted);
    if (entry.index && entry.counted == window) {
        entry.low = lowIndexBefore(day);
        if (entry.low) {
            const CappedIndex cap = capped(*entry.index, *entry.low);
            entry.index = cap.tenths;
            entry.softCapped = cap.softCapped;
            entry.hardCapped = cap.hardCapped;
        }
    }
    days_.push_back(entry);
}

// The lowest index from 20 differentials in effect on any of the 365 days before `day`. The index
// after day d is in effect from d + 1 until the day before the next day with rounds.
std::optional<int> Replay::lowIndexBefore(long day) const {
    const long firstDay = day - daysInYear;
    std::optional<int> low;
    long nextDay = day;
    for (auto it = days_.rbegin(); it != days_.rend(); nextDay = it->day, ++it) {
        if (nextDay - 1 < firstDay)
            break;
        const bool inEffectInWindow = it->day + 1 <= day - 1;
        if (inEffectInWindow && it->index && it->counted == window)
            low = low ? std::min(*low, *it->index) : *it->index;
    }
    return low;
}

} // namespace kip::handicap::whs
