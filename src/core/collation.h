#pragma once
// The one ordering of texts used wherever the program sorts for the user:
// French rules, letter case ignored, whatever the machine's own locale.

#include <QString>

namespace Collation {

// Negative, zero or positive as a sorts before, with or after b.
int compare(const QString &a, const QString &b);

inline bool less(const QString &a, const QString &b)
{
    return compare(a, b) < 0;
}

} // namespace Collation
