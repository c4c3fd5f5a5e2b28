#include "tools/calendarmath.h"


namespace CalendarMath {

QDate shiftMonth(const QDate &date, int months)
{
    // QDate keeps the day where it can and takes the month's last day where
    // it cannot, on the Gregorian calendar.
    return date.addMonths(months);
}

QString monthName(int month)
{
    static const char *const names[] = {"Janvier", "Février", "Mars",      "Avril",   "Mai",      "Juin",
                                        "Juillet", "Août",    "Septembre", "Octobre", "Novembre", "Décembre"};
    return month >= 1 && month <= 12 ? QString::fromUtf8(names[month - 1]) : QString();
}

QString title(const QDate &date)
{
    return monthName(date.month()) + QStringLiteral("  ") + QString::number(date.year());
}

} // namespace CalendarMath
