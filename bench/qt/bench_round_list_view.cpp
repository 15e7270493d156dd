// The Golfer Rounds window over 100,000 rounds of 1,000 golfers: from showing the dialog until the
// first lines are in its list view and until all of them are, and the longest time the event loop
// was kept from running a timer meanwhile (how responsive the window stays).

#include "golfdb/CKipGolfDoc.h"
#include "stats/CListRounds.h"
#include "ui/RoundListView.h"

#include "../BenchData.h"

#include <benchmark/benchmark.h>

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QTimer>

#include <algorithm>

namespace {

using namespace kip;

struct RoundsFolder {
    bench::TempFolder folder{"kiproundlistview"};
    bench::YesPrompter prompter;
    golfdb::CKipGolfDoc doc{folder.folder(), prompter};
    std::vector<long> golferRows;

    RoundsFolder() {
        doc.openDatabase();
        bench::fillDatabase(doc, [](golfdb::ScoreRecord& round, int r) {
            bench::spreadOverYears(round, r);
            round.flags = golfdb::flagTotalOnly;
            round.totalStrokes = 70 + r % 30;
        });
        for (int rc = doc.golferTable().goTop(); rc == 0; rc = doc.golferTable().skip())
            golferRows.push_back(doc.golferTable().recordNumber());
    }
};

void BM_RoundListWindowShowsAllRounds(benchmark::State& state) {
    static RoundsFolder data;
    double firstLines = 0, allLines = 0, longestStall = 0;
    int rows = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        stats::CListRounds model(data.doc.dataDir(), {.golferRows = data.golferRows}, {}, nullptr, nullptr);
        ui::RoundListView view(model, nullptr);
        view.show();
        QElapsedTimer sinceTick;
        sinceTick.start();
        firstLines = 0;
        while (!model.done() || view.list()->model()->rowCount() < model.size()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            longestStall = std::max(longestStall, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
            sinceTick.restart();
            if (firstLines == 0 && view.list()->model()->rowCount() > 1)
                firstLines = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        }
        allLines = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        rows = view.list()->model()->rowCount();
    }
    state.counters["rows"] = rows;
    state.counters["first_lines_ms"] = firstLines;
    state.counters["all_lines_ms"] = allLines;
    state.counters["longest_stall_ms"] = longestStall;
}
BENCHMARK(BM_RoundListWindowShowsAllRounds)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
