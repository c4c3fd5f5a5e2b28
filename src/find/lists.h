#pragma once
// What the list windows show: the grid rows of members, partners and
// activities, and the items of the receipt list with the renumbering that
// follows the order the user gave them.

#include "core/recordlist.h"
#include "store/recordstore.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace Lists {

constexpr int kColumns = 9;
constexpr int kFirstRowCount = 20;

struct GridLayout
{
    QString caption;
    std::array<QString, kColumns> headers;   // row 0
    std::array<int, kColumns> lines;         // block line of columns 1 to 8 (column 0: the number)
    std::array<int, kColumns> widths;        // design widths in pixels
};

// Members, partners and activities; nullptr for receipts.
const GridLayout *gridLayout(Kind kind);

struct GridRows
{
    int rowCount = kFirstRowCount;  // header row included
    // rows[r - 1] holds the nine cells of grid row r.
    QList<QStringList> rows;
};

// Row r (from 1) for the r-th block of the list in list order: its block
// number in column 0 and its lines in columns 1 to 8. The grid starts with
// 20 rows and grows to r + 10 rows when row r does not exist yet.
GridRows gridRows(const RecordList &lines, const GridLayout &layout);

struct ReceiptItem
{
    QString text;
    int block = -1;
};

// One item per receipt for the block numbers 0, 1, 2 ... up to the first
// number that has no block: the receipt number without "NUM" and its kind
// letter, the date, the payment mode and the first two payer lines, two
// blanks apart.
QList<ReceiptItem> receiptItems(const RecordList &lines);

// Gives the i-th listed block the number i, opening and closing tags alike.
// order holds the listed blocks' numbers in the order shown. False, and the
// list untouched, when the order is the listing order.
bool renumberReceipts(RecordList &lines, const QList<int> &order);

// Applies the order shown to the store's receipts: renumbers them, marks the
// store modified when the order changed, and keeps the current receipt on the
// block it named. Returns the new number of the item at selectedRow, or -1.
int applyReceiptOrder(RecordStore &store, const QList<int> &order, int selectedRow);

} // namespace Lists
