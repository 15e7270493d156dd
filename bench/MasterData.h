#pragma once
// The master course list the benchmarks share: a data folder with empty golf tables and a
// KipCourses of masterGroups courses with two tees each, in many states.

#include "BenchData.h"

#include "golfdb/CKipGolfDoc.h"

#include <cstdio>
#include <string>

namespace kip::bench {

inline constexpr int masterGroups = 10000;
inline constexpr int teesPerGroup = 2; // 20,000 rows

struct MasterFolder {
    explicit MasterFolder(const std::string& prefix) : folder(prefix), doc(folder.folder(), prompter) {
        doc.openDatabase();
        golfdb::CourseTable master(folder.folder() + "KipCourses");
        master.create();
        const char* states[] = {"KY", "OH", "IN", "TN", "WV", "PA", "NY", "CA", "TX", "FL"};
        for (int i = 0; i < masterGroups; ++i) {
            // Names in a shuffled order so that neither list order is the table's own order.
            char name[48], city[24];
            std::snprintf(name, sizeof name, "%s Golf Club %05d", i % 2 ? "Meadow" : "Hill",
                          (i * 7919) % 100000);
            std::snprintf(city, sizeof city, "Town %03d", (i * 31) % 997);
            for (int t = 0; t < teesPerGroup; ++t) {
                auto& r = master.record();
                r.clearCourse();
                r.name = name;
                r.city = city;
                r.state = states[(i * 13) % 10];
                r.tee = t == 0 ? "Blue" : "White";
                r.slope = 120;
                r.rating = 70.1;
                for (int h = 1; h < golfdb::holeSlots; ++h) {
                    r.par[static_cast<std::size_t>(h)] = 4;
                    r.yardage[static_cast<std::size_t>(h)] = 400;
                }
                master.add();
            }
        }
        master.sync();
        master.close();
        doc.openMasterTable();
    }

    TempFolder folder;
    YesPrompter prompter;
    golfdb::CKipGolfDoc doc;
};

} // namespace kip::bench
