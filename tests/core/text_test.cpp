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

namespace {

// The tag kinds read from the index, as "o" (open), "c" (close), "O"/"C" for
// the same with "bloc" in another letter case, "-" for any other line.
QString tagKinds(const RecordList &l)
{
    QString out;
    for (int i = 0; i < l.size(); ++i) {
        if (l.isOpenTag(i))
            out += l.isOpenTagAnyCase(i) ? QLatin1Char('o') : QLatin1Char('!');
        else if (l.isCloseTag(i))
            out += l.isCloseTagAnyCase(i) ? QLatin1Char('c') : QLatin1Char('!');
        else if (l.isOpenTagAnyCase(i))
            out += QLatin1Char('O');
        else if (l.isCloseTagAnyCase(i))
            out += QLatin1Char('C');
        else
            out += QLatin1Char('-');
    }
    return out;
}

// The index against the bytes themselves: flags as a scan of the text would
// find them, lengths free of flag bits.
void expectIndexMatchesText(const RecordList &l)
{
    for (int i = 0; i < l.size(); ++i) {
        const QByteArrayView v = l.view(i);
        const QByteArray upper = v.toByteArray().toUpper();
        SCOPED_TRACE(v.toByteArray().toStdString());
        EXPECT_EQ(l.isOpenTag(i), v.startsWith("<BLOC"));
        EXPECT_EQ(l.isCloseTag(i), v.startsWith("</BLOC"));
        EXPECT_EQ(l.isOpenTagAnyCase(i), upper.startsWith("<BLOC"));
        EXPECT_EQ(l.isCloseTagAnyCase(i), upper.startsWith("</BLOC"));
        EXPECT_EQ(l.length(i), l.at(i).size());
    }
}

} // namespace

TEST(RecordList, TagFlagsFollowAppendsInsertsAndReplacements)
{
    RecordList l(QStringList{"<BLOC0000>", "DUPONT", "</BLOC0000>"});
    EXPECT_EQ(tagKinds(l), QStringLiteral("o-c"));
    l.append(QStringLiteral("<bloc0001>"));
    l.appendRaw("</Bloc0001>");
    l.insert(1, QStringLiteral("</BLOC"));
    l.insert(0, QStringLiteral("<BLO"));
    EXPECT_EQ(tagKinds(l), QStringLiteral("-oc-cOC"));

    // A tag turned into text and back.
    l.replace(1, QStringLiteral("BLOC0000>"));
    l.replace(4, QStringLiteral(" </BLOC0000>"));
    EXPECT_EQ(tagKinds(l), QStringLiteral("--c--OC"));
    l.replace(1, QStringLiteral("<BLOC0000>"));
    l.replace(4, QStringLiteral("</BLOC0000>"));
    l.replace(2, QStringLiteral("<BLOCK"));
    EXPECT_EQ(tagKinds(l), QStringLiteral("-oo-cOC"));
    l.removeAt(2);
    EXPECT_EQ(tagKinds(l), QStringLiteral("-o-cOC"));

    // Shrinking then growing a range: the lines after it keep their flags.
    l.replaceRange(1, 3, {QStringLiteral("x")});
    EXPECT_EQ(tagKinds(l), QStringLiteral("--OC"));
    l.replaceRange(1, 1, {QStringLiteral("</BLOC0002>"), QStringLiteral("y"), QStringLiteral("<BLOC0002>")});
    EXPECT_EQ(tagKinds(l), QStringLiteral("-c-oOC"));
    l.replaceRange(0, 0, {QStringLiteral("<BLOC0009>")});
    l.replaceRange(6, 0, {QStringLiteral("</BLOC0009>")});
    EXPECT_EQ(tagKinds(l), QStringLiteral("o-c-oOcC"));
    expectIndexMatchesText(l);

    l.setStringList({QStringLiteral("a"), QStringLiteral("</BLOC0000>")});
    EXPECT_EQ(tagKinds(l), QStringLiteral("-c"));
    l.clear();
    l.append(QStringLiteral("<BLOC0000>"));
    EXPECT_EQ(tagKinds(l), QStringLiteral("o"));
}

TEST(RecordList, TagFlagsFollowEveryLineBreakOfAFile)
{
    RecordList l;
    ASSERT_TRUE(l.setBytes("<BLOC0000>\r\n00001\n</BLOC0000>\r<bloc0001>\n\r</BLOC0001>\r\n\r\n<BLOC"));
    EXPECT_EQ(tagKinds(l), QStringLiteral("o-cO-c-o"));
    EXPECT_EQ(l.length(0), 10);
    EXPECT_EQ(l.length(7), 5);
    EXPECT_EQ(l.view(2), QByteArrayView("</BLOC0000>"));
    expectIndexMatchesText(l);
    // The flag bits never reach the saved text.
    EXPECT_EQ(l.toBytes(),
              QByteArray("<BLOC0000>\r\n00001\r\n</BLOC0000>\r\n<bloc0001>\r\n\r\n</BLOC0001>\r\n\r\n<BLOC\r\n"));
    // Too short to be tags, or a tag opening elsewhere than the first byte.
    ASSERT_TRUE(l.setBytes("<\n</\n</BLO\n <BLOC0000>\n<<BLOC\n\xE9<BLOC"));
    EXPECT_EQ(tagKinds(l), QStringLiteral("------"));
}

TEST(RecordList, EqualityComparesTextWhateverTheHistory)
{
    RecordList fromFile;
    ASSERT_TRUE(fromFile.setBytes("<BLOC0000>\nNOM\n</BLOC0000>\n"));
    RecordList edited(QStringList{"<BLOC0000>", "x", "</BLOC0000>"});
    edited.replace(1, QStringLiteral("NOM"));
    EXPECT_TRUE(fromFile == edited);
    // Same length, only the letter case of the tag differs.
    edited.replace(0, QStringLiteral("<bloc0000>"));
    EXPECT_FALSE(fromFile == edited);
    edited.replace(0, QStringLiteral("<BLOC0000>"));
    edited.replace(2, QStringLiteral("</BLOC0000"));
    EXPECT_FALSE(fromFile == edited);
}

TEST(RecordList, CompactionKeepsTheTagFlags)
{
    RecordList l;
    for (int n = 0; n < 500; ++n) {
        l.append(QStringLiteral("<BLOC%1>").arg(n, 4, 10, QLatin1Char('0')));
        l.append(QStringLiteral("CODE%1").arg(n));
        l.append(QStringLiteral("</BLOC%1>").arg(n, 4, 10, QLatin1Char('0')));
    }
    // Tags become text and text becomes tags, round after round, so the
    // buffer is compacted many times over.
    for (int round = 0; round < 60; ++round)
        for (int i = 0; i < l.size(); i += 3)
            l.replace(i + 1, round % 2 ? QStringLiteral("<BLOC%1 tour %2").arg(i).arg(round)
                                       : QStringLiteral("texte %1 tour %2").arg(i).arg(round));
    // 60 rounds of 500 rewritten lines would hold about 600 kB without reclaiming.
    EXPECT_LT(l.bytesHeld(), 300000);
    EXPECT_EQ(l.at(1), QStringLiteral("<BLOC0 tour 59"));
    QString expected;
    for (int n = 0; n < 500; ++n)
        expected += QStringLiteral("ooc");
    EXPECT_EQ(tagKinds(l), expected);
    expectIndexMatchesText(l);
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

TEST(RecordList, TheListOfOpeningTagsFollowsEveryChange)
{
    RecordList l(QStringList{"<BLOC0000>", "a", "</BLOC0000>", "<BLOC0001>", "</BLOC0001>"});
    EXPECT_EQ(l.openTags(), (std::vector<int>{0, 3}));
    l.insert(0, QStringLiteral("texte"));
    EXPECT_EQ(l.openTags(), (std::vector<int>{1, 4}));
    l.replace(2, QStringLiteral("<BLOC0002>"));
    EXPECT_EQ(l.openTags(), (std::vector<int>{1, 2, 4}));
    l.replaceRange(1, 3, {});
    EXPECT_EQ(l.openTags(), (std::vector<int>{1}));
    RecordList copy = l;
    l.removeAt(0);
    EXPECT_EQ(l.openTags(), (std::vector<int>{0}));
    EXPECT_EQ(copy.openTags(), (std::vector<int>{1}));
    l.setBytes("x\r\n<BLOC0009>\n");
    EXPECT_EQ(l.openTags(), (std::vector<int>{1}));
    l.clear();
    EXPECT_TRUE(l.openTags().empty());
}
