// Blocks, loading and saving of the record store.

#include "store/recordstore.h"

#include "support/fakedialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<absent>");
    return f.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray crlf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += l.toLatin1() + "\r\n";
    return out;
}

BlockData member(const QString &name, const QString &town = QString())
{
    BlockData d;
    for (int p = 1; p <= 17; ++p)
        d.fixed.append(QString());
    d.fixed[0] = QStringLiteral("10001");
    d.fixed[1] = QStringLiteral("M.");
    d.fixed[2] = name;
    d.fixed[7] = town;
    d.fixed[13] = QStringLiteral("01/01/1900");
    d.fixed[15] = QStringLiteral("01/01/1900");
    d.fixed[16] = QStringLiteral("0");
    return d;
}

QStringList memberBlock(int n, const QString &name)
{
    return RecordStore::blockLines(Kind::Member, n, member(name));
}

} // namespace

class StoreFilesTest : public VelmoraTest
{
protected:
    QTemporaryDir dir;
    RecordStore store;
    QString path(const QString &name) const { return dir.filePath(name); }
};

TEST_F(StoreFilesTest, TagsCarryFourDigitNumbers)
{
    EXPECT_EQ(RecordStore::openTag(0), QStringLiteral("<BLOC0000>"));
    EXPECT_EQ(RecordStore::closeTag(0), QStringLiteral("</BLOC0000>"));
    EXPECT_EQ(RecordStore::openTag(9998), QStringLiteral("<BLOC9998>"));
    EXPECT_EQ(BlockIndex::number("</BLOC0042>"), 42);
    EXPECT_EQ(BlockIndex::number("<BLOCab12>"), -1);
    EXPECT_EQ(BlockIndex::number("<BLOC 012>"), -1);
}

TEST_F(StoreFilesTest, AMemberWithoutRemarksOrPaymentsIsNineteenLines)
{
    const QStringList lines = memberBlock(7, QStringLiteral("Dupont"));
    ASSERT_EQ(lines.size(), 19);
    EXPECT_EQ(lines.first(), QStringLiteral("<BLOC0007>"));
    EXPECT_EQ(lines.last(), QStringLiteral("</BLOC0007>"));
}

TEST_F(StoreFilesTest, GridRowsStopAtTheFirstBlankRowAndShortRowsAreKept)
{
    BlockData d = member(QStringLiteral("Martin"));
    d.rows = {{"", " ", ""}, {"01/02/2026", "Cotisation", "20,00"}};
    QStringList lines = RecordStore::blockLines(Kind::Member, 0, d);
    EXPECT_FALSE(lines.join('\n').contains(QStringLiteral("DATA")));

    d.rows = {{"01/02/2026", "", ""}, {"", "Don", "5"}, {"", "", ""}, {"02/02/2026", "Après", "1,00"}};
    lines = RecordStore::blockLines(Kind::Member, 0, d);
    EXPECT_TRUE(lines.contains(QStringLiteral("DATA01/02/2026\t\t")));
    EXPECT_TRUE(lines.contains(QStringLiteral("DATA\tDon\t5")));
    EXPECT_FALSE(lines.join('\n').contains(QStringLiteral("Après")));
}

TEST_F(StoreFilesTest, WritingARecordBackKeepsTheLinesItsPageCannotShow)
{
    // 80 payment rows (the grid shows 63), an unknown line among the remarks
    // and a fixed line that reads as a tag.
    QStringList body = memberBlock(0, "Dupont").mid(1, 17);
    body << "MEMO une" << "XYZ inconnue" << "MEMO deux";
    for (int r = 1; r <= 80; ++r)
        body << QStringLiteral("DATA01/01/2026\tL%1\t%1,00").arg(r);
    store.MemberLines().setStringList(QStringList{"<BLOC0000>"} + body + QStringList{"</BLOC0000>"});
    BlockData shown = *store.readBlock(Kind::Member, 0);
    ASSERT_EQ(shown.rows.size(), RecordStore::kGridRows);
    shown.setField(MemberField::Nom, "<BLOC0001>");
    shown.rows.removeFirst();
    store.writeBlock(Kind::Member, 0, shown);
    const BlockData written = *store.readBlock(Kind::Member, 0);
    EXPECT_EQ(written.field(MemberField::Nom), " <BLOC0001>");
    EXPECT_EQ(written.memo, (QStringList{" une", " deux"}));
    EXPECT_EQ(written.kept.value(0), "XYZ inconnue");
    EXPECT_EQ(written.rows.first().value(1), "L2");
    EXPECT_EQ(written.rows.last().value(1), "L64");
    QStringList all = store.MemberLines().toStringList();
    EXPECT_EQ(all.filter("DATA").size(), 79);
    EXPECT_EQ(all.filter("DATA").last(), "DATA01/01/2026\tL80\t80,00");
    EXPECT_EQ(store.countTags(Kind::Member), 1);
}

TEST_F(StoreFilesTest, FindIgnoresCaseAndStrayLines)
{
    store.MemberLines().setStringList({"texte", "<bloc0001>", "x", "</bloc0001>", " ", "<BLOC0000>", "</BLOC0000>"});
    EXPECT_EQ(store.findBlock(Kind::Member, 1), 1);
    EXPECT_EQ(store.findBlock(Kind::Member, 0), 5);
    EXPECT_EQ(store.findBlock(Kind::Member, 2), -1);
    EXPECT_EQ(store.countTags(Kind::Member), 1); // "<bloc" is not an opening tag for counting
}

TEST_F(StoreFilesTest, WritingBackKeepsThePlaceExceptForReceipts)
{
    store.MemberLines().setStringList(memberBlock(0, "A") + QStringList{" "} + memberBlock(1, "B"));
    store.state(Kind::Member).count = 2;
    BlockData b = member(QStringLiteral("Bernard"));
    b.memo = {"ligne 1", "ligne 2"};
    b.rows = {{"01/01/2026", "Cotisation", "30,00"}};
    store.writeBlock(Kind::Member, 0, b);
    EXPECT_EQ(store.findBlock(Kind::Member, 0), 0);
    EXPECT_EQ(store.MemberLines().at(21), QStringLiteral("</BLOC0000>"));
    EXPECT_EQ(store.MemberLines().at(22), QStringLiteral(" "));
    EXPECT_TRUE(store.TestModif());
    EXPECT_EQ(*store.readBlock(Kind::Member, 0), b);

    BlockData r;
    r.fixed = {"NUMR202603001", "15/03/2026", "Espèces", "Reçu", "Dupont", "", "", ""};
    r.rows = {{"Cotisation 2026", "   30,00"}};
    store.writeBlock(Kind::Receipt, 0, r);
    r.fixed[4] = QStringLiteral("Durand");
    store.writeBlock(Kind::Receipt, 1, r);
    store.writeBlock(Kind::Receipt, 0, r);
    EXPECT_EQ(store.findBlock(Kind::Receipt, 1), 0);
    EXPECT_GT(store.findBlock(Kind::Receipt, 0), store.findBlock(Kind::Receipt, 1));
    EXPECT_EQ(store.countTags(Kind::Receipt), 2);
}

TEST_F(StoreFilesTest, ReceiptRowsWrittenAreAllReadBack)
{
    BlockData r;
    r.fixed = {"NUMR1", "15/03/2026", "Espèces", "Reçu", "", "", "", ""};
    r.rows = {{"Abcdefgh", ""},        // 9 characters after FACT with the TAB
              {"  ", " "},             // blank: skipped, later rows still written
              {"Abcdefghi", ""},       // 10 characters
              {"Don", "5"},            // short rows are kept too
              {"", "   12,00"}};
    store.writeBlock(Kind::Receipt, 0, r);
    const BlockData back = *store.readBlock(Kind::Receipt, 0);
    EXPECT_EQ(back.rows, (QList<QStringList>{{"Abcdefgh", ""}, {"Abcdefghi", ""}, {"Don", "5"}, {"", "   12,00"}}));
}

TEST_F(StoreFilesTest, ReadingABlockCutShortNeverTakesTheNextBlocksLines)
{
    store.MemberLines().setStringList({"<BLOC0000>", "10001", "M.", "Court", "</BLOC0000>",
                                       "<BLOC0001>", "10002", "Mme", "Suivant", "</BLOC0001>"});
    const BlockData d = *store.readBlock(Kind::Member, 0);
    EXPECT_EQ(d.fixed.size(), 17);
    EXPECT_EQ(d.fixed[2], QStringLiteral("Court"));
    EXPECT_EQ(d.fixed[4], QString());
    EXPECT_TRUE(d.rows.isEmpty());
}

TEST_F(StoreFilesTest, LongRecordsAreReadWhole)
{
    BlockData d = member(QStringLiteral("Long"));
    for (int i = 0; i < 40; ++i)
        d.memo.append(QStringLiteral("remarque %1 ").arg(i) + QString(300, QLatin1Char('x')));
    for (int i = 0; i < 63; ++i)
        d.rows.append({"01/01/2026", QStringLiteral("paiement %1").arg(i), "1,00"});
    store.writeBlock(Kind::Member, 0, d);
    EXPECT_EQ(*store.readBlock(Kind::Member, 0), d);
}

TEST_F(StoreFilesTest, DataRowsWithMoreOrFewerTabsStayInThreeColumns)
{
    store.MemberLines().setStringList(memberBlock(0, "T").mid(0, 18)
                                      + QStringList{"DATA01/01/2026", "DATAa\tb\tc\td", "</BLOC0000>"});
    const BlockData d = *store.readBlock(Kind::Member, 0);
    ASSERT_EQ(d.rows.size(), 2);
    EXPECT_EQ(d.rows[0], (QStringList{"01/01/2026", "", ""}));
    EXPECT_EQ(d.rows[1], (QStringList{"a", "b", "c\td"}));
}

TEST_F(StoreFilesTest, DerivedNamesReplaceTheMemberFilesOwnExtension)
{
    EXPECT_EQ(RecordStore::journalName(QStringLiteral("/x/a.b/club.adh")), QStringLiteral("/x/a.b/club.jnl"));
    EXPECT_EQ(RecordStore::withExtension(QStringLiteral("/x/a.b/club"), QStringLiteral("adh")),
              QStringLiteral("/x/a.b/club.adh"));
    EXPECT_EQ(RecordStore::withExtension(QStringLiteral("nouveau.txt"), QStringLiteral("adh")),
              QStringLiteral("nouveau.adh"));
    EXPECT_EQ(RecordStore::withExtension(QString(), QStringLiteral("par")), QString());
}

TEST_F(StoreFilesTest, SavingWritesFiveFilesAndLoadingFindsThemAgain)
{
    store.writeBlock(Kind::Member, 0, member(QStringLiteral("Dupont")));
    BlockData p;
    p.fixed = QStringList(12, QString());
    p.fixed[1] = QStringLiteral("Société Générale des Eaux");
    store.writeBlock(Kind::Partner, 0, p);
    store.JournalLines.setStringList({"01/03/2026\t60100\tAchats\t12,00"});
    const QString name = path("a.b/club.adh");
    QDir().mkpath(path("a.b"));
    QString error;
    ASSERT_TRUE(store.Sauve(name, &error)) << error.toStdString();
    for (const char *f : {"club.adh", "club.par", "club.atv", "club.rcu", "club.jnl"})
        EXPECT_TRUE(QFile::exists(path(QStringLiteral("a.b/") + f))) << f;
    EXPECT_FALSE(QFile::exists(path("a.jnl")));
    EXPECT_EQ(readFile(path("a.b/club.atv")), QByteArray());
    EXPECT_FALSE(store.TestModif());
    EXPECT_EQ(store.FileName, name);
    EXPECT_EQ(store.ReceiptFileName, path("a.b/club.rcu"));

    RecordStore other;
    ASSERT_TRUE(other.Charge(name));
    EXPECT_EQ(other.state(Kind::Member).count, 1);
    EXPECT_EQ(other.state(Kind::Partner).count, 1);
    EXPECT_EQ(other.readBlock(Kind::Partner, 0)->fixed[1], QStringLiteral("Société Générale des Eaux"));
    EXPECT_EQ(other.JournalLines.toStringList(), store.JournalLines.toStringList());
    EXPECT_EQ(readFile(path("a.b/club.par")).count('\xE9'), 4);
}

TEST_F(StoreFilesTest, NothingIsWrittenWhenNothingChanged)
{
    QString error;
    ASSERT_TRUE(store.Sauve(path("vide.adh"), &error));
    EXPECT_FALSE(QFile::exists(path("vide.adh")));
    EXPECT_EQ(store.FileName, QString());
}

TEST_F(StoreFilesTest, SavingUnderAnotherNameWritesTheWholeStoreThere)
{
    writeFile(path("club.adh"), crlf(memberBlock(0, "Dupont")));
    writeFile(path("club.rcu"), crlf({"<BLOC0000>", "NUMR1", "", "", "", "", "", "", "", "</BLOC0000>"}));
    ASSERT_TRUE(store.Charge(path("club.adh")));
    store.markModified();
    QString error;
    ASSERT_TRUE(store.Sauve(path("other.adh"), &error));
    for (const char *f : {"other.adh", "other.par", "other.atv", "other.jnl", "other.rcu"})
        EXPECT_TRUE(QFile::exists(path(f))) << f;
    EXPECT_EQ(readFile(path("other.rcu")), readFile(path("club.rcu")));
    RecordStore again;
    ASSERT_TRUE(again.Charge(path("other.adh")));
    EXPECT_EQ(again.state(Kind::Receipt).count, 1);
}

TEST_F(StoreFilesTest, StrayLinesBeforeTheFirstBlockGoAtSavingOthersStay)
{
    writeFile(path("club.adh"), crlf(QStringList{"entête", ""} + memberBlock(0, "A") + QStringList{" ", "texte"}
                                     + memberBlock(1, "B")));
    ASSERT_TRUE(store.Charge(path("club.adh")));
    EXPECT_EQ(store.state(Kind::Member).count, 2);
    EXPECT_EQ(store.readBlock(Kind::Member, 1)->fixed[2], QStringLiteral("B"));
    store.markModified();
    QString error;
    ASSERT_TRUE(store.Sauve(path("club.adh"), &error));
    EXPECT_EQ(readFile(path("club.adh")),
              crlf(memberBlock(0, "A") + QStringList{" ", "texte"} + memberBlock(1, "B")));
}

TEST_F(StoreFilesTest, OpeningAStoreCarriesNothingOfThePreviousOne)
{
    writeFile(path("one.adh"), crlf(memberBlock(0, "Un")));
    writeFile(path("one.par"), crlf(RecordStore::blockLines(Kind::Partner, 0, BlockData{QStringList(12, "p"), {}, {}, {}})));
    writeFile(path("one.jnl"), "journal\r\n");
    writeFile(path("two.adh"), crlf(memberBlock(0, "Deux")));
    ASSERT_TRUE(store.Charge(path("one.adh")));
    EXPECT_EQ(store.state(Kind::Partner).count, 1);
    ASSERT_TRUE(store.Charge(path("two.adh")));
    EXPECT_TRUE(store.PartnerLines().isEmpty());
    EXPECT_EQ(store.state(Kind::Partner).count, 0);
    EXPECT_TRUE(store.JournalLines.isEmpty());
    EXPECT_EQ(store.readBlock(Kind::Member, 0)->fixed[2], QStringLiteral("Deux"));
}

TEST_F(StoreFilesTest, AMissingMemberFileOpensAnEmptyStore)
{
    store.writeBlock(Kind::Member, 0, member(QStringLiteral("Reste")));
    ASSERT_TRUE(store.Charge(path("absent.adh")));
    EXPECT_EQ(store.FileName, QString());
    EXPECT_TRUE(store.MemberLines().isEmpty());
    EXPECT_FALSE(store.TestModif());
}

TEST_F(StoreFilesTest, AnUnreadableFileIsReportedAndTheOpenStoreStays)
{
    writeFile(path("club.adh"), crlf(memberBlock(0, "Club")));
    ASSERT_TRUE(store.Charge(path("club.adh")));
    writeFile(path("bad.adh"), crlf(memberBlock(0, "Bad")));
    QFile::setPermissions(path("bad.adh"), QFileDevice::Permissions());
    QString bad = path("bad.adh");
    // With the rights to read any file, a file whose reading fails stands in.
    if (QFile(bad).open(QIODevice::ReadOnly))
        bad = QStringLiteral("/proc/self/mem");
    EXPECT_FALSE(store.Charge(bad));
    EXPECT_EQ(dialogs().texts("error").size(), 1);
    EXPECT_EQ(store.FileName, path("club.adh"));
    EXPECT_EQ(store.readBlock(Kind::Member, 0)->fixed[2], QStringLiteral("Club"));
}

TEST_F(StoreFilesTest, AFailedSaveLeavesEveryFileAndFlagAsItWas)
{
    writeFile(path("club.adh"), crlf(memberBlock(0, "Ancien")));
    ASSERT_TRUE(store.Charge(path("club.adh")));
    store.writeBlock(Kind::Member, 0, member(QStringLiteral("Nouveau")));
    QDir().mkpath(path("club.rcu")); // the receipt file cannot be replaced
    QString error;
    EXPECT_FALSE(store.Sauve(path("club.adh"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(store.TestModif());
    EXPECT_EQ(readFile(path("club.adh")), crlf(memberBlock(0, "Ancien")));
    EXPECT_FALSE(QFile::exists(path("club.par")));
}

TEST_F(StoreFilesTest, ANewRecordTakesTheFirstFreeNumberSoNoGapIsEverLeft)
{
    EXPECT_TRUE(store.Ajout(Kind::Partner));
    EXPECT_EQ(store.PartnerLines().toStringList(), QStringList{" "});
    EXPECT_EQ(store.state(Kind::Partner).count, 1);
    EXPECT_EQ(store.state(Kind::Partner).current, 0);
    EXPECT_EQ(store.findBlock(Kind::Partner, 0), -1);
    // "Nouvelle fiche" again without typing shows the same new record.
    EXPECT_TRUE(store.Ajout(Kind::Partner));
    EXPECT_EQ(store.state(Kind::Partner).count, 1);
    EXPECT_EQ(store.state(Kind::Partner).current, 0);

    QStringList full;
    for (int n = 0; n < 9998; ++n)
        full << RecordStore::openTag(n) << RecordStore::closeTag(n);
    store.MemberLines().setStringList(full);
    store.state(Kind::Member).count = 9998;
    EXPECT_TRUE(store.Ajout(Kind::Member));
    EXPECT_EQ(store.state(Kind::Member).current, 9998);
    store.writeBlock(Kind::Member, 9998, member("Dernier"));
    EXPECT_FALSE(store.Ajout(Kind::Member));
    EXPECT_EQ(dialogs().texts("message"), QStringList{"Le fichier est plein"});
    EXPECT_EQ(store.state(Kind::Member).count, 9999);
    EXPECT_EQ(store.state(Kind::Member).current, 9998);
}

TEST_F(StoreFilesTest, TheFirstRecordWrittenInAnEmptyStoreIsCounted)
{
    EXPECT_EQ(store.state(Kind::Activity).count, 0);
    BlockData a;
    a.fixed = QStringList(14, QString());
    store.writeBlock(Kind::Activity, 0, a);
    EXPECT_EQ(store.state(Kind::Activity).count, 1);
}

TEST_F(StoreFilesTest, TheNextCodeFollowsEveryChangeOfTheList)
{
    EXPECT_EQ(store.nextCode(Kind::Member), 10001);
    BlockData d = member(QStringLiteral("A"));
    d.fixed[0] = QStringLiteral("10007");
    store.writeBlock(Kind::Member, 0, d);
    EXPECT_EQ(store.Numerom(), 10008);
    store.MemberLines().replace(1, QStringLiteral("10020"));
    EXPECT_EQ(store.Numerom(), 10021);
    RecordStore other;
    other.MemberLines() = store.MemberLines();
    EXPECT_EQ(other.Numerom(), 10021);
    store.MemberLines().clear();
    EXPECT_EQ(store.Numerom(), 10001);
    store.MemberLines().setBytes("<BLOC0000>\r\n10042\r\n</BLOC0000>\r\n");
    EXPECT_EQ(store.Numerom(), 10043);
    store.Supprime(Kind::Member);
    EXPECT_EQ(store.Numerom(), 10001);
}
