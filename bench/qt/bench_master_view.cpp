// The Copy From Master window with a 20,000-row master table: from showing the dialog until the whole
// sorted list is in its list view, and the longest time the event loop was kept from running a timer
// meanwhile (how responsive the window stays).

#include "golfdb/CKipGolfDoc.h"
#include "manage/CMergeMaster.h"
#include "ui/MergeMasterView.h"

#include "../MasterData.h"

#include <benchmark/benchmark.h>

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QListView>
#include <QTimer>

#include <algorithm>

namespace {

using namespace kip;

void BM_MasterWindowShowsTheSortedList(benchmark::State& state) {
    static bench::MasterFolder data("kipmasterview");
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
