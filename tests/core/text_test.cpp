// The code page, the line splitting and the atomic writes that every store
// file goes through.

#include "core/cp1252.h"
#include "core/recordlist.h"
#include "core/textfile.h"

#include "support/fakedialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(Cp1252, DecodesTheWindowsPlanesNotLatin1)
{
    EXPECT_EQ(Cp1252::decode("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(Cp1252::decode("\x9C"), QString(QChar(0x0153)));
    EXPECT_EQ(Cp1252::decode("\xE9t\xE9"), QStringLiteral("été"));
    EXPECT_EQ(Cp1252::encode(QStringLiteral("Société – 12 €")), QByteArray("Soci\xE9t\xE9 \x96 12 \x80"));
}

TEST(Cp1252, EveryByteEncodesBackToItself)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    bool ok = false;
    EXPECT_EQ(Cp1252::encode(Cp1252::decode(all), &ok), all);
    EXPECT_TRUE(ok);
}

TEST(Cp1252, CharactersOutsideThePageAreRefused)
{
    bool ok = true;
    EXPECT_EQ(Cp1252::encode(QStringLiteral("a\u4e2db"), &ok), QByteArray("a?b"));
    EXPECT_FALSE(ok);
    EXPECT_FALSE(Cp1252::canEncode(QStringLiteral("Ω")));
    EXPECT_TRUE(Cp1252::canEncode(QStringLiteral("Œuvre à l'été")));
}

TEST(RecordList, SplitsOnCrLfAndCrLfAlike)
{
    RecordList l;
    l.setBytes("a\r\nb\nc\rd");
    EXPECT_EQ(l.toStringList(), (QStringList{"a", "b", "c", "d"}));
    l.setBytes("a\r\n\r\n");
    EXPECT_EQ(l.toStringList(), (QStringList{"a", ""}));
    l.setBytes("\n\r");
    EXPECT_EQ(l.toStringList(), (QStringList{"", ""}));
    l.setBytes("");
    EXPECT_TRUE(l.isEmpty());
    l.setBytes("x\r\ny");
    EXPECT_EQ(l.toBytes(), QByteArray("x\r\ny\r\n"));
}

TEST(RecordList, EditsKeepTheOtherLines)
{
    RecordList l(QStringList{"zero", "un", "deux", "trois"});
    l.replaceRange(1, 2, {"A", "B", "C"});
    EXPECT_EQ(l.toStringList(), (QStringList{"zero", "A", "B", "C", "trois"}));
    l.replaceRange(0, 4, {"x"});
    EXPECT_EQ(l.toStringList(), (QStringList{"x", "trois"}));
    l.insert(1, QStringLiteral("été"));
    l.replace(0, QStringLiteral("Œ"));
    l.removeAt(2);
    EXPECT_EQ(l.toStringList(), (QStringList{"Œ", "été"}));
    EXPECT_EQ(l.toBytes(), QByteArray("\x8C\r\n\xE9t\xE9\r\n"));
}

TEST(RecordList, ManyRewritesReclaimTheirSpaceAndKeepTheText)
{
    RecordList l;
    for (int i = 0; i < 1000; ++i)
        l.append(QString::number(i));
    for (int round = 0; round < 200; ++round)
        for (int i = 0; i < 1000; i += 7)
            l.replace(i, QStringLiteral("ligne %1 tour %2").arg(i).arg(round));
    EXPECT_EQ(l.at(7), QStringLiteral("ligne 7 tour 199"));
    EXPECT_EQ(l.at(8), QStringLiteral("8"));
    // 200 rounds of about 143 rewritten lines would hold over 500 kB without reclaiming.
    EXPECT_LT(l.bytesHeld(), 300000);
}

class TextFileTest : public VelmoraTest
{
protected:
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }
};

TEST_F(TextFileTest, AFileOfEveryByteButCrLfLoadsAndSavesIdentical)
{
    QByteArray line;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n')
            line.append(char(b));
    const QByteArray bytes = "<BLOC0000>\r\n" + line + "\r\n" + line.left(40) + "\r\n</BLOC0000>\r\n";
    writeFile(path("all.adh"), bytes);
    RecordList l;
    ASSERT_TRUE(l.load(path("all.adh")));
    ASSERT_EQ(l.size(), 4);
    ASSERT_TRUE(l.save(path("copy.adh")));
    EXPECT_EQ(readFile(path("copy.adh")), bytes);
}

TEST_F(TextFileTest, WritesReplaceWholeAndLeaveNoTemporaryFile)
{
    ASSERT_TRUE(TextFile::writeLines(path("a.txt"), {"un", "deux"}));
    ASSERT_TRUE(TextFile::writeLines(path("a.txt"), {"trois"}));
    EXPECT_EQ(readFile(path("a.txt")), QByteArray("trois\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.txt"});
}

TEST_F(TextFileTest, AnUnwritableTargetIsReportedAndTheOldFileStays)
{
    ASSERT_TRUE(TextFile::writeLines(path("keep.txt"), {"ancien"}));
    QString error;
    EXPECT_FALSE(TextFile::writeLines(path("absent/folder/new.txt"), {"x"}, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("new.txt")));
    EXPECT_FALSE(TextFile::readLines(path("missing.txt"), nullptr, &error));
    EXPECT_EQ(readFile(path("keep.txt")), QByteArray("ancien\r\n"));
}
