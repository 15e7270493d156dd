#pragma once
// The master loader: a worker thread that walks the master course table in tag order and posts one
// message per course group (another tee of the same course is skipped) and then the end message.
// While it runs it alone reads the master table object; the dialog waits for the end message.

#include "golfdb/CourseTable.h"

#include <atomic>
#include <string>
#include <thread>

namespace kip::manage {

struct MasterGroup {
    std::string name, city, state;
    long record = 0; // the group's first row in the master table
};

// Carries the loader's messages to the interface thread. post is called on the loader's thread; the
// receiver handles the messages on its own thread in the order they were posted.
class MasterPoster {
public:
    virtual ~MasterPoster() = default;
    virtual void postGroup(MasterGroup group) = 0;
    virtual void postEnd() = 0;
};

class MasterLoader {
public:
    MasterLoader() = default;
    ~MasterLoader(); // asks a running walk to stop and waits for it
    MasterLoader(const MasterLoader&) = delete;
    MasterLoader& operator=(const MasterLoader&) = delete;

    // stateFilter: empty for every state, else compared whole ignoring letter case.
    void start(golfdb::CourseTable& master, std::string stateFilter, MasterPoster& poster);
    // Waits for the thread (after its end message it has nothing left to do).
    void join();
    bool running() const { return thread_.joinable(); }

    // The walk itself, on the calling thread.
    static void walk(golfdb::CourseTable& master, const std::string& stateFilter, MasterPoster& poster,
                     const std::atomic<bool>& stop);

private:
    std::thread thread_;
    std::atomic<bool> stop_{false};
};

} // namespace kip::manage
