#include "golfdb/RepairNotes.h"

#include <mutex>

namespace kip::golfdb {
namespace {

std::mutex notesMutex;

struct Notes {
    RepairListener listener;
    std::vector<std::string> kept;
};

Notes& notes() {
    static Notes all;
    return all;
}

} // namespace

void setRepairListener(RepairListener listener) {
    const std::lock_guard<std::mutex> guard(notesMutex);
    notes().listener = std::move(listener);
}

void noteRepair(const std::string& text) {
    RepairListener listener;
    {
        const std::lock_guard<std::mutex> guard(notesMutex);
        if (!notes().listener) {
            notes().kept.push_back(text);
            return;
        }
        listener = notes().listener;
    }
    listener(text);
}

std::vector<std::string> takeRepairNotes() {
    const std::lock_guard<std::mutex> guard(notesMutex);
    std::vector<std::string> taken;
    taken.swap(notes().kept);
    return taken;
}

std::string rebuiltIndexNote(const std::string& tableName) {
    return "The index of the " + tableName +
           " table did not match its rows and has been rebuilt from the table.";
}

} // namespace kip::golfdb
