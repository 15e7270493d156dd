#pragma once
// A poster that queues the loader's messages until the receiving thread pumps them into the dialog:
// the command-line companion, the tests and the benchmarks use it where the window uses its event
// queue.

#include "manage/CMergeMaster.h"
#include "manage/MasterLoader.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>

namespace kip::manage {

class QueuedMasterPoster : public MasterPoster {
public:
    void postGroup(MasterGroup group) override;
    void postEnd() override;

    // Hands every queued message to the dialog; true once the end message was handed.
    bool pump(CMergeMaster& dialog);
    // Pumps, waiting for more, until the end message was handed.
    void pumpUntilEnd(CMergeMaster& dialog);

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<std::optional<MasterGroup>> queue_; // nullopt: the end message
};

} // namespace kip::manage
