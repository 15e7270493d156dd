#include "ui/HelpWindow.h"

#include "ui/Resources.h"
#include "ui/WindowFit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace kip::ui {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    initResources();
    setObjectName("helpWindow");
    setWindowTitle("Kip Golf Help");
    setWindowIcon(QIcon(":/kipgolf.png"));
    browser_->setOpenExternalLinks(false);
    browser_->setSearchPaths({helpFolder() == "qrc:" ? ":/help" : helpFolder()});

    auto* contents = new QPushButton("Contents", this);
    auto* back = new QPushButton("Back", this);
    auto* close = new QPushButton("Close", this);
    connect(contents, &QPushButton::clicked, this, [this] { open("index"); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(720, 560);
}

QString HelpWindow::helpFolder() {
    static const QString folder = [] {
        // Installed: share/kipgolf/help beside the program's bin/ folder, wherever the prefix is. Run
        // from the build folder: the pages beside the sources. Else the system's data folders.
        QStringList candidates{QCoreApplication::applicationDirPath() + "/../share/kipgolf/help"};
#ifdef KIP_SOURCE_HELP_DIR
        candidates << QString(KIP_SOURCE_HELP_DIR);
#endif
        const QString system = QStandardPaths::locate(QStandardPaths::GenericDataLocation, "kipgolf/help",
                                                      QStandardPaths::LocateDirectory);
        if (!system.isEmpty())
            candidates << system;
        for (const QString& candidate : candidates)
            if (QFileInfo::exists(candidate + "/index.html"))
                return QDir(candidate).canonicalPath();
        return QString("qrc:");
    }();
    return folder;
}

QString HelpWindow::topicUrl(const std::string& topic) {
    const QString page = QString::fromStdString(topic.empty() ? "index" : topic) + ".html";
    const QString folder = helpFolder();
    if (folder == "qrc:")
        return "qrc:/help/" + page;
    return QUrl::fromLocalFile(folder + "/" + page).toString();
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    rememberPlace(*this, "Help");
    QWidget::closeEvent(event);
}

void HelpWindow::open(const std::string& topic) {
    browser_->setSource(QUrl(topicUrl(topic)));
}

namespace {
QPointer<HelpWindow>& theWindow() {
    static QPointer<HelpWindow> window;
    return window;
}
} // namespace

void HelpWindow::closeAll() {
    delete theWindow().data();
}

HelpWindow* HelpWindow::showTopic(const std::string& topic, QWidget* near) {
    QPointer<HelpWindow>& window = theWindow();
    if (!window) {
        window = new HelpWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
        // The main window's end ends the program even while help is open.
        window->setAttribute(Qt::WA_QuitOnClose, false);
        if (restorePlace(*window, "Help"))
            window->setWindowState(Qt::WindowMaximized);
        else if (near)
            window->move(near->window()->geometry().topLeft() + QPoint(40, 40));
    }
    window->open(topic);
    // Opened from a modal dialog, help would open behind it and take no input until it closed: it
    // becomes a window of that dialog while the dialog is open, and a window of its own after.
    auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (modal && window->parentWidget() != modal) {
        const QRect where = window->geometry();
        window->setParent(modal, Qt::Window);
        window->setGeometry(where);
        QPointer<HelpWindow> help = window.data();
        QObject::connect(modal, &QDialog::finished, help, [help] {
            if (!help)
                return;
            const bool visible = help->isVisible();
            const QRect at = help->geometry();
            help->setParent(nullptr, Qt::Window);
            help->setGeometry(at);
            if (visible)
                help->show();
        });
    }
    // Opened near a window low on the screen, help would run off its bottom.
    keepOnScreen(*window);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace kip::ui
