#include "treasury/period.h"

#include <algorithm>

namespace Period {

QString monthKey(int year, int month)
{
    return QString::number(year) + QString::number(month).rightJustified(2, QLatin1Char('0'));
}

QString YearMonth::caption() const
{
    return MoisLong(month) + QLatin1Char(' ') + QString::number(year);
}

YearMonth YearMonth::step(int delta) const
{
    const long index = long(year) * 12 + (month - 1) + delta;
    const YearMonth to{int(index / 12), int(index % 12) + 1};
    if (index < 0 || to.year < kFirstYear || to.year > kLastYear)
        return *this;
    return to;
}

int stepYear(int year, int delta)
{
    const long to = long(year) + delta;
    return to < kFirstYear || to > kLastYear ? year : int(to);
}

int clampYear(int year)
{
    return std::clamp(year, kFirstYear, kLastYear);
}

} // namespace Period
