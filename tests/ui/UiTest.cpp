#include "MessageBoxAnswerer.h"

#include "app/CAboutDlg.h"
#include "app/CBackupReminderDlg.h"
#include "app/CPreferencesDlg.h"
#include "app/LeaderboardLayout.h"
#include "app/WindowPlacement.h"
#include "golfdb/ScoreTable.h"
#include "handicap/CHandicapRule.h"
#include "handicap/WorldHandicap.h"
#include "platform/IniSettingsStore.h"
#include "support/Doubles.h"
#include "support/ScriptedFileChooser.h"
#include "support/TempDir.h"
#include "ui/AboutView.h"
#include "ui/BackupReminderView.h"
#include "ui/CourseView.h"
#include "ui/HandicapHistoryView.h"
#include "ui/HandicapRuleView.h"
#include "ui/HelpWindow.h"
#include "ui/LeaderboardWidget.h"
#include "ui/MainWindow.h"
#include "ui/ModelDialog.h"
#include "ui/PreferencesView.h"
#include "ui/QtPrompter.h"
#include "ui/QtStartupShell.h"
#include "ui/RibbonBar.h"
#include "ui/WindowFit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTabBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

#include <filesystem>
#include <memory>

using namespace kip;

namespace {

// A start-up in a folder of its own with its own settings file, on a fixed day of the fixtures' last year.
struct Startup {
    test::TempDir dir;
    test::TempDir configDir;
    std::unique_ptr<ui::QtStartupShell> shell;

    explicit Startup(std::map<std::string, int> settings = {}) {
        shell = std::make_unique<ui::QtStartupShell>(configDir.file("KipGolf.ini"), false);
        shell->selectSettingsStore();
        shell->setClock(std::make_unique<test::FixedClock>(platform::Date{2024, 12, 9}));
        for (const auto& [name, value] : settings) {
            const auto slash = name.find('/');
            shell->settings().writeInt(name.substr(0, slash), name.substr(slash + 1), value);
        }
    }
    void copyFixtures(std::initializer_list<const char*> tables = {"Courses", "Golfers", "Scores"}) {
        for (const char* table : tables)
            dir.copyFixture(table);
    }
    bool open() { return shell->createMainWindow(dir.path(), true); }
};

// How many nearly white pixels a region of the painted leaderboard holds.
int whitePixels(const QImage& image, const QRect& region) {
    int count = 0;
    for (int y = std::max(0, region.top()); y <= std::min(image.height() - 1, region.bottom()); ++y)
        for (int x = std::max(0, region.left()); x <= std::min(image.width() - 1, region.right()); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > 200 && c.green() > 200 && c.blue() > 200;
        }
    return count;
}

QImage paint(ui::MainWindow& window) {
    window.resize(1000, 700);
    window.show();
    QCoreApplication::processEvents();
    // In the board's own pixels, whatever the screen's scaling.
    const QImage image = window.leaderboard()->grab().toImage();
    return image.scaled(window.leaderboard()->size());
}

// White pixels on the six lines of leader names (from x1 + 35c, 30 characters wide).
int leaderPixels(const QImage& image, const ui::LeaderboardWidget& widget) {
    const app::FontMetrics m = widget.metrics();
    const auto texts = app::layoutLeaderboard(app::Leaderboard(2024), m, false);
    int count = 0;
    for (const auto& text : texts)
        if (text.x == 63 * m.charWidth)
            count += whitePixels(image, QRect(text.x, text.y, 30 * m.charWidth, m.lineHeight));
    return count;
}

// Everything the leaderboard may write on: from x0 = 25c to the end of the leader names.
QRect boardArea(const ui::LeaderboardWidget& widget) {
    const app::FontMetrics m = widget.metrics();
    return QRect(25 * m.charWidth, 3 * m.lineHeight, 68 * m.charWidth, 16 * m.lineHeight + 80);
}

std::vector<std::string> menuTexts(QMenu* menu) {
    std::vector<std::string> out;
    for (QAction* action : menu->actions())
        if (!action->isSeparator())
            out.push_back(action->text().toStdString());
    return out;
}

} // namespace

class UiTest : public QObject {
    Q_OBJECT
private slots:
    void newFolderWithYesCreatesTablesAndShowsAnEmptyBoard();
    void newFolderWithNoEndsWithExitCodeTwo();
    void missingGolferTableEndsWithExitCodeTwo();
    void filledLeaderboardIsPaintedAndNoShowHidesIt();
    void ribbonCarriesEveryCommand();
    void classicMenusCarryEveryCommand();
    void preferencesViewFollowsTheModel();
    void backupReminderViewStoresTheChoice();
    void handicapRuleViewAndAboutSplash();
    void handicapHistoryAndStrokeIndexViews();
    void messageBoxesShowCaptionIconAndButtons();
    void helpWindowShowsTopics();
    void helpFromAModalDialogTakesInputWhileTheDialogStaysOpen();
    void databaseCommandsRunFromTheWindow();
    void dueReminderAppearsAfterStartup();
    void roundsFileCommandsRunFromTheWindow();
    void aDialogLargerThanTheScreenScrollsOnIt();
    void aDialogOpensOnItsTopField();
    void helpComesBackWhereItWasLeft();
    void mainWindowComesBackAsItWasLeft();
    void narrowWindowScrollsTheRibbonInsteadOfCuttingLabels();
    void cleanupTestCase() { ui::HelpWindow::closeAll(); }
};

void UiTest::newFolderWithYesCreatesTablesAndShowsAnEmptyBoard() {
    Startup s;
    test::MessageBoxAnswerer boxes;
    boxes.answer(QMessageBox::Yes);
    boxes.screenshotNext("message-create-databases.png");
    QVERIFY(s.open());
    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY(boxes.texts[0].startsWith("Could not find golf databases, create new ones?"));
    for (const char* file : {"Courses.dbf", "Golfers.cdx", "Scores.dbf"})
        QVERIFY(std::filesystem::exists(s.dir.file(file)));
    ui::MainWindow& window = *s.shell->window();
    QVERIFY(!window.classicMenus());
    const QImage image = paint(window);
    window.grab().save(test::screenshotPath("main-ribbon-empty.png"));
    QCOMPARE(leaderPixels(image, *window.leaderboard()), 0);
    QVERIFY(whitePixels(image, boardArea(*window.leaderboard())) > 200); // titles and "N/A"
    window.grab().save(test::screenshotPath("main-ribbon-empty.png"));
}

void UiTest::newFolderWithNoEndsWithExitCodeTwo() {
    Startup s;
    test::MessageBoxAnswerer boxes;
    boxes.answer(QMessageBox::No);
    boxes.screenshotNext("message-not-created.png");
    QVERIFY(!s.open());
    QCOMPARE(s.shell->exitCode(), 2);
    QCOMPARE(boxes.texts.size(), 2);
    QCOMPARE(boxes.texts[1], QString("Databases not created at user's request, program cancelled."));
    QVERIFY(!std::filesystem::exists(s.dir.file("Courses.dbf")));
    QVERIFY(s.shell->window() == nullptr);
}

void UiTest::missingGolferTableEndsWithExitCodeTwo() {
    Startup s;
    s.copyFixtures({"Courses", "Scores"});
    test::MessageBoxAnswerer boxes;
    QVERIFY(!s.open());
    QCOMPARE(s.shell->exitCode(), 2);
    QCOMPARE(boxes.texts, QStringList{"Could not find golfer database, program cancelled."});
    QCOMPARE(boxes.captions, QStringList{"KipGolf"});
    QVERIFY(!std::filesystem::exists(s.dir.file("Golfers.dbf")));
}

void UiTest::filledLeaderboardIsPaintedAndNoShowHidesIt() {
    Startup s;
    s.copyFixtures();
    QVERIFY(s.open());
    ui::MainWindow& window = *s.shell->window();
    QCOMPARE(window.windowTitle(), QString("Kip Golf"));
    const QImage filled = paint(window);
    QVERIFY(leaderPixels(filled, *window.leaderboard()) > 100);
    window.grab().save(test::screenshotPath("main-ribbon-filled.png"));

    // Hiding the leaderboard through the preferences leaves only the picture.
    QTimer::singleShot(0, [] {
        auto* view = qobject_cast<ui::PreferencesView*>(QApplication::activeModalWidget());
        QVERIFY(view);
        view->checkBox(app::CPreferencesDlg::NoShow)->setChecked(true);
        view->findChild<QPushButton*>("ok")->click();
    });
    window.runCommand(app::CommandId::Preferences);
    QVERIFY(s.shell->view()->noShow());
    const QImage hidden = paint(window);
    QCOMPARE(whitePixels(hidden, boardArea(*window.leaderboard())), 0);
}

void UiTest::ribbonCarriesEveryCommand() {
    Startup s;
    s.copyFixtures();
    QVERIFY(s.open());
    ui::MainWindow& window = *s.shell->window();
    ui::RibbonBar* ribbon = window.ribbon();
    QVERIFY(ribbon);
    QCOMPARE(ribbon->tabs()->count(), 6);
    QCOMPARE(ribbon->tabs()->tabText(4), QString("Databases"));
    QCOMPARE(ribbon->applicationButton()->text(), QString("File"));
    QCOMPARE(menuTexts(ribbon->applicationMenu()),
             (std::vector<std::string>{"Change Handicap Rule", "Other Preferences", "E&xit"}));
    QCOMPARE(menuTexts(ribbon->helpMenu()), (std::vector<std::string>{"&Help Topics", "&About Kip Golf..."}));
    QSignalSpy helpTopics(ribbon->helpMenu()->actions().value(0), &QAction::triggered);
    ribbon->helpButton()->click();
    QCOMPARE(helpTopics.count(), 1);
    QCOMPARE(ribbon->quickAccessBar()->findChildren<QToolButton*>().size(), 4);

    for (const auto& item : app::CommandTable::items()) {
        if (item.ribbonPlace != app::RibbonPlace::Category)
            continue;
        QToolButton* button = ribbon->button(item.id);
        QVERIFY2(button, item.ribbonLabel.c_str());
        QCOMPARE(button->defaultAction()->text().toStdString(), item.ribbonLabel);
        QCOMPARE(button->isEnabled(), s.shell->view()->isAvailable(item.id));
        if (!item.tooltip.empty())
            QCOMPARE(button->toolTip().toStdString(), item.tooltip);
        QCOMPARE(button->defaultAction()->statusTip().toStdString(), item.description);
    }
    // Every command of the table is built; those left out are not in the table at all.
    for (const auto& item : app::CommandTable::items())
        QVERIFY2(s.shell->view()->isAvailable(item.id), item.ribbonLabel.c_str());
    for (const int tab : {1, 2, 3, 4, 5}) {
        ribbon->tabs()->setCurrentIndex(tab);
        paint(window);
        window.grab().save(test::screenshotPath(
            QString("main-ribbon-tab-%1.png").arg(ribbon->tabs()->tabText(tab).toLower())));
    }
}

void UiTest::classicMenusCarryEveryCommand() {
    Startup s({{"Settings/UseClassicMenus", 1}});
    s.copyFixtures();
    QVERIFY(s.open());
    ui::MainWindow& window = *s.shell->window();
    QVERIFY(window.classicMenus());
    QVERIFY(!window.ribbon());
    const QList<QAction*> menus = window.menuBar()->actions();
    QCOMPARE(menus.size(), 8);
    QCOMPARE(menus[0]->text(), QString("&File"));
    QCOMPARE(menuTexts(menus[0]->menu()),
             (std::vector<std::string>{"C&hange Handicap Rules", "Other &Preferences", "E&xit"}));
    QCOMPARE(menuTexts(menus[5]->menu()),
             (std::vector<std::string>{"&Backup Databases", "&Restore Databases", "&Compress Databases"}));
    int items = 0;
    for (QAction* menu : menus)
        items += static_cast<int>(menuTexts(menu->menu()).size());
    QCOMPARE(items, 43); // with Handicap History
    auto* toolbar = window.findChild<QToolBar*>("classicToolbar");
    QVERIFY(toolbar);
    QCOMPARE(toolbar->actions().size(), 7);
    QVERIFY(toolbar->actions()[4]->isSeparator());
    QCOMPARE(toolbar->actions()[6]->toolTip(), QString("Help"));
    QCOMPARE(window.actionsFor(app::CommandId::ShowHandicapScores)[0]->toolTip(),
             QString(" Show Handicap Scores"));
    QVERIFY(!window.actionsFor(app::CommandId::ViewAllRounds).size());
    paint(window);
    window.grab().save(test::screenshotPath("main-classic-filled.png"));
}

void UiTest::preferencesViewFollowsTheModel() {
    test::MemorySettingsStore settings;
    ui::QtPrompter prompter;
    app::CPreferencesDlg model(settings, prompter);
    ui::PreferencesView view(model, nullptr);
    view.show();
    QVERIFY(!view.pointBox(0)->isEnabled());
    QVERIFY(!view.pointsLabel()->isEnabled());
    view.checkBox(app::CPreferencesDlg::UsePoints)->setChecked(true);
    QVERIFY(view.pointBox(4)->isEnabled());
    QVERIFY(view.pointsLabel()->isEnabled());

    test::MessageBoxAnswerer boxes;
    boxes.screenshotNext("message-invalid-number.png");
    QString textBehindTheMessage;
    boxes.onBox = [&] { textBehindTheMessage = view.pointBox(1)->text(); };
    view.pointBox(1)->selectAll();
    QTest::keyClicks(view.pointBox(1), "3x");
    boxes.onBox = nullptr;
    QCOMPARE(view.pointBox(1)->text(), QString("3"));
    QCOMPARE(textBehindTheMessage, QString("3"));
    QCOMPARE(boxes.texts, QStringList{"Please only enter a number for points"});

    view.pointBox(0)->selectAll();
    QTest::keyClicks(view.pointBox(0), "0");
    view.pointBox(1)->selectAll();
    QTest::keyClicks(view.pointBox(1), "0");
    view.findChild<QPushButton*>("ok")->click();
    QCOMPARE(boxes.texts.last(), QString("At least one of the points earned must not be 0, please correct"));
    QVERIFY(view.isVisible());
    QVERIFY(settings.writes.empty());

    view.pointBox(2)->selectAll();
    QTest::keyClicks(view.pointBox(2), "-2");
    view.checkBox(app::CPreferencesDlg::AllowMeters)->setChecked(true);
    view.grab().save(test::screenshotPath("dialog-preferences.png"));
    view.findChild<QPushButton*>("ok")->click();
    QVERIFY(!view.isVisible());
    QCOMPARE(view.result(), platform::dialogOk);
    QCOMPARE(settings.values["Points/Par"], std::string("-2"));
    QCOMPARE(settings.values["Settings/AllowMeters"], std::string("1"));
}

void UiTest::backupReminderViewStoresTheChoice() {
    test::MemorySettingsStore settings;
    app::CBackupReminderDlg model(settings,
                                  "You haven't backed up your golf databases in 40 days. It is highly "
                                  "recommended you periodically back them up by going to "
                                  "Databases->Backup Databases");
    ui::BackupReminderView view(model, nullptr);
    view.show();
    QCOMPARE(view.windowTitle(), QString("Database Backup Reminder"));
    QVERIFY(view.findChild<QPlainTextEdit*>("reminderText")->isReadOnly());
    QVERIFY(view.findChild<QPushButton*>("runBackup")->isDefault());
    view.dontShowAgain()->setChecked(true);
    view.grab().save(test::screenshotPath("dialog-backup-reminder.png"));
    view.findChild<QPushButton*>("close")->click();
    QCOMPARE(view.result(), app::CBackupReminderDlg::closed);
    QCOMPARE(settings.writes, (std::vector<std::string>{"Settings/CheckForBackup=0"}));
}

void UiTest::handicapRuleViewAndAboutSplash() {
    test::MemorySettingsStore settings;
    handicap::CHandicapRule rule(settings, 0);
    ui::HandicapRuleView ruleView(rule, nullptr);
    ruleView.show();
    QVERIFY(ruleView.choice(0)->isChecked());
    ruleView.choice(2)->click();
    ruleView.grab().save(test::screenshotPath("dialog-handicap-rules.png"));
    QCOMPARE(rule.selectedIndex(), 2);

    app::CAboutDlg about(true);
    ui::AboutView aboutView(about, nullptr);
    QCOMPARE(aboutView.windowTitle(), QString("About KipGolf"));
    QCOMPARE(aboutView.findChild<QLineEdit*>("version")->text(),
             QString::fromStdString(app::CAboutDlg::versionText()));
    aboutView.show();
    aboutView.grab().save(test::screenshotPath("dialog-about.png"));
    QVERIFY(aboutView.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!aboutView.isVisible(), 4000); // the splash closes itself
}

void UiTest::handicapHistoryAndStrokeIndexViews() {
    test::MemorySettingsStore settings;
    handicap::CHandicapRule rule(settings, 3);
    ui::HandicapRuleView ruleView(rule, nullptr);
    QCOMPARE(ruleView.choice(3)->text(), QString("World Handicap System"));
    QVERIFY(ruleView.choice(3)->isChecked());

    std::vector<handicap::HistoryPoint> points;
    const double indexes[] = {-1.2, 3.4, 8.0};
    for (int i = 0; i < 3; ++i) {
        handicap::HistoryPoint p;
        p.year = 2025;
        p.month = 3 + i;
        p.day = 8;
        p.dayNumber = handicap::whs::dayNumber(p.year, p.month, p.day);
        p.index = indexes[i];
        p.low = -1.2;
        p.softCapped = i == 2;
        points.push_back(p);
    }
    handicap::CHandicapHistoryDlg history("Okonkwo, Ike", points, golfdb::ruleWorld);
    ui::HandicapHistoryView historyView(history, nullptr);
    QCOMPARE(historyView.windowTitle(), QString("Handicap History for Ike Okonkwo"));
    QCOMPARE(historyView.list()->count(), 3);
    QCOMPARE(historyView.list()->item(0)->text(), QString("2025/03/08   +1.2"));
    QVERIFY(!historyView.findChild<QPushButton*>("print")->isEnabled()); // no printer
    historyView.show();
    historyView.grab().save(test::screenshotPath("dialog-handicap-history.png"));

    test::ScriptedPrompter prompter;
    manage::CCourseDlg course(prompter, manage::CourseMode::Add, false);
    ui::CourseView courseView(course, nullptr);
    QLineEdit* si = courseView.strokeIndexField(18);
    QVERIFY(si);
    QTest::keyClicks(si, "7");
    QCOMPARE(course.strokeIndexText(18), std::string("7"));
    courseView.show();
    courseView.grab().save(test::screenshotPath("dialog-course-stroke-index.png"));
}

void UiTest::messageBoxesShowCaptionIconAndButtons() {
    ui::QtPrompter prompter;
    test::MessageBoxAnswerer boxes;
    boxes.screenshotNext("message-confirm-restore.png");
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->icon(), QMessageBox::Question);
        QVERIFY(box->button(QMessageBox::Yes) && box->button(QMessageBox::No));
    });
    boxes.answer(QMessageBox::No);
    const auto answer =
        prompter.show({"Are you sure you want to replace your current Golf databases with a backup copy?",
                       "Confirm Restore", platform::Icon::Question, platform::Buttons::YesNo});
    QCOMPARE(answer, platform::Answer::No);
    QCOMPARE(boxes.captions, QStringList{"Confirm Restore"});
    boxes.answer(QMessageBox::Cancel);
    QCOMPARE(prompter.show({"text", "Report", platform::Icon::Warning, platform::Buttons::OkCancel}),
             platform::Answer::Cancel);
}

void UiTest::helpWindowShowsTopics() {
    // Run from the build folder, the pages are read from the sources, not the copy built in.
    QVERIFY(QFileInfo::exists(ui::HelpWindow::helpFolder() + "/index.html"));
    QVERIFY(ui::HelpWindow::topicUrl("backup").startsWith("file:"));
    ui::HelpWindow* help = ui::HelpWindow::showTopic("index");
    QVERIFY(help->browser()->toPlainText().contains("Kip Golf Help"));
    for (const char* topic : {"quickstart", "main-window", "preferences", "handicap-rules", "recalculate",
                              "backup", "restore", "compress", "about"}) {
        help->open(topic);
        QVERIFY2(!help->browser()->toPlainText().isEmpty(), topic);
        QVERIFY2(help->browser()->toPlainText().contains("Kip Golf Help contents"), topic);
    }
    help->open("preferences");
    help->grab().save(test::screenshotPath("help-preferences.png"));
}

void UiTest::databaseCommandsRunFromTheWindow() {
    Startup s;
    s.copyFixtures();
    std::filesystem::create_directory(s.dir.file("Download"));
    test::ScriptedFolderChooser folders;
    s.shell->useFolderChooser(folders);
    QVERIFY(s.open());
    ui::MainWindow& window = *s.shell->window();
    test::MessageBoxAnswerer boxes;

    boxes.screenshotNext("message-compress.png");
    window.runCommand(app::CommandId::CompressDatabases);
    QCOMPARE(boxes.texts, QStringList{"Database Compress Completed"});
    QCOMPARE(boxes.captions, QStringList{"Databases Compressed"});

    boxes.texts.clear();
    boxes.answer(QMessageBox::Yes);
    window.runCommand(app::CommandId::RecalculateHandicaps);
    QCOMPARE(boxes.texts, (QStringList{"Are you sure you want to recalculate all handicaps?",
                                       "Handicap recalculation complete"}));

    test::TempDir backupDir;
    boxes.texts.clear();
    folders.choose(backupDir.path());
    window.runCommand(app::CommandId::BackupDatabases);
    QCOMPARE(folders.titles, std::vector<std::string>{"Select a Folder for Backup Databases"});
    QCOMPARE(boxes.texts, QStringList{"Backup completed sucessfully"});
    QVERIFY(std::filesystem::exists(backupDir.file("Golfers.bkcdx")));
    QCOMPARE(s.shell->settings().readText("Settings", "LastBackup", "00000000"), std::string("20241209"));

    boxes.texts.clear();
    boxes.answer(QMessageBox::Yes);
    folders.choose(backupDir.path());
    window.runCommand(app::CommandId::RestoreDatabases);
    QCOMPARE(boxes.texts,
             (QStringList{"Are you sure you want to replace your current Golf databases with a backup copy?",
                          "Restore completed sucessfully"}));
    QCOMPARE(s.shell->view()->leaderboard().category(3).best, 67);

    boxes.texts.clear();
    boxes.answer(QMessageBox::Yes);
    folders.choose(std::nullopt);
    window.runCommand(app::CommandId::RestoreDatabases);
    QCOMPARE(boxes.texts.size(), 1); // the folder chooser was cancelled: nothing more happens
}

void UiTest::dueReminderAppearsAfterStartup() {
    Startup s({{"Settings/CheckForBackup", 1}});
    s.shell->settings().writeText("Settings", "LastBackupCheck", "20241127");
    s.shell->settings().writeText("Settings", "LastBackup", "20241030");
    s.copyFixtures();
    QVERIFY(s.open());
    QString shown;
    QTimer::singleShot(0, [&shown] {
        auto* view = qobject_cast<ui::BackupReminderView*>(QApplication::activeModalWidget());
        QVERIFY(view);
        shown = view->findChild<QPlainTextEdit*>("reminderText")->toPlainText();
        view->dontShowAgain()->setChecked(true);
        view->findChild<QPushButton*>("close")->click();
    });
    s.shell->window()->afterStartup();
    QVERIFY(shown.startsWith("You haven't backed up your golf databases in 40 days."));
    QCOMPARE(s.shell->settings().readInt("Settings", "CheckForBackup", 1), 0);
    QCOMPARE(s.shell->settings().readText("Settings", "LastBackupCheck", ""), std::string("20241209"));
    QVERIFY(!s.shell->view()->checkForBackup());
}

void UiTest::roundsFileCommandsRunFromTheWindow() {
    Startup s;
    s.copyFixtures();
    test::ScriptedFileChooser files;
    s.shell->useFileChooser(files);
    QVERIFY(s.open());
    ui::MainWindow& window = *s.shell->window();
    QVERIFY(window.ribbon()->button(app::CommandId::ExportRounds)->isEnabled());
    QVERIFY(window.ribbon()->button(app::CommandId::ImportRounds)->isEnabled());
    test::MessageBoxAnswerer boxes;
    test::TempDir out;

    files.choose(out.file("rounds.csv"));
    boxes.screenshotNext("message-export-rounds.png");
    window.runCommand(app::CommandId::ExportRounds);
    QCOMPARE(boxes.texts, QStringList{"All rounds have been exported to the text file successfully"});
    QCOMPARE(boxes.captions, QStringList{"Export Status"});
    QCOMPARE(files.shown.back().request.title,
             std::string("Select a Path and Name for the Exported Rounds File"));

    boxes.texts.clear();
    boxes.captions.clear();
    files.choose(out.file("rounds.csv"));
    boxes.screenshotNext("message-import-rounds.png");
    window.runCommand(app::CommandId::ImportRounds);
    QCOMPARE(boxes.texts, QStringList{"All rounds have been imported successfully"});
    QCOMPARE(boxes.captions, QStringList{"Import Status"});
    // Every round is there twice now: the best round of the year is shared by its golfer's copy.
    QCOMPARE(s.shell->view()->leaderboard().category(0).best, 72);
    QCOMPARE(s.shell->view()->leaderboard().category(0).leaderText, std::string(" 2 tied"));

    boxes.texts.clear();
    window.runCommand(app::CommandId::ImportRounds); // chooser cancelled
    QVERIFY(boxes.texts.isEmpty());
}

void UiTest::helpFromAModalDialogTakesInputWhileTheDialogStaysOpen() {
    ui::HelpWindow::closeAll();
    QDialog dialog;
    dialog.setWindowTitle("Modal");
    QPointer<ui::HelpWindow> help;
    bool frontWhileOpen = false;
    QTimer::singleShot(0, [&] {
        help = ui::HelpWindow::showTopic("backup", &dialog);
        // A window of the modal dialog is not blocked by it and stands in front of it.
        frontWhileOpen = help && help->isVisible() && help->parentWidget() == &dialog && help->isWindow();
        QTimer::singleShot(0, &dialog, &QDialog::accept);
    });
    dialog.exec();
    QVERIFY(frontWhileOpen);
    QVERIFY(help);
    QCOMPARE(help->parentWidget(), nullptr);
    QVERIFY(help->isVisible());
    ui::HelpWindow::closeAll();
}

void UiTest::aDialogLargerThanTheScreenScrollsOnIt() {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    ui::ModelDialog dialog(nullptr, "Tall", "index");
    auto* layout = new QVBoxLayout(&dialog);
    auto* name = new QLineEdit(&dialog);
    auto* card = new QWidget(&dialog);
    card->setMinimumSize(area.width() / 2, area.height() * 2);
    auto* save = new QPushButton("Save", &dialog);
    layout->addWidget(name);
    layout->addWidget(card);
    layout->addWidget(save);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QVERIFY(area.contains(dialog.frameGeometry()));
    auto* scroll = dialog.findChild<QScrollArea*>("screenFitScroll");
    QVERIFY(scroll);
    QVERIFY(scroll->isVisible());
    QCOMPARE(QApplication::focusWidget(), name);
    QVERIFY(save->visibleRegion().isEmpty());
    // Tabbing onto the button at the bottom scrolls it into view.
    save->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    QVERIFY(!save->visibleRegion().isEmpty());

    // A dialog that fits is left as it is.
    ui::ModelDialog small(nullptr, "Small", "index");
    auto* smallLayout = new QVBoxLayout(&small);
    smallLayout->addWidget(new QLineEdit(&small));
    small.show();
    QVERIFY(QTest::qWaitForWindowExposed(&small));
    QVERIFY(!small.findChild<QScrollArea*>("screenFitScroll"));
}

void UiTest::aDialogOpensOnItsTopField() {
    // The lower field is made first, as the team field of the golfer dialog once was.
    ui::ModelDialog dialog(nullptr, "Fields", "index");
    auto* lower = new QLineEdit(&dialog);
    auto* readOnly = new QLineEdit(&dialog);
    readOnly->setReadOnly(true);
    auto* top = new QLineEdit(&dialog);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(readOnly);
    layout->addWidget(top);
    layout->addWidget(lower);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), top);

    // A dialog that chose its field keeps it.
    ui::ModelDialog chosen(nullptr, "Chosen", "index");
    auto* first = new QLineEdit(&chosen);
    auto* second = new QLineEdit(&chosen);
    auto* chosenLayout = new QVBoxLayout(&chosen);
    chosenLayout->addWidget(first);
    chosenLayout->addWidget(second);
    second->setFocus();
    chosen.show();
    QVERIFY(QTest::qWaitForWindowActive(&chosen));
    QCOMPARE(QApplication::focusWidget(), second);
}

void UiTest::helpComesBackWhereItWasLeft() {
    test::MemorySettingsStore store;
    ui::setWindowPlaceStore(&store);
    ui::HelpWindow::closeAll();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QPointer<ui::HelpWindow> help = ui::HelpWindow::showTopic("index");
    QVERIFY(QTest::qWaitForWindowExposed(help));
    help->resize(500, 360);
    help->move(area.x() + 60, area.y() + 50);
    QCoreApplication::processEvents();
    const QPoint at = help->pos();
    help->close();
    QTRY_VERIFY(!help);
    const auto placement = app::readPlacement(store, "Help");
    QVERIFY(placement);
    QCOMPARE(placement->normal, (app::WindowRect{at.x(), at.y(), 500, 360}));

    help = ui::HelpWindow::showTopic("backup");
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QCOMPARE(help->size(), QSize(500, 360));
    QCOMPARE(help->pos(), at);
    ui::HelpWindow::closeAll();

    // Left on a screen that is no longer there, and larger than this one: it comes back on this one.
    app::writePlacement(store, "Help", {{area.right() + 2000, area.bottom() + 900, 4000, 3000}, false});
    help = ui::HelpWindow::showTopic("index");
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QVERIFY(area.contains(help->frameGeometry()));
    ui::HelpWindow::closeAll();
    ui::setWindowPlaceStore(nullptr);
}

void UiTest::mainWindowComesBackAsItWasLeft() {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize size(std::min(area.width(), 900) - 20, std::min(area.height(), 600) - 40);
    {
        Startup s;
        s.copyFixtures();
        QVERIFY(s.open());
        ui::MainWindow& window = *s.shell->window();
        s.shell->showMainWindow("Kip Golf");
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(size);
        window.move(area.topLeft() + QPoint(10, 12));
        QCoreApplication::processEvents();
        const QPoint at = window.pos();
        window.close();
        QCOMPARE(app::readPlacement(s.shell->settings(), "MainWindow"),
                 (app::WindowPlacement{{at.x(), at.y(), size.width(), size.height()}, false}));
    }
    Startup s;
    s.copyFixtures();
    const app::WindowRect normal{area.x() + 10, area.y() + 12, size.width(), size.height()};
    app::writePlacement(s.shell->settings(), "MainWindow", {normal, true});
    QVERIFY(s.open());
    ui::MainWindow& window = *s.shell->window();
    s.shell->showMainWindow("Kip Golf");
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.isMaximized());
    window.showNormal();
    QTRY_COMPARE(window.size(), size);
    // Maximised again and closed, it keeps the size to go back to.
    window.showMaximized();
    QTRY_VERIFY(window.isMaximized());
    window.close();
    const auto placement = app::readPlacement(s.shell->settings(), "MainWindow");
    QVERIFY(placement && placement->maximized);
    QCOMPARE(placement->normal.width, size.width());
    QCOMPARE(placement->normal.height, size.height());
}

void UiTest::narrowWindowScrollsTheRibbonInsteadOfCuttingLabels() {
    Startup s;
    s.copyFixtures();
    QVERIFY(s.open());
    ui::MainWindow& window = *s.shell->window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(window.minimumSizeHint());
    QCoreApplication::processEvents();
    auto* tabs = window.ribbon()->findChild<QTabBar*>();
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        for (auto* button : window.ribbon()->findChildren<QToolButton*>()) {
            if (!button->isVisible() || button->toolButtonStyle() != Qt::ToolButtonTextUnderIcon)
                continue;
            // Every line of the label has the room it needs.
            for (const QString& line : button->text().split('\n'))
                QVERIFY2(button->fontMetrics().horizontalAdvance(line) <= button->width(), qPrintable(line));
        }
    }
    window.grab().save(test::screenshotPath("main-ribbon-narrowest.png"));
}

QTEST_MAIN(UiTest)
#include "UiTest.moc"
