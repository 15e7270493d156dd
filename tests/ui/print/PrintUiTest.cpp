#include "MessageBoxAnswerer.h"

#include "report/CListDlg.h"
#include "report/ReportPrint.h"
#include "support/TempDir.h"
#include "ui/ListDialogView.h"
#include "ui/QtDialogHost.h"
#include "ui/QtPrintSurface.h"
#include "ui/QtPrinter.h"
#include "ui/TabbedText.h"

#include <cstdlib>

#include <QApplication>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QListView>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

using namespace kip;

namespace {

// The text of a PDF file as pdftotext lays it out, one entry per page, blank lines dropped.
QList<QStringList> pdfPages(const QString& pdf) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        qWarning("pdftotext is missing: scripts/deps.sh installs poppler-utils");
    QProcess process;
    process.start("pdftotext", {"-layout", pdf, "-"});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    QList<QStringList> pages;
    const QStringList texts = QString::fromUtf8(process.readAllStandardOutput()).split('\f');
    for (const QString& page : texts) {
        QStringList lines;
        for (const QString& line : page.split('\n'))
            if (!line.trimmed().isEmpty())
                lines << line.trimmed();
        if (!lines.isEmpty())
            pages << lines;
    }
    return pages;
}

// How many lines of a titled listing (first line at 5 line heights) fit on the first page.
int linesOnFirstPage(ui::QtPrinter& printer, const QString& probeFile) {
    printer.printToPdf(probeFile.toStdString());
    auto surface = printer.start({"probe", {}, false});
    if (!surface)
        return 0;
    const int lineHeight = surface->lineHeight();
    const int bottom = surface->pageHeight() - 5 * lineHeight;
    surface->finish();
    return (bottom - 5 * lineHeight + lineHeight - 1) / lineHeight;
}

} // namespace

class PrintUiTest : public QObject {
    Q_OBJECT
private slots:
    void courierComesOutFixedPitch();
    void listingOneLineLongerThanAPageGoesThroughQtIntoAPdf();
    void surfaceShowsTheWaitCursorWhilePrinting();
    void printDialogOffersTheWholeDocumentOnly();
    void tabsMoveToTheNextStop();
    void listDialogShowsTheListingAndForwardsTheUser();
    void listDialogKeyboardAndSortedLines();
    void listDialogFillsWhileOpen();
    void headingLinesUpWithTheListColumns();
};

void PrintUiTest::courierComesOutFixedPitch() {
    const QFont font = ui::printFont(platform::FontRequest{});
    const QFontInfo info(font);
    QVERIFY2(info.fixedPitch(), qPrintable(info.family()));
    const QFontMetrics metrics(font);
    QCOMPARE(metrics.horizontalAdvance("iiiiiiiiii"), metrics.horizontalAdvance("WWWWWWWWWW"));
}

void PrintUiTest::listingOneLineLongerThanAPageGoesThroughQtIntoAPdf() {
    test::TempDir dir;
    ui::QtPrinter printer;
    const int fit = linesOnFirstPage(printer, QString::fromStdString(dir.file("probe.pdf")));
    QVERIFY(fit > 10);

    std::vector<std::string> lines;
    for (int i = 1; i <= fit + 1; ++i)
        lines.push_back(QString("Round %1 \t 7%2\t(12.%3)")
                            .arg(i, 3, 10, QChar('0'))
                            .arg(i % 10)
                            .arg(i % 7)
                            .toStdString());
    const QString pdf = QString::fromStdString(dir.file("lowest.pdf"));
    printer.printToPdf(pdf.toStdString());
    const std::string title = "Lowest 20 Scores for Ann Lee";
    QVERIFY(
        report::printReport(printer, report::PrintVariant::LowestScores, title, report::printLines(lines)));

    const auto pages = pdfPages(pdf);
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages[0].size(), fit + 1);
    QCOMPARE(pages[0].front(), QString::fromStdString(title));
    for (int i = 1; i <= fit; ++i)
        QVERIFY2(pages[0][i].startsWith(QString("Round %1").arg(i, 3, 10, QChar('0'))),
                 qPrintable(pages[0][i]));
    QCOMPARE(pages[1].size(), 2); // the title, then the one remaining line below it
    QCOMPARE(pages[1][0], QString::fromStdString(title));
    QVERIFY2(pages[1][1].startsWith(QString("Round %1").arg(fit + 1, 3, 10, QChar('0'))),
             qPrintable(pages[1][1]));

    // The face that went into the file is a monospace one.
    QProcess fonts;
    fonts.start("pdffonts", {pdf});
    QVERIFY(fonts.waitForFinished(30000));
    const QString used = QString::fromUtf8(fonts.readAllStandardOutput());
    QVERIFY2(used.contains("Mono") || used.contains("Courier"), qPrintable(used));

    // A picture of the second page, to look at.
    QProcess::execute("pdftoppm", {"-png", "-r", "40", "-f", "2", "-l", "2", "-singlefile", pdf,
                                   test::screenshotPath("print-lowest-scores-page2")});
}

void PrintUiTest::surfaceShowsTheWaitCursorWhilePrinting() {
    test::TempDir dir;
    ui::QtPrinter printer;
    printer.printToPdf(dir.file("wait.pdf"));
    auto surface = printer.start({"Kip Golf Basic Stats", {"Courier", 12, true, true}, false});
    QVERIFY(surface);
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QVERIFY(surface->lineHeight() > 0 && surface->averageCharWidth() > 0);
    surface->drawText(surface->averageCharWidth(), 0, "Basic Stats");
    surface->finish();
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(QFileInfo(QString::fromStdString(dir.file("wait.pdf"))).size() > 0);

    printer.printToPdf(dir.file("no-such-folder/x.pdf"));
    QVERIFY2(!printer.start({"Kip Golf Basic Stats", {}, false}), "an output that cannot be written");
    QVERIFY(!QApplication::overrideCursor());
}

void PrintUiTest::printDialogOffersTheWholeDocumentOnly() {
    ui::QtPrinter printer;
    bool seen = false;
    QTimer::singleShot(50, [&seen] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        seen = true;
        QVERIFY(!dialog->testOption(QAbstractPrintDialog::PrintPageRange));
        QVERIFY(!dialog->testOption(QAbstractPrintDialog::PrintSelection));
        QVERIFY(!dialog->testOption(QAbstractPrintDialog::PrintCurrentPage));
        QVERIFY(dialog->testOption(QAbstractPrintDialog::PrintToFile));
        QCOMPARE(dialog->printRange(), QAbstractPrintDialog::AllPages);
        dialog->grab().save(test::screenshotPath("dialog-print.png"));
        dialog->reject();
    });
    QVERIFY2(!printer.start({"Kip Golf Team List", {}, false}), "cancelled: nothing printed");
    QVERIFY(seen);
    QVERIFY(!QApplication::overrideCursor());
}

void PrintUiTest::tabsMoveToTheNextStop() {
    QCOMPARE(ui::nextTabStop(5, {20, 30, 40}, 7), 20);
    QCOMPARE(ui::nextTabStop(20, {20, 30, 40}, 7), 30);
    QCOMPARE(ui::nextTabStop(41, {20, 30, 40}, 7), 50); // past the last: on by one gap
    QCOMPARE(ui::nextTabStop(17, {8}, 7), 24);          // a single stop repeats
    QCOMPARE(ui::nextTabStop(3, {}, 7), 10);
}

void PrintUiTest::listDialogShowsTheListingAndForwardsTheUser() {
    report::CListDlg model("Show All Handicaps and Scores");
    model.setHeadings("", "* Used in calculating handicap");
    model.setTabStops({60, 100});
    model.showButton(report::ListButton::PrintNoBreaks);
    model.showButton(report::ListButton::PrintSummary);
    model.addLine("Ann Lee has a handicap of 12.4", report::noRecord);
    model.addLine("  2026/05/01  80 (10.2) * at Oak Hill Country Club", 17);
    model.addLine("  2026/04/12  85 (14.9)   at Pine Valley", 12);
    model.addLine("  2026/03/30  79 ( 9.8) * at Oak Hill Country Club", 9);
    model.addLine("", report::noRecord);
    model.addLine("Bob Roe has a handicap of  8.0", report::noRecord);
    model.addLine("Score\tDate\tCourse", report::noRecord);
    model.addLine("   72\t05/01/2026\tOak Hill", 21);
    std::vector<long> opened;
    model.setOpenAction([&opened](int, long record) { opened.push_back(record); });
    int prints = 0;
    int summaries = 0;
    model.setPrintAction(report::ListButton::Print, [&prints] { ++prints; });
    model.setPrintAction(report::ListButton::PrintSummary, [&summaries] { ++summaries; });

    ui::QtDialogHost host;
    ui::registerStandardViews(host);
    QVERIFY(host.hasView(model));
    QTimer::singleShot(0, [&] {
        auto* view = qobject_cast<ui::ListDialogView*>(QApplication::activeModalWidget());
        QVERIFY(view);
        const auto closeOnFailure = qScopeGuard([view] {
            if (view->isVisible())
                view->reject();
        });
        QCOMPARE(view->windowTitle(), QString("Show All Handicaps and Scores"));
        QVERIFY(view->findChild<QLabel*>("firstHeading")->isHidden());
        QCOMPARE(view->findChild<QLabel*>("secondHeading")->text(),
                 QString("* Used in calculating handicap"));
        QStringList captions;
        for (auto* button : view->findChildren<QPushButton*>())
            captions << button->text();
        QCOMPARE(captions, (QStringList{"OK", "Print", "Print w/o Breaks", "Print Summary", "Help"}));
        QVERIFY(QFontInfo(view->list()->font()).fixedPitch());
        const int charWidth = QFontMetrics(view->list()->font()).averageCharWidth();
        QCOMPARE(view->tabStopPixels(), (std::vector<int>{15 * charWidth, 25 * charWidth}));
        QCOMPARE(view->list()->model()->rowCount(), 8);

        view->list()->setCurrentIndex(view->list()->model()->index(1, 0));
        QCOMPARE(model.selectedIndex(), 1);
        view->grab().save(test::screenshotPath("dialog-list-handicap-scores.png"));

        const auto doubleClick = [view](int row) {
            const QRect rect = view->list()->visualRect(view->list()->model()->index(row, 0));
            QTest::mouseClick(view->list()->viewport(), Qt::LeftButton, {}, rect.center());
            QTest::mouseDClick(view->list()->viewport(), Qt::LeftButton, {}, rect.center());
        };
        doubleClick(0); // a heading opens nothing
        doubleClick(3);
        view->button(report::ListButton::Print)->click();
        view->button(report::ListButton::PrintSummary)->click();
        model.setPrintEnabled(false);
        QVERIFY(!view->button(report::ListButton::Print)->isEnabled());
        view->button(report::ListButton::Ok)->click();
    });
    QCOMPARE(host.run(model), platform::dialogOk);
    QCOMPARE(opened, (std::vector<long>{9}));
    QCOMPARE(prints, 1);
    QCOMPARE(summaries, 1);
}

void PrintUiTest::listDialogKeyboardAndSortedLines() {
    report::CListDlg model("Golfer Handicaps (By Handicaps)");
    model.setSorted(true);
    model.setTabStops({24});
    model.showButton(report::ListButton::Cancel);
    model.setOkOpensSelection(true);
    long opened = 0;
    model.setOpenAction([&opened](int, long record) { opened = record; });
    for (const auto& [text, record] : std::vector<std::pair<std::string, long>>{
             {"12.4 \tLee, Ann", 1}, {" 8.0 \tRoe, Bob", 2}, {"30.1 \tcox, Cy", 3}, {"12.4 \tDee, Di", 4}})
        model.addLine(text, record);

    ui::QtDialogHost host;
    ui::registerStandardViews(host);
    QStringList shown;
    QTimer::singleShot(0, [&] {
        auto* view = qobject_cast<ui::ListDialogView*>(QApplication::activeModalWidget());
        QVERIFY(view);
        const auto closeOnFailure = qScopeGuard([view] {
            if (view->isVisible())
                view->reject();
        });
        for (int row = 0; row < view->list()->model()->rowCount(); ++row)
            shown << view->list()->model()->index(row, 0).data().toString();
        view->list()->setFocus();
        view->list()->setCurrentIndex(view->list()->model()->index(0, 0));
        QTest::keyClick(view->list(), Qt::Key_Down);
        QCOMPARE(model.selectedIndex(), 1);
        QTest::keyClick(view->list(), Qt::Key_Return); // OK on a selected golfer opens it and stays
        QCOMPARE(opened, 4L);
        QVERIFY(view->isVisible());
        QVERIFY(!view->list()->selectionModel()->hasSelection());
        view->grab().save(test::screenshotPath("dialog-list-sorted.png"));
        QTest::keyClick(view, Qt::Key_Escape);
    });
    QCOMPARE(host.run(model), platform::dialogCancel);
    QCOMPARE(shown, (QStringList{" 8.0 \tRoe, Bob", "12.4 \tDee, Di", "12.4 \tLee, Ann", "30.1 \tcox, Cy"}));
}

// The columns of a band of rows of the picture that hold dark pixels.
QList<int> inkedColumns(const QImage& image, int top, int bottom) {
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x)
        for (int y = std::max(0, top); y < std::min(image.height(), bottom); ++y)
            if (qGray(image.pixel(x, y)) < 110) {
                columns << x;
                break;
            }
    return columns;
}

void PrintUiTest::headingLinesUpWithTheListColumns() {
    report::CListDlg model("List of Golfers by Team");
    model.setHeadings("", "Team  Handicap    Golfer");
    model.setSelectable(false);
    model.addLine("Team  Handicap    Golfer", report::noRecord);
    ui::ListDialogView view(model, nullptr);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QImage image = view.grab().toImage();
    auto* label = view.findChild<QLabel*>("secondHeading");
    const QRect labelBand(label->mapTo(&view, QPoint(0, 0)), label->size());
    const QRect row = view.list()->visualRect(view.list()->model()->index(0, 0));
    const QPoint rowTop = view.list()->viewport()->mapTo(&view, row.topLeft());
    const qreal scale = image.devicePixelRatio(); // the picture is in the screen's pixels
    const auto heading =
        inkedColumns(image, int(labelBand.top() * scale), int((labelBand.bottom() + 1) * scale));
    const auto line = inkedColumns(image, int(rowTop.y() * scale), int((rowTop.y() + row.height()) * scale));
    QVERIFY(!heading.isEmpty());
    if (scale == 1.0) {
        QCOMPARE(heading, line);
        return;
    }
    // Scaled, the label and the list draw their glyphs through different rasterising paths, which may
    // ink one device pixel more or less; the columns must still start and end together.
    QVERIFY(!line.isEmpty());
    QVERIFY(std::abs(heading.size() - line.size()) <= int(scale) * 2);
    QVERIFY(std::abs(heading.first() - line.first()) <= int(scale));
    QVERIFY(std::abs(heading.last() - line.last()) <= int(scale));
}

void PrintUiTest::listDialogFillsWhileOpen() {
    report::CListDlg model("List of Golfers by Team");
    model.setHeadings("", "Team  Handicap    Golfer");
    model.setSelectable(false);
    model.addLine("   1      12.4    Lee, Ann", report::noRecord);
    model.addLine("   2       8.0    Roe, Bob", report::noRecord);
    model.setPrintEnabled(false);
    int posted = 0;
    model.setPoll([&model, &posted] {
        if (posted < 5) {
            ++posted;
            model.addLine(QString("   3      %1.%2    Golfer %3")
                              .arg(10 + posted)
                              .arg(posted)
                              .arg(posted)
                              .toStdString(),
                          report::noRecord);
        } else {
            model.setPrintEnabled(true); // the listing is complete
        }
    });
    ui::QtDialogHost host;
    ui::registerStandardViews(host);
    int rows = 0;
    QTimer::singleShot(0, [&] {
        auto* view = qobject_cast<ui::ListDialogView*>(QApplication::activeModalWidget());
        QVERIFY(view);
        const auto closeOnFailure = qScopeGuard([view] {
            if (view->isVisible())
                view->reject();
        });
        QVERIFY(!view->button(report::ListButton::Print)->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(view->button(report::ListButton::Print)->isEnabled(), 5000);
        rows = view->list()->model()->rowCount();
        QVERIFY2(!view->list()->selectionModel()->hasSelection(), "nothing selected until the user picks");
        view->grab().save(test::screenshotPath("dialog-list-teams.png"));
        view->button(report::ListButton::Ok)->click();
    });
    QCOMPARE(host.run(model), platform::dialogOk);
    QCOMPARE(rows, 7);
}

QTEST_MAIN(PrintUiTest)
#include "PrintUiTest.moc"
