#pragma once
// Widgets and wiring that the dialog views share.

#include <functional>
#include <initializer_list>

class QHBoxLayout;
class QListWidget;
class QPushButton;
class QWidget;

namespace kip::ui {

// A push button with that object name; it does not become the default button on getting the focus.
QPushButton* button(const char* text, const char* name, QWidget* parent);

// The buttons in a row at the right.
QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons);

// A list where one row is chosen: `select` hears of the selected row (-1 for none), not of the
// current row, since a list that gets the focus has a current row without a choice; `doubleClick`
// hears of the row double-clicked.
void followSingleChoice(QListWidget* list, std::function<void(int)> select,
                        std::function<void(int)> doubleClick);

} // namespace kip::ui
