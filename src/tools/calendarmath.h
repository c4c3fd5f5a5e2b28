#pragma once
// Month steps and titles of the calendar window.

#include <QDate>
#include <QString>

namespace CalendarMath {

// "Mars  2026": the month's French name, two spaces, the year.
QString title(const QDate &date);

} // namespace CalendarMath
