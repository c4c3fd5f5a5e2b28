#pragma once
// Record blocks and store files as the tests write and read them.

#include "core/recordlist.h"
#include "core/textfile.h"
#include "store/recordstore.h"
#include "support/fakedialogs.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <map>

using Fields = std::map<int, QString>; // block position -> text

// Block n holding the given lines; without its closing tag when !closed.
inline QStringList block(int n, const QStringList &lines, bool closed = true)
{
    return QStringList{RecordStore::openTag(n)} + lines + QStringList(closed ? 1 : 0, RecordStore::closeTag(n));
}

// The record of the kind: its fixed lines, empty where not given.
inline BlockData record(Kind kind, const Fields &fields)
{
    BlockData d;
    d.fixed = QStringList(Layouts::of(kind).fixedCount);
    for (const auto &[position, text] : fields)
        d.setField(position, text);
    return d;
}

// Block n of the kind: the fixed lines, then the extra lines.
inline QStringList block(Kind kind, int n, const Fields &fields, const QStringList &extra = {})
{
    return block(n, record(kind, fields).fixed + extra);
}

inline QStringList member(int n, const QString &number, const QString &name, Fields more = {},
                          const QStringList &extra = {})
{
    more[MemberField::Numero] = number;
    more[MemberField::Nom] = name;
    return block(Kind::Member, n, more, extra);
}

inline QStringList partnerBlock(int n, const QString &code, const QString &company, const QString &town = {})
{
    return block(Kind::Partner, n, {{PartnerField::Code, code}, {PartnerField::Societe, company},
                                    {PartnerField::Ville, town}});
}

inline RecordList listOf(const QList<QStringList> &blocks)
{
    QStringList all;
    for (const QStringList &b : blocks)
        all += b;
    return RecordList(all);
}

// The lines of block n, tags included, or nothing.
inline QStringList blockOf(const RecordList &lines, int n)
{
    const QStringList all = lines.toStringList();
    const int from = all.indexOf(RecordStore::openTag(n));
    const int to = all.indexOf(RecordStore::closeTag(n), from);
    return from < 0 || to < 0 ? QStringList() : all.mid(from, to - from + 1);
}

// Lines put straight into a list, as loading a file does, counted by their tags.
inline void setList(RecordStore &store, Kind k, const QStringList &lines)
{
    store.lines(k).setStringList(lines);
    store.state(k).count = store.countTags(k);
}

inline QByteArray crlf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += l.toLatin1() + "\r\n";
    return out;
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

// The lines of a file the code under test wrote; a file that cannot be read
// fails the test.
inline QStringList fileLines(const QString &path)
{
    QStringList lines;
    EXPECT_TRUE(TextFile::readLines(path, &lines)) << path.toStdString();
    return lines;
}

// Writes the bytes, making the folders on the way; returns the path.
inline QString writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size()) << path.toStdString();
    return path;
}

// A store and a scratch folder for its files.
class StoreTest : public VelmoraTest
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
    RecordStore store;
};
