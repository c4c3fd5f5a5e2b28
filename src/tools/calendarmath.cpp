#include "tools/calendarmath.h"

#include "core/formats.h"

namespace CalendarMath {

QDate shiftMonth(const QDate &date, int months)
{
    // QDate keeps the day where it can and takes the month's last day where
    // it cannot, on the Gregorian calendar.
    return date.addMonths(months);
}

QString title(const QDate &date)
{
    return Formats::monthName(date.month()) + QStringLiteral("  ") + QString::number(date.year());
}

} // namespace CalendarMath
