#include "ui/RibbonBar.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

namespace kip::ui {
namespace {

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

// Large ribbon buttons carry long labels on two lines, broken at the blank nearest the middle; short
// ones keep an empty second line so that every icon of a panel stands at the same height.
QString twoLines(const QString& label) {
    constexpr int longLabel = 12;
    if (label.size() <= longLabel)
        return label + "\n ";
    int best = -1;
    for (int i = 0; i < label.size(); ++i)
        if (label[i] == ' ' &&
            (best < 0 || std::abs(i - label.size() / 2) < std::abs(best - label.size() / 2)))
            best = i;
    if (best < 0)
        return label + "\n ";
    QString out = label;
    out[best] = '\n';
    return out;
}

// A large ribbon button: never narrower than its label, so a narrow window scrolls the ribbon instead of
// cutting labels short; short labels keep a common width.
class RibbonButton : public QToolButton {
public:
    using QToolButton::QToolButton;
    QSize sizeHint() const override {
        QSize size = QToolButton::sizeHint();
        size.setWidth(std::max(size.width(), 64));
        return size;
    }
    QSize minimumSizeHint() const override { return sizeHint(); }
};

// A category page in a strip that scrolls sideways when the window is narrower than the page; the
// strip grows by the scroll bar's height while the bar shows, so no button is covered.
class SidewaysScroll : public QScrollArea {
public:
    SidewaysScroll(QWidget* page, QWidget* parent) : QScrollArea(parent) {
        setObjectName("ribbonPageScroll");
        setFrameShape(QFrame::NoFrame);
        setFocusPolicy(Qt::NoFocus);
        setWidgetResizable(true);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        setWidget(page);
        connect(horizontalScrollBar(), &QScrollBar::rangeChanged, this, [this] { updateGeometry(); });
    }
    QSize sizeHint() const override {
        const QSize page = widget()->sizeHint();
        const QScrollBar* bar = horizontalScrollBar();
        return {page.width(), page.height() + (bar->maximum() > 0 ? bar->sizeHint().height() : 0)};
    }
    QSize minimumSizeHint() const override { return {80, sizeHint().height()}; }
};

const char* ribbonStyle = R"(
#ribbon { background: #f3f6f9; }
#ribbonTop { background: #e4ebf2; }
#ribbonPages { background: #fbfcfd; border-top: 1px solid #c5d2df; border-bottom: 1px solid #c5d2df; }
#ribbonPanelTitle { color: #506070; }
#fileButton { background: #2b6cb0; color: white; font-weight: bold; padding: 4px 16px; border: none; }
#fileButton:hover { background: #3b7dc4; }
QTabBar::tab { padding: 5px 14px; border: none; background: transparent; color: #203040; }
QTabBar::tab:selected { background: #fbfcfd; border: 1px solid #c5d2df; border-bottom: none; }
QTabBar::tab:hover:!selected { background: #d7e3ee; }
#ribbonPages QToolButton { border: 1px solid transparent; border-radius: 3px; padding: 2px; }
#ribbonPages QToolButton:hover { background: #dde9f5; border-color: #a9c4de; }
#ribbonPageScroll, #ribbonPageScroll > QWidget, #ribbonPage { background: transparent; }
)";

} // namespace

RibbonBar::RibbonBar(const ActionMaker& makeAction, QWidget* parent)
    : QWidget(parent), tabs_(new QTabBar(this)), pages_(new QStackedWidget(this)),
      fileButton_(new QToolButton(this)), helpButton_(new QToolButton(this)), fileMenu_(new QMenu(this)),
      helpMenu_(new QMenu(this)), quickBar_(new QWidget(this)) {
    setObjectName("ribbon");
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(ribbonStyle);

    // Quick-access toolbar: small buttons above the tabs.
    auto* quickLayout = new QHBoxLayout(quickBar_);
    quickLayout->setContentsMargins(4, 2, 4, 2);
    quickLayout->setSpacing(2);
    quickBar_->setObjectName("quickAccess");
    for (const app::CommandId id : app::CommandTable::quickAccessItems()) {
        auto* button = new QToolButton(quickBar_);
        button->setDefaultAction(makeAction(id, text(app::CommandTable::item(id).ribbonLabel)));
        button->setIconSize(QSize(16, 16));
        button->setAutoRaise(true);
        quickLayout->addWidget(button);
    }
    quickLayout->addStretch();

    fileButton_->setObjectName("fileButton");
    fileButton_->setText("File");
    fileButton_->setPopupMode(QToolButton::InstantPopup);
    fileButton_->setMenu(fileMenu_);
    fileButton_->setStyleSheet("QToolButton::menu-indicator { image: none; }");
    for (const app::CommandId id : app::CommandTable::ribbonMenuItems(app::RibbonPlace::ApplicationMenu)) {
        if (id == app::CommandId::Exit)
            fileMenu_->addSeparator();
        fileMenu_->addAction(makeAction(id, text(app::CommandTable::item(id).ribbonLabel)));
    }

    helpButton_->setObjectName("helpButton");
    helpButton_->setIcon(QIcon(":/icons/help.png"));
    helpButton_->setIconSize(QSize(18, 18));
    helpButton_->setAutoRaise(true);
    // The button itself opens the help topics; its arrow opens the menu.
    helpButton_->setPopupMode(QToolButton::MenuButtonPopup);
    helpButton_->setMenu(helpMenu_);
    helpButton_->setToolTip("Help");
    for (const app::CommandId id : app::CommandTable::ribbonMenuItems(app::RibbonPlace::HelpMenu)) {
        QAction* action = makeAction(id, text(app::CommandTable::item(id).ribbonLabel));
        helpMenu_->addAction(action);
        if (id == app::CommandId::HelpTopics)
            connect(helpButton_, &QToolButton::clicked, action, &QAction::trigger);
    }

    pages_->setObjectName("ribbonPages");
    for (const auto& category : app::CommandTable::ribbonCategories()) {
        tabs_->addTab(text(category));
        pages_->addWidget(new SidewaysScroll(makeCategory(category, makeAction), pages_));
    }
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    connect(tabs_, &QTabBar::currentChanged, pages_, &QStackedWidget::setCurrentIndex);

    auto* top = new QWidget(this);
    top->setObjectName("ribbonTop");
    top->setAttribute(Qt::WA_StyledBackground);
    auto* tabRow = new QHBoxLayout(top);
    tabRow->setContentsMargins(0, 0, 4, 0);
    tabRow->setSpacing(6);
    tabRow->addWidget(fileButton_);
    tabRow->addWidget(tabs_, 0, Qt::AlignBottom);
    tabRow->addStretch();
    tabRow->addWidget(helpButton_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(quickBar_);
    layout->addWidget(top);
    layout->addWidget(pages_);
}

QWidget* RibbonBar::makeCategory(const std::string& category, const ActionMaker& makeAction) {
    auto* page = new QWidget(pages_);
    page->setObjectName("ribbonPage");
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(4, 4, 4, 2);
    row->setSpacing(4);
    bool first = true;
    for (const auto& panel : app::CommandTable::ribbonPanels(category)) {
        if (!first) {
            auto* line = new QFrame(page);
            line->setFrameShape(QFrame::VLine);
            line->setStyleSheet("color: #d0dae4;");
            row->addWidget(line);
        }
        first = false;
        row->addWidget(makePanel(category, panel, makeAction));
    }
    row->addStretch();
    return page;
}

QWidget* RibbonBar::makePanel(const std::string& category, const std::string& panel,
                              const ActionMaker& makeAction) {
    auto* box = new QWidget(pages_);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    for (const app::CommandId id : app::CommandTable::ribbonPanelItems(category, panel)) {
        auto* button = new RibbonButton(box);
        QAction* action = makeAction(id, text(app::CommandTable::item(id).ribbonLabel));
        action->setIconText(twoLines(action->text()));
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIconSize(QSize(32, 32));
        button->setAutoRaise(true);
        buttons_[id] = button;
        buttons->addWidget(button);
    }
    auto* title = new QLabel(text(panel), box);
    title->setObjectName("ribbonPanelTitle");
    title->setAlignment(Qt::AlignCenter);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(2, 0, 2, 0);
    column->setSpacing(0);
    column->addLayout(buttons);
    column->addWidget(title);
    return box;
}

QToolButton* RibbonBar::button(app::CommandId id) const {
    const auto it = buttons_.find(id);
    return it == buttons_.end() ? nullptr : it->second;
}

} // namespace kip::ui
