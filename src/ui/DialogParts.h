#pragma once
// Widgets and wiring that the dialog views share.

#include <functional>
#include <initializer_list>

class QAbstractItemView;
class QHBoxLayout;
class QListWidget;
class QPushButton;
class QWidget;

namespace kip::ui {

// A push button with that object name; it does not become the default button on getting the focus.
QPushButton* button(const char* text, const char* name, QWidget* parent);

// The buttons in a row at the right.
QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons);

// A list where one row is chosen: `select` hears of the selected row (-1 for none); `doubleClick`
// hears of the row double-clicked. The row shown as current is always the chosen one, also the
// first row a list highlights when it gets the focus, so Enter there means OK on that row.
void followSingleChoice(QListWidget* list, std::function<void(int)> select,
                        std::function<void(int)> doubleClick);

// A single-choice list selects the row that becomes current, as the user sees it highlighted.
void selectCurrentRow(QAbstractItemView* list);

// A list where several rows may be chosen, with none chosen, takes its highlighted row (before OK).
void chooseHighlightedRow(QAbstractItemView* list);

// Enter and Return in `field` press `button` (Find in a find box) instead of the dialog's default
// button.
void pressOnEnter(QWidget* field, QPushButton* button);

} // namespace kip::ui
