#include "stats/RoundListWorker.h"

#include "stats/StatsText.h"

namespace kip::stats {
namespace {

// Collects lines and hands them on in batches.
class Batcher {
public:
    Batcher(RoundLinePoster& poster, std::size_t lines)
        : poster_(poster), lines_(lines), since_(Clock::now()) {}

    void add(RoundLine line) {
        batch_.push_back(std::move(line));
        if (batch_.size() >= lines_ || Clock::now() - since_ >= RoundListWorker::batchWait)
            flush();
    }
    void flush() {
        if (!batch_.empty())
            poster_.postLines(std::move(batch_));
        batch_.clear();
        since_ = Clock::now();
    }

private:
    using Clock = std::chrono::steady_clock;
    RoundLinePoster& poster_;
    std::size_t lines_;
    std::vector<RoundLine> batch_;
    Clock::time_point since_;
};

bool listed(const golfdb::ScoreRecord& round, const RoundListParams& p) {
    if (round.isInitialHandicapRound())
        return false;
    if (p.pointsMode && (round.isTotalOnly() || (round.flags & golfdb::flagPointsRound) == 0))
        return false;
    if (!p.courseName.empty() && p.courseName != round.name)
        return false;
    if (!p.teeName.empty() && p.teeName != round.tee)
        return false;
    if (!p.fromKey.empty()) {
        const std::string date = round.dateText();
        if (p.fromKey > date || p.toKey < date)
            return false;
    }
    return true;
}

RoundLine lineOf(golfdb::ScoreRecord& round, long row) {
    RoundLine line;
    line.golfer = round.golfer;
    line.date = formatText("%02d/%02d/%04d", round.month, round.day, round.year);
    line.course = round.name;
    line.tee = round.tee;
    line.score = round.grossScore();
    line.courseHandicap = round.courseHandicap();
    line.net = line.score - line.courseHandicap;
    line.points = (round.flags & golfdb::flagPointsRound) ? round.totalPoints : 0;
    line.row = row;
    return line;
}

} // namespace

RoundListWorker::~RoundListWorker() {
    requestStop();
    join();
}

void RoundListWorker::start(const std::string& dataDir, RoundListParams params, RoundLinePoster& poster) {
    params_ = std::move(params);
    stop_ = false;
    golfers_ = std::make_unique<golfdb::GolferTable>(dataDir + "Golfers");
    scores_ = std::make_unique<golfdb::ScoreTable>(dataDir + "Scores");
    const bool opened = golfers_->open() == store::storeOk && scores_->open() == store::storeOk;
    thread_ = std::thread([this, opened, &poster] {
        if (opened)
            walk(*golfers_, *scores_, params_, poster, stop_);
        else
            poster.postDone();
        scores_->close();
        golfers_->close();
    });
}

void RoundListWorker::join() {
    if (thread_.joinable())
        thread_.join();
}

void RoundListWorker::walk(golfdb::GolferTable& golfers, golfdb::ScoreTable& scores,
                           const RoundListParams& params, RoundLinePoster& poster,
                           const std::atomic<bool>& stop) {
    Batcher batch(poster, params.batchLines);
    for (const long golferRow : params.golferRows) {
        if (stop)
            break;
        if (golfers.goTo(golferRow) != store::storeOk)
            continue;
        const std::string name = golfers.record().name;
        if (scores.findNewest(name) != store::storeOk || scores.record().golfer != name)
            continue;
        int count = 0;
        while (true) {
            golfdb::ScoreRecord& round = scores.record();
            if (listed(round, params)) {
                ++count;
                batch.add(lineOf(round, scores.recordNumber()));
            }
            if (stop || (params.roundsLimit != 0 && count >= params.roundsLimit))
                break;
            if (scores.skip() != store::storeOk || scores.record().golfer != name)
                break;
        }
    }
    batch.flush();
    poster.postDone();
}

} // namespace kip::stats
