#pragma once
// The printed form of a statistics table: on every page the header text, the
// date it was printed, a grey band with the column titles, then ruled rows;
// columns as wide as on screen, scaled to the page.

#include "print/canvas.h"
#include "stats/stattable.h"

#include <QString>

#include <array>

struct TablePrintLayout
{
    QString fontFamily;
    int pointSize = 8;
    std::array<int, StatTable::kColumns> columnWidths{}; // on screen, in pixels
};

namespace TablePrint {

// "Statistiques employés au " and today's date: the document's title.
QString jobTitle();

// Prints the first rowCount rows of the table. A new page starts only when a
// row would pass the bottom margin and rows remain. False when the device
// refused a page.
bool print(Canvas &canvas, const StatTable &table, const TablePrintLayout &layout, const QString &header,
           int rowCount);

} // namespace TablePrint
