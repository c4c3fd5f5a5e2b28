#pragma once
// Short ways to write journal lines and entries for the bookkeeping tests.

#include "treasury/journal.h"

#include "support/fakedialogs.h"

#include <QStringList>

// The six lines of a stored row, or the five of a pending entry (row 999).
inline QStringList entryLines(const QString &key, int row, const QStringList &cells)
{
    QStringList out;
    const int columns = row == JournalLine::kPendingRow ? 5 : 6;
    for (int c = 0; c < columns; ++c)
        out.append(JournalLine::compose(key, row, c, cells.value(c)));
    return out;
}

inline EntryInput entry(const QString &date, const QString &account, const QString &label,
                        const QString &expense, const QString &receipt = {})
{
    return EntryInput{date, account, label, expense, receipt};
}

inline QStringList rawLines(const RecordList &list)
{
    QStringList out;
    for (int i = 0; i < list.size(); ++i)
        out.append(QString::fromLatin1(list.view(i).toByteArray().toHex()));
    return out;
}
