#include "MessageBoxAnswerer.h"

#include "golfdb/CKipGolfDoc.h"
#include "stats/CBasicAllStats.h"
#include "stats/CBasicStats.h"
#include "stats/CFairways.h"
#include "stats/CHoleStats.h"
#include "stats/CReportSelect.h"
#include "stats/CSelectGolferRounds.h"
#include "support/Doubles.h"
#include "support/TempDir.h"
#include "ui/BasicStatsView.h"
#include "ui/DateField.h"
#include "ui/FairwaysView.h"
#include "ui/HoleStatsView.h"
#include "ui/ListDialogView.h"
#include "ui/MainWindow.h"
#include "ui/QtDialogHost.h"
#include "ui/QtStartupShell.h"
#include "ui/ReportSelectView.h"
#include "ui/RibbonBar.h"
#include "ui/SelectGolferRoundsView.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace kip;

namespace {

// A small league: three golfers, two courses, a season of rounds entered hole by hole.
struct League {
    test::TempDir dir;
    test::ScriptedPrompter prompter;
    std::unique_ptr<golfdb::CKipGolfDoc> doc;

    League() {
        doc = std::make_unique<golfdb::CKipGolfDoc>(dir.path(), prompter, nullptr, 2024);
        doc->openDatabase();
        for (const char* name : {"Castellano, Rita", "Hogan, Ben", "Okonkwo, Ike"}) {
            doc->golferTable().record().clear();
            doc->golferTable().record().name = name;
            doc->golferTable().add();
        }
        addCourse("Alder Run", "Blue", "Springfield");
        addCourse("Alder Run", "White", "Springfield");
        addCourse("Birch Hill Country Club", "Gold", "Lakeview");
        for (int r = 0; r < 12; ++r) {
            addRound("Hogan, Ben", r, r % 3 == 0 ? "White" : "Blue");
            addRound("Okonkwo, Ike", r + 5, "Blue");
        }
        doc->syncAll();
        prompter.shown.clear();
    }

    void addCourse(const char* name, const char* tee, const char* city) {
        auto& c = doc->courseTable().record();
        c.clearCourse();
        c.name = name;
        c.tee = tee;
        c.city = city;
        c.state = "IL";
        doc->courseTable().add();
    }

    void addRound(const char* golfer, int r, const char* tee) {
        auto& round = doc->scoreTable().record();
        round.clear();
        round.golfer = golfer;
        round.name = "Alder Run";
        round.tee = tee;
        round.year = 2024;
        round.month = 4 + r % 6;
        round.day = 1 + r;
        for (std::size_t h = 1; h <= 18; ++h) {
            const int par = h % 9 == 3 || h % 9 == 7 ? 3 : h % 9 == 5 || h % 9 == 0 ? 5 : 4;
            round.par[h] = static_cast<std::int8_t>(par);
            static constexpr int overPar[] = {0, 1, 0, -1, 1, 2, 0, 1, 3, 0, 1};
            round.strokes[h] =
                static_cast<std::int8_t>(par + overPar[(static_cast<std::size_t>(r) * 5 + h * 3) % 11]);
            round.putts[h] = static_cast<std::int8_t>(1 + (r + h) % 3);
            round.holeFlags[h] = static_cast<std::uint8_t>((r + h) % 4);
        }
        round.totalStrokes = 0;
        round.totalStrokes = round.grossScore();
        doc->scoreTable().add();
    }

    stats::AppliedLimits courseLimit() const {
        stats::AppliedLimits limits;
        limits.courseLimited = true;
        limits.courseName = "Alder Run";
        limits.datesLimited = true;
        limits.fromKey = "20240101";
        limits.toKey = "20241231";
        limits.fromYear = limits.toYear = 2024;
        limits.fromMonth = limits.fromDay = 1;
        limits.toMonth = 12;
        limits.toDay = 31;
        return limits;
    }
};

void show(QWidget& view, const QString& shot) {
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.grab().save(test::screenshotPath(shot));
}

// Right edges of the fields in one column line up, so figures formatted to one width stand in a column.
void expectColumnAligned(const QList<QLineEdit*>& fields) {
    QVERIFY(!fields.isEmpty());
    const int right = fields.front()->geometry().right();
    for (QLineEdit* field : fields)
        QCOMPARE(field->mapTo(field->window(), QPoint(field->width(), 0)).x(),
                 fields.front()->mapTo(fields.front()->window(), QPoint(fields.front()->width(), 0)).x());
    (void)right;
}

} // namespace

class StatsUiTest : public QObject {
    Q_OBJECT
private slots:
    void reportSelectFollowsTheModel();
    void selectGolferRoundsView();
    void basicStatsView();
    void basicAllStatsView();
    void holeStatsView();
    void fairwaysViewUsesCourier();
    void ribbonRunsBasicAllGolfers();
};

void StatsUiTest::reportSelectFollowsTheModel() {
    League league;
    stats::CReportSelect model(league.doc.get(), league.prompter, {2024, 12, 9}, true, false);
    QCOMPARE(model.open(), 0);
    ui::ReportSelectView view(model, nullptr);
    QVERIFY(view.allCourses()->isChecked());
    QVERIFY(!view.courseList()->isEnabled());
    QVERIFY(!view.holeField()->isEnabled());
    QVERIFY(!view.fromDate()->isEnabled());
    QVERIFY(!view.scoreField()->isEnabled());
    QCOMPARE(view.courseList()->count(), 2);
    show(view, "dialog-report-limits-defaults.png");

    view.allCourses()->click();
    QVERIFY(view.courseList()->isEnabled());
    QVERIFY(view.holeField()->isEnabled());
    view.courseList()->setCurrentRow(0);
    QCOMPARE(view.teeList()->count(), 2);
    view.teeOnly()->click();
    QCOMPARE(view.teeList()->currentRow(), 0);
    view.teeList()->setCurrentRow(1);
    QTest::keyClicks(view.holeField(), "7");
    view.allDates()->click();
    QVERIFY(view.fromDate()->isEnabled());
    view.fromDate()->setDate(QDate(2024, 3, 1));
    view.scoreGreater()->click();
    QVERIFY(view.scoreField()->isEnabled());
    view.scoreLess()->click();
    QVERIFY(!view.scoreGreater()->isChecked());
    show(view, "dialog-report-limits.png");
    view.findChild<QPushButton*>("ok")->click();
    QCOMPARE(view.result(), platform::dialogOk);
    const stats::AppliedLimits limits = stats::applyLimits(model, league.doc->courseTable());
    QCOMPARE(QString::fromStdString(limits.courseText()), QString("Alder Run (White)"));
    QCOMPARE(limits.hole, 7);
    QCOMPARE(QString::fromStdString(limits.fromKey), QString("20240301"));
    QVERIFY(limits.scoreLess);
    QCOMPARE(league.prompter.texts(), std::vector<std::string>{});
}

void StatsUiTest::selectGolferRoundsView() {
    League league;
    stats::CSelectGolferRounds model(league.doc.get(), league.prompter);
    QCOMPARE(model.open(), 0);
    ui::SelectGolferRoundsView view(model, nullptr);
    view.list()->item(1)->setSelected(true);
    view.roundsField()->setText("10");
    show(view, "dialog-select-golfers.png");
    view.findChild<QPushButton*>("ok")->click();
    QCOMPARE(view.result(), platform::dialogOk);
    QCOMPARE(model.roundsLimit(), 10);
    QCOMPARE(model.golferRows().size(), std::size_t{1});
}

void StatsUiTest::basicStatsView() {
    League league;
    stats::CBasicStats model;
    model.subject.setGolfer("Hogan, Ben");
    model.subject.limits = league.courseLimit();
    model.subject.limits.scoreGreater = true;
    model.subject.limits.scoreBound = 60;
    model.compute(league.doc->scoreTable(), nullptr);
    ui::BasicStatsView view(model, nullptr);
    QCOMPARE(view.windowTitle(), QString("Basic Statistics for Ben Hogan"));
    QCOMPARE(view.findChild<QLineEdit*>("totalRounds")->text(), QString("12"));
    QVERIFY(!view.findChild<QLineEdit*>("pars")->text().isEmpty());
    QVERIFY(view.findChild<QLineEdit*>("pars")->isReadOnly());
    expectColumnAligned(
        {view.findChild<QLineEdit*>("detailRounds"), view.findChild<QLineEdit*>("puttsPerRound")});
    show(view, "dialog-basic-stats.png");
}

void StatsUiTest::basicAllStatsView() {
    League league;
    stats::CBasicAllStats model;
    model.limits = league.courseLimit();
    model.compute(league.doc->golferTable(), league.doc->scoreTable(), nullptr);
    ui::QtDialogHost host;
    ui::registerStandardViews(host);
    QVERIFY(host.hasView(model));
    ui::ListDialogView view(model, nullptr);
    QCOMPARE(view.windowTitle(), QString("Basic Stats, All Golfers"));
    QCOMPARE(model.size(), 10);
    view.resize(640, 360);
    show(view, "dialog-basic-all-golfers.png");
}

void StatsUiTest::holeStatsView() {
    League league;
    stats::CHoleStats model;
    model.subject.setGolfer("Okonkwo, Ike");
    model.subject.limits = league.courseLimit();
    model.compute(league.doc->scoreTable(), nullptr);
    ui::HoleStatsView view(model, nullptr);
    QCOMPARE(view.findChild<QLineEdit*>("detailRounds")->text(), QString("12"));
    QList<QLineEdit*> par4;
    for (int row = 0; row < stats::holeStatRows; ++row) {
        auto* cell = view.findChild<QLineEdit*>(QString("cell%1_1").arg(row));
        QVERIFY(!cell->text().isEmpty());
        par4 << cell;
    }
    expectColumnAligned(par4);
    show(view, "dialog-hole-stats.png");
}

void StatsUiTest::fairwaysViewUsesCourier() {
    League league;
    stats::CFairways model;
    model.subject.setGolfer("Hogan, Ben");
    model.subject.limits = league.courseLimit();
    model.compute(league.doc->scoreTable(), nullptr);
    ui::FairwaysView view(model, nullptr);
    QCOMPARE(view.windowTitle(), QString("Stats for Ben Hogan on Alder Run"));
    QCOMPARE(view.font().pointSize(), 10);
    QVERIFY(QFontInfo(view.font()).fixedPitch());
    for (int i = 0; i < stats::fairwayFields; ++i) {
        auto* fairway = view.findChild<QLineEdit*>(QString("fairway%1").arg(i));
        QCOMPARE(fairway->text(), QString::fromStdString(model.fairwayTexts()[static_cast<std::size_t>(i)]));
        QVERIFY(!fairway->text().isEmpty());
    }
    // "# Holes" and "Below Par" stand at the same places in both header lines, so those fields line up.
    QCOMPARE(view.findChild<QLineEdit*>("fairway0")->x(), view.findChild<QLineEdit*>("green0")->x());
    QCOMPARE(view.findChild<QLineEdit*>("fairway3")->x(), view.findChild<QLineEdit*>("green3")->x());
    show(view, "dialog-fairways.png");
}

// The window's ribbon button runs the command through the real views: limits, then the listing.
void StatsUiTest::ribbonRunsBasicAllGolfers() {
    test::TempDir dir;
    test::TempDir configDir;
    for (const char* table : {"Courses", "Golfers", "Scores"})
        dir.copyFixture(table);
    ui::QtStartupShell shell(configDir.file("KipGolf.ini"), false);
    shell.selectSettingsStore();
    shell.setClock(std::make_unique<test::FixedClock>(platform::Date{2024, 12, 9}));
    QVERIFY(shell.createMainWindow(dir.path(), true));
    ui::MainWindow& window = *shell.window();
    QToolButton* button = window.ribbon()->button(app::CommandId::BasicStatsAllGolfers);
    QVERIFY(button && button->isEnabled());

    QStringList seen;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* limits = qobject_cast<ui::ReportSelectView*>(modal)) {
            seen << limits->windowTitle();
            QVERIFY(!limits->scoreGreater()->isEnabled());
            limits->findChild<QPushButton*>("ok")->click();
        } else if (auto* listing = qobject_cast<ui::ListDialogView*>(modal)) {
            seen << listing->windowTitle();
            listing->grab().save(test::screenshotPath("window-basic-all-golfers.png"));
            listing->findChild<QPushButton*>("ok")->click();
        }
    });
    poll.start();
    button->click();
    poll.stop();
    QCOMPARE(seen, (QStringList{"Select Report Limitations", "Basic Stats, All Golfers"}));
}

QTEST_MAIN(StatsUiTest)
#include "StatsUiTest.moc"
