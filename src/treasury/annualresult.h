#pragma once
// The annual result: the year's expenses on charge accounts (numbers starting
// with 6) and receipts on revenue accounts (starting with 7), totalled per
// account, the two totals and the profit or the loss.

#include "core/money.h"
#include "core/recordlist.h"

#include <QString>
#include <QStringList>

#include <vector>

struct ResultLine
{
    QString label;
    QString amount;
};

struct AnnualResult
{
    std::vector<ResultLine> lines;
    Money::Cents expenses = 0;
    Money::Cents receipts = 0;

    // LitAn: every entry of the year, pending ones included. An account is
    // its whole number as stored ("606" and "60600" are two accounts); an
    // empty amount, or one that is not a number, counts 0. Each account's
    // label is its chart label, or its number when the chart lacks it.
    static AnnualResult compute(const RecordList &journal, const QStringList &chart, int year);
};
