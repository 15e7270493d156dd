#include "ui/DateField.h"

#include <QAction>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStyle>

#include <algorithm>

namespace kip::ui {
namespace {

const QRegularExpression separators("[/.\\-]");

bool allDigits(const QString& text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

} // namespace

DateField::DateField(QWidget* parent) : DateField(QDate(), parent) {}

DateField::DateField(const QDate& date, QWidget* parent) : QLineEdit(parent) {
    setMaxLength(10);
    setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9/.\\-]*"), this));
    auto* calendar = addAction(style()->standardIcon(QStyle::SP_ArrowDown), QLineEdit::TrailingPosition);
    calendar->setObjectName("calendar");
    calendar->setToolTip("Calendar");
    connect(calendar, &QAction::triggered, this, &DateField::showCalendar);
    setMinimumWidth(fontMetrics().horizontalAdvance("00/00/00000") + 40);
    connect(this, &QLineEdit::textChanged, this, &DateField::textChangedTo);
    lastWhole_ = date.isValid() ? date : QDate::currentDate();
    if (date.isValid())
        setDate(date);
}

QDate DateField::parse(const QString& text) {
    const QString trimmed = text.trimmed();
    QStringList parts = trimmed.split(separators);
    if (parts.size() == 1 && trimmed.size() == 8)
        parts = {trimmed.left(2), trimmed.mid(2, 2), trimmed.mid(4)};
    if (parts.size() != 3 || parts[0].size() > 2 || parts[1].size() > 2 || parts[2].size() != 4 ||
        !std::all_of(parts.begin(), parts.end(), allDigits))
        return {};
    const QDate date(parts[2].toInt(), parts[0].toInt(), parts[1].toInt());
    return date.isValid() && date >= lowest() && date <= highest() ? date : QDate();
}

QString DateField::shown(const QDate& date) {
    return date.toString("MM/dd/yyyy");
}

void DateField::setDate(const QDate& date) {
    setText(date.isValid() ? shown(date) : QString());
    // A view that sets the date with its signals blocked has heard of it all the same.
    reported_ = parse(text());
    if (reported_.isValid())
        lastWhole_ = reported_;
}

void DateField::textChangedTo(const QString& text) {
    const QDate now = parse(text);
    if (now.isValid())
        lastWhole_ = now;
    if (now == reported_)
        return;
    reported_ = now;
    emit dateChanged(now);
}

DateField::Part DateField::partAtCursor() const {
    const QString typed = text();
    const int cursor = hasSelectedText() ? selectionStart() : cursorPosition();
    if (typed.contains(separators)) {
        const qsizetype before = typed.left(cursor).count(separators);
        return before == 0 ? Part::Month : before == 1 ? Part::Day : Part::Year;
    }
    return cursor <= 2 ? Part::Month : cursor <= 4 ? Part::Day : Part::Year;
}

void DateField::step(int by) {
    const Part part = partAtCursor();
    const QDate from = date().isValid() ? date() : lastWhole_;
    const QDate to = part == Part::Month ? from.addMonths(by)
                     : part == Part::Day ? from.addDays(by)
                                         : from.addYears(by);
    // The arrows stop at the ends of the range rather than wrap to the other end.
    if (!to.isValid() || to < lowest() || to > highest())
        return;
    setDate(to);
    const int start = part == Part::Month ? 0 : part == Part::Day ? 3 : 6;
    setSelection(start, part == Part::Year ? 4 : 2);
}

void DateField::keyPressEvent(QKeyEvent* event) {
    const bool alt = event->modifiers() & Qt::AltModifier;
    if (event->key() == Qt::Key_F4 || (alt && event->key() == Qt::Key_Down)) {
        showCalendar();
    } else if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        if (!isReadOnly())
            step(event->key() == Qt::Key_Up ? 1 : -1);
    } else {
        QLineEdit::keyPressEvent(event);
    }
}

void DateField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A whole date is shown in its one form once the field is left; anything else stays as typed.
    if (const QDate whole = date(); whole.isValid() && text() != shown(whole))
        setText(shown(whole));
}

void DateField::showCalendar() {
    if (isReadOnly() || !isEnabled())
        return;
    auto* calendar = new QCalendarWidget(this);
    calendar->setObjectName("calendarPopup");
    calendar->setWindowFlags(Qt::Popup);
    calendar->setAttribute(Qt::WA_DeleteOnClose);
    calendar->setDateRange(lowest(), highest());
    calendar->setSelectedDate(date().isValid() ? date() : lastWhole_);
    connect(calendar, &QCalendarWidget::clicked, this, [this, calendar](QDate chosen) {
        setDate(chosen);
        calendar->close();
        setFocus(Qt::PopupFocusReason);
    });
    connect(calendar, &QCalendarWidget::activated, calendar, &QCalendarWidget::clicked);
    calendar->move(mapToGlobal(QPoint(0, height())));
    calendar->show();
    calendar->setFocus(Qt::PopupFocusReason);
}

} // namespace kip::ui
