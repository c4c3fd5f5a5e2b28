#pragma once
// Month steps and titles of the calendar window.

#include <QDate>
#include <QString>

namespace CalendarMath {

// The same day `months` months away, or the month's last day when it is
// shorter (31 March, next month: 30 April).
QDate shiftMonth(const QDate &date, int months);
// "Mars  2026": the month's French name, two spaces, the year.
QString title(const QDate &date);

} // namespace CalendarMath
