#include "stats/stattable.h"

#include "core/collation.h"
#include "core/csv.h"

#include <QCollatorSortKey>

#include <algorithm>
#include <vector>


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
    QList<QStringList> out{QStringList(titles.begin(), titles.end())};
    out[0][0] = QStringLiteral("Rang");
    for (const Row &r : rows)
        out.append(QStringList(r.begin(), r.end()));
    // Rank and value are numbers of our own making; key and name are the user's.
    return Csv::document(out, [](int row, int column) { return row == 0 || column == 1 || column == 2; });
}
