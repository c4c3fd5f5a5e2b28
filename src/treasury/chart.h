#pragma once
// Account lines of the chart of accounts: the number, two spaces, the label.
// Readers split a line at its first space; a line without one is no account.
// The editor's state and its operations live here too, apart from its window.

#include "settings/typelist.h"

#include <QString>
#include <QStringList>

namespace Chart {

constexpr int kNumberLength = 5;

struct Account
{
    QString number;
    QString label;
};

// False for a line without a space.
bool split(const QString &line, Account *account);
QString line(const QString &number, const QString &label);

// A typed number completed on the right with zeros to five characters, or cut
// to five: 7 gives 70000, 706 gives 70600; an empty text gives "0000".
QString padNumber(const QString &typed);

// The first line that starts with the text, or -1. An empty text finds nothing.
int findPrefix(const QStringList &chart, const QString &start);
// The first account whose number is exactly the text, or -1.
int findNumber(const QStringList &chart, const QString &number);
// The label of the line at `at`; empty for -1 or a line that is no account.
QString labelOf(const QStringList &chart, int at);
// The numbers of the accounts, in chart order.
QStringList numbers(const QStringList &chart);

// What an account typed in the journal becomes: the chart's own five-digit
// number when the completed number is an account of the chart; otherwise the
// text as typed, and exists is false.
struct Completion
{
    QString account;
    QString padded;
    bool exists = false;
};
Completion complete(const QStringList &chart, const QString &typed);
// "Le compte 70600 n'existe pas".
QString missingText(const QString &padded);

// A short chart for associations: bank and cash, the usual charges and the
// usual resources.
const QList<Account> &starterAccounts();

} // namespace Chart

// The chart editor: the list of account lines in its editing order (items),
// the selected line (-1 for none) and the two fields; it edits as the list
// editor of the settings does, a line being made of the two fields.
struct ChartEdit : TypeList
{
    QString number;
    QString label;

    // Leaving the number field: padded to five characters.
    void Edit1Exit() { number = Chart::padNumber(number); }
    // The line of the two fields replaces the selected line, or is appended;
    // then nothing is selected and both fields are empty.
    void Envoi();
    // The selected line, if any, is removed; nothing selected, fields emptied.
    void Supprime();
    // Selecting a line puts its number and label in the fields.
    void select(int index);
    // Appends the starter accounts whose numbers the list lacks; an account
    // already there keeps its line. The number of lines added.
    int addStarter();
};
