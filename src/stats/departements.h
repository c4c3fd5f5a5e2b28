#pragma once
// The départements of France as the statistics and the tools show them: a
// two-digit code, a space and the name, 97 entries in code order.

#include <QString>
#include <QStringList>

namespace Departements {

const QStringList &entries();

// The name of a code: the entry whose first two characters are the code,
// from its fourth character on; empty for a code that is not in the list
// (96, "2A"). Codes are compared whole.
QString name(const QString &code);

} // namespace Departements
