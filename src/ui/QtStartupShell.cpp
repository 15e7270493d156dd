#include "ui/QtStartupShell.h"

#include "app/CAboutDlg.h"
#include "golfdb/DataFolder.h"
#include "ui/HelpWindow.h"
#include "ui/WindowFit.h"

#include <QApplication>
#include <QTimer>

namespace kip::ui {

QtStartupShell::QtStartupShell(std::string settingsPath, bool showSplash)
    : settingsPath_(std::move(settingsPath)), splash_(showSplash),
      clock_(std::make_unique<platform::SystemClock>()) {
    registerStandardViews(dialogs_);
}

QtStartupShell::~QtStartupShell() {
    if (windowPlaceStore() == settings_.get())
        setWindowPlaceStore(nullptr);
    // The window goes before the view and the document it shows; the document closes the tables.
    window_.reset();
    view_.reset();
    doc_.reset();
}

void QtStartupShell::selectSettingsStore() {
    settings_ = std::make_unique<platform::IniSettingsStore>(settingsPath_);
    setWindowPlaceStore(settings_.get());
}

void QtStartupShell::showSplash() {
    if (!splash_)
        return;
    app::CAboutDlg about(true);
    dialogs_.run(about);
}

bool QtStartupShell::createMainWindow(const std::string& dataDirectory, bool dataDirGiven) {
    // Without an installer, the first start in the default folder makes that folder.
    if (!dataDirGiven)
        golfdb::prepareDefaultDataFolder(dataDirectory, files_, *settings_, *clock_);
    doc_ =
        std::make_unique<golfdb::CKipGolfDoc>(dataDirectory, prompter_, &waitCursor_, clock_->today().year);
    doc_->holdWriterLock(); // one writer at a time in a data folder
    view_ = std::make_unique<app::CKipGolfView>(
        *doc_, app::ViewServices{prompter_, dialogs_, *settings_, *clock_, *folderChooser_, files_, &help_,
                                 activeFileChooser_, &printer_});
    if (!view_->initialUpdate()) {
        exitCode_ = doc_->exitCode();
        return false;
    }
    window_ = std::make_unique<MainWindow>(*view_, view_->useClassicMenus());
    prompter_.setParent(window_.get());
    dialogs_.setParent(window_.get());
    folders_.setParent(window_.get());
    fileChooser_.setParent(window_.get());
    printer_.setParent(window_.get());
    QObject::connect(window_.get(), &MainWindow::endRequested, qApp, [this](int code) {
        exitCode_ = code;
        QApplication::exit(code);
    });
    return true;
}

void QtStartupShell::showMainWindow(const std::string& caption) {
    window_->setWindowTitle(QString::fromStdString(caption));
    const bool maximized = restorePlace(*window_, "MainWindow");
    keepOnScreen(*window_);
    if (maximized)
        window_->showMaximized();
    else
        window_->show();
    // The reminder waits until the window has finished starting.
    QTimer::singleShot(0, window_.get(), [this] { window_->afterStartup(); });
}

int QtStartupShell::runEventLoop() {
    const int code = QApplication::exec();
    HelpWindow::closeAll();
    return exitCode_ != 0 ? exitCode_ : code;
}

} // namespace kip::ui
