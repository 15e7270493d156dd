// The course dialogs' views under the offscreen platform, with a screenshot of each.

#include "../DialogPlayer.h"
#include "../MessageBoxAnswerer.h"

#include "golfdb/CKipGolfDoc.h"
#include "manage/CCourseDlg.h"
#include "manage/CDeleteCourseDlg.h"
#include "manage/CMergeMaster.h"
#include "manage/CMessageDlg.h"
#include "manage/CSelectCourseDlg.h"
#include "manage/CSelectCourseTee.h"
#include "manage/CSelectState.h"
#include "manage/CSelectTeeDlg.h"
#include "support/Doubles.h"
#include "support/TempDir.h"
#include "ui/CourseMessageView.h"
#include "ui/CourseSelectViews.h"
#include "ui/CourseView.h"
#include "ui/MainWindow.h"
#include "ui/MergeMasterView.h"
#include "ui/QtPrompter.h"
#include "ui/QtStartupShell.h"
#include "ui/SelectCourseView.h"
#include "ui/SelectStateView.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include <cstdio>
#include <deque>
#include <functional>
#include <memory>

using namespace kip;

namespace {

golfdb::CourseRecord courseRow(const std::string& name, const std::string& city, const std::string& state,
                               const std::string& tee, int slope = 125, double rating = 71.3) {
    golfdb::CourseRecord row;
    row.name = name;
    row.city = city;
    row.state = state;
    row.tee = tee;
    row.slope = slope;
    row.rating = rating;
    row.phone = "(859) 555-0142";
    row.zip = "40502";
    const int pars[] = {4, 5, 3, 4, 4, 3, 4, 5, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4};
    const int yards[] = {412, 538, 176, 389, 421, 195, 367, 552, 404,
                         398, 163, 517, 430, 377, 208, 441, 560, 415};
    for (int h = 1; h <= 18; ++h) {
        row.par[static_cast<std::size_t>(h)] = static_cast<std::int8_t>(pars[h - 1]);
        row.yardage[static_cast<std::size_t>(h)] = yards[h - 1];
    }
    return row;
}

// A created database in a folder of its own, with a few courses.
struct Courses {
    test::TempDir dir;
    test::ScriptedPrompter prompter;
    std::unique_ptr<golfdb::CKipGolfDoc> doc;

    Courses() {
        doc = std::make_unique<golfdb::CKipGolfDoc>(dir.path(), prompter);
        prompter.answer(platform::Answer::Yes);
        doc->openDatabase();
        for (const auto& row :
             {courseRow("Alder Run", "Lexington", "KY", "Blue"),
              courseRow("Alder Run", "Lexington", "KY", "White", 119, 69.4),
              courseRow("Alder Run", "Lexington", "KY", "Red", 113, 67.0),
              courseRow("Birch Hollow", "Ashland", "", "Gold"), courseRow("Cedar Point", "", "", "Blue")})
            add(row);
    }
    void add(const golfdb::CourseRecord& row) {
        doc->courseTable().record() = row;
        doc->courseTable().add();
    }
    void makeMaster(int groups) {
        golfdb::CourseTable master(dir.path() + "KipCourses");
        master.create();
        const char* states[] = {"KY", "OH", "IN", "TN", "WV"};
        for (int i = 0; i < groups; ++i) {
            char name[40];
            std::snprintf(name, sizeof name, "%s Links %03d", i % 3 ? "Meadow" : "Hill", i);
            for (const char* tee : {"Blue", "White"}) {
                master.record() = courseRow(name, "Town " + std::to_string(i % 17), states[i % 5], tee);
                master.add();
            }
        }
        master.close();
    }
};

void shoot(QWidget& view, const QString& name) {
    view.show();
    QCoreApplication::processEvents();
    view.grab().save(test::screenshotPath(name));
}

using test::DialogPlayer;

QPushButton* buttonNamed(QWidget* dialog, const QString& text) {
    for (auto* b : dialog->findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

} // namespace

class CourseViewsTest : public QObject {
    Q_OBJECT
private slots:
    void courseCardShowsTheSumsAndTakesTyping();
    void viewAndChangeModesFollowTheModel();
    void courseListsAndSelections();
    void selectStateEnablesTheFieldWithItsChoice();
    void enterFindsInTheFindBoxAndTakesTheHighlightedRow();
    void masterDialogCannotCloseWhileLoading();
    void courseCommandsRunFromTheWindow();
};

void CourseViewsTest::courseCardShowsTheSumsAndTakesTyping() {
    test::ScriptedPrompter prompter;
    manage::CCourseDlg model(prompter, manage::CourseMode::Add, true);
    model.open();
    ui::CourseView view(model, nullptr);
    QCOMPARE(view.windowTitle(), QString("Add a New Course"));
    shoot(view, "dialog-course-add-empty.png");

    QLineEdit* state = view.textField(manage::CourseText::State);
    QTest::keyClicks(state, "ky");
    QCOMPARE(state->text(), QString("KY"));
    QTest::keyClicks(view.textField(manage::CourseText::Name), "Alder Run");
    QTest::keyClicks(view.textField(manage::CourseText::Name), std::string(40, 'x').c_str());
    QCOMPARE(model.text(manage::CourseText::Name).size(), 40u);
    QLineEdit* par1 = view.holeField(manage::CourseRow::Par, 1);
    par1->selectAll();
    QTest::keyClicks(par1, "4x");
    QCOMPARE(par1->text(), QString("4")); // hole fields take digits only
    par1->setFocus();
    emit par1->editingFinished();
    QCOMPARE(view.sumLabel(manage::CourseRow::Par, 0)->text(), QString("4"));
    QCOMPARE(view.sumLabel(manage::CourseRow::Par, 2)->text(), QString("4"));
    QVERIFY(view.findChild<QCheckBox*>("meters"));

    // A press that fails a check keeps the dialog open.
    view.saveAndQuitButton()->click();
    QVERIFY(view.isVisible());
    QVERIFY(!prompter.shown.empty());
}

void CourseViewsTest::viewAndChangeModesFollowTheModel() {
    test::ScriptedPrompter prompter;
    auto row = courseRow("Alder Run", "Lexington", "KY", "Blue");
    row.flags = golfdb::flagMetres;
    manage::CCourseDlg model(prompter, manage::CourseMode::View, false);
    model.load(manage::formFromRecord(row));
    model.open();
    ui::CourseView view(model, nullptr);
    QCOMPARE(view.windowTitle(), QString("View Course"));
    QCOMPARE(view.saveAndQuitButton()->text(), QString("OK"));
    QVERIFY(!view.saveAndNewTeeButton());
    QVERIFY(view.holeField(manage::CourseRow::Yardage, 18)->isReadOnly());
    QVERIFY(!view.findChild<QCheckBox*>("meters"));
    QVERIFY(view.findChild<QLabel*>("metersNote"));
    QVERIFY(!view.findChild<QLabel*>("enterText"));
    QCOMPARE(view.sumLabel(manage::CourseRow::Yardage, 0)->text(), QString("3454"));
    QCOMPARE(view.sumLabel(manage::CourseRow::Yardage, 1)->text(), QString("3509"));
    QCOMPARE(view.sumLabel(manage::CourseRow::Par, 2)->text(), QString("72"));
    shoot(view, "dialog-course-view.png");

    manage::CCourseDlg change(prompter, manage::CourseMode::Change, true);
    change.load(manage::formFromRecord(row));
    change.open();
    ui::CourseView changeView(change, nullptr);
    QCOMPARE(changeView.windowTitle(), QString("Change Course Information"));
    QVERIFY(changeView.findChild<QCheckBox*>("meters")->isChecked());
    shoot(changeView, "dialog-course-change.png");
    QSignalSpy finished(&changeView, &QDialog::finished);
    changeView.saveAndNewTeeButton()->click();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), manage::dialogSaveAndNewTee);

    manage::CMessageDlg complete("Course Addition Complete", "Alder Run (Blue) has been added");
    ui::CourseMessageView message(complete, nullptr);
    QCOMPARE(message.windowTitle(), QString("Course Addition Complete"));
    shoot(message, "dialog-course-addition-complete.png");
}

void CourseViewsTest::courseListsAndSelections() {
    Courses data;
    manage::CDeleteCourseDlg del(*data.doc, data.prompter);
    ui::DeleteCourseView deleteView(del, nullptr);
    QCOMPARE(deleteView.list()->count(), 5);
    deleteView.list()->item(0)->setSelected(true);
    deleteView.list()->item(3)->setSelected(true);
    shoot(deleteView, "dialog-delete-courses.png");

    manage::CSelectCourseTee rows(*data.doc, data.prompter);
    ui::SelectCourseTeeView rowsView(rows, nullptr);
    rowsView.list()->setCurrentRow(1);
    QCOMPARE(rows.selected(), 1);
    shoot(rowsView, "dialog-select-course-tee.png");

    manage::CSelectTeeDlg tees(*data.doc, data.prompter, 1);
    ui::SelectTeeView teesView(tees, nullptr);
    QCOMPARE(teesView.list()->item(0)->text(), QString("Blue"));
    QCOMPARE(teesView.list()->count(), 3);
    shoot(teesView, "dialog-select-tee.png");

    test::ScriptedDialogHost host;
    test::MemorySettingsStore settings;
    data.doc->recentCourses() = {golfdb::courseKey("Alder Run", "Lexington", "KY", "White"),
                                 golfdb::courseKey("Cedar Point", "", "", "Blue")};
    manage::CourseServices services{*data.doc, host, data.prompter, settings, false};
    manage::CSelectCourseDlg select(services);
    ui::SelectCourseView selectView(select, nullptr);
    QCOMPARE(selectView.recentList()->count(), 2);
    QCOMPARE(selectView.groupList()->count(), 3);
    selectView.recentList()->setCurrentRow(0);
    QTest::keyClicks(selectView.findField(), "bir");
    for (auto* b : selectView.findChildren<QPushButton*>())
        if (b->text() == "Find")
            b->click();
    QCOMPARE(select.groupSelected(), 1);
    QCOMPARE(select.recentSelected(), -1);
    QVERIFY(selectView.recentList()->selectedItems().isEmpty());
    shoot(selectView, "dialog-select-course.png");
}

void CourseViewsTest::selectStateEnablesTheFieldWithItsChoice() {
    manage::CSelectState model;
    ui::SelectStateView view(model, nullptr);
    QVERIFY(!view.stateField()->isEnabled());
    view.findChild<QRadioButton*>("oneState")->click();
    QVERIFY(view.stateField()->isEnabled());
    QTest::keyClicks(view.stateField(), "oh");
    QCOMPARE(view.stateField()->text(), QString("OH"));
    shoot(view, "dialog-select-state.png");
    view.findChild<QPushButton*>("ok")->click();
    QCOMPARE(model.choice().state, std::string("OH"));
}

void CourseViewsTest::enterFindsInTheFindBoxAndTakesTheHighlightedRow() {
    Courses data;
    test::ScriptedDialogHost host;
    test::MemorySettingsStore settings;
    manage::CourseServices services{*data.doc, host, data.prompter, settings, false};
    manage::CSelectCourseDlg select(services);
    ui::SelectCourseView selectView(select, nullptr);
    selectView.show();
    QApplication::setActiveWindow(&selectView);
    QVERIFY(QTest::qWaitForWindowActive(&selectView));
    QCOMPARE(QApplication::focusWidget(), selectView.findField());
    QTest::keyClicks(selectView.findField(), "bir");
    QTest::keyClick(selectView.findField(), Qt::Key_Return);
    QVERIFY(selectView.isVisible());
    QCOMPARE(select.groupSelected(), 1);
    // The course found has the focus in its list: the second Enter takes it.
    QCOMPARE(QApplication::focusWidget(), selectView.groupList());
    QCOMPARE(selectView.groupList()->currentRow(), 1);
    QTest::keyClick(selectView.groupList(), Qt::Key_Return);
    QCOMPARE(selectView.result(), platform::dialogOk);
    QCOMPARE(select.groupSelected(), 1);

    // A tee list highlights its first row when it gets the focus; Enter takes that row.
    manage::CSelectTeeDlg tees(*data.doc, data.prompter, 1);
    ui::SelectTeeView teesView(tees, nullptr);
    teesView.show();
    QApplication::setActiveWindow(&teesView);
    QVERIFY(QTest::qWaitForWindowActive(&teesView));
    teesView.list()->setFocus();
    QVERIFY(teesView.list()->item(0)->isSelected());
    QTest::keyClick(teesView.list(), Qt::Key_Down);
    QTest::keyClick(teesView.list(), Qt::Key_Return);
    QCOMPARE(teesView.result(), platform::dialogOk);
    QCOMPARE(tees.selected(), 1);
}

void CourseViewsTest::masterDialogCannotCloseWhileLoading() {
    Courses data;
    data.makeMaster(3000);
    QCOMPARE(data.doc->openMasterTable(), 0);
    manage::CMergeMaster model(*data.doc, data.prompter, {});
    ui::MergeMasterView view(model, nullptr);
    QSignalSpy ended(&view, &ui::MergeMasterView::loadingEnded);
    view.show();
    QVERIFY(model.loading());
    QVERIFY(!view.cancelButton()->isEnabled());
    QVERIFY(!view.copyButton()->isEnabled());
    view.reject();
    QCloseEvent close;
    QApplication::sendEvent(&view, &close);
    QVERIFY(!close.isAccepted());
    QTest::keyClick(&view, Qt::Key_Escape);
    QVERIFY(view.isVisible());
    QVERIFY(ended.wait(10000));
    QVERIFY(view.isVisible());
    QVERIFY(view.listUpToDate());
    QCOMPARE(view.masterList()->model()->rowCount(), 3000);
    QVERIFY(view.cancelButton()->isEnabled());
    QCOMPARE(view.statusLabel()->text(), QString("Select One or More Courses to Copy"));
    QCOMPARE(view.currentList()->count(), 3);
    view.resize(980, 560);
    view.masterList()->selectionModel()->select(view.masterList()->model()->index(2, 0),
                                                QItemSelectionModel::Select);
    shoot(view, "dialog-copy-from-master.png");
    view.reject();
    QVERIFY(!view.isVisible());
    data.doc->closeMasterTable();
}

void CourseViewsTest::courseCommandsRunFromTheWindow() {
    test::TempDir dir;
    test::TempDir configDir;
    for (const char* table : {"Courses", "Golfers", "Scores"})
        dir.copyFixture(table);
    ui::QtStartupShell shell(configDir.file("KipGolf.ini"), false);
    shell.selectSettingsStore();
    shell.setClock(std::make_unique<test::FixedClock>(platform::Date{2024, 12, 9}));
    QVERIFY(shell.createMainWindow(dir.path(), true));
    ui::MainWindow& window = *shell.window();
    test::MessageBoxAnswerer boxes;
    DialogPlayer player;

    // Add a Course: a first press without a name, then the whole card.
    player.then("courseView", [](QWidget* dialog) {
        auto* view = static_cast<ui::CourseView*>(dialog);
        view->saveAndQuitButton()->click();
        QTest::keyClicks(view->textField(manage::CourseText::Name), "Quarry Ridge");
        QTest::keyClicks(view->textField(manage::CourseText::Tee), "Blue");
        view->textField(manage::CourseText::Slope)->clear();
        QTest::keyClicks(view->textField(manage::CourseText::Slope), "128");
        view->textField(manage::CourseText::Rating)->clear();
        QTest::keyClicks(view->textField(manage::CourseText::Rating), "72.4");
        for (int h = 1; h <= 18; ++h) {
            for (const auto row : {manage::CourseRow::Yardage, manage::CourseRow::Par}) {
                QLineEdit* edit = view->holeField(row, h);
                edit->selectAll();
                QTest::keyClicks(edit, row == manage::CourseRow::Par ? "4" : "390");
                emit edit->editingFinished();
            }
        }
        view->grab().save(test::screenshotPath("dialog-course-add-filled.png"));
        view->saveAndQuitButton()->click();
    });
    player.then("courseMessageView", [](QWidget* dialog) {
        dialog->grab().save(test::screenshotPath("dialog-course-addition-complete-window.png"));
        buttonNamed(dialog, "OK")->click();
    });
    boxes.screenshotNext("message-course-name-missing.png");
    window.runCommand(app::CommandId::AddCourse);
    QVERIFY(player.done());
    QCOMPARE(boxes.texts, QStringList{"You must specify a name for the course"});
    QCOMPARE(boxes.captions, QStringList{"Course Error"});
    QCOMPARE(shell.view()->doc().courseTable().find("Quarry Ridge", "", "", "Blue"), 0);
    QCOMPARE(shell.view()->doc().courseTable().record().slope, 128);

    // Delete Course(s): the new row, after the question.
    boxes.texts.clear();
    boxes.answer(QMessageBox::Yes);
    player.then("deleteCourseView", [](QWidget* dialog) {
        auto* view = static_cast<ui::DeleteCourseView*>(dialog);
        for (int i = 0; i < view->list()->count(); ++i)
            if (view->list()->item(i)->text().startsWith("Quarry Ridge (Blue)"))
                view->list()->item(i)->setSelected(true);
        buttonNamed(dialog, "Delete")->click();
    });
    boxes.screenshotNext("message-confirm-delete-course.png");
    window.runCommand(app::CommandId::DeleteCourses);
    QVERIFY(player.done());
    QCOMPARE(boxes.texts, (QStringList{"Are you sure you want to delete the selected course/tee?",
                                       "Selected course(s)/tee(s) deleted"}));
    QVERIFY(shell.view()->doc().courseTable().find("Quarry Ridge", "", "", "Blue") != 0);

    // Copy From Master without a master table: one message, nothing else.
    boxes.texts.clear();
    boxes.captions.clear();
    boxes.screenshotNext("message-master-missing.png");
    window.runCommand(app::CommandId::CopyFromMaster);
    QCOMPARE(boxes.captions, QStringList{"Master Database Error"});
}

QTEST_MAIN(CourseViewsTest)
#include "CourseViewsTest.moc"
