#include "manage/QueuedMasterPoster.h"

namespace kip::manage {

void QueuedMasterPoster::postGroup(MasterGroup group) {
    {
        const std::lock_guard lock(mutex_);
        queue_.emplace_back(std::move(group));
    }
    arrived_.notify_one();
}

void QueuedMasterPoster::postEnd() {
    {
        const std::lock_guard lock(mutex_);
        queue_.emplace_back(std::nullopt);
    }
    arrived_.notify_one();
}

bool QueuedMasterPoster::pump(CMergeMaster& dialog) {
    std::deque<std::optional<MasterGroup>> taken;
    {
        const std::lock_guard lock(mutex_);
        taken.swap(queue_);
    }
    for (auto& message : taken) {
        if (!message) {
            dialog.receiveEnd();
            return true;
        }
        dialog.receiveGroup(std::move(*message));
    }
    return false;
}

void QueuedMasterPoster::pumpUntilEnd(CMergeMaster& dialog) {
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            arrived_.wait(lock, [this] { return !queue_.empty(); });
        }
        if (pump(dialog))
            return;
    }
}

} // namespace kip::manage
