#pragma once
// Every date of the program as people type it: "11/20/2026", "1/5/2026" or "11202026", with the
// arrow keys stepping the month, day or year under the cursor and a calendar beside it. The field
// never turns what was typed into another date: a text that is not a whole date from 01/01/1900 on
// gives an invalid date(), which the dialog's own checks refuse when it is saved.

#include <QDate>
#include <QLineEdit>

namespace kip::ui {

class DateField : public QLineEdit {
    Q_OBJECT
public:
    static QDate lowest() { return QDate(1900, 1, 1); }
    static QDate highest() { return QDate(9999, 12, 31); }

    explicit DateField(QWidget* parent);
    DateField(const QDate& date, QWidget* parent);

    QDate date() const { return parse(text()); }
    void setDate(const QDate& date);
    // Month/day/year with any of "/", "-" or "." between them, or eight digits MMDDYYYY.
    static QDate parse(const QString& text);
    static QString shown(const QDate& date);

    void showCalendar();

signals:
    // Whenever the date the text stands for changes, to an invalid date while it is half typed.
    void dateChanged(const QDate& date);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    enum class Part { Month, Day, Year };
    Part partAtCursor() const;
    void step(int by);
    void textChangedTo(const QString& text);

    QDate reported_;  // the last date announced by dateChanged
    QDate lastWhole_; // the last whole date shown, where the arrow keys and the calendar start
};

} // namespace kip::ui
