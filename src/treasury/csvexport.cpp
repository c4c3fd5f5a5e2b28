#include "treasury/csvexport.h"

namespace CsvExport {

namespace {

QString field(const QString &text)
{
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

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
    QString text = QStringLiteral("Date;Compte;Libellé;Dépenses;Recettes;Pointage\r\n");
    for (const JournalRow &r : rows) {
        const QString cells[] = {r[ColDate].trimmed(),    r[ColAccount].trimmed(), r[ColLabel],
                                 amount(r[ColExpense]), amount(r[ColReceipt]),   r[ColMark].trimmed()};
        for (int c = 0; c < 6; ++c) {
            if (c > 0)
                text += QLatin1Char(';');
            text += field(cells[c]);
        }
        text += QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QString filter()
{
    return QStringLiteral("Fichiers CSV (*.csv)");
}

QString suffix()
{
    return QStringLiteral("csv");
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
