#pragma once
// The printed receipt, invoice or credit note (Button4Click): the frame with
// its column titles (Dessin), the association's letterhead (EnTete) and the
// receipt's contents (ImpRecu). Up to 28 lines fit the frame; a longer receipt
// goes on over further pages that repeat everything but the lines, and only
// the last page carries the totals.

#include "print/canvas.h"
#include "print/mmcanvas.h"
#include "store/receipts.h"

#include <QList>
#include <QStringList>

namespace ReceiptPrint {

constexpr int kLinesPerPage = 28;

enum PaperType { PlainPaper = 0, LetterheadPaper = 1 };

// What the receipt prints.
struct Data
{
    QStringList payer;          // the four payer lines
    QString date;               // dd/mm/yyyy
    QString mode;
    QString kind;
    QString number;
    QList<QStringList> lines;   // designation, amount as printed
    QString euros, francs, words;

    // The receipt as the page shows it: the rows in use (lineCount of
    // them, without the empty ones at the end), and the totals of the amounts
    // printed.
    static Data of(const Receipts::Fields &fields, int lineCount);
};

int pageCount(const Data &data);

void Dessin(MmCanvas &m);
// Letterhead lines 1 to 7.
void EnTete(MmCanvas &m, const QStringList &header);
// Page `page` (from 0) of the contents.
void ImpRecu(MmCanvas &m, const Data &data, int page);
// Every page: frame and letterhead on plain paper, the frame alone on
// letterhead paper, neither for another paper type; then the contents.
bool Button4Click(Canvas &canvas, const Data &data, const QStringList &header, int paperType);

} // namespace ReceiptPrint
