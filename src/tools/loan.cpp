#include "tools/loan.h"

#include "core/formats.h"

#include <cmath>

namespace Loan {

double instalment(double amount, double monthlyRate, int months)
{
    return amount * monthlyRate / (1.0 - std::pow(1.0 + monthlyRate, -double(months)));
}

namespace {

Schedule::Result refused(const QString &message)
{
    Schedule::Result r;
    r.status = Schedule::Result::Refused;
    r.message = message;
    return r;
}

} // namespace

Schedule::Result compute(const Request &request)
{
    using Schedule::Result;
    const QString amountText = request.amount.trimmed();
    const QString rateText = request.rate.trimmed();
    if (amountText.isEmpty() || rateText.isEmpty())
        return Result();
    double amount = 0;
    if (!Formats::parseAmount(amountText, &amount))
        return refused(Schedule::notANumberText(amountText));
    double rate = 0;
    if (!Formats::parseAmount(rateText, &rate))
        return refused(Schedule::notANumberText(rateText));
    if (rate < kLowestRate)
        return refused(QStringLiteral("Taux d'intérêt insufisant"));

    const double r = rate / 1200.0;
    const int n = request.duration;
    double m = 0;
    const QString instalmentText = request.instalment.trimmed();
    if (!instalmentText.isEmpty()) {
        if (!Formats::parseAmount(instalmentText, &m))
            return refused(Schedule::notANumberText(instalmentText));
    } else {
        // No month to spread the loan over: no instalment can be worked out.
        if (n == 0)
            return refused(QStringLiteral("La durée doit être d'au moins un mois"));
        m = instalment(amount, r, n);
    }
    if (!std::isfinite(m))
        return refused(Schedule::overflowText());
    const double lowest = amount * r + kInstalmentMargin;
    if (m < lowest)
        return refused(QStringLiteral("La mensualité doit être > ") + Formats::amount(lowest));

    Result result;
    result.status = Result::Done;
    result.instalmentText = Formats::amount(m);
    result.duration = n;
    if (m <= 0)
        return result;

    qint64 borrowed = 0;
    if (!Schedule::toCents(amount, &borrowed))
        return refused(Schedule::overflowText());
    Schedule::Table &table = result.table;
    Schedule::Column capital, interest;
    double balance = amount;
    for (int i = 1; i <= Schedule::kMaxRows; ++i) {
        double k = 0;
        const double due = balance * r;
        if (balance < m) {
            k = balance;
        } else {
            k = m - due;
            // What would be left is too little to be worth a month of its own.
            if (balance - k <= kSettledBalance)
                k = balance;
        }
        if (!capital.add(k) || !interest.add(due))
            return refused(Schedule::overflowText());
        balance -= k;
        table.rows.append({i, Formats::date(request.today.addMonths(i)),
                           {capital.cell(), interest.cell(), borrowed - capital.total()}});
        result.duration = i;
        if (balance <= kSettledBalance)
            break;
    }
    table.hasTotals = true;
    table.totals = {capital.total(), interest.total(), capital.total() + interest.total()};
    return result;
}

} // namespace Loan
