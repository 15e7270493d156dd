#include "manage/MasterLoader.h"

#include "manage/ListOrder.h"
#include "store/TableStore.h"

namespace kip::manage {

MasterLoader::~MasterLoader() {
    stop_ = true;
    join();
}

void MasterLoader::start(golfdb::CourseTable& master, std::string stateFilter, MasterPoster& poster) {
    join();
    stop_ = false;
    thread_ = std::thread([this, &master, filter = std::move(stateFilter), &poster] {
        walk(master, filter, poster, stop_);
    });
}

void MasterLoader::join() {
    if (thread_.joinable())
        thread_.join();
}

void MasterLoader::walk(golfdb::CourseTable& master, const std::string& stateFilter, MasterPoster& poster,
                        const std::atomic<bool>& stop) {
    MasterGroup last;
    bool sent = false;
    for (int rc = master.goTop(); rc == store::storeOk && !stop; rc = master.skip()) {
        const golfdb::CourseRecord& row = master.record();
        if (!stateFilter.empty() && !equalFolded(row.state, stateFilter))
            continue;
        if (sent && row.name == last.name && row.city == last.city && row.state == last.state)
            continue;
        last = {row.name, row.city, row.state, master.recordNumber()};
        sent = true;
        poster.postGroup(last);
    }
    poster.postEnd();
}

} // namespace kip::manage
