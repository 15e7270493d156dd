// The golfer dialogs in their Qt views, and the golfer commands run from the main window.

#include "MessageBoxAnswerer.h"

#include "golfdb/CKipGolfDoc.h"
#include "handicap/HandicapIndex.h"
#include "support/Doubles.h"
#include "support/TempDir.h"
#include "ui/GolferViews.h"
#include "ui/MainWindow.h"
#include "ui/QtPrompter.h"
#include "ui/QtStartupShell.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <deque>
#include <functional>

using namespace kip;

namespace {

// Plays the dialogs that a command opens, in order, each once it is the active modal window.
class DialogPlayer : public QObject {
public:
    DialogPlayer() {
        connect(&timer_, &QTimer::timeout, this, &DialogPlayer::poll);
        timer_.start(10);
    }
    void then(const QString& objectName, std::function<void(QWidget*)> play) {
        steps_.push_back({objectName, std::move(play)});
    }
    bool done() const { return steps_.empty(); }

private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || qobject_cast<QMessageBox*>(modal) || steps_.empty() ||
            modal->objectName() != steps_.front().first || modal == last_)
            return;
        last_ = modal;
        auto step = steps_.front();
        steps_.pop_front();
        step.second(modal);
    }

    QTimer timer_;
    std::deque<std::pair<QString, std::function<void(QWidget*)>>> steps_;
    QPointer<QWidget> last_;
};

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
    void addChangeAndDeleteFromTheWindow();
};

void GolferViewsTest::peopleViewUpperCasesTheStateAndChecksTheName() {
    ui::QtPrompter prompter;
    manage::CPeopleDlg model(manage::CPeopleDlg::Mode::Add, prompter);
    ui::PeopleView view(model, nullptr);
    view.show();
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

QTEST_MAIN(GolferViewsTest)
#include "GolferViewsTest.moc"
