#pragma once
// Reading the fixed lines of the blocks of a record list for searches, lists
// and exports: a line is taken only while it belongs to its block, so a block
// cut short never lends the next block's lines.

#include "core/recordlist.h"

#include <QString>

namespace BlockScan {

// How many lines after the opening tag at index i stand before the block's
// closing tag (or the next opening tag, or the end of the list), counting no
// further than limit.
int span(const RecordList &lines, int i, int limit);

// Line k of the block whose opening tag is at index i (k = 1 is the first
// line after the tag), or an empty text when the block holds no such line.
// span is the block's span as given by span() with a limit of at least k.
inline QString line(const RecordList &lines, int i, int k, int span)
{
    return k >= 1 && k <= span ? lines.at(i + k) : QString();
}
inline QByteArrayView view(const RecordList &lines, int i, int k, int span)
{
    return k >= 1 && k <= span ? lines.view(i + k) : QByteArrayView();
}

// The four characters after "<BLOC" read as a whole number, or -1.
int blockNumber(QByteArrayView openTagLine);

} // namespace BlockScan
