#pragma once
// The member and partner lists (Imprime, Imprime2) with their page headers
// (Entete1, Entete2), the envelopes, one per member (Enveloppes) or for the
// record shown (ImpEnv), and the record range the print dialog chooses.

#include "print/canvas.h"
#include "print/mmcanvas.h"
#include "store/recordstore.h"

#include <QList>
#include <QStringList>

// Records chosen in the print dialog, whose page numbers stand for records:
// page p is the record numbered p - 1.
struct RecordRange
{
    int first = 0;
    int last = -1;

    // "from" and "to" as the dialog gives them for `count` records. The
    // dialog gives 0 and 0 for "All": every record.
    static RecordRange of(int from, int to, int count);
    // The blocks numbered first to last that the list holds, in that order;
    // a number without a block is skipped.
    QList<BlockRef> blocks(const RecordList &lines) const;
};

namespace ListPrint {

// The page headers: column titles at the top, a line under them.
void Entete1(MmCanvas &m);
void Entete2(MmCanvas &m);
// One line per record, the header again on every page; a value is cut
// before the next column. False when the device refused a page.
bool Imprime(Canvas &canvas, const QList<BlockRef> &members);
bool Imprime2(Canvas &canvas, const QList<BlockRef> &partners);

} // namespace ListPrint

namespace Envelopes {

// The four recipient lines of a member or a partner.
QStringList memberRecipient(const BlockData &member);
QStringList partnerRecipient(const BlockData &partner);
// One envelope: the sender (letterhead lines 1 to 4) at the left, the
// recipient at the right, every line `guide` millimetres lower.
void envelope(MmCanvas &m, const QStringList &header, const QStringList &recipient, int guide);
bool ImpEnv(Canvas &canvas, const QStringList &header, const QStringList &recipient, int guide);
// One envelope per member, each on its own page.
bool Enveloppes(Canvas &canvas, const QStringList &header, const QList<BlockRef> &members, int guide);

} // namespace Envelopes
