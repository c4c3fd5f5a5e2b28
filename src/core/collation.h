#pragma once
// The one ordering of texts used wherever the program sorts for the user:
// French rules, letter case ignored, whatever the machine's own locale.

#include <QCollatorSortKey>
#include <QString>

namespace Collation {

// Negative, zero or positive as a sorts before, with or after b.
int compare(const QString &a, const QString &b);

// A key that compares as the text does, for sorting many texts at once.
QCollatorSortKey sortKey(const QString &text);

inline bool less(const QString &a, const QString &b)
{
    return compare(a, b) < 0;
}

} // namespace Collation
