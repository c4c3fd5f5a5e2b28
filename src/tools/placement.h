#pragma once
// How a savings investment grows with a fixed deposit at the end of every
// month.

#include "tools/schedule.h"

namespace Placement {

struct Request
{
    QString deposit;   // "Apport", the first deposit; empty counts as 0
    QString rate;      // "Intérêts", yearly, in percent
    int duration = 24; // "Durée", in months
    QString monthly;   // "Mensualités"; empty counts as 0
    QDate today;
};

// Rows: month, date, then the cells capital reached, interest earned, deposit.
// Totals: the final capital, the interest and the deposits. A monthly deposit
// of 0 gives an empty table without totals; a duration below 1 gives the
// totals alone, at 0.
Schedule::Result compute(const Request &request);

} // namespace Placement
