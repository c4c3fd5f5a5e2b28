#pragma once
// Record blocks for the finding tests, line by line as the store files hold them.

#include "core/recordlist.h"
#include "store/recordstore.h"

#include <QStringList>

#include <map>
#include <ostream>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace FindTest {

using Fields = std::map<int, QString>;  // block position -> text

// Block n of the kind: the fixed lines (empty where not given), then extra lines.
inline QStringList block(Kind kind, int n, const Fields &fields, const QStringList &extra = {})
{
    QStringList out{RecordStore::openTag(n)};
    for (int p = 1; p <= Layouts::of(kind).fixedCount; ++p)
        out.append(fields.count(p) ? fields.at(p) : QString());
    return out + extra + QStringList{RecordStore::closeTag(n)};
}

inline QStringList member(int n, const QString &number, const QString &name, Fields more = {},
                          const QStringList &extra = {})
{
    more[1] = number;
    more[3] = name;
    return block(Kind::Member, n, more, extra);
}

inline RecordList listOf(const QList<QStringList> &blocks)
{
    QStringList all;
    for (const QStringList &b : blocks)
        all += b;
    return RecordList(all);
}

// The lines of block n, tags included, or nothing.
inline QStringList blockOf(const RecordList &lines, int n)
{
    const QStringList all = lines.toStringList();
    const int from = all.indexOf(RecordStore::openTag(n));
    const int to = all.indexOf(RecordStore::closeTag(n), from);
    return from < 0 || to < 0 ? QStringList() : all.mid(from, to - from + 1);
}

} // namespace FindTest
