#pragma once
// Members for the printing tests, and the texts a page shows.

#include "print/recordingcanvas.h"
#include "support/blocks.h"

// Member n: number 10001 + n, "Mme", the name with a blank after it (lists
// trim it), "Anne", the address, the first category.
inline QStringList memberLines(int n, const QString &name, const QString &address = "rue")
{
    return member(n, QString::number(10001 + n), name + " ",
                  {{MemberField::Titre, "Mme"}, {MemberField::Prenom, "Anne"}, {MemberField::Adresse1, address},
                   {MemberField::Categorie, "0"}});
}

// Members 0 to count - 1, named name + their number.
inline QStringList memberList(int count, const QString &name = "Nom", const QString &address = "rue")
{
    QStringList lines;
    for (int n = 0; n < count; ++n)
        lines += memberLines(n, name + QString::number(n), address);
    return lines;
}

// The texts of a page in the order drawn, "|" between them.
inline QString pageTexts(const RecordingCanvas &c, int page)
{
    QStringList texts;
    for (const RecordingCanvas::Op &op : c.texts(page))
        texts << op.text;
    return texts.join('|');
}
