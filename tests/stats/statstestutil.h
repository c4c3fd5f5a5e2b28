#pragma once
// Member blocks for the statistics tests.

#include "store/recordstore.h"

namespace StatsTest {

// Member n numbered 10001 + n; one payment row per amount, a null one without amount.
inline QStringList memberBlock(int n, const QString &cp, const QString &category = "0",
                               const QStringList &amounts = {}, const QString &nom = "Nom")
{
    QStringList fixed(MemberField::Count);
    fixed[MemberField::Numero - 1] = QString::number(10001 + n);
    fixed[MemberField::Nom - 1] = nom;
    fixed[MemberField::Prenom - 1] = QStringLiteral("Prénom");
    fixed[MemberField::Cp - 1] = cp;
    fixed[MemberField::Categorie - 1] = category;
    for (const QString &a : amounts)
        fixed.append(a.isNull() ? QStringLiteral("DATA01/02/2026\tSans montant") : "DATA01/02/2026\tCotisation\t" + a);
    return QStringList{RecordStore::openTag(n)} + fixed + QStringList{RecordStore::closeTag(n)};
}

} // namespace StatsTest
