// Loan and investment tables: the worked examples, and columns that add up
// exactly to their totals over many cases.

#include "core/money.h"
#include "tools/loan.h"
#include "tools/placement.h"

#include "toolstest.h"

#include <gtest/gtest.h>

#include <QDate>

using Money::format;
using Schedule::Result;

namespace {

const QDate kToday(2026, 3, 15);

Result loan(const QString &amount, const QString &rate, int months, const QString &instalment = {},
            const QDate &today = kToday)
{
    return Loan::compute({amount, rate, months, instalment, today});
}

Result placement(const QString &deposit, const QString &rate, int months, const QString &monthly,
                 const QDate &today = kToday)
{
    return Placement::compute({deposit, rate, months, monthly, today});
}

QStringList row(const Result &r, int month)
{
    const Schedule::Row &x = r.table.rows.at(month - 1);
    return {QString::number(x.month), x.date, format(x.cells[0]), format(x.cells[1]), format(x.cells[2])};
}

QStringList totals(const Result &r)
{
    return {format(r.table.totals[0]), format(r.table.totals[1]), format(r.table.totals[2])};
}

qint64 columnSum(const Result &r, int column)
{
    qint64 sum = 0;
    for (const Schedule::Row &x : r.table.rows)
        sum += x.cells[size_t(column)];
    return sum;
}

} // namespace

TEST(Loan, TenThousandAtSixPercentOverTwoYears)
{
    const Result r = loan("10000", "6", 24);
    ASSERT_EQ(r.status, Result::Done);
    EXPECT_EQ(r.instalmentText, "443,21");
    EXPECT_EQ(r.duration, 24);
    ASSERT_EQ(r.table.rows.size(), 24);
    EXPECT_EQ(row(r, 1), QStringList({"1", "15/04/2026", "393,21", "50,00", "9606,79"}));
    EXPECT_EQ(row(r, 24).value(4), "0,00");
    EXPECT_EQ(row(r, 24).value(1), "15/03/2028");
    EXPECT_EQ(totals(r), QStringList({"10000,00", "636,95", "10636,95"}));
}

TEST(Loan, AGivenInstalmentSetsTheDurationAndTheLastRowRepaysTheRest)
{
    const Result r = loan("10000", "6", 24, "500");
    ASSERT_EQ(r.table.rows.size(), 22);
    EXPECT_EQ(r.duration, 22);
    EXPECT_EQ(r.instalmentText, "500,00");
    EXPECT_EQ(row(r, 22).value(2), "62,20");
    EXPECT_EQ(row(r, 21).value(4), "62,20") << "the last capital is what was left owed";
    EXPECT_EQ(row(r, 22).value(4), "0,00");
}

TEST(Loan, RefusalsAndEmptyFields)
{
    EXPECT_EQ(loan("10000", "6", 24, "40").message, "La mensualité doit être > 51,10");
    EXPECT_EQ(loan("10000", "0,5", 24).message, "Taux d'intérêt insufisant");
    EXPECT_EQ(loan("10000", "6", 0).status, Result::Refused) << "no month to spread the loan over";
    EXPECT_EQ(loan("1,,2", "6", 24).status, Result::Refused);
    EXPECT_EQ(loan("", "6", 24).status, Result::Nothing);
    EXPECT_EQ(loan("10000", " ", 24).status, Result::Nothing);
    EXPECT_EQ(loan("999999999999,99", "999999999999", 12).message, "Dépassement de capacité");
}

TEST(Loan, TheTableGrowsToATwelveHundredthMonthAndStopsThere)
{
    const Result longest = loan("100000", "3", 1200);
    EXPECT_EQ(longest.table.rows.size(), 1200);
    EXPECT_EQ(row(longest, 1200).value(4), "0,00");
    const Result cut = loan("100000", "3", 1500);
    ASSERT_EQ(cut.table.rows.size(), 1200);
    EXPECT_NE(row(cut, 1200).value(4), "0,00") << "a longer loan is shown up to its 1200th month";
    EXPECT_EQ(columnSum(cut, 0), cut.table.totals[0]);
}

TEST(Loan, DaysThatAMonthLacksBecomeItsLastDay)
{
    const Result r = loan("1000", "6", 14, {}, QDate(2026, 1, 31));
    EXPECT_EQ(row(r, 1).value(1), "28/02/2026");
    EXPECT_EQ(row(r, 2).value(1), "31/03/2026") << "each date counts from today, not from the row before";
}

TEST(Loan, ColumnsAddUpToTheTotalsAndNoTableEndsWithMoneyOwed)
{
    int cases = 0;
    auto check = [&cases](const Result &r) {
        ASSERT_EQ(r.status, Result::Done);
        ++cases;
        qint64 owed = r.table.rows.isEmpty() ? 0 : r.table.rows.first().cells[0] + r.table.rows.first().cells[2];
        for (const Schedule::Row &x : r.table.rows) {
            EXPECT_EQ(x.cells[2], owed - x.cells[0]) << "each balance is the previous one less the capital";
            owed = x.cells[2];
        }
        EXPECT_EQ(columnSum(r, 0), r.table.totals[0]);
        EXPECT_EQ(columnSum(r, 1), r.table.totals[1]);
        EXPECT_EQ(r.table.totals[2], r.table.totals[0] + r.table.totals[1]);
        EXPECT_EQ(r.table.rows.constLast().cells[2], 0) << "money left owed at the end";
    };
    for (const char *amount : {"1000", "1234,56", "10000", "87654,32"})
        for (const char *rate : {"1", "3,25", "6", "12,5"})
            for (int months : {1, 7, 12, 24, 60})
                check(loan(amount, rate, months));
    // Instalments given by the user end on any remainder; none is left unpaid.
    for (int cents = 10000; cents <= 11000; ++cents)
        check(loan("1000", "1", 24, format(cents)));
    EXPECT_EQ(cases, 80 + 1001);
    const Result small = loan("1000", "1", 12);
    EXPECT_EQ(columnSum(small, 0), 100000) << "1000 at 1 % over 12 months repays exactly 1000,00";
}

TEST(Placement, WorkedExamples)
{
    const Result r = placement("1000", "3", 12, "100");
    ASSERT_EQ(r.table.rows.size(), 12);
    EXPECT_EQ(row(r, 1), QStringList({"1", "15/04/2026", "1102,50", "2,50", "100,00"}));
    EXPECT_EQ(row(r, 12).value(2), "2247,05");
    EXPECT_EQ(totals(r), QStringList({"2247,05", "47,05", "1200,00"}));
    EXPECT_EQ(r.instalmentText, "100,00");

    const Result noDeposit = placement("", "3", 12, "100");
    EXPECT_EQ(row(noDeposit, 1).mid(2, 2), QStringList({"100,00", "0,00"}));
    EXPECT_EQ(totals(noDeposit).value(0), "1216,64");
}

TEST(Placement, EmptyAndOddInputs)
{
    const Result none = placement("1000", "3", 12, "");
    EXPECT_EQ(none.status, Result::Done);
    EXPECT_EQ(none.instalmentText, "0,00");
    EXPECT_TRUE(none.table.rows.isEmpty());
    EXPECT_FALSE(none.table.hasTotals);

    const Result negative = placement("1000", "3", -3, "100");
    EXPECT_TRUE(negative.table.rows.isEmpty());
    EXPECT_TRUE(negative.table.hasTotals);
    EXPECT_EQ(totals(negative), QStringList({"0,00", "0,00", "0,00"}));
    EXPECT_EQ(negative.duration, -3);

    EXPECT_EQ(placement("1000", "", 12, "100").status, Result::Nothing);
    EXPECT_EQ(placement("1000", "3", 0, "100").status, Result::Nothing);
    EXPECT_EQ(placement("1,,2", "3", 12, "100").status, Result::Refused);
    EXPECT_EQ(placement("1000", "3", 1500, "100").table.rows.size(), 1200);
    EXPECT_EQ(placement("1000", "999999999", 1200, "100").message, "Dépassement de capacité");
}

TEST(Placement, ColumnsAddUpToTheTotals)
{
    for (const char *deposit : {"", "1000", "2500,55"})
        for (const char *rate : {"0", "1,5", "4", "9,75"})
            for (const char *monthly : {"1", "33,33", "150"})
                for (int months : {1, 12, 37, 120}) {
                    const Result r = placement(deposit, rate, months, monthly);
                    ASSERT_EQ(r.table.rows.size(), months);
                    EXPECT_EQ(columnSum(r, 1), r.table.totals[1]);
                    EXPECT_EQ(columnSum(r, 2), r.table.totals[2]);
                    qint64 first = 0;
                    ASSERT_TRUE(Schedule::toCents(QString(deposit).replace(',', '.').toDouble(), &first));
                    EXPECT_EQ(r.table.totals[0], first + r.table.totals[1] + r.table.totals[2]);
                }
}

TEST(Schedule, CentsRoundHalvesAwayFromZeroWithoutBinaryNoise)
{
    for (const auto &[value, cents] : {std::pair{1.005, qint64(101)}, {-2.675, -268}, {0.1 + 0.2, 30}}) {
        qint64 c = 0;
        ASSERT_TRUE(Schedule::toCents(value, &c)) << value;
        EXPECT_EQ(c, cents) << value;
    }
    qint64 c = 0;
    EXPECT_FALSE(Schedule::toCents(1e300, &c));
}
