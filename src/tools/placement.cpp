#include "tools/placement.h"

#include "core/formats.h"

#include <algorithm>

namespace Placement {

namespace {

bool readAmount(const QString &text, double *value, Schedule::Result *refusal)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        *value = 0;
        return true;
    }
    if (Formats::parseAmount(t, value))
        return true;
    refusal->status = Schedule::Result::Refused;
    refusal->message = Schedule::notANumberText(t);
    return false;
}

} // namespace

Schedule::Result compute(const Request &request)
{
    using Schedule::Result;
    Result result;
    double deposit = 0;
    if (!readAmount(request.deposit, &deposit, &result))
        return result;
    const QString rateText = request.rate.trimmed();
    if (rateText.isEmpty() || request.duration == 0)
        return result;
    double rate = 0;
    if (!readAmount(rateText, &rate, &result))
        return result;
    double monthly = 0;
    if (!readAmount(request.monthly, &monthly, &result))
        return result;

    result.status = Result::Done;
    result.instalmentText = Formats::amount(monthly);
    result.duration = request.duration;
    if (monthly <= 0)
        return result;

    const double r = rate / 1200.0;
    Schedule::Column interest, deposits;
    qint64 first = 0;
    bool held = Schedule::toCents(deposit, &first);
    double capital = deposit;
    Schedule::Table &table = result.table;
    for (int i = 1; held && i <= std::min(request.duration, Schedule::kMaxRows); ++i) {
        // Interest is earned on what was held at the start of the month.
        const double earned = capital * r;
        capital += monthly + earned;
        held = interest.add(earned) && deposits.add(monthly);
        table.rows.append({i, Formats::date(request.today.addMonths(i)),
                           {first + deposits.total() + interest.total(), interest.cell(), deposits.cell()}});
        result.duration = i;
    }
    if (!held) {
        result = Result();
        result.status = Result::Refused;
        result.message = Schedule::overflowText();
        return result;
    }
    table.hasTotals = true;
    const qint64 finalCapital = table.rows.isEmpty() ? 0 : table.rows.constLast().cells[0];
    table.totals = {finalCapital, interest.total(), deposits.total()};
    return result;
}

} // namespace Placement
