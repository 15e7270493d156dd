// The listing and graph views under the offscreen platform, with screenshots of the graph with one
// and with two scales.

#include "../MessageBoxAnswerer.h"

#include "golfdb/CKipGolfDoc.h"
#include "stats/CGraphSelectDlg.h"
#include "stats/CGraphStatsDlg.h"
#include "stats/CListRounds.h"
#include "support/Doubles.h"
#include "support/TempDir.h"
#include "ui/GraphViews.h"
#include "ui/RoundListView.h"

#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

using namespace kip;

namespace {

void shoot(QWidget& view, const QString& name) {
    view.show();
    QCoreApplication::processEvents();
    view.grab().save(test::screenshotPath(name + ".png"));
}

// Twenty rounds of gross scores and greens, newest first.
stats::GraphPlot twoScalePlot() {
    stats::GraphPlot plot;
    plot.series = stats::makeGraphSeries(true, false, false, true, false);
    const int scores[] = {84, 88, 79, 91, 86, 83, 95, 80, 87, 85, 82, 90, 78, 86, 84, 89, 93, 81, 85, 88};
    const int greens[] = {7, 5, 9, 4, 6, 8, 3, 9, 6, 7, 8, 5, 10, 6, 7, 5, 4, 8, 6, 5};
    for (int i = 0; i < 20; ++i) {
        plot.series[0].add(scores[i]);
        plot.series[1].add(greens[i]);
    }
    plot.scales = stats::assignScales(plot.series);
    plot.from = {2024, 1, 1};
    plot.to = {2024, 12, 31};
    return plot;
}

stats::GraphPlot oneScalePlot() {
    stats::GraphPlot plot;
    plot.series = stats::makeGraphSeries(false, false, true, true, true);
    for (int i = 0; i < 12; ++i) {
        plot.series[0].add(8 + (i * 5) % 7); // pars or less
        plot.series[1].add(4 + (i * 3) % 6); // greens
        plot.series[2].add(5 + (i * 4) % 5); // fairways
    }
    plot.scales = stats::assignScales(plot.series);
    plot.from = {2024, 3, 1};
    plot.to = {2024, 10, 15};
    return plot;
}

class ListingViewsTest : public QObject {
    Q_OBJECT
private slots:
    void graphWithTwoScales() {
        test::ScriptedPrompter prompter;
        stats::CGraphStatsDlg model(twoScalePlot(), "Ben", "Hogan", prompter, nullptr);
        ui::GraphStatsView view(model, nullptr);
        view.resize(820, 520);
        shoot(view, "graph-two-scales");
        QVERIFY(model.plot().drawn);
        QCOMPARE(view.windowTitle(), QString("Statistics for Ben Hogan"));
        QVERIFY(!view.findChild<QPushButton*>("print")->isEnabled());
        // A click in the plot opens the popup with both scales' values.
        ui::CGraphDraw* graph = view.graph();
        const int y = model.plot().inner.bottom - 10 * model.plot().pixelsPerUnit1;
        QTest::mouseClick(graph, Qt::LeftButton, {}, QPoint(200, y));
        QTRY_VERIFY(graph->popup() != nullptr);
        QCOMPARE(graph->popup()->actions().front()->text().left(8), QString("<===  80"));
        QVERIFY(!graph->popup()->actions().front()->isEnabled());
        graph->popup()->close();
        QTRY_VERIFY(!model.popupOpen());
        QVERIFY(prompter.shown.empty());
    }

    void graphWithOneScale() {
        test::ScriptedPrompter prompter;
        stats::CGraphStatsDlg model(oneScalePlot(), "Sam", "Snead", prompter, nullptr);
        ui::GraphStatsView view(model, nullptr);
        view.resize(820, 520);
        shoot(view, "graph-one-scale");
        QVERIFY(model.plot().drawn);
        QVERIFY(!model.plot().scales.secondUsed);
    }

    void graphTooNarrowForItsRoundsSaysSoOnce() {
        test::ScriptedPrompter prompter;
        stats::GraphPlot plot = twoScalePlot();
        for (auto& s : plot.series)
            s.values.resize(400, 5);
        stats::CGraphStatsDlg model(plot, "Ben", "Hogan", prompter, nullptr);
        ui::GraphStatsView view(model, nullptr);
        view.resize(600, 400);
        view.show();
        QTRY_COMPARE(prompter.shown.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(prompter.last().text),
                 QString("Too many rounds to graph in screen size, reduce the date range"));
        view.graph()->repaint();
        QCoreApplication::processEvents();
        QCOMPARE(prompter.shown.size(), std::size_t(1));
    }

    void graphSelectEnablesTheColumns() {
        test::ScriptedPrompter prompter;
        stats::CGraphSelectDlg model(nullptr, prompter, {2026, 5, 17});
        ui::GraphSelectView view(model, nullptr);
        view.box(stats::GraphBox::Scores)->click();
        view.box(stats::GraphBox::Putts)->click();
        QVERIFY(!view.box(stats::GraphBox::Greens)->isEnabled());
        QVERIFY(model.checked(stats::GraphBox::Putts));
        shoot(view, "graph-select");
        view.box(stats::GraphBox::Putts)->click();
        QVERIFY(view.box(stats::GraphBox::Greens)->isEnabled());
    }

    void roundListFillsWhileShown() {
        test::TempDir dir;
        test::ScriptedPrompter prompter;
        prompter.answer(platform::Answer::Yes);
        golfdb::CKipGolfDoc doc(dir.path(), prompter);
        doc.openDatabase();
        std::vector<long> rows;
        for (const char* name : {"Hogan, Ben", "Snead, Sam"}) {
            doc.golferTable().record().clear();
            doc.golferTable().record().name = name;
            QCOMPARE(doc.golferTable().add(), 0);
            rows.push_back(doc.golferTable().recordNumber());
            for (int day = 1; day <= 12; ++day) {
                golfdb::ScoreRecord& r = doc.scoreTable().record();
                r.clear();
                r.golfer = name;
                r.name = "Alder Run";
                r.tee = "Blue";
                r.year = 2024;
                r.month = 6;
                r.day = day;
                r.flags = golfdb::flagTotalOnly;
                r.yardage[0] = 9;
                r.totalStrokes = 78 + day;
                QCOMPARE(doc.scoreTable().add(), 0);
            }
        }
        doc.syncAll();
        test::CountingWaitCursor cursor;
        stats::CListRounds model(doc.dataDir(), {.golferRows = rows, .batchLines = 5},
                                 "From 06/01/2024 Through 06/30/2024", nullptr, &cursor);
        {
            ui::RoundListView view(model, nullptr);
            view.resize(760, 480);
            view.show();
            QTRY_VERIFY(model.done());
            QTRY_COMPARE(view.list()->model()->rowCount(), 1 + 2 * 13);
            QVERIFY(view.findChild<QPushButton*>("print")->isEnabled());
            QCOMPARE(view.findChild<QLabel*>("dateText")->text(),
                     QString("From 06/01/2024 Through 06/30/2024"));
            QCOMPARE(cursor.depth, 0);
            view.list()->setCurrentIndex(view.list()->model()->index(1, 0)); // a blank line
            QCOMPARE(model.selectedIndex(), -1);
            shoot(view, "round-list");
        }
        QCOMPARE(model.line(2).text,
                 std::string(" 90  ( 81) 06/12/2024  Hogan, Ben            Alder Run (Blue)"));
    }

    void roundListClosedAtOnceStopsTheWorker() {
        test::TempDir dir;
        test::ScriptedPrompter prompter;
        prompter.answer(platform::Answer::Yes);
        golfdb::CKipGolfDoc doc(dir.path(), prompter);
        doc.openDatabase();
        doc.golferTable().record().clear();
        doc.golferTable().record().name = "Hogan, Ben";
        QCOMPARE(doc.golferTable().add(), 0);
        stats::CListRounds model(doc.dataDir(), {.golferRows = {doc.golferTable().recordNumber()}}, {},
                                 nullptr, nullptr);
        { ui::RoundListView view(model, nullptr); }
        QCoreApplication::processEvents(); // the worker's queued messages went with the view
        QVERIFY(!model.workerRunning());
    }
};

} // namespace

QTEST_MAIN(ListingViewsTest)
#include "ListingViewsTest.moc"
