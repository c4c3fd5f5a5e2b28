#pragma once
// Months and years of the bookkeeping windows: French month names, the six
// characters that key a month in the journal, and moves from month to month
// or year to year that never leave the years a four-digit key can hold.

#include "core/formats.h"

#include <QString>

namespace Period {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 9999;

// "Janvier" ... "Décembre"; empty outside 1 to 12.
inline QString MoisLong(int month)
{
    return Formats::monthName(month);
}

// Year and month as the journal keys them: 200103 for March 2001.
QString monthKey(int year, int month);

struct YearMonth
{
    int year = 0;
    int month = 1;

    // Month name, a space and the year: "Mars 2001".
    QString caption() const;
    // The month `delta` months away (13 becomes January of the next year);
    // the same month when that would leave the years allowed.
    YearMonth step(int delta) const;
    bool operator==(const YearMonth &o) const { return year == o.year && month == o.month; }
};

// The year `delta` years away, or the same year outside those allowed.
int stepYear(int year, int delta);
// A year brought within those allowed.
int clampYear(int year);

} // namespace Period
