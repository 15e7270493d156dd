#include "ui/MainWindow.h"

#include "ui/LeaderboardWidget.h"
#include "ui/Resources.h"
#include "ui/RibbonBar.h"
#include "ui/WindowFit.h"

#include <QAction>
#include <QCloseEvent>
#include <QIcon>
#include <QMenuBar>
#include <QScrollArea>
#include <QShowEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWhatsThis>

namespace kip::ui {
namespace {

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

} // namespace

MainWindow::MainWindow(app::CKipGolfView& view, bool classicMenus, QWidget* parent)
    : QMainWindow(parent), view_(view), classic_(classicMenus),
      leaderboard_(new LeaderboardWidget(view, this)) {
    initResources();
    setObjectName("mainWindow");
    setWindowTitle("Kip Golf");
    setWindowIcon(QIcon(":/kipgolf.png"));
    // The board keeps the size its layout was drawn for; on a small screen it scrolls inside the window.
    board_ = new QScrollArea(this);
    board_->setObjectName("leaderboardScroll");
    board_->setFrameShape(QFrame::NoFrame);
    board_->setWidgetResizable(true);
    board_->setWidget(leaderboard_);
    board_->setMinimumSize(200, 120);
    if (classic_) {
        setCentralWidget(board_);
        buildClassic();
    } else {
        buildRibbon();
    }
    statusBar()->showMessage("Ready");
    resize(1000, 700);
}

QAction* MainWindow::makeAction(app::CommandId id, const QString& label) {
    const app::CommandItem& item = app::CommandTable::item(id);
    auto* action = new QAction(QIcon(QString(":/icons/%1.png").arg(text(item.iconName))), label, this);
    action->setToolTip(item.tooltip.empty() ? QString(label).remove('&') : text(item.tooltip));
    action->setStatusTip(text(item.description));
    action->setWhatsThis(text(item.description));
    action->setEnabled(view_.isAvailable(id));
    action->setObjectName(QString("command%1").arg(static_cast<int>(id)));
    if (id == app::CommandId::Exit)
        action->setShortcut(QKeySequence::Quit);
    if (id == app::CommandId::HelpTopics)
        action->setShortcut(QKeySequence::HelpContents);
    connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
    actions_.emplace(id, action);
    return action;
}

void MainWindow::buildClassic() {
    for (const auto& menuName : app::CommandTable::classicMenus()) {
        QMenu* menu = menuBar()->addMenu("&" + text(menuName));
        for (const app::CommandId id : app::CommandTable::classicMenuItems(menuName)) {
            if (id == app::CommandId::Exit || id == app::CommandId::ExportRounds)
                menu->addSeparator();
            menu->addAction(makeAction(id, text(app::CommandTable::item(id).classicLabel)));
        }
    }
    QToolBar* toolbar = addToolBar("Toolbar");
    toolbar->setObjectName("classicToolbar");
    toolbar->setMovable(false);
    toolbar->setIconSize(QSize(24, 24));
    for (const app::CommandItem* item : app::CommandTable::classicToolbar()) {
        if (!item)
            toolbar->addSeparator();
        else
            toolbar->addAction(makeAction(
                item->id,
                text(app::withoutMnemonic(item->classicLabel.empty() ? item->tooltip : item->classicLabel))));
    }
}

void MainWindow::buildRibbon() {
    ribbon_ = new RibbonBar([this](app::CommandId id, const QString& label) { return makeAction(id, label); },
                            this);
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ribbon_);
    layout->addWidget(board_, 1);
    setCentralWidget(body);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        keepOnScreen(*this);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    rememberPlace(*this, "MainWindow");
    QMainWindow::closeEvent(event);
}

std::vector<QAction*> MainWindow::actionsFor(app::CommandId id) const {
    std::vector<QAction*> out;
    const auto [first, last] = actions_.equal_range(id);
    for (auto it = first; it != last; ++it)
        out.push_back(it->second);
    return out;
}

void MainWindow::runCommand(app::CommandId id) {
    if (id == app::CommandId::ContextHelp) {
        QWhatsThis::enterWhatsThisMode();
        return;
    }
    apply(view_.run(id));
}

void MainWindow::afterStartup() {
    apply(view_.afterStartup());
}

void MainWindow::apply(app::CommandOutcome outcome) {
    switch (outcome) {
    case app::CommandOutcome::Repaint:
        leaderboard_->update();
        break;
    case app::CommandOutcome::Exit:
        close();
        break;
    case app::CommandOutcome::EndProgram:
        emit endRequested(view_.doc().exitCode());
        break;
    case app::CommandOutcome::None:
        break;
    }
}

} // namespace kip::ui
