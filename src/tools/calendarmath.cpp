#include "tools/calendarmath.h"

#include "core/formats.h"

namespace CalendarMath {

QString title(const QDate &date)
{
    return Formats::monthName(date.month()) + QStringLiteral("  ") + QString::number(date.year());
}

} // namespace CalendarMath
