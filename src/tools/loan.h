#pragma once
// The repayment table of a loan paid back in equal monthly instalments.

#include "tools/schedule.h"

namespace Loan {

// The yearly rate below which no table is made, in percent.
constexpr double kLowestRate = 1.0;
// The instalment must pass the first month's interest by this much.
constexpr double kInstalmentMargin = 1.1;
// A row that would leave this much or less owed repays everything.
constexpr double kSettledBalance = 0.7;

struct Request
{
    QString amount;     // "Montant"
    QString rate;       // "Intérêts", yearly, in percent
    int duration = 24;  // "Durée", in months
    QString instalment; // "Mensualités"; empty to have it computed
    QDate today;
};

// Rows: month, date, then the cells capital repaid, interest, balance owed.
// Totals: capital, interest and the cost of the loan (their sum).
Schedule::Result compute(const Request &request);

// The instalment that repays `amount` in `months` at the monthly rate.
double instalment(double amount, double monthlyRate, int months);

} // namespace Loan
