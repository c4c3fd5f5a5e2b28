#pragma once
// Members for the printing tests, and the texts a page shows.

#include "print/recordingcanvas.h"
#include "store/recordstore.h"

// Member n: number 10001 + n, "Mme", the name with a blank after it (lists
// trim it), "Anne", the address, the first category.
inline QStringList memberLines(int n, const QString &name, const QString &address = "rue")
{
    QStringList fixed(MemberField::Count);
    fixed[MemberField::Numero - 1] = QString::number(10001 + n);
    fixed[MemberField::Titre - 1] = "Mme";
    fixed[MemberField::Nom - 1] = name + " ";
    fixed[MemberField::Prenom - 1] = "Anne";
    fixed[MemberField::Adresse1 - 1] = address;
    fixed[MemberField::Categorie - 1] = "0";
    return QStringList{RecordStore::openTag(n)} + fixed + QStringList{RecordStore::closeTag(n)};
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
