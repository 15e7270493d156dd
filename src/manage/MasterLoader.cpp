#include "manage/MasterLoader.h"

#include "golfdb/StoreText.h"
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
    thread_ = std::thread(
        [this, &master, filter = std::move(stateFilter), &poster] { walk(master, filter, poster, stop_); });
}

void MasterLoader::join() {
    if (thread_.joinable())
        thread_.join();
}

void MasterLoader::walk(golfdb::CourseTable& master, const std::string& stateFilter, MasterPoster& poster,
                        const std::atomic<bool>& stop) {
    // Only the three texts that make a group are read: decoding every hole of tens of thousands of
    // rows would cost most of the walk.
    store::Table* table = master.storeTable();
    store::Field* nameField = table ? store::fieldByName(table, "NAME") : nullptr;
    store::Field* cityField = table ? store::fieldByName(table, "CITY") : nullptr;
    store::Field* stateField = table ? store::fieldByName(table, "STATE") : nullptr;
    if (nameField && cityField && stateField) {
        std::string lastName, lastCity, lastState;
        bool sent = false;
        for (int rc = store::goTop(table); rc == store::storeOk && !stop; rc = store::skipRecords(table, 1)) {
            std::string state = golfdb::trimRight(store::fieldText(stateField));
            if (!stateFilter.empty() && !equalFolded(golfdb::fromStoreText(state), stateFilter))
                continue;
            std::string name = golfdb::trimRight(store::fieldText(nameField));
            std::string city = golfdb::trimRight(store::fieldText(cityField));
            if (sent && name == lastName && city == lastCity && state == lastState)
                continue;
            poster.postGroup({golfdb::fromStoreText(name), golfdb::fromStoreText(city),
                              golfdb::fromStoreText(state), store::recordNumber(table)});
            lastName = std::move(name);
            lastCity = std::move(city);
            lastState = std::move(state);
            sent = true;
        }
    }
    poster.postEnd();
}

} // namespace kip::manage
