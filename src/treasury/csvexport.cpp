#include "treasury/csvexport.h"

#include "core/csv.h"

namespace CsvExport {

namespace {

QString amount(const QString &cell)
{
    Money::Cents c = 0;
    return Money::parse(cell, &c) ? Money::format(c) : cell.trimmed();
}

QString period(int year, int month)
{
    return month > 0 ? QStringLiteral("%1-%2").arg(year).arg(month, 2, 10, QLatin1Char('0')) : QString::number(year);
}

} // namespace

QByteArray bytes(const std::vector<JournalRow> &rows)
{
    QList<QStringList> out{{QStringLiteral("Date"), QStringLiteral("Compte"), QStringLiteral("Libellé"),
                            QStringLiteral("Dépenses"), QStringLiteral("Recettes"), QStringLiteral("Pointage")}};
    for (const JournalRow &r : rows)
        out.append({r[ColDate].trimmed(), r[ColAccount].trimmed(), r[ColLabel], amount(r[ColExpense]),
                    amount(r[ColReceipt]), r[ColMark].trimmed()});
    // Amounts are numbers of the program's making; the rest is the user's.
    return Csv::document(out, [](int row, int column) {
        return row == 0 || (column != 3 && column != 4);
    });
}

QString journalName(int year, int month)
{
    return QStringLiteral("journal-") + period(year, month) + QStringLiteral(".csv");
}

QString ledgerName(const QString &account, int year, int month)
{
    return QStringLiteral("grand-livre-") + account + QLatin1Char('-') + period(year, month) + QStringLiteral(".csv");
}

} // namespace CsvExport
