#pragma once
// Keeping windows on the screen: a dialog larger than its screen scrolls, no window opens partly off
// the screen, the first field of a dialog takes the focus, and windows come back where they were left.

#include "app/WindowPlacement.h"
#include "platform/SettingsStore.h"

#include <QRect>

class QDialog;
class QWidget;

namespace kip::ui {

// The settings where windows remember their places (the program's settings file); without one (the
// default) nothing is remembered.
void setWindowPlaceStore(platform::SettingsStore* store);
platform::SettingsStore* windowPlaceStore();

// The part of the window's screen that windows may cover (without panels and docks).
QRect availableArea(const QWidget& window);

// Puts a window that is not shown yet where it was left under `name`, on a screen that exists now;
// true when it was maximised then. A window never remembered keeps its size and place.
bool restorePlace(QWidget& window, const char* name);
// Remembers a window's normal size and place and whether it is maximised.
void rememberPlace(const QWidget& window, const char* name);

// Moves a window, shrinking it where needed, so that it lies wholly on its screen.
void keepOnScreen(QWidget& window);

// A dialog larger than its screen shows its fields in a scroll area that fills the screen, so that
// every field and button can be reached; a dialog that fits is left as it is. Safe to call again.
void scrollWhenTooLarge(QDialog& dialog);

// Gives the focus to the dialog's first field, top to bottom and left to right, unless the dialog
// has already chosen one.
void focusFirstField(QWidget& dialog);

} // namespace kip::ui
