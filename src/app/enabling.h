#pragma once
// Which commands the frame offers in each state: at start, once a store is
// open (Valide) and for each page brought forward (Valide1 to Valide4). A
// column sets the commands it names and leaves the others alone; commands
// that are not in the table are always available.

#include <QList>
#include <QString>

#include <functional>

namespace Enabling {

enum Column { AtStart = 0, Valide, Valide1, Valide2, Valide3, Valide4, ColumnCount };

// A column's value for a command: '1' enabled, '0' disabled, '·' untouched.
struct Row
{
    QString name;
    QString values; // one character per column, in the order of Column
};

const QList<Row> &table();

inline constexpr QChar kUntouched{u'\u00B7'};

// The value of one command in one column ('1', '0' or '·'); '·' for a command
// that the table does not name.
QChar value(const QString &name, Column column);

// The commands that change the open store or write beside it (its journal,
// treasury plan, planning, messages): a store opened read-only, because
// another program holds it, offers none of them. "Enregistrer sous..." stays:
// it keeps the changes in another store.
const QStringList &storeWriters();

// Calls set(name, enabled) for every command that the column sets. With
// readOnly, every store writer is disabled whatever the column says; without
// it, those the table never names are enabled again.
void apply(Column column, const std::function<void(const QString &, bool)> &set, bool readOnly = false);

} // namespace Enabling
