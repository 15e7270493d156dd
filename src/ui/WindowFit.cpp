#include "ui/WindowFit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace kip::ui {
namespace {

platform::SettingsStore*& placeStore() {
    static platform::SettingsStore* store = nullptr;
    return store;
}

app::WindowRect toRect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

QScreen* screenOf(const QWidget& window) {
    if (QScreen* screen = window.screen())
        return screen;
    return QGuiApplication::primaryScreen();
}

// What the window manager's frame adds to a window. Before a window is first shown its frame is
// unknown: the frame of its parent's window stands in, or a title bar's height on a desktop that
// draws frames.
app::FrameSize frameOf(const QWidget& window) {
    const auto measured = [](const QWidget& w) {
        return app::FrameSize{w.frameGeometry().width() - w.width(), w.frameGeometry().height() - w.height()};
    };
    if (window.isVisible())
        return measured(window);
    if (const QWidget* parent = window.parentWidget(); parent && parent->window()->isVisible())
        return measured(*parent->window());
    const QString platform = QGuiApplication::platformName();
    if (platform == "offscreen" || platform == "minimal")
        return {};
    return {8, 34};
}

void setRect(QWidget& window, const app::WindowRect& r) {
    window.resize(r.width, r.height);
    window.move(r.x, r.y); // the frame's corner, as pos() reports it
}

bool isField(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w);
}

} // namespace

void setWindowPlaceStore(platform::SettingsStore* store) {
    placeStore() = store;
}

platform::SettingsStore* windowPlaceStore() {
    return placeStore();
}

QRect availableArea(const QWidget& window) {
    QScreen* screen = screenOf(window);
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

bool restorePlace(QWidget& window, const char* name) {
    platform::SettingsStore* store = placeStore();
    if (!store)
        return false;
    const auto placement = app::readPlacement(*store, name);
    if (!placement)
        return false;
    std::vector<app::WindowRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(toRect(screen->availableGeometry()));
    const QSize least = window.minimumSize();
    app::WindowRect wanted = placement->normal;
    wanted.width = std::max(wanted.width, least.width());
    wanted.height = std::max(wanted.height, least.height());
    setRect(window, app::placeOnScreens(wanted, screens, frameOf(window)));
    return placement->maximized;
}

void rememberPlace(const QWidget& window, const char* name) {
    platform::SettingsStore* store = placeStore();
    if (!store)
        return;
    // A maximised window keeps the size and place it had before, to go back to when it is restored.
    const bool maximized = window.isMaximized();
    const QRect normal = maximized ? window.normalGeometry() : window.geometry();
    const QPoint corner =
        maximized ? normal.topLeft() - (window.geometry().topLeft() - window.pos()) : window.pos();
    if (normal.width() <= 0 || normal.height() <= 0)
        return;
    app::writePlacement(*store, name, {{corner.x(), corner.y(), normal.width(), normal.height()}, maximized});
}

void keepOnScreen(QWidget& window) {
    if (window.isMaximized() || window.isFullScreen())
        return;
    const app::WindowRect at = toRect(QRect(window.pos(), window.size()));
    const app::WindowRect fitted = app::fitInside(at, toRect(availableArea(window)), frameOf(window));
    if (!(fitted == at))
        setRect(window, fitted);
}

void scrollWhenTooLarge(QDialog& dialog) {
    const QRect area = availableArea(dialog);
    const app::FrameSize frame = frameOf(dialog);
    const QSize room(area.width() - frame.width, area.height() - frame.height);
    QLayout* fields = dialog.layout();
    if (!fields)
        return;
    auto* scroll = dialog.findChild<QScrollArea*>("screenFitScroll", Qt::FindDirectChildrenOnly);
    const QSize need = scroll ? scroll->widget()->sizeHint() : dialog.sizeHint().expandedTo(dialog.size());
    if (!scroll) {
        if (need.width() <= room.width() && need.height() <= room.height())
            return;
        // The dialog's own layout, with every widget in it, moves into a page of the scroll area;
        // the page is made in the dialog's window first so that the tab order stays as it was.
        auto* page = new QWidget(&dialog);
        page->setObjectName("screenFitPage");
        page->setLayout(fields);
        scroll = new QScrollArea(&dialog);
        scroll->setObjectName("screenFitScroll");
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setFocusPolicy(Qt::NoFocus);
        scroll->setWidgetResizable(true);
        scroll->setWidget(page);
        auto* outer = new QVBoxLayout(&dialog);
        outer->setContentsMargins(0, 0, 0, 0);
        outer->addWidget(scroll);
        // The field that takes the focus is scrolled into view, so Tab reaches the buttons at the bottom.
        QPointer<QScrollArea> watched = scroll;
        QObject::connect(qApp, &QApplication::focusChanged, scroll, [watched](QWidget*, QWidget* now) {
            if (watched && now && watched->widget()->isAncestorOf(now))
                watched->ensureWidgetVisible(now, 8, 8);
        });
    }
    const int bar = dialog.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &dialog);
    const QSize whole =
        need + QSize(need.height() > room.height() ? bar + 2 : 0, need.width() > room.width() ? bar + 2 : 0);
    dialog.setMinimumSize(0, 0);
    dialog.resize(whole.boundedTo(room));
}

void focusFirstField(QWidget& dialog) {
    if (dialog.focusWidget())
        return;
    QWidget* first = nullptr;
    QPoint firstAt;
    const auto candidates = dialog.findChildren<QWidget*>();
    for (QWidget* w : candidates) {
        if (!isField(w) || !w->isEnabled() || !w->isVisibleTo(&dialog) || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        if (auto* edit = qobject_cast<QLineEdit*>(w); edit && edit->isReadOnly())
            continue;
        if (auto* text = qobject_cast<QTextEdit*>(w); text && text->isReadOnly())
            continue;
        if (auto* plain = qobject_cast<QPlainTextEdit*>(w); plain && plain->isReadOnly())
            continue;
        // A spin box's or combo box's own line edit stands for its owner.
        if (isField(w->parentWidget()))
            continue;
        const QPoint at = w->mapTo(&dialog, QPoint(0, 0));
        // Fields of one row may stand a few pixels apart in height.
        constexpr int sameRow = 6;
        if (!first || at.y() < firstAt.y() - sameRow ||
            (std::abs(at.y() - firstAt.y()) <= sameRow && at.x() < firstAt.x())) {
            first = w;
            firstAt = at;
        }
    }
    if (first)
        first->setFocus(Qt::TabFocusReason);
}

} // namespace kip::ui
