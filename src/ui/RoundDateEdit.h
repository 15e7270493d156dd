#pragma once
// "Date Played" of the round dialogs: the tab key leaves the picker at once (the arrow keys move
// between month, day and year), so the round's fields follow it directly in the tab order.

#include <QDateEdit>

namespace kip::ui {

class RoundDateEdit : public QDateEdit {
    Q_OBJECT
public:
    explicit RoundDateEdit(QWidget* parent) : QDateEdit(parent) {
        setCalendarPopup(true);
        setDisplayFormat("MM/dd/yyyy");
        setMinimumDate(QDate(1000, 1, 1));
    }

protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

} // namespace kip::ui
