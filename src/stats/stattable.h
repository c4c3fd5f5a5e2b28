#pragma once
// A statistic as its window shows it: sorted, ranked, four columns (rank,
// key, name, value). The grid, the printout, the export and the chart all
// read this one table.

#include "stats/statistics.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

struct StatTable
{
    static constexpr int kColumns = 4;
    using Row = std::array<QString, kColumns>;

    Row titles;     // column 0 has none
    QList<Row> rows; // rank from 1, key, name, value

    // The window's titles ("Code", "Nom", "Qté"...) and the statistic's
    // lines in ascending order of their whole text, letter case ignored,
    // with French rules ("01" before "13" before "75").
    static StatTable of(const StatList &list, const QString &keyTitle, const QString &nameTitle,
                        const QString &valueTitle);

    // The value texts of the rows, in order, for the chart.
    QStringList values() const;

    // The table as a spreadsheet reads it: UTF-8 with a byte-order mark, one
    // line per row after the titles, fields separated by semicolons, amounts
    // with a decimal comma; a field holding a semicolon, a quote or a line
    // break is quoted, and a text a spreadsheet would take for a formula is
    // kept as text.
    QByteArray csv() const;
};
