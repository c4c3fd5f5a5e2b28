#include "stats/stattable.h"

#include "core/collation.h"

#include <QCollatorSortKey>

#include <algorithm>
#include <vector>

namespace {

QString csvField(QString text, bool isText)
{
    // "=", "+", "-" and "@" open a formula in a spreadsheet; a name must stay a name.
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

} // namespace

StatTable StatTable::of(const StatList &list, const QString &keyTitle, const QString &nameTitle,
                        const QString &valueTitle)
{
    StatTable table;
    table.titles = {QString(), keyTitle, nameTitle, valueTitle};

    const QList<StatLine> &lines = list.lines();
    struct Sorted
    {
        QString value;
        QCollatorSortKey key;
        int index;
    };
    std::vector<Sorted> sorted;
    sorted.reserve(size_t(lines.size()));
    for (int i = 0; i < lines.size(); ++i) {
        const StatLine &l = lines[i];
        const QString value = list.valueText(l);
        const QString whole = l.key + QLatin1Char('\t') + l.name + QLatin1Char('\t') + value;
        sorted.push_back(Sorted{value, Collation::sortKey(whole), i});
    }
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Sorted &a, const Sorted &b) { return a.key.compare(b.key) < 0; });

    table.rows.reserve(qsizetype(sorted.size()));
    int rank = 0;
    for (const Sorted &s : sorted) {
        const StatLine &l = lines[s.index];
        table.rows.append(Row{QString::number(++rank), l.key, l.name, s.value});
    }
    return table;
}

QStringList StatTable::values() const
{
    QStringList out;
    out.reserve(rows.size());
    for (const Row &r : rows)
        out.append(r[3]);
    return out;
}

QByteArray StatTable::csv() const
{
    QString text;
    auto line = [&text](const Row &cells, bool header) {
        for (int c = 0; c < kColumns; ++c) {
            if (c > 0)
                text += QLatin1Char(';');
            // Rank and value are numbers of our own making; key and name are the user's.
            const bool isText = header || c == 1 || c == 2;
            text += csvField(cells[size_t(c)], isText);
        }
        text += QStringLiteral("\r\n");
    };
    Row head = titles;
    head[0] = QStringLiteral("Rang");
    line(head, true);
    for (const Row &r : rows)
        line(r, false);
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}
