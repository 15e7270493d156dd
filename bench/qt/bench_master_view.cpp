// The Copy From Master window with a 20,000-row master table: from showing the dialog until the whole
// sorted list is in its list view, and the longest time the event loop was kept from running a timer
// meanwhile (how responsive the window stays).

#include "golfdb/CKipGolfDoc.h"
#include "manage/CMergeMaster.h"
#include "ui/MergeMasterView.h"

#include "../BenchData.h"

#include <benchmark/benchmark.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QListView>
#include <QTimer>

#include <cstdio>

namespace {

using namespace kip;

struct MasterFolder {
    bench::TempFolder folder{"kipmasterview"};
    bench::YesPrompter prompter;
    golfdb::CKipGolfDoc doc{folder.folder(), prompter};

    MasterFolder() {
        doc.openDatabase();
        golfdb::CourseTable master(folder.folder() + "KipCourses");
        master.create();
        const char* states[] = {"KY", "OH", "IN", "TN", "WV", "PA", "NY", "CA", "TX", "FL"};
        for (int i = 0; i < 10000; ++i) {
            char name[48], city[24];
            std::snprintf(name, sizeof name, "%s Golf Club %05d", i % 2 ? "Meadow" : "Hill",
                          (i * 7919) % 100000);
            std::snprintf(city, sizeof city, "Town %03d", (i * 31) % 997);
            for (const char* tee : {"Blue", "White"}) {
                auto& r = master.record();
                r.clearCourse();
                r.name = name;
                r.city = city;
                r.state = states[(i * 13) % 10];
                r.tee = tee;
                master.add();
            }
        }
        master.sync();
        master.close();
        doc.openMasterTable();
    }
};

void BM_MasterWindowShowsTheSortedList(benchmark::State& state) {
    static MasterFolder data;
    double longestStall = 0;
    int rows = 0;
    for (auto _ : state) {
        manage::CMergeMaster model(data.doc, data.prompter, {});
        ui::MergeMasterView view(model, nullptr);
        QEventLoop loop;
        QObject::connect(&view, &ui::MergeMasterView::loadingEnded, &loop, &QEventLoop::quit);
        QElapsedTimer sinceTick;
        QTimer tick;
        tick.setInterval(1);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            longestStall = std::max(longestStall, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
            sinceTick.restart();
        });
        sinceTick.start();
        tick.start();
        view.show();
        loop.exec();
        QCoreApplication::processEvents(); // the list's repaint
        rows = view.masterList()->model()->rowCount();
        tick.stop();
    }
    state.counters["rows"] = rows;
    state.counters["longest_stall_ms"] = longestStall;
}
BENCHMARK(BM_MasterWindowShowsTheSortedList)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
