#pragma once
// What the loan and investment calculators share: amounts held in whole
// cents and the table itself, a row per month after today.
//
// A table's cells are differences of rounded running totals: the running
// totals are rounded to the cent and each row shows how much its own total
// moved. The columns then add up exactly to the totals row, whatever the
// rounding of each month's figures.

#include <QDate>
#include <QList>
#include <QString>

#include <array>

namespace Schedule {

// The most rows a table holds (a hundred years of months).
constexpr int kMaxRows = 1200;

// A sum of money in cents, rounded half away from zero once the binary noise
// of the value is gone (1,005 gives 101). False for a value too large to be
// held to the cent. Cells are written with Money::format.
bool toCents(double value, qint64 *cents);

struct Row
{
    int month = 0;
    QString date;
    std::array<qint64, 3> cells{};
};

struct Table
{
    QList<Row> rows;
    bool hasTotals = false;
    std::array<qint64, 3> totals{};
};

// The outcome of a click on "Calculer".
struct Result
{
    enum Status {
        Nothing, // a field the computation needs is empty: nothing happens
        Refused, // `message` says why; the window keeps what it shows
        Done     // the table is replaced, the fields take the texts below
    };
    Status status = Nothing;
    QString message;
    QString instalmentText; // for "Mensualités"
    int duration = 0;       // for "Durée"
    Table table;
};

// Running totals of one column turned into cells.
class Column
{
public:
    // Adds to the running total; false when it can no longer be held to the cent.
    bool add(double amount);
    // The cell of the last row: how much the rounded total moved.
    qint64 cell() const { return m_rounded - m_previous; }
    qint64 total() const { return m_rounded; }
    double exact() const { return m_sum; }

private:
    double m_sum = 0;
    qint64 m_rounded = 0;
    qint64 m_previous = 0;
};

// Messages shared by the calculators (the pocket one overflows too).
QString notANumberText(const QString &text);
QString overflowText();

} // namespace Schedule
