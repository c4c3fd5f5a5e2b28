#pragma once
// Blocks for the statistics tests.

#include "core/recordlist.h"
#include "store/layouts.h"
#include "store/recordstore.h"

#include <QStringList>

namespace StatsTest {

struct Member
{
    explicit Member(const QString &cp = {}, const QString &category = QStringLiteral("0"),
                    const QStringList &amounts = {})
        : cp(cp), category(category), amounts(amounts)
    {
    }
    QString cp;
    QString category;
    QStringList amounts; // one row per amount; a null text gives a row without one
    QString nom = QStringLiteral("Nom");
};

// Member n numbered 10001 + n, with its payment rows.
inline QStringList memberBlock(int n, const Member &m)
{
    QStringList fixed(MemberField::Count);
    fixed[MemberField::Numero - 1] = QString::number(10001 + n);
    fixed[MemberField::Nom - 1] = m.nom;
    fixed[MemberField::Prenom - 1] = QStringLiteral("Prénom");
    fixed[MemberField::Cp - 1] = m.cp;
    fixed[MemberField::Categorie - 1] = m.category;
    QStringList b{RecordStore::openTag(n)};
    b += fixed;
    for (const QString &a : m.amounts)
        b.append(a.isNull() ? QStringLiteral("DATA01/02/2026\tSans montant") : QStringLiteral("DATA01/02/2026\tCotisation\t") + a);
    b.append(RecordStore::closeTag(n));
    return b;
}

inline RecordList members(const QList<Member> &list)
{
    QStringList lines;
    for (int i = 0; i < list.size(); ++i)
        lines += memberBlock(i, list[i]);
    return RecordList(lines);
}

} // namespace StatsTest
