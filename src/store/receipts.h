#pragma once
// Receipts, invoices and credit notes without their window: the mapping of a
// receipt to its block, the totals of its lines, the deletion of a line, the
// payer taken from a member and the block number a new receipt takes.

#include "store/recordstore.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace Receipts {

constexpr double kEuroRate = 6.55957;       // francs per euro
constexpr int kRows = RecordStore::kGridRows;
constexpr int kAmountWidth = 90;            // pixels an amount cell is right-aligned to
constexpr int kDesignationMax = 41;         // characters a designation may hold

// The document kinds as the kind list shows and stores them.
QStringList kinds();
// The payment modes offered.
QStringList paymentModes();

// One receipt as its page shows it.
struct Fields
{
    QString number;        // the nine-digit number as typed
    QString date;          // dd/mm/yyyy
    QString mode;          // "Mode de réglement"
    QString kind;          // "Reçu", "Facture" or "Avoir     "
    QStringList payer;     // the four payer lines
    QList<QStringList> rows; // designation, amount

    bool operator==(const Fields &o) const
    {
        return number == o.number && date == o.date && mode == o.mode && kind == o.kind
               && payer == o.payer && rows == o.rows;
    }
};

// Line 1 is "NUM" + the kind's first character + the number; rows 1 to
// lineCount are handed to the store, which keeps only those with text.
BlockData toBlock(const Fields &fields, int lineCount);
// The fields of a stored block; the number is line 1 after its first four
// characters, trimmed (empty when there is none).
Fields fromBlock(const BlockData &block);

// What the totals make of the amount cells.
struct Totals
{
    QStringList amounts;   // the cells as they are to be shown
    double total = 0;
    QString euros;         // the total, "0,00"
    QString francs;        // the total in francs, "0,00"
    QString words;         // the total in French words
};

// A cell that reads as a number is rewritten with two decimals and aligned
// by rightAlign; any other cell is kept as typed and counts nothing.
Totals totals(const QStringList &amounts, const std::function<QString(const QString &)> &rightAlign);

// Deleting line r (1 based) of the lines in use: the lines below it move up
// one and the last line in use is emptied. False, with nothing changed, when
// r is not a line in use.
bool deleteLine(QList<QStringList> *rows, int r, int *lineCount);

// The payer lines after filling the empty ones from a member block: "Nom
// Prénom", the two addresses, "Cp Ville". Typed lines are kept.
QStringList payerFromMember(const QStringList &payer, const BlockData &member);

// The block number a new receipt takes: the first number that no receipt
// holds, so that numbers run without a gap and no stored receipt is taken
// for a new one. A list of fewer than five lines counts as empty. The count
// grows to include the new number; -1 when the list is full.
int newReceiptNumber(RecordStore &store);

} // namespace Receipts
