// The golfer dialogs in their Qt views, and the golfer commands run from the main window.

#include "DialogPlayer.h"
#include "MessageBoxAnswerer.h"

#include "golfdb/CKipGolfDoc.h"
#include "handicap/HandicapIndex.h"
#include "support/Doubles.h"
#include "support/TempDir.h"
#include "ui/CourseView.h"
#include "ui/GolferViews.h"
#include "ui/MainWindow.h"
#include "ui/QtPrompter.h"
#include "ui/QtStartupShell.h"
#include "ui/RoundSelectionViews.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <algorithm>
#include <deque>
#include <functional>

using namespace kip;

namespace {

using test::DialogPlayer;

void shot(QWidget* widget, const QString& name) {
    widget->grab().save(test::screenshotPath(name));
}

QPushButton* buttonOf(QWidget* w, const char* name) {
    return w->findChild<QPushButton*>(name);
}
QLineEdit* editOf(QWidget* w, const char* name) {
    return w->findChild<QLineEdit*>(name);
}

// A started window over the fixture database.
struct Window {
    test::TempDir dir;
    test::TempDir configDir;
    std::unique_ptr<ui::QtStartupShell> shell;
    Window() {
        shell = std::make_unique<ui::QtStartupShell>(configDir.file("KipGolf.ini"), false);
        shell->selectSettingsStore();
        shell->setClock(std::make_unique<test::FixedClock>(platform::Date{2024, 12, 9}));
        for (const char* table : {"Courses", "Golfers", "Scores"})
            dir.copyFixture(table);
    }
    ui::MainWindow& open() {
        if (!shell->createMainWindow(dir.path(), true))
            qFatal("the fixture database did not open");
        return *shell->window();
    }
};

} // namespace

class GolferViewsTest : public QObject {
    Q_OBJECT
private slots:
    void peopleViewUpperCasesTheStateAndChecksTheName();
    void selectGolferViewNeedsAChoice();
    void selectGolferTakesTheHighlightedGolferOnEnter();
    void addChangeAndDeleteFromTheWindow();
    void handicapListingsFromTheWindow();
    void enterARoundWithTheKeyboard();
    void roundSelectionDialogsFromTheWindow();
    void aNewUserGoesTheWholeRoadOfOneRound();
};

void GolferViewsTest::peopleViewUpperCasesTheStateAndChecksTheName() {
    ui::QtPrompter prompter;
    manage::CPeopleDlg model(manage::CPeopleDlg::Mode::Add, prompter);
    ui::PeopleView view(model, nullptr);
    view.show();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    QCOMPARE(QApplication::focusWidget(), view.field(manage::CPeopleDlg::FirstName));
    QVERIFY(view.initialHandicap());
    QCOMPARE(view.field(manage::CPeopleDlg::Street)->maxLength(), 20);
    QCOMPARE(view.field(manage::CPeopleDlg::Zip)->maxLength(), 15);
    QTest::keyClicks(view.field(manage::CPeopleDlg::State), "on");
    QCOMPARE(view.field(manage::CPeopleDlg::State)->text(), QString("ON"));
    QCOMPARE(model.text(manage::CPeopleDlg::State), std::string("ON"));
    QTest::keyClicks(view.field(manage::CPeopleDlg::FirstName), "Ada");
    shot(&view, "dialog-golfer-information-add.png");

    test::MessageBoxAnswerer boxes;
    boxes.screenshotNext("message-golfer-name-error.png");
    buttonOf(&view, "save")->click();
    QCOMPARE(boxes.texts, QStringList{"You must specify a name for this golfer"});
    QCOMPARE(boxes.captions, QStringList{"Name Error"});
    QVERIFY(view.isVisible());

    view.field(manage::CPeopleDlg::Team)->setText("");
    QTest::keyClicks(view.field(manage::CPeopleDlg::Team), "12345");
    boxes.screenshotNext("message-golfer-team-range.png");
    buttonOf(&view, "save")->click();
    QCOMPARE(boxes.texts.last(), QString("Enter an integer between -999 and 9999."));
    QVERIFY(view.isVisible());

    manage::CNumberRoundsDlg numbers(prompter, "Ada", "Brandt");
    ui::NumberRoundsView numbersView(numbers, nullptr);
    numbersView.show();
    QCOMPARE(numbersView.handicap()->text(), QString("0"));
    QCOMPARE(numbersView.rounds()->value(), 20);
    shot(&numbersView, "dialog-initial-handicap.png");
    boxes.screenshotNext("message-initial-handicap-range.png");
    buttonOf(&numbersView, "ok")->click();
    QCOMPARE(boxes.texts.last(), QString("Enter a number between 0.1 and 95.9."));
    QVERIFY(numbersView.isVisible());
}

void GolferViewsTest::selectGolferViewNeedsAChoice() {
    ui::QtPrompter prompter;
    manage::CSelectPersonDlg model({{"Brandt, Ola", 2}, {"Okonkwo, Ike", 1}}, prompter, {true, false});
    ui::SelectPersonView view(model, nullptr);
    view.show();
    QCOMPARE(view.list()->count(), 2);
    QVERIFY(view.useAll()->isEnabled());
    shot(&view, "dialog-select-golfer.png");
    test::MessageBoxAnswerer boxes;
    boxes.screenshotNext("message-select-a-golfer.png");
    view.list()->clearSelection(); // the highlighted golfer taken back
    buttonOf(&view, "ok")->click();
    QCOMPARE(boxes.texts, QStringList{"You must select a golfer!"});
    QCOMPARE(boxes.captions, QStringList{"Selection Error"});
    emit view.list()->itemDoubleClicked(view.list()->item(1)); // ends with a golfer chosen
    QCOMPARE(view.result(), platform::dialogOk);
    QCOMPARE(model.chosen(), 1L);
    view.show();
    view.list()->setCurrentRow(0);
    view.useAll()->setChecked(true);
    QVERIFY(!view.list()->isEnabled());
    QCOMPARE(model.selectedIndex(), -1);
    buttonOf(&view, "ok")->click();
    QCOMPARE(view.result(), platform::dialogOk);
    QCOMPARE(model.chosen(), manage::allGolfers);
}

void GolferViewsTest::selectGolferTakesTheHighlightedGolferOnEnter() {
    ui::QtPrompter prompter;
    manage::CSelectPersonDlg model({{"Brandt, Ola", 2}, {"Okonkwo, Ike", 1}}, prompter, {true, false});
    ui::SelectPersonView view(model, nullptr);
    view.show();
    QApplication::setActiveWindow(&view);
    QVERIFY(QTest::qWaitForWindowActive(&view));
    QCOMPARE(QApplication::focusWidget(), view.list());
    QVERIFY(view.list()->item(0)->isSelected());
    QTest::keyClick(view.list(), Qt::Key_Return);
    QCOMPARE(view.result(), platform::dialogOk);
    QCOMPARE(model.chosen(), 2L);
}

void GolferViewsTest::addChangeAndDeleteFromTheWindow() {
    Window w;
    ui::MainWindow& window = w.open();
    window.resize(1000, 700);
    window.show();
    test::MessageBoxAnswerer boxes;
    QStringList shots;
    boxes.onBox = [&] {
        const QString text = boxes.texts.last();
        const QString name = text.contains("added")          ? "message-golfer-added.png"
                             : text.contains("Are you sure") ? "message-confirm-delete-golfer.png"
                             : text.contains("deleted")      ? "message-golfer-deleted.png"
                             : text.contains("changed")      ? "message-golfer-changed.png"
                                                             : "";
        if (!name.isEmpty())
            boxes.screenshotNext(name);
    };

    DialogPlayer player;
    player.then("peopleView", [](QWidget* d) {
        QTest::keyClicks(editOf(d, "lastName"), "Brandt");
        QTest::keyClicks(editOf(d, "firstName"), "Ola");
        QTest::keyClicks(editOf(d, "city"), "Ottawa");
        d->findChild<QCheckBox*>("initialHandicap")->setChecked(true);
        QTest::keyClick(editOf(d, "city"), Qt::Key_Return);
    });
    player.then("numberRoundsView", [](QWidget* d) {
        auto* handicap = editOf(d, "handicap");
        handicap->selectAll();
        QTest::keyClicks(handicap, "12.5");
        d->findChild<QSpinBox*>("rounds")->setValue(5);
        shot(d, "dialog-initial-handicap-filled.png");
        QTest::keyClick(handicap, Qt::Key_Return);
    });
    window.runCommand(app::CommandId::NewGolfer);
    QVERIFY(player.done());
    QCOMPARE(boxes.texts, QStringList{"Ola Brandt has been added"});
    QCOMPARE(boxes.captions, QStringList{"People Information"});
    auto& doc = w.shell->view()->doc();
    QCOMPARE(doc.golferTable().find("Brandt, Ola"), 0);
    QCOMPARE(doc.golferTable().record().city, std::string("Ottawa"));
    QCOMPARE(doc.golferTable().record().handicapIndex, 12.5);
    QCOMPARE(handicap::computeHandicapIndex(doc.scoreTable(), "Brandt, Ola").counted, 5);

    boxes.texts.clear();
    player.then("selectPersonView", [](QWidget* d) {
        auto* list = d->findChild<QListWidget*>("golfers");
        const auto found = list->findItems("Brandt, Ola", Qt::MatchExactly);
        list->setCurrentItem(found.value(0));
        shot(d, "dialog-select-golfer-change.png");
        buttonOf(d, "ok")->click();
    });
    bool checkedChangeMode = false;
    player.then("peopleView", [&checkedChangeMode](QWidget* d) {
        checkedChangeMode =
            !d->findChild<QCheckBox*>("initialHandicap") && d->focusWidget() == editOf(d, "street");
        QTest::keyClicks(editOf(d, "street"), "14 Birch Lane");
        shot(d, "dialog-golfer-information-change.png");
        buttonOf(d, "save")->click();
    });
    window.runCommand(app::CommandId::ChangeGolfer);
    QVERIFY(player.done());
    QVERIFY(checkedChangeMode);
    QCOMPARE(boxes.texts, QStringList{"Ola Brandt has been changed"});
    QCOMPARE(doc.golferTable().find("Brandt, Ola"), 0);
    QCOMPARE(doc.golferTable().record().street, std::string("14 Birch Lane"));

    boxes.texts.clear();
    boxes.answer(QMessageBox::Yes);
    player.then("selectPersonView", [](QWidget* d) {
        auto* list = d->findChild<QListWidget*>("golfers");
        const auto found = list->findItems("Brandt, Ola", Qt::MatchExactly);
        list->setCurrentItem(found.value(0));
        QTest::keyClick(list, Qt::Key_Return); // the default button
    });
    window.runCommand(app::CommandId::DeleteGolfer);
    QVERIFY(player.done());
    QCOMPARE(
        boxes.texts,
        (QStringList{
            "Are you sure you want to delete Ola Brandt? All rounds for this golfer will also be deleted.",
            "Golfer Ola Brandt and all rounds played have been deleted"}));
    QVERIFY(doc.golferTable().find("Brandt, Ola") != 0);
}

QPushButton* buttonText(QWidget* w, const QString& text) {
    for (auto* b : w->findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

QStringList listTexts(QWidget* d) {
    QStringList texts;
    auto* list = d->findChild<QListView*>("list");
    for (int row = 0; row < list->model()->rowCount(); ++row)
        texts << list->model()->index(row, 0).data().toString();
    return texts;
}

void GolferViewsTest::handicapListingsFromTheWindow() {
    Window w;
    ui::MainWindow& window = w.open();
    test::MessageBoxAnswerer boxes;
    DialogPlayer player;

    player.then("selectPersonView", [](QWidget* d) {
        auto* list = d->findChild<QListWidget*>("golfers");
        list->setCurrentItem(list->findItems("Okonkwo, Ike", Qt::MatchExactly).value(0));
        buttonOf(d, "ok")->click();
    });
    boxes.screenshotNext("message-show-handicap.png");
    window.runCommand(app::CommandId::ShowHandicap);
    QVERIFY(player.done());
    QCOMPARE(boxes.captions, QStringList{"Handicap Information"});
    QVERIFY(boxes.texts.value(0).startsWith("Ike Okonkwo has a handicap of "));

    QStringList scores;
    QString viewed;
    player.then("selectPersonView", [](QWidget* d) {
        auto* list = d->findChild<QListWidget*>("golfers");
        list->setCurrentItem(list->findItems("Okonkwo, Ike", Qt::MatchExactly).value(0));
        buttonOf(d, "ok")->click();
    });
    player.then("listDialogView", [&scores](QWidget* d) {
        d->resize(520, 420);
        scores = listTexts(d);
        shot(d, "dialog-handicap-scores.png");
        // Later, so that the player (still in this step) can play the round dialog it opens.
        QTimer::singleShot(0, d, [d] {
            auto* list = d->findChild<QListView*>("list");
            emit list->doubleClicked(list->model()->index(1, 0)); // the newest round
            d->findChild<QPushButton*>("ok")->click();
        });
    });
    player.then("totalScoreView|scoresView", [&viewed](QWidget* d) {
        viewed = d->objectName();
        shot(d, "dialog-handicap-scores-view-round.png");
        qobject_cast<QDialog*>(d)->reject();
    });
    window.runCommand(app::CommandId::ShowHandicapScores);
    QVERIFY(scores.size() > 1);
    QVERIFY(scores.value(0).startsWith("Ike Okonkwo has a handicap of "));
    QVERIFY(!viewed.isEmpty());

    QStringList sorted;
    DialogPlayer lists;
    lists.then("listDialogView", [&sorted](QWidget* d) {
        sorted = listTexts(d);
        shot(d, "dialog-all-handicaps-by-handicap.png");
        d->findChild<QPushButton*>("ok")->click();
    });
    window.runCommand(app::CommandId::ShowAllHandicapsByHandicap);
    QVERIFY(lists.done());
    // Indexes from 0.0 come in ascending order; a negative one sits where its text sorts.
    QVector<double> indexes;
    for (const QString& line : sorted)
        if (!line.startsWith('-'))
            indexes << line.left(4).trimmed().toDouble();
    QVERIFY(indexes.size() > 2);
    QVERIFY(std::is_sorted(indexes.begin(), indexes.end()));

    QStringList all;
    lists.then("listDialogView", [&all](QWidget* d) {
        d->resize(520, 480);
        all = listTexts(d);
        QVERIFY(d->findChild<QPushButton*>("printNoBreaks"));
        shot(d, "dialog-all-handicap-scores.png");
        d->findChild<QPushButton*>("ok")->click();
    });
    window.runCommand(app::CommandId::ShowAllHandicapScores);
    QVERIFY(all.contains(""));

    QString courseTitle;
    lists.then("selectCourseView", [](QWidget* d) {
        d->findChild<QListWidget*>("groups")->setCurrentRow(0);
        buttonText(d, "OK")->click();
    });
    lists.then("selectTeeView", [](QWidget* d) {
        d->findChild<QListWidget*>("lines")->setCurrentRow(0);
        buttonText(d, "OK")->click();
    });
    lists.then("listDialogView", [&courseTitle](QWidget* d) {
        courseTitle = d->windowTitle();
        shot(d, "dialog-course-handicaps.png");
        d->findChild<QPushButton*>("ok")->click();
    });
    window.runCommand(app::CommandId::CourseHandicapsByGolfer);
    QVERIFY(courseTitle.endsWith(")"));
}

// Types into whatever has the focus, as a user at the keyboard does.
void typeKeys(const QString& keys) {
    for (const QChar key : keys)
        QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
}

void GolferViewsTest::enterARoundWithTheKeyboard() {
    Window w;
    ui::MainWindow& window = w.open();
    auto& doc = w.shell->view()->doc();
    QCOMPARE(doc.golferTable().find("Okonkwo, Ike"), 0);
    const double indexBefore = doc.golferTable().record().handicapIndex;

    test::MessageBoxAnswerer boxes;
    boxes.onBox = [&] {
        if (boxes.texts.last().startsWith("Do you want"))
            boxes.screenshotNext("message-score-entry.png");
        else if (boxes.texts.last().startsWith("Round saved"))
            boxes.screenshotNext("message-round-saved.png");
    };
    boxes.answer(QMessageBox::Yes);
    DialogPlayer player;
    player.then("selectPersonView", [](QWidget* d) {
        auto* list = d->findChild<QListWidget*>("golfers");
        list->setCurrentItem(list->findItems("Okonkwo, Ike", Qt::MatchExactly).value(0));
        buttonOf(d, "ok")->click();
    });
    player.then("selectCourseView", [](QWidget* d) {
        d->findChild<QListWidget*>("groups")->setCurrentRow(0);
        buttonText(d, "OK")->click();
    });
    player.then("selectTeeView", [](QWidget* d) {
        d->findChild<QListWidget*>("lines")->setCurrentRow(0);
        buttonText(d, "OK")->click();
    });
    bool typed = false;
    player.then("scoresView", [&typed](QWidget* d) {
        QApplication::setActiveWindow(d);
        if (!QTest::qWaitForWindowActive(d))
            return;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // from the date to hole 1
        for (int h = 1; h <= 18; ++h)
            typeKeys("42"); // the strokes, then the putts: each moves on by itself
        shot(d, "dialog-enter-round-typed.png");
        typed = QApplication::focusWidget() && QApplication::focusWidget()->objectName() == "saveAndQuit";
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    });
    window.runCommand(app::CommandId::EnterRound);
    QVERIFY(player.done());
    QVERIFY(typed);
    QCOMPARE(boxes.texts.size(), 2);
    QVERIFY(boxes.texts[1].startsWith("Round saved and Ike Okonkwo's handicap is now "));

    auto& scores = doc.scoreTable();
    QCOMPARE(scores.findNewest("Okonkwo, Ike"), 0);
    QCOMPARE(scores.record().year, 2024);
    QCOMPARE(scores.record().month, 12);
    QCOMPARE(scores.record().day, 9);
    QCOMPARE(scores.record().totalStrokes, 72);
    QCOMPARE(doc.golferTable().find("Okonkwo, Ike"), 0);
    const double indexAfter = doc.golferTable().record().handicapIndex;
    QVERIFY(indexAfter != indexBefore);
    QVERIFY(boxes.texts[1].contains(QString::number(indexAfter, 'f', 1)));
    QVERIFY(w.shell->view()->leaderboard().category(0).best <= 72);
}

void GolferViewsTest::roundSelectionDialogsFromTheWindow() {
    Window w;
    ui::MainWindow& window = w.open();
    auto& doc = w.shell->view()->doc();
    const auto roundsOfIke = doc.roundList("Okonkwo, Ike").size();
    QVERIFY(roundsOfIke > 2);

    test::MessageBoxAnswerer boxes;
    boxes.onBox = [&] {
        const QString text = boxes.texts.last();
        if (text.startsWith("You must select a round"))
            boxes.screenshotNext("message-select-a-round.png");
        else if (text.startsWith("Are you sure you want to delete these"))
            boxes.screenshotNext("message-confirm-delete-rounds.png");
        else if (text.startsWith("Selected rounds deleted"))
            boxes.screenshotNext("message-rounds-deleted.png");
        else if (text.startsWith("Enter a valid year"))
            boxes.screenshotNext("message-incorrect-year.png");
        else if (text.startsWith("Are you sure you want to delete all rounds"))
            boxes.screenshotNext("message-confirm-delete-year.png");
        else if (text.contains("rounds deleted from database"))
            boxes.screenshotNext("message-year-deleted.png");
    };
    DialogPlayer player;
    const auto chooseIke = [](QWidget* d) {
        auto* list = d->findChild<QListWidget*>("golfers");
        list->setCurrentItem(list->findItems("Okonkwo, Ike", Qt::MatchExactly).value(0));
        buttonOf(d, "ok")->click();
    };
    player.then("selectPersonView", chooseIke);
    player.then("selectScoreView", [](QWidget* d) {
        shot(d, "dialog-select-round.png");
        // The highlighted first round is the choice; with that taken back, OK gives the message and
        // the dialog stays.
        d->findChild<QListWidget*>("rounds")->clearSelection();
        buttonOf(d, "ok")->click();
        buttonOf(d, "cancel")->click();
    });
    window.runCommand(app::CommandId::ViewRound);
    QVERIFY(player.done());
    QCOMPARE(boxes.texts, QStringList{"You must select a round!"});

    boxes.texts.clear();
    boxes.answer(QMessageBox::Yes);
    player.then("selectPersonView", chooseIke);
    player.then("deleteScoreView", [](QWidget* d) {
        auto* list = d->findChild<QListWidget*>("rounds");
        list->item(0)->setSelected(true);
        list->item(1)->setSelected(true);
        shot(d, "dialog-delete-round.png");
        buttonOf(d, "delete")->click();
    });
    window.runCommand(app::CommandId::DeleteRounds);
    QVERIFY(player.done());
    QCOMPARE(boxes.texts.value(0), QString("Are you sure you want to delete these 2 rounds?"));
    QVERIFY(boxes.texts.value(1).startsWith("Selected rounds deleted and Okonkwo, Ike's handicap is now "));
    QCOMPARE(doc.roundList("Okonkwo, Ike").size(), roundsOfIke - 2);

    boxes.texts.clear();
    boxes.answer(QMessageBox::Yes);
    player.then("enterYearView", [](QWidget* d) {
        auto* year = editOf(d, "year");
        QTest::keyClicks(year, "1899");
        shot(d, "dialog-enter-year.png");
        buttonOf(d, "ok")->click();
        year->clear();
        QTest::keyClicks(year, "2023");
        QTest::keyClick(year, Qt::Key_Return);
    });
    window.runCommand(app::CommandId::DeleteYear);
    QVERIFY(player.done());
    QCOMPARE(boxes.texts.size(), 3);
    QCOMPARE(boxes.texts[0], QString("Enter a valid year in the format yyyy"));
    QVERIFY(boxes.texts[2].endsWith("rounds deleted from database for year 2023"));
}

// A first start in an empty folder, then what the program is for: a golfer with a starting
// handicap, a course typed from its card, one round typed hole by hole, and the handicap moving.
void GolferViewsTest::aNewUserGoesTheWholeRoadOfOneRound() {
    test::TempDir dir;
    test::TempDir configDir;
    ui::QtStartupShell shell(configDir.file("KipGolf.ini"), false);
    shell.selectSettingsStore();
    shell.setClock(std::make_unique<test::FixedClock>(platform::Date{2024, 12, 9}));
    test::MessageBoxAnswerer boxes;
    boxes.answer(QMessageBox::Yes); // create the databases
    QVERIFY(shell.createMainWindow(dir.path(), true));
    ui::MainWindow& window = *shell.window();
    window.resize(1000, 700);
    window.show();
    auto& doc = shell.view()->doc();
    const auto& board = shell.view()->leaderboard();
    QCOMPARE(board.category(app::Leaderboard::YearGross).best, -1);

    DialogPlayer player;
    player.then("peopleView", [](QWidget* d) {
        QTest::keyClicks(editOf(d, "lastName"), "Brandt");
        QTest::keyClicks(editOf(d, "firstName"), "Ola");
        d->findChild<QCheckBox*>("initialHandicap")->setChecked(true);
        QTest::keyClick(editOf(d, "firstName"), Qt::Key_Return);
    });
    player.then("numberRoundsView", [](QWidget* d) {
        auto* handicap = editOf(d, "handicap");
        handicap->selectAll();
        QTest::keyClicks(handicap, "12.5");
        d->findChild<QSpinBox*>("rounds")->setValue(5);
        QTest::keyClick(handicap, Qt::Key_Return);
    });
    window.runCommand(app::CommandId::NewGolfer);
    QVERIFY(player.done());
    QCOMPARE(boxes.texts.last(), QString("Ola Brandt has been added"));
    QCOMPARE(doc.golferTable().find("Brandt, Ola"), 0);
    QCOMPARE(doc.golferTable().record().handicapIndex, 12.5);

    player.then("courseView", [](QWidget* dialog) {
        auto* view = static_cast<ui::CourseView*>(dialog);
        QTest::keyClicks(view->textField(manage::CourseText::Name), "Quarry Ridge");
        QTest::keyClicks(view->textField(manage::CourseText::City), "Kingston");
        QTest::keyClicks(view->textField(manage::CourseText::Tee), "Blue");
        view->textField(manage::CourseText::Slope)->clear();
        QTest::keyClicks(view->textField(manage::CourseText::Slope), "128");
        view->textField(manage::CourseText::Rating)->clear();
        QTest::keyClicks(view->textField(manage::CourseText::Rating), "72.4");
        for (int h = 1; h <= 18; ++h)
            for (const auto row : {manage::CourseRow::Yardage, manage::CourseRow::Par}) {
                QLineEdit* edit = view->holeField(row, h);
                edit->selectAll();
                QTest::keyClicks(edit, row == manage::CourseRow::Par ? (h % 9 == 3 ? "3" : "4") : "380");
                emit edit->editingFinished();
            }
        view->saveAndQuitButton()->click();
    });
    player.then("courseMessageView", [](QWidget* dialog) {
        for (auto* b : dialog->findChildren<QPushButton*>())
            if (b->text() == "OK")
                b->click();
    });
    window.runCommand(app::CommandId::AddCourse);
    QVERIFY(player.done());
    QCOMPARE(doc.courseTable().find("Quarry Ridge", "Kingston", "", "Blue"), 0);

    // Enter a Round: the new course for the only golfer, then the card typed digit by digit.
    boxes.texts.clear();
    boxes.answer(QMessageBox::Yes); // hole by hole
    boxes.onBox = [&] {
        if (boxes.texts.last().startsWith("Round saved"))
            boxes.screenshotNext("message-round-saved-new-user.png");
    };
    QStringList seen;
    const auto pickFirst = [&seen](const char* list) {
        return [&seen, list](QWidget* d) {
            seen << d->objectName();
            d->findChild<QListWidget*>(list)->setCurrentRow(0);
            buttonText(d, "OK")->click();
        };
    };
    player.then("selectCourseView", pickFirst("groups")); // the only golfer is taken without asking
    player.then("selectTeeView", pickFirst("lines"));
    bool reachedSave = false;
    player.then("scoresView", [&](QWidget* d) {
        seen << d->objectName();
        QApplication::setActiveWindow(d);
        if (!QTest::qWaitForWindowActive(d))
            return;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // from the date to hole 1
        for (int h = 1; h <= 18; ++h)
            typeKeys(h <= 9 ? "52" : "41"); // strokes, then putts: the focus moves on by itself
        shot(d, "dialog-enter-round-new-user.png");
        reachedSave =
            QApplication::focusWidget() && QApplication::focusWidget()->objectName() == "saveAndQuit";
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    });
    window.runCommand(app::CommandId::EnterRound);
    QVERIFY2(player.done(), qPrintable(seen.join(',') + " / " + player.unexpected.join(',')));
    QVERIFY(reachedSave);
    QCOMPARE(seen, (QStringList{"selectCourseView", "selectTeeView", "scoresView"}));

    // The stored round: the golfer, the course's card and date of today, the strokes and putts typed.
    auto& scores = doc.scoreTable();
    QCOMPARE(scores.findNewest("Brandt, Ola"), 0);
    golfdb::ScoreRecord round = scores.record();
    QCOMPARE(round.golfer, std::string("Brandt, Ola"));
    QCOMPARE(round.name, std::string("Quarry Ridge"));
    QCOMPARE(round.tee, std::string("Blue"));
    QCOMPARE(round.slope, 128);
    QCOMPARE(round.rating, 72.4);
    QCOMPARE((std::array<int, 3>{round.year, round.month, round.day}), (std::array<int, 3>{2024, 12, 9}));
    QCOMPARE(round.totalStrokes, 81);
    QCOMPARE(round.strokes[1], std::uint8_t{5});
    QCOMPARE(round.strokes[18], std::uint8_t{4});
    QCOMPARE(round.totalPutts(), 27);
    QCOMPARE(round.par[3], std::uint8_t{3});
    // (81 - 72.4) x 113 / 128 = 7.59
    QCOMPARE(round.differential, 7.6);
    QCOMPARE(round.courseHandicap(), 14); // 12.5 x 128 / 113 = 14.16

    // Six rounds count: the best one of them, 7.6 x 0.96 = 7.296, kept to a tenth.
    QCOMPARE(doc.golferTable().find("Brandt, Ola"), 0);
    const double index = doc.golferTable().record().handicapIndex;
    QCOMPARE(index, 7.2);
    QCOMPARE(boxes.texts.last(), QString("Round saved and Ola Brandt's handicap is now 7.2 "));

    // The leaderboard: the new round leads gross and putts of the year and of all rounds.
    for (const auto category : {app::Leaderboard::YearGross, app::Leaderboard::AllGross}) {
        QCOMPARE(board.category(category).best, 81);
        QCOMPARE(board.category(category).tieCount, 1);
        QCOMPARE(board.category(category).leaderText, std::string("Brandt, Ola"));
    }
    QCOMPARE(board.category(app::Leaderboard::YearPutts).best, 27);
    window.grab().save(test::screenshotPath("main-after-first-round.png"));
}

QTEST_MAIN(GolferViewsTest)
#include "GolferViewsTest.moc"
