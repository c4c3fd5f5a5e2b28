#include "core/csv.h"

namespace Csv {

QString field(QString text, bool isText)
{
    if (isText && !text.isEmpty()
        && (text[0] == QLatin1Char('=') || text[0] == QLatin1Char('+') || text[0] == QLatin1Char('-')
            || text[0] == QLatin1Char('@')))
        text.prepend(QLatin1Char('\''));
    if (text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n'))
        || text.contains(QLatin1Char('\r'))) {
        text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        text = QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

QByteArray document(const QList<QStringList> &rows, const std::function<bool(int, int)> &isText)
{
    QString text;
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList &row = rows[r];
        for (int c = 0; c < row.size(); ++c) {
            if (c > 0)
                text += QLatin1Char(';');
            text += field(row[c], !isText || isText(r, c));
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

} // namespace Csv
