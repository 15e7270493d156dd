#include "stats/QueuedRoundPoster.h"

namespace kip::stats {

void QueuedRoundPoster::postLines(std::vector<RoundLine> lines) {
    {
        std::lock_guard lock(mutex_);
        queue_.emplace_back(std::move(lines));
    }
    arrived_.notify_one();
}

void QueuedRoundPoster::postDone() {
    {
        std::lock_guard lock(mutex_);
        queue_.emplace_back(std::nullopt);
    }
    arrived_.notify_one();
}

bool QueuedRoundPoster::pump(CListRounds& dialog) {
    std::deque<std::optional<std::vector<RoundLine>>> taken;
    {
        std::lock_guard lock(mutex_);
        taken.swap(queue_);
    }
    for (auto& message : taken) {
        if (!message) {
            dialog.receiveDone();
            return true;
        }
        dialog.receiveLines(std::move(*message));
    }
    return false;
}

void QueuedRoundPoster::pumpUntilDone(CListRounds& dialog) {
    while (!pump(dialog)) {
        std::unique_lock lock(mutex_);
        arrived_.wait(lock, [this] { return !queue_.empty(); });
    }
}

} // namespace kip::stats
