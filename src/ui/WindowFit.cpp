#include "ui/WindowFit.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <QVBoxLayout>

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

// What the window manager's frame adds to a window. Until the window manager has framed a window
// its frame is unknown: the frame of its parent's window stands in, or else a title bar and borders.
app::FrameSize frameOf(const QWidget& window) {
    const auto measured = [](const QWidget& w) {
        return app::FrameSize{w.frameGeometry().width() - w.width(), w.frameGeometry().height() - w.height()};
    };
    if (const app::FrameSize own = measured(window); own.width > 0 || own.height > 0)
        return own;
    if (const QWidget* parent = window.parentWidget(); parent && parent->window()->isVisible())
        if (const app::FrameSize theirs = measured(*parent->window()); theirs.width > 0 || theirs.height > 0)
            return theirs;
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
        // Made while the dialog shows, the scroll area would show only after the event loop turns,
        // and the field the dialog focuses now could not take the focus.
        scroll->show();
        // The field that takes the focus is scrolled into view, so Tab reaches the buttons at the bottom.
        QObject::connect(qApp, &QApplication::focusChanged, scroll, [scroll](QWidget*, QWidget* now) {
            if (now && scroll->widget()->isAncestorOf(now))
                scroll->ensureWidgetVisible(now, 8, 8);
        });
    }
    // The scroll bars come only in the direction that does not fit, and take room beside the fields
    // rather than from them.
    const bool tall = need.height() > room.height();
    const bool wide = need.width() > room.width();
    scroll->setHorizontalScrollBarPolicy(wide ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(tall ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    const QSize whole = need + QSize(tall ? scroll->verticalScrollBar()->sizeHint().width() + 2 : 0,
                                     wide ? scroll->horizontalScrollBar()->sizeHint().height() + 2 : 0);
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
