#include "MessageBoxAnswerer.h"

#include "../../rounds/RoundCardData.h"
#include "exchange/RoundTextFile.h"
#include "rounds/CScoresDlg.h"
#include "rounds/CTotalScoreDlg.h"
#include "support/Doubles.h"
#include "support/TempDir.h"
#include "ui/DateField.h"
#include "ui/HelpWindow.h"
#include "ui/QtDialogHost.h"
#include "ui/QtPrompter.h"
#include "ui/ScoresView.h"
#include "ui/TotalScoreView.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

using namespace kip;

namespace {

constexpr platform::Date today{2026, 12, 9};

golfdb::ScoreRecord storedRound(std::uint8_t flags) {
    golfdb::ScoreRecord round;
    static_cast<golfdb::CourseRecord&>(round) = test::sampleCourse(flags);
    round.golfer = "Palmer, Arnold";
    round.yardage[0] = 11;
    round.month = 6;
    round.day = 2;
    round.year = 2025;
    const std::array<int, 19> strokes = {0, 4, 5, 2, 4, 6, 4, 3, 5, 5, 4, 3, 6, 3, 4, 5, 3, 5, 4};
    for (std::size_t h = 1; h < 19; ++h) {
        round.strokes[h] = static_cast<std::int8_t>(strokes[h]);
        round.putts[h] = static_cast<std::int8_t>(h % 3 == 0 ? 1 : 2);
        round.holeFlags[h] =
            static_cast<std::uint8_t>((h % 2 && round.par[h] != 3 ? golfdb::holeFairwayHit : 0) |
                                      (h % 3 ? 0 : golfdb::holeGreenInRegulation));
    }
    round.totalStrokes = 75;
    if (flags & golfdb::flagPointsRound)
        round.storePoints({true, {4, 3, 2, 1, 0}, 40});
    return round;
}

// Types into whatever has the focus, as a user at the keyboard does.
void typeKeys(const QString& keys) {
    for (const QChar key : keys)
        QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
}

class OneFileChooser : public platform::FileChooser {
public:
    explicit OneFileChooser(std::string path) : path_(std::move(path)) {}
    std::optional<std::string> chooseOpen(const platform::FileRequest&) override { return path_; }
    std::optional<std::string> chooseSave(const platform::FileRequest&) override { return path_; }

private:
    std::string path_;
};

void waitUntilShown(QWidget& view) {
    view.show();
    QApplication::setActiveWindow(&view);
    QVERIFY(QTest::qWaitForWindowActive(&view));
}

} // namespace

class RoundViewsTest : public QObject {
    Q_OBJECT
private slots:
    void wholeRoundIsTypedWithTheKeyboardAlone();
    void skipPuttsRunsFromStrokesToStrokes();
    void valueAboveOneByteIsRefusedAndTheFieldKeepsTheFocus();
    void cancelAsksAboutChangesAndEscapeAsksToo();
    void changeAndViewShowTheStoredRound();
    void quickEntryInItsThreeModes();
    void registeredViewsRunThroughTheHost();
    void roundTextFileButtonsSaveAndLoadTheCard();
    void helpButtonsOpenTheirTopics();
    void dateFieldTakesDatesAsPeopleTypeThem();
    void dateFieldArrowsStepThePartUnderTheCursor();
    void typedDateAndEnterOnTheLastHoleSaveWhatIsShown();
    void changedHoleCountsWhenEnterIsPressedInIt();
    void halfTypedDateIsRefusedNotReplaced();
    void totalOnlyRoundTakesTypedDateAndTotalOnEnter();
    void cleanupTestCase() { ui::HelpWindow::closeAll(); }
};

void RoundViewsTest::wholeRoundIsTypedWithTheKeyboardAlone() {
    ui::QtPrompter prompter;
    rounds::CScoresDlg model(rounds::RoundMode::Enter, prompter, today);
    model.fillFromCourse("Palmer, Arnold", test::sampleCourse(), {});
    model.prepareShow();
    ui::ScoresView view(model, nullptr);
    waitUntilShown(view);
    QCOMPARE(view.windowTitle(), QString("Enter Round for Arnold Palmer"));
    QCOMPARE(QApplication::focusWidget(), view.datePicker());
    QVERIFY(view.findChild<QPushButton*>("saveToTextFile")->isVisible());
    QVERIFY(!view.findChild<QPushButton*>("print"));
    QVERIFY(!view.fairwayBox(3)->isEnabled());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), view.strokesField(1));
    // Hole 7 is a hole in one: a one waits for the tab key; hole 12 takes ten strokes.
    const QStringList strokes = {"4", "5", "3",  "5", "4", "6", "1", "4", "5",
                                 "4", "3", "10", "4", "4", "5", "2", "5", "4"};
    for (int h = 1; h <= 18; ++h) {
        QCOMPARE(QApplication::focusWidget(), view.strokesField(h));
        const QString score = strokes[h - 1];
        if (score == "1") {
            typeKeys(score);
            QCOMPARE(QApplication::focusWidget(), view.strokesField(h));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        } else {
            typeKeys(score);
        }
        QCOMPARE(QApplication::focusWidget(), view.puttsField(h));
        typeKeys(score == "1" ? "0" : "2");
    }
    QCOMPARE(QApplication::focusWidget(), view.saveAndQuitButton());
    const rounds::ScoresCard& card = model.card();
    QCOMPARE(card.totalStrokes, 78);
    QCOMPARE(view.findChild<QLineEdit*>("totalStrokes")->text(), QString("78"));
    QCOMPARE(view.findChild<QLineEdit*>("outStrokes")->text(), QString("37"));
    QCOMPARE(view.findChild<QLineEdit*>("totalPutts")->text(), QString("34"));
    QVERIFY(view.greenBox(1)->isChecked());
    QVERIFY(!view.greenBox(12)->isChecked());
    QVERIFY(view.greenBox(7)->isChecked());
    QCOMPARE(view.strokesField(11)->palette().color(QPalette::Text), QColor(0, 0, 255)); // par
    QCOMPARE(view.strokesField(16)->palette().color(QPalette::Text), QColor(255, 0, 0)); // birdie
    QCOMPARE(view.strokesField(7)->palette().color(QPalette::Text), QColor(0, 128, 0));  // eagle
    view.fairwayBox(1)->click();
    QCOMPARE(view.findChild<QLineEdit*>("fairwaysHit")->text(), QString("1"));
    view.grab().save(test::screenshotPath("dialog-round-enter.png"));

    view.saveAndQuitButton()->setFocus();
    QTest::keyClick(view.saveAndQuitButton(), Qt::Key_Space);
    QVERIFY(!view.isVisible());
    QCOMPARE(view.result(), platform::dialogOk);
    QVERIFY(!model.changed());
}

void RoundViewsTest::skipPuttsRunsFromStrokesToStrokes() {
    ui::QtPrompter prompter;
    rounds::CScoresDlg model(rounds::RoundMode::Enter, prompter, today);
    model.fillFromCourse("Palmer, Arnold", test::sampleCourse(), {});
    model.prepareShow();
    ui::ScoresView view(model, nullptr);
    waitUntilShown(view);
    view.findChild<QCheckBox*>("skipPutts")->click();
    view.strokesField(1)->setFocus();
    for (int h = 1; h <= 18; ++h) {
        QCOMPARE(QApplication::focusWidget(), view.strokesField(h));
        typeKeys("5");
    }
    QCOMPARE(QApplication::focusWidget(), view.saveAndQuitButton());
    QCOMPARE(model.card().totalStrokes, 90);
    QCOMPARE(model.card().greensHit, 0);

    view.findChild<QCheckBox*>("tabbingOff")->click();
    QVERIFY(!view.findChild<QCheckBox*>("skipPutts")->isChecked());
    QVERIFY(!view.findChild<QCheckBox*>("skipPutts")->isEnabled());
    view.strokesField(4)->setFocus();
    view.strokesField(4)->selectAll();
    typeKeys("6");
    QCOMPARE(QApplication::focusWidget(), view.strokesField(4));
}

void RoundViewsTest::valueAboveOneByteIsRefusedAndTheFieldKeepsTheFocus() {
    ui::QtPrompter prompter;
    rounds::CScoresDlg model(rounds::RoundMode::Enter, prompter, today);
    model.fillFromCourse("Palmer, Arnold", test::sampleCourse(), {});
    model.prepareShow();
    ui::ScoresView view(model, nullptr);
    prompter.setParent(&view);
    waitUntilShown(view);
    view.findChild<QCheckBox*>("tabbingOff")->click();
    view.strokesField(2)->setFocus();
    view.strokesField(2)->selectAll();
    typeKeys("128x");
    QCOMPARE(view.strokesField(2)->text(), QString("128"));
    test::MessageBoxAnswerer boxes;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_COMPARE(boxes.texts, QStringList{"Enter an integer between 0 and 127."});
    // The window's own focus: the offscreen platform does not activate it again after the box.
    QTRY_COMPARE(view.focusWidget(), view.strokesField(2));
    QCOMPARE(view.strokesField(2)->selectedText(), QString("128"));

    // Emptied and left, the field shows 0.
    waitUntilShown(view);
    view.strokesField(2)->selectAll();
    QTest::keyClick(view.strokesField(2), Qt::Key_Delete);
    QTest::keyClick(view.strokesField(2), Qt::Key_Tab);
    QCOMPARE(view.strokesField(2)->text(), QString("0"));
    QCOMPARE(QApplication::focusWidget(), view.puttsField(2));
}

void RoundViewsTest::cancelAsksAboutChangesAndEscapeAsksToo() {
    ui::QtPrompter prompter;
    rounds::CScoresDlg model(rounds::RoundMode::Enter, prompter, today);
    model.fillFromCourse("Palmer, Arnold", test::sampleCourse(), {});
    model.prepareShow();
    ui::ScoresView view(model, nullptr);
    prompter.setParent(&view);
    waitUntilShown(view);
    view.strokesField(1)->setFocus();
    typeKeys("52");
    test::MessageBoxAnswerer boxes;
    boxes.answer(QMessageBox::No);
    boxes.screenshotNext("message-round-not-saved.png");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_COMPARE(boxes.texts, QStringList{"Information has been changed but not saved, quit anyway?"});
    QCOMPARE(boxes.captions, QStringList{"Data not saved"});
    QVERIFY(view.isVisible());
    view.findChild<QPushButton*>("cancel")->click();
    QVERIFY(!view.isVisible());
    QCOMPARE(view.result(), platform::dialogCancel);
    QCOMPARE(boxes.texts.size(), 1);
}

void RoundViewsTest::changeAndViewShowTheStoredRound() {
    test::ScriptedPrompter prompter;
    rounds::CScoresDlg change(rounds::RoundMode::Change, prompter, today);
    change.loadFromRound(storedRound(0));
    change.applyChangeSettings({});
    change.prepareShow();
    {
        ui::ScoresView view(change, nullptr);
        waitUntilShown(view);
        QCOMPARE(view.windowTitle(), QString("Change Round for Arnold Palmer"));
        QCOMPARE(QApplication::focusWidget(), view.datePicker());
        QCOMPARE(view.datePicker()->date(), QDate(2025, 6, 2));
        QVERIFY(!view.findChild<QPushButton*>("saveToTextFile"));
        QVERIFY(!view.findChild<QPushButton*>("saveAndNewRound"));
        QVERIFY(view.findChild<QPushButton*>("cancel"));
        QCOMPARE(view.findChild<QLineEdit*>("totalStrokes")->text(), QString("75"));
        QVERIFY(!view.findChild<QLabel*>("metresNote")->isVisible());
        QVERIFY(!view.findChild<QCheckBox*>("keepPoints")->isEnabled());
        view.grab().save(test::screenshotPath("dialog-round-change.png"));
    }

    rounds::CScoresDlg points(rounds::RoundMode::View, prompter, today);
    points.loadFromRound(storedRound(golfdb::flagPointsRound));
    points.prepareShow();
    {
        ui::ScoresView view(points, nullptr);
        waitUntilShown(view);
        QCOMPARE(view.windowTitle(), QString("View Round for Arnold Palmer"));
        QCOMPARE(QApplication::focusWidget(), view.saveAndQuitButton());
        QCOMPARE(view.saveAndQuitButton()->text(), QString("OK"));
        QVERIFY(!view.findChild<QPushButton*>("cancel"));
        QVERIFY(view.findChild<QPushButton*>("print"));
        QCOMPARE(view.findChild<QLineEdit*>("points")->text(), QString("40"));
        QVERIFY(view.strokesField(1)->isReadOnly());
        QVERIFY(!view.greenBox(1)->isEnabled());
        QVERIFY(!view.datePicker()->isEnabled());
        QCOMPARE(view.strokesField(16)->palette().color(QPalette::Text),
                 view.palette().color(QPalette::Text));
        view.grab().save(test::screenshotPath("dialog-round-view-points.png"));
        view.findChild<QPushButton*>("showPointsRules")->click();
        QCOMPARE(prompter.last().text, "Eagle = 4  Birdie = 3  Par = 2  Bogie = 1  Double = 0");
        view.saveAndQuitButton()->click();
        QCOMPARE(view.result(), platform::dialogOk);
    }

    rounds::CScoresDlg metres(rounds::RoundMode::View, prompter, today);
    metres.loadFromRound(storedRound(golfdb::flagMetres));
    metres.prepareShow();
    {
        ui::ScoresView view(metres, nullptr);
        waitUntilShown(view);
        QVERIFY(view.findChild<QLabel*>("metresNote")->isVisible());
        QVERIFY(!view.findChild<QLineEdit*>("points"));
        QVERIFY(!view.findChild<QPushButton*>("showPointsRules"));
        QCOMPARE(view.findChild<QLineEdit*>("totalYardage")->text(), QString("5220"));
        view.grab().save(test::screenshotPath("dialog-round-view-metres.png"));
    }
}

void RoundViewsTest::quickEntryInItsThreeModes() {
    ui::QtPrompter prompter;
    rounds::CTotalScoreDlg enter(rounds::RoundMode::Enter, prompter, today);
    enter.fillFromCourse("Palmer, Arnold", test::sampleCourse(), false);
    {
        ui::TotalScoreView view(enter, nullptr);
        prompter.setParent(&view);
        waitUntilShown(view);
        QCOMPARE(view.windowTitle(), QString("Enter Round for Arnold Palmer"));
        QCOMPARE(view.findChild<QLineEdit*>("par")->text(), QString("72"));
        QVERIFY(!view.findChild<QPushButton*>("print"));
        view.totalField()->setFocus();
        view.totalField()->selectAll();
        QTest::keyClicks(view.totalField(), "1000");
        test::MessageBoxAnswerer boxes;
        view.findChild<QPushButton*>("saveAndNewRound")->click();
        QCOMPARE(boxes.texts, QStringList{"Enter an integer between 0 and 999."});
        QVERIFY(view.isVisible());
        view.totalField()->selectAll();
        QTest::keyClicks(view.totalField(), "87");
        view.grab().save(test::screenshotPath("dialog-total-enter.png"));
        view.findChild<QPushButton*>("saveAndNewRound")->click();
        QCOMPARE(view.result(), rounds::resultSaveAndNewRound);
        QCOMPARE(enter.totalStrokes(), 87);
    }

    golfdb::ScoreRecord stored = storedRound(golfdb::flagTotalOnly);
    stored.strokes.fill(0);
    stored.totalStrokes = 92;
    test::ScriptedPrompter quiet;
    rounds::CTotalScoreDlg change(rounds::RoundMode::Change, quiet, today);
    change.loadFromRound(stored);
    {
        ui::TotalScoreView view(change, nullptr);
        waitUntilShown(view);
        QCOMPARE(view.totalField()->text(), QString("92"));
        QVERIFY(view.findChild<QPushButton*>("cancel"));
        QVERIFY(!view.findChild<QPushButton*>("saveAndNewGolfer"));
        view.grab().save(test::screenshotPath("dialog-total-change.png"));
    }
    rounds::CTotalScoreDlg viewModel(rounds::RoundMode::View, quiet, today);
    viewModel.loadFromRound(stored);
    {
        ui::TotalScoreView view(viewModel, nullptr);
        waitUntilShown(view);
        QVERIFY(view.totalField()->isReadOnly());
        QVERIFY(!view.datePicker()->isEnabled());
        QCOMPARE(view.findChild<QPushButton*>("saveAndQuit")->text(), QString("OK"));
        QVERIFY(view.findChild<QPushButton*>("print"));
        QVERIFY(!view.findChild<QPushButton*>("cancel"));
        view.grab().save(test::screenshotPath("dialog-total-view.png"));
    }
}

void RoundViewsTest::registeredViewsRunThroughTheHost() {
    ui::QtDialogHost host;
    ui::registerStandardViews(host);
    test::ScriptedPrompter prompter;
    rounds::CScoresDlg model(rounds::RoundMode::Enter, prompter, today);
    model.fillFromCourse("Palmer, Arnold", test::sampleCourse(), {});
    QVERIFY(host.hasView(model));
    rounds::CTotalScoreDlg total(rounds::RoundMode::Enter, prompter, today);
    QVERIFY(host.hasView(total));
    QTimer::singleShot(50, [] {
        if (auto* view = qobject_cast<ui::ScoresView*>(QApplication::activeModalWidget()))
            view->findChild<QPushButton*>("saveAndNewGolfer")->click();
    });
    // An empty card cannot be saved: the view stays until it is cancelled.
    QTimer::singleShot(150, [] {
        if (auto* view = qobject_cast<ui::ScoresView*>(QApplication::activeModalWidget()))
            view->findChild<QPushButton*>("cancel")->click();
    });
    QCOMPARE(model.run(host), platform::dialogCancel);
    QCOMPARE(prompter.texts(), std::vector<std::string>{"You must enter a score on every hole"});
}

void RoundViewsTest::roundTextFileButtonsSaveAndLoadTheCard() {
    test::TempDir dir;
    const std::string path = dir.file("round.txt");
    ui::QtPrompter prompter;
    OneFileChooser chooser(path);
    exchange::RoundTextButtons buttons(chooser, prompter);
    test::MessageBoxAnswerer boxes;

    rounds::CScoresDlg written(rounds::RoundMode::Enter, prompter, {2025, 3, 17});
    written.fillFromCourse("Palmer, Arnold", test::sampleCourse(), {});
    written.prepareShow();
    test::typeRound(written, test::parRound);
    written.setTextFiles(&buttons);
    {
        ui::ScoresView view(written, nullptr);
        prompter.setParent(&view);
        waitUntilShown(view);
        view.findChild<QPushButton*>("saveToTextFile")->click();
        QCOMPARE(boxes.texts, QStringList{QString::fromStdString("Round exported successfully to " + path)});
    }

    rounds::CScoresDlg loaded(rounds::RoundMode::Enter, prompter, today);
    loaded.fillFromCourse("Palmer, Arnold", test::sampleCourse(), {});
    loaded.prepareShow();
    loaded.setTextFiles(&buttons);
    ui::ScoresView view(loaded, nullptr);
    prompter.setParent(&view);
    waitUntilShown(view);
    view.findChild<QPushButton*>("loadFromTextFile")->click();
    QCOMPARE(boxes.texts.last(), QString::fromStdString("Round imported successfully from " + path));
    QCOMPARE(view.datePicker()->date(), QDate(2025, 3, 17));
    QCOMPARE(view.strokesField(4)->text(), QString("5"));
    QCOMPARE(view.findChild<QLineEdit*>("totalStrokes")->text(), QString("72"));
    QVERIFY(view.greenBox(1)->isChecked());
}

void RoundViewsTest::helpButtonsOpenTheirTopics() {
    test::ScriptedPrompter prompter;
    rounds::CScoresDlg model(rounds::RoundMode::Enter, prompter, today);
    model.fillFromCourse("Palmer, Arnold", test::sampleCourse(), {});
    ui::ScoresView view(model, nullptr);
    view.findChild<QPushButton*>("help")->click();
    ui::HelpWindow* window = ui::HelpWindow::showTopic("round-editor");
    QVERIFY(window->browser()->toPlainText().contains("Entering a Round Hole by Hole"));
    window->open("total-round");
    QVERIFY(window->browser()->toPlainText().contains("Entering a Round as a Total Score"));
}

namespace {

// A date field in a window of its own with a second field after it, typed into as a user does.
struct DateFieldWindow {
    QWidget window;
    ui::DateField* field = new ui::DateField(QDate(2026, 12, 9), &window);
    QLineEdit* next = new QLineEdit(&window);
    DateFieldWindow() {
        next->move(0, 40);
        waitUntilShown(window);
        field->setFocus();
    }
    void type(const QString& keys) {
        field->selectAll();
        QTest::keyClicks(field, keys);
    }
};

} // namespace

void RoundViewsTest::dateFieldTakesDatesAsPeopleTypeThem() {
    DateFieldWindow w;
    QList<QDate> heard;
    connect(w.field, &ui::DateField::dateChanged, this, [&heard](const QDate& d) { heard.push_back(d); });
    const std::pair<const char*, QDate> typed[] = {
        {"11/20/2026", QDate(2026, 11, 20)},
        {"11202026", QDate(2026, 11, 20)},
        {"1/5/2026", QDate(2026, 1, 5)},
        {"2-29-2028", QDate(2028, 2, 29)},
        {"12.31.1999", QDate(1999, 12, 31)},
        {"01/01/1900", QDate(1900, 1, 1)},
        {"11/2", QDate()},
        {"1120202", QDate()},
        {"02/30/2026", QDate()},
        {"13/01/2026", QDate()},
        {"12/31/1899", QDate()},
        {"1/5/26", QDate()},
    };
    for (const auto& [text, date] : typed) {
        w.type(text);
        QCOMPARE(w.field->text(), QString(text));
        QCOMPARE(w.field->date(), date);
        QCOMPARE(heard.last(), date);
        // Whatever was typed, the focus stays in the date until the user leaves it.
        QCOMPARE(QApplication::focusWidget(), w.field);
    }

    // Letters are not taken; a whole date is shown in its one form when the field is left, and a
    // half-typed one stays as it was typed.
    w.type("1/5/2026x");
    QCOMPARE(w.field->text(), QString("1/5/2026"));
    QTest::keyClick(w.field, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.next);
    QCOMPARE(w.field->text(), QString("01/05/2026"));
    w.field->setFocus();
    w.type("11/2");
    w.next->setFocus();
    QCOMPARE(w.field->text(), QString("11/2"));
    QVERIFY(!w.field->date().isValid());
}

void RoundViewsTest::dateFieldArrowsStepThePartUnderTheCursor() {
    DateFieldWindow w;
    w.type("11/20/2026");
    w.field->setCursorPosition(4); // in the day
    QTest::keyClick(w.field, Qt::Key_Up);
    QCOMPARE(w.field->date(), QDate(2026, 11, 21));
    QCOMPARE(w.field->selectedText(), QString("21"));
    w.field->setCursorPosition(0); // in the month
    QTest::keyClick(w.field, Qt::Key_Down);
    QCOMPARE(w.field->date(), QDate(2026, 10, 21));
    w.field->setCursorPosition(8); // in the year
    QTest::keyClick(w.field, Qt::Key_Up);
    QCOMPARE(w.field->text(), QString("10/21/2027"));

    // The arrows stop at the lowest date instead of going round to another one.
    w.type("01/01/1900");
    w.field->setCursorPosition(4);
    QTest::keyClick(w.field, Qt::Key_Down);
    QCOMPARE(w.field->date(), QDate(1900, 1, 1));
    // On a half-typed date they start again from the last whole date.
    w.type("3/1");
    w.field->setCursorPosition(0);
    QTest::keyClick(w.field, Qt::Key_Up);
    QCOMPARE(w.field->date(), QDate(1900, 2, 1));
}

namespace {

// The hole-by-hole editor of a new round on the sample course, shown, with the focus in the date.
struct EnterRoundWindow {
    test::ScriptedPrompter prompter;
    rounds::CScoresDlg model{rounds::RoundMode::Enter, prompter, today};
    std::unique_ptr<ui::ScoresView> view;
    EnterRoundWindow() {
        model.fillFromCourse("Palmer, Arnold", test::sampleCourse(), {});
        model.prepareShow();
        view = std::make_unique<ui::ScoresView>(model, nullptr);
        waitUntilShown(*view);
    }
};

} // namespace

void RoundViewsTest::typedDateAndEnterOnTheLastHoleSaveWhatIsShown() {
    EnterRoundWindow w;
    ui::ScoresView& view = *w.view;
    QCOMPARE(QApplication::focusWidget(), view.datePicker());
    view.datePicker()->selectAll();
    typeKeys("11/20/2026");
    QCOMPARE(QApplication::focusWidget(), view.datePicker());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    for (int h = 1; h <= 17; ++h) {
        QCOMPARE(QApplication::focusWidget(), view.strokesField(h));
        typeKeys("42");
    }
    // A hole in one on the last hole: the one waits for a second digit, and Enter saves.
    typeKeys("1");
    QCOMPARE(QApplication::focusWidget(), view.strokesField(18));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!view.isVisible());
    QCOMPARE(view.result(), platform::dialogOk);
    QCOMPARE(w.prompter.texts(), std::vector<std::string>{});
    const rounds::ScoresCard& card = w.model.card();
    QCOMPARE(card.totalStrokes, 17 * 4 + 1);
    QCOMPARE(card.strokes[18], 1);
    QCOMPARE(card.totalPutts, 17 * 2);
    QVERIFY((std::array{card.month, card.day, card.year}) == (std::array{11, 20, 2026}));
}

void RoundViewsTest::changedHoleCountsWhenEnterIsPressedInIt() {
    test::ScriptedPrompter prompter;
    rounds::CScoresDlg model(rounds::RoundMode::Change, prompter, today);
    model.loadFromRound(storedRound(0));
    model.applyChangeSettings({});
    model.prepareShow();
    ui::ScoresView view(model, nullptr);
    waitUntilShown(view);
    view.findChild<QCheckBox*>("tabbingOff")->click();
    view.strokesField(5)->setFocus();
    view.strokesField(5)->selectAll();
    typeKeys("9"); // was 6
    QCOMPARE(QApplication::focusWidget(), view.strokesField(5));
    // Enter on the keypad takes the field as well; a refused value keeps the focus in it.
    typeKeys("999");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QVERIFY(view.isVisible());
    QCOMPARE(prompter.texts(), std::vector<std::string>{"Enter an integer between 0 and 127."});
    QCOMPARE(QApplication::focusWidget(), view.strokesField(5));
    view.strokesField(5)->selectAll();
    typeKeys("9");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QVERIFY(!view.isVisible());
    QCOMPARE(model.card().totalStrokes, 75 + 3);
    QCOMPARE(view.findChild<QLineEdit*>("totalStrokes")->text(), QString("78"));
}

void RoundViewsTest::halfTypedDateIsRefusedNotReplaced() {
    EnterRoundWindow w;
    ui::ScoresView& view = *w.view;
    test::typeRound(w.model, test::parRound);
    view.datePicker()->selectAll();
    typeKeys("11/2");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(view.isVisible());
    QCOMPARE(w.prompter.texts(), std::vector<std::string>{"Date round played is invalid"});
    QCOMPARE(view.datePicker()->text(), QString("11/2"));
    typeKeys("0/2026");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!view.isVisible());
    const rounds::ScoresCard& card = w.model.card();
    QVERIFY((std::array{card.month, card.day, card.year}) == (std::array{11, 20, 2026}));
}

void RoundViewsTest::totalOnlyRoundTakesTypedDateAndTotalOnEnter() {
    test::ScriptedPrompter prompter;
    rounds::CTotalScoreDlg model(rounds::RoundMode::Enter, prompter, today);
    model.fillFromCourse("Palmer, Arnold", test::sampleCourse(), false);
    ui::TotalScoreView view(model, nullptr);
    waitUntilShown(view);
    QCOMPARE(QApplication::focusWidget(), view.datePicker());
    view.datePicker()->selectAll();
    typeKeys("13/20/2026");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), view.totalField());
    view.totalField()->selectAll();
    typeKeys("87");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(prompter.texts(), std::vector<std::string>{"Date round played is invalid"});
    QVERIFY(view.isVisible());
    view.datePicker()->setFocus();
    view.datePicker()->selectAll();
    typeKeys("1/5/2026");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!view.isVisible());
    QCOMPARE(model.totalStrokes(), 87);
    QVERIFY(model.datePlayed().year == 2026 && model.datePlayed().month == 1 && model.datePlayed().day == 5);
}

QTEST_MAIN(RoundViewsTest)
#include "RoundViewsTest.moc"
