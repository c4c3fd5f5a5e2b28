#include "treasury/chart.h"

namespace Chart {

bool split(const QString &line, Account *account)
{
    const int space = int(line.indexOf(QLatin1Char(' ')));
    if (space < 0)
        return false;
    account->number = line.left(space);
    account->label = line.mid(space + 1).trimmed();
    return true;
}

QString line(const QString &number, const QString &label)
{
    return number + QStringLiteral("  ") + label;
}

QString padNumber(const QString &typed)
{
    return (typed + QStringLiteral("0000")).left(kNumberLength);
}

int findPrefix(const QStringList &chart, const QString &start)
{
    if (start.isEmpty())
        return -1;
    for (int i = 0; i < chart.size(); ++i)
        if (chart.at(i).startsWith(start))
            return i;
    return -1;
}

int findNumber(const QStringList &chart, const QString &number)
{
    Account a;
    for (int i = 0; i < chart.size(); ++i)
        if (split(chart.at(i), &a) && a.number == number)
            return i;
    return -1;
}

QString labelOf(const QStringList &chart, int at)
{
    Account a;
    return at >= 0 && at < chart.size() && split(chart.at(at), &a) ? a.label : QString();
}

QStringList numbers(const QStringList &chart)
{
    QStringList out;
    Account a;
    for (const QString &l : chart)
        if (split(l, &a))
            out.append(a.number);
    return out;
}

Completion complete(const QStringList &chart, const QString &typed)
{
    Completion c;
    c.account = typed;
    c.padded = padNumber(typed);
    c.exists = findNumber(chart, c.padded) >= 0;
    if (c.exists)
        c.account = c.padded;
    return c;
}

QString missingText(const QString &padded)
{
    return QStringLiteral("Le compte ") + padded + QStringLiteral(" n'existe pas");
}

const QList<Account> &starterAccounts()
{
    static const QList<Account> accounts = {
        {QStringLiteral("51200"), QStringLiteral("Banque")},
        {QStringLiteral("53000"), QStringLiteral("Caisse")},
        {QStringLiteral("60600"), QStringLiteral("Achats de fournitures")},
        {QStringLiteral("61300"), QStringLiteral("Locations")},
        {QStringLiteral("61600"), QStringLiteral("Assurances")},
        {QStringLiteral("62300"), QStringLiteral("Publicité, publications")},
        {QStringLiteral("62500"), QStringLiteral("Déplacements, missions et réceptions")},
        {QStringLiteral("62600"), QStringLiteral("Frais postaux et de télécommunications")},
        {QStringLiteral("62700"), QStringLiteral("Services bancaires")},
        {QStringLiteral("70600"), QStringLiteral("Prestations de services")},
        {QStringLiteral("70700"), QStringLiteral("Ventes de marchandises")},
        {QStringLiteral("74000"), QStringLiteral("Subventions")},
        {QStringLiteral("75400"), QStringLiteral("Dons")},
        {QStringLiteral("75600"), QStringLiteral("Cotisations")},
    };
    return accounts;
}

} // namespace Chart

void ChartEdit::Envoi()
{
    edit = Chart::line(number, label);
    TypeList::Envoi();
    number.clear();
    label.clear();
}

void ChartEdit::Supprime()
{
    TypeList::Supprime();
    number.clear();
    label.clear();
}

void ChartEdit::select(int index)
{
    TypeList::select(index);
    if (!hasSelection())
        return;
    Chart::Account a;
    // A line without a space is all number, as the editor would split it.
    if (!Chart::split(edit, &a))
        a = {edit, QString()};
    number = a.number;
    label = a.label;
}

int ChartEdit::addStarter()
{
    int added = 0;
    for (const Chart::Account &a : Chart::starterAccounts()) {
        if (Chart::findNumber(items, a.number) >= 0)
            continue;
        items.append(Chart::line(a.number, a.label));
        ++added;
    }
    return added;
}
