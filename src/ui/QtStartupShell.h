#pragma once
// The start-up steps of the window program: the settings file, the splash, the document with its
// main window, and the event loop.

#include "app/CKipGolfApp.h"
#include "app/CKipGolfView.h"
#include "golfdb/CKipGolfDoc.h"
#include "platform/Clock.h"
#include "platform/FileOps.h"
#include "platform/IniSettingsStore.h"
#include "ui/MainWindow.h"
#include "ui/QtDialogHost.h"
#include "ui/QtFileChooser.h"
#include "ui/QtFolderChooser.h"
#include "ui/QtHelpViewer.h"
#include "ui/QtPrinter.h"
#include "ui/QtPrompter.h"
#include "ui/QtWaitCursor.h"

#include <memory>
#include <string>

namespace kip::ui {

class QtStartupShell : public app::StartupShell {
public:
    // settingsPath: the settings file (IniSettingsStore::defaultPath() in the program).
    explicit QtStartupShell(std::string settingsPath, bool showSplash = true);
    ~QtStartupShell() override;

    void selectSettingsStore() override;
    void showSplash() override;
    bool createMainWindow(const std::string& dataDirectory, bool dataDirGiven) override;
    void showMainWindow(const std::string& caption) override;
    int runEventLoop() override;
    int exitCode() const override { return exitCode_; }

    MainWindow* window() const { return window_.get(); }
    app::CKipGolfView* view() const { return view_.get(); }
    golfdb::CKipGolfDoc* doc() const { return doc_.get(); }
    platform::SettingsStore& settings() { return *settings_; }
    platform::Clock& clock() { return *clock_; }

    // Tests replace the clock and the folder chooser before the window is made.
    void setClock(std::unique_ptr<platform::Clock> clock) { clock_ = std::move(clock); }
    void useFolderChooser(platform::FolderChooser& chooser) { folderChooser_ = &chooser; }
    void useFileChooser(platform::FileChooser& chooser) { activeFileChooser_ = &chooser; }
    QtPrinter& printer() { return printer_; }

private:
    std::string settingsPath_;
    bool splash_;
    int exitCode_ = 0;
    std::unique_ptr<platform::IniSettingsStore> settings_;
    std::unique_ptr<platform::Clock> clock_;
    QtPrompter prompter_;
    QtDialogHost dialogs_;
    QtFolderChooser folders_;
    QtFileChooser fileChooser_;
    platform::FolderChooser* folderChooser_ = &folders_;
    platform::FileChooser* activeFileChooser_ = &fileChooser_;
    QtWaitCursor waitCursor_;
    QtHelpViewer help_;
    QtPrinter printer_;
    platform::LocalFileOps files_;
    std::unique_ptr<golfdb::CKipGolfDoc> doc_;
    std::unique_ptr<app::CKipGolfView> view_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace kip::ui
