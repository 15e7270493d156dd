#include "app/CAboutDlg.h"
#include "app/CKipGolfApp.h"

#include <gtest/gtest.h>

namespace kip::app {
namespace {

TEST(CommandLine, OnlyAnExactFirstDatadirArgumentCounts) {
    CKipGolfApp app;
    app.parseCommandLine({"kipgolf"});
    EXPECT_FALSE(app.dataDirGiven());
    EXPECT_EQ(app.dataDirectory("/home/al/.local/share/"), "/home/al/.local/share/KipGolf/");

    app.parseCommandLine({"kipgolf", "/datadir=/srv/golf"});
    EXPECT_TRUE(app.dataDirGiven());
    EXPECT_EQ(app.dataDirArgument(), "/srv/golf");
    EXPECT_EQ(app.dataDirectory("/home/al/.local/share/"), "/srv/golf/");

    app.parseCommandLine({"kipgolf", "/datadir=/srv/golf/"});
    EXPECT_EQ(app.dataDirectory("/x/"), "/srv/golf/");

    app.parseCommandLine({"kipgolf", "-x", "/datadir=/srv/golf"});
    EXPECT_FALSE(app.dataDirGiven());
    app.parseCommandLine({"kipgolf", "/DATADIR=/srv/golf"});
    EXPECT_FALSE(app.dataDirGiven());
    app.parseCommandLine({"kipgolf", "/datadir"});
    EXPECT_FALSE(app.dataDirGiven());

    app.parseCommandLine({"kipgolf", "/datadir="});
    EXPECT_TRUE(app.dataDirGiven());
    EXPECT_EQ(app.dataDirectory("/x/"), "/");
}

class RecordingShell : public StartupShell {
public:
    std::vector<std::string> steps;
    bool opens = true;
    void selectSettingsStore() override { steps.push_back("settings"); }
    void showSplash() override { steps.push_back("splash"); }
    bool createMainWindow(const std::string& dir, bool given) override {
        steps.push_back("window " + dir + (given ? " given" : ""));
        return opens;
    }
    void showMainWindow(const std::string& caption) override { steps.push_back("show " + caption); }
    int runEventLoop() override {
        steps.push_back("loop");
        return 0;
    }
    int exitCode() const override { return 2; }
};

TEST(Startup, StepsRunInOrder) {
    CKipGolfApp app;
    app.parseCommandLine({"kipgolf", "/datadir=/golf"});
    RecordingShell shell;
    EXPECT_EQ(app.run(shell, "/home/"), 0);
    EXPECT_EQ(shell.steps, (std::vector<std::string>{"settings", "splash", "window /golf/ given",
                                                     "show Kip Golf", "loop"}));
}

TEST(Startup, AFailedOpenEndsBeforeTheWindowIsShown) {
    CKipGolfApp app;
    RecordingShell shell;
    shell.opens = false;
    EXPECT_EQ(app.run(shell, "/home/"), 2);
    EXPECT_EQ(shell.steps.back(), "window /home/KipGolf/");
}

TEST(About, VersionText) {
    EXPECT_EQ(CAboutDlg::versionText(3, 5), "Version 3.05");
    EXPECT_EQ(CAboutDlg::versionText(12, 10), "Version 12.10");
    EXPECT_EQ(CAboutDlg::versionText(-1, 0), "");
    EXPECT_EQ(CAboutDlg::versionText(), CAboutDlg::versionText(KIP_VERSION_MAJOR, KIP_VERSION_MINOR));
}

} // namespace
} // namespace kip::app
