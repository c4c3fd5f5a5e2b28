// The code page, the line splitting and the atomic writes that every store
// file goes through.

#include "core/cp1252.h"
#include "core/recordlist.h"
#include "core/textfile.h"

#include "support/blocks.h"

TEST(Cp1252, DecodesTheWindowsPlanesEveryByteBackToItselfAndRefusesTheRest)
{
    EXPECT_EQ(Cp1252::decode("\x80\x9C\xE9t\xE9"), QStringLiteral("€œété"));
    EXPECT_EQ(Cp1252::encode(QStringLiteral("Société – 12 €")), QByteArray("Soci\xE9t\xE9 \x96 12 \x80"));
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    bool ok = false;
    EXPECT_EQ(Cp1252::encode(Cp1252::decode(all), &ok), all);
    EXPECT_TRUE(ok);
    EXPECT_EQ(Cp1252::encode(QStringLiteral("a\u4e2db"), &ok), QByteArray("a?b"));
    EXPECT_FALSE(ok);
    EXPECT_FALSE(Cp1252::canEncode(QStringLiteral("Ω")));
    EXPECT_TRUE(Cp1252::canEncode(QStringLiteral("Œuvre à l'été")));
}

TEST(RecordList, SplitsOnEveryLineBreakAndEditsKeepTheOtherLines)
{
    RecordList l;
    for (const auto &[bytes, lines] : {std::pair{"a\r\nb\nc\rd", QStringList{"a", "b", "c", "d"}},
                                       {"a\r\n\r\n", {"a", ""}}, {"\n\r", {"", ""}}, {"", {}}}) {
        l.setBytes(bytes);
        EXPECT_EQ(l.toStringList(), lines) << bytes;
    }
    l = RecordList(QStringList{"zero", "un", "deux", "trois"});
    l.replaceRange(1, 2, {"A", "B", "C"});
    EXPECT_EQ(l.toStringList(), (QStringList{"zero", "A", "B", "C", "trois"}));
    l.replaceRange(0, 4, {"x"});
    l.insert(1, QStringLiteral("été"));
    l.replace(0, QStringLiteral("Œ"));
    l.removeAt(2);
    EXPECT_EQ(l.toBytes(), QByteArray("\x8C\r\n\xE9t\xE9\r\n"));
}

namespace {

// The tag kinds read from the index, as "o" (open), "c" (close), "O"/"C" for
// the same with "bloc" in another letter case, "-" for any other line; the
// index is checked against the text on the way, the list of opening tags and
// the count of those in another case too.
QString tagKinds(const RecordList &l)
{
    QString out;
    std::vector<int> opens;
    int loose = 0;
    for (int i = 0; i < l.size(); ++i) {
        const QByteArrayView v = l.view(i);
        const QByteArray upper = v.toByteArray().toUpper();
        EXPECT_EQ(l.isOpenTag(i), v.startsWith("<BLOC")) << i;
        EXPECT_EQ(l.isCloseTag(i), v.startsWith("</BLOC")) << i;
        EXPECT_EQ(l.isOpenTagAnyCase(i), upper.startsWith("<BLOC")) << i;
        EXPECT_EQ(l.isCloseTagAnyCase(i), upper.startsWith("</BLOC")) << i;
        EXPECT_EQ(l.length(i), l.at(i).size()) << i;
        if (l.isOpenTag(i))
            opens.push_back(i);
        loose += upper.startsWith("<BLOC") && !v.startsWith("<BLOC");
        out += l.isOpenTag(i) ? 'o' : l.isCloseTag(i) ? 'c' : l.isOpenTagAnyCase(i) ? 'O' : l.isCloseTagAnyCase(i) ? 'C' : '-';
    }
    EXPECT_EQ(l.openTags(), opens);
    EXPECT_EQ(l.looseOpenTags(), loose);
    return out;
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
    EXPECT_EQ(l.view(2), QByteArrayView("</BLOC0000>"));
    // The flag bits never reach the saved text.
    EXPECT_EQ(l.toBytes(),
              QByteArray("<BLOC0000>\r\n00001\r\n</BLOC0000>\r\n<bloc0001>\r\n\r\n</BLOC0001>\r\n\r\n<BLOC\r\n"));
    // Too short to be tags, or a tag opening elsewhere than the first byte.
    ASSERT_TRUE(l.setBytes("<\n</\n</BLO\n <BLOC0000>\n<<BLOC\n\xE9<BLOC"));
    EXPECT_EQ(tagKinds(l), QStringLiteral("------"));
}

TEST(RecordList, EqualityComparesTextWhateverTheHistoryAndCopiesKeepTheirOwnTags)
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

    RecordList copy = edited;
    edited.removeAt(0);
    EXPECT_EQ(tagKinds(edited) + '|' + tagKinds(copy), "-c|o-c");
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
    EXPECT_EQ(tagKinds(l), QStringLiteral("ooc").repeated(500));
}

using TextFileTest = StoreTest;

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

TEST_F(TextFileTest, WritesReplaceWholeLeaveNoTemporaryFileAndReportAnUnwritableTarget)
{
    ASSERT_TRUE(TextFile::writeLines(path("a.txt"), {"un", "deux"}));
    ASSERT_TRUE(TextFile::writeLines(path("a.txt"), {"trois"}));
    EXPECT_EQ(readFile(path("a.txt")), QByteArray("trois\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.txt"});
    QString error;
    EXPECT_FALSE(TextFile::writeLines(path("absent/folder/new.txt"), {"x"}, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("new.txt")));
    EXPECT_FALSE(TextFile::readLines(path("missing.txt"), nullptr, &error));
}
