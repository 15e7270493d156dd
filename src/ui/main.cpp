// kipgolf: the Kip Golf window program.
//   kipgolf [/datadir=FOLDER]

#include "app/CKipGolfApp.h"
#include "platform/IniSettingsStore.h"
#include "platform/UserFolders.h"
#include "ui/QtStartupShell.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("KipGolf");
    // The menu entry's name: desktops match the running window to its entry and icon by it.
    QApplication::setDesktopFileName("org.kipgolf.KipGolf");
    QApplication::setWindowIcon(QIcon::fromTheme("org.kipgolf.KipGolf", QIcon(":/kipgolf.png")));

    kip::app::CKipGolfApp app;
    app.parseCommandLine({argv, argv + argc});
    kip::ui::QtStartupShell shell(kip::platform::IniSettingsStore::defaultPath());
    return app.run(shell, kip::platform::userDataFolder());
}
