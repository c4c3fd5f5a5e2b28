// Blocks, numbers, loading and saving of the record store.

#include "support/blocks.h"

#include <random>

namespace {

BlockData memberData(const QString &name)
{
    return record(Kind::Member, {{1, "10001"}, {2, "M."}, {3, name}, {14, "01/01/1900"}, {16, "01/01/1900"}, {17, "0"}});
}

QStringList memberBlock(int n, const QString &name)
{
    return RecordStore::blockLines(Kind::Member, n, memberData(name));
}

using StoreFilesTest = StoreTest;

} // namespace

TEST_F(StoreFilesTest, TagsAndTheLinesABlockIsWrittenAs)
{
    EXPECT_EQ(QList<int>({BlockIndex::number("</BLOC0042>"), BlockIndex::number("<BLOCab12>"),
                          BlockIndex::number("<BLOC 012>")}),
              QList<int>({42, -1, -1}));
    BlockData d = memberData("Martin");
    EXPECT_EQ(RecordStore::blockLines(Kind::Member, 7, d), QStringList{"<BLOC0007>"} + d.fixed + QStringList{"</BLOC0007>"});
    // Dated rows stop at the first blank row; short rows are kept.
    d.rows = {{"01/02/2026", "", ""}, {"", "Don", "5"}, {"", " ", ""}, {"02/02/2026", "Après", "1,00"}};
    EXPECT_EQ(RecordStore::blockLines(Kind::Member, 0, d).mid(18),
              (QStringList{"DATA01/02/2026\t\t", "DATA\tDon\t5", "</BLOC0000>"}));
    // A receipt skips its blank lines and writes every other.
    BlockData r = record(Kind::Receipt, {{1, "NUMR1"}});
    r.rows = {{"Abcdefgh", ""}, {"  ", " "}, {"Abcdefghi", ""}, {"Don", "5"}, {"", "   12,00"}};
    store.writeBlock(Kind::Receipt, 0, r);
    r.rows.removeAt(1);
    EXPECT_EQ(store.readBlock(Kind::Receipt, 0)->rows, r.rows);
}

TEST_F(StoreFilesTest, WritingARecordBackKeepsTheLinesItsPageCannotShow)
{
    // 80 payment rows (the grid shows 63), an unknown line among the remarks
    // and a fixed line that reads as a tag.
    QStringList body = memberBlock(0, "Dupont").mid(1, 17);
    body << "MEMO une" << "XYZ inconnue" << "MEMO deux";
    for (int r = 1; r <= 80; ++r)
        body << QStringLiteral("DATA01/01/2026\tL%1\t%1,00").arg(r);
    setList(store, Kind::Member, block(0, body));
    BlockData shown = *store.readBlock(Kind::Member, 0);
    ASSERT_EQ(shown.rows.size(), RecordStore::kGridRows);
    shown.setField(MemberField::Nom, "<BLOC0001>");
    shown.rows.removeFirst();
    store.writeBlock(Kind::Member, 0, shown);
    const BlockData written = *store.readBlock(Kind::Member, 0);
    EXPECT_EQ(written.field(MemberField::Nom), " <BLOC0001>");
    EXPECT_EQ(written.memo, (QStringList{" une", " deux"}));
    EXPECT_EQ(written.kept.value(0), "XYZ inconnue");
    EXPECT_EQ(written.rows.first().value(1) + written.rows.last().value(1), "L2L64");
    const QStringList rows = store.MemberLines().toStringList().filter("DATA");
    EXPECT_EQ(rows.size(), 79);
    EXPECT_EQ(rows.last(), "DATA01/01/2026\tL80\t80,00");
    EXPECT_EQ(store.countTags(Kind::Member), 1);
}

TEST_F(StoreFilesTest, ReadingFindsTheBlockWhateverTheCaseAndTakesOnlyItsOwnLines)
{
    setList(store, Kind::Member,
            QStringList{"texte", "<bloc0001>", "x", "</bloc0001>", " ", "<BLOC0000>", "10001", "M.", "Court",
                        "</BLOC0000>", "<BLOC0002>"}
                + QStringList(17) + QStringList{"DATA01/01/2026", "DATAa\tb\tc\td"});
    EXPECT_EQ(QList<int>({store.findBlock(Kind::Member, 1), store.findBlock(Kind::Member, 0),
                          store.findBlock(Kind::Member, 3)}),
              QList<int>({1, 5, -1}));
    const auto rangeOpens = [&](int first, int last) {
        QList<int> opens;
        for (const BlockRef &b : BlockIndex(store.lines(Kind::Member)).range(first, last))
            opens << b.open();
        return opens;
    };
    EXPECT_EQ(rangeOpens(0, 3), QList<int>({5, 1, 10})) << "a range finds each block as a look-up does";
    EXPECT_EQ(store.countTags(Kind::Member), 2); // "<bloc" is not an opening tag for counting
    // A block cut short has empty lines past its end, never the next block's.
    const BlockData cut = *store.readBlock(Kind::Member, 0);
    EXPECT_EQ(cut.fixed, QStringList({"10001", "M.", "Court"}) + QStringList(14));
    EXPECT_TRUE(cut.rows.isEmpty());
    // Rows with more or fewer tabs keep three cells.
    EXPECT_EQ(store.readBlock(Kind::Member, 2)->rows, (QList<QStringList>{{"01/01/2026", "", ""}, {"a", "b", "c\td"}}));
    // Tags all in capitals: the first whole copy of a number, never a longer tag.
    setList(store, Kind::Member, {"<BLOC0001x>", "a", "<BLOC0001>", "b", "<BLOC0001>", "<BLOC0000>"});
    EXPECT_EQ(QList<int>({store.findBlock(Kind::Member, 1), store.findBlock(Kind::Member, 0)}), QList<int>({2, 5}));
    EXPECT_EQ(rangeOpens(0, 1), QList<int>({5, 2}));
}

TEST_F(StoreFilesTest, WritingBackKeepsThePlaceExceptForReceipts)
{
    store.writeBlock(Kind::Member, 0, memberData("A"));
    EXPECT_EQ(store.state(Kind::Member).count, 1) << "the first record written is counted";
    store.MemberLines().append(" ");
    store.writeBlock(Kind::Member, 1, memberData("B"));
    // Long remarks and a full grid are read whole.
    BlockData b = memberData("Bernard");
    for (int i = 0; i < 40; ++i)
        b.memo.append(QStringLiteral("remarque %1 ").arg(i) + QString(300, QLatin1Char('x')));
    for (int i = 0; i < 63; ++i)
        b.rows.append({"01/01/2026", QStringLiteral("paiement %1").arg(i), "1,00"});
    store.markSaved();
    store.writeBlock(Kind::Member, 0, b);
    EXPECT_TRUE(store.TestModif());
    EXPECT_EQ(store.MemberLines().toStringList().mid(18 + 40 + 63, 3), (QStringList{"</BLOC0000>", " ", "<BLOC0001>"}));
    EXPECT_EQ(*store.readBlock(Kind::Member, 0), b);

    const BlockData r = record(Kind::Receipt, {{1, "NUMR202603001"}});
    for (int n : {0, 1, 0})
        store.writeBlock(Kind::Receipt, n, r);
    EXPECT_EQ(QList<int>({store.findBlock(Kind::Receipt, 1), store.findBlock(Kind::Receipt, 0)}), QList<int>({0, 10}));
    EXPECT_EQ(store.countTags(Kind::Receipt), 2);
}

TEST_F(StoreFilesTest, SavingWritesFiveFilesNamedAfterTheMemberFileOnlyWhenSomethingChanged)
{
    EXPECT_EQ(RecordStore::withExtension("/x/a.b/club", "adh") + RecordStore::withExtension("nouveau.txt", "adh")
                  + RecordStore::withExtension(QString(), "par"),
              "/x/a.b/club.adhnouveau.adh");
    QString error;
    ASSERT_TRUE(store.Sauve(path("a.b/club.adh"), &error));
    EXPECT_FALSE(QFile::exists(path("a.b/club.adh")));
    EXPECT_EQ(store.FileName, QString());

    store.writeBlock(Kind::Member, 0, memberData("Dupont"));
    store.writeBlock(Kind::Partner, 0, record(Kind::Partner, {{2, "Société Générale des Eaux"}}));
    store.JournalLines.setStringList({"01/03/2026\t60100\tAchats\t12,00"});
    QDir().mkpath(path("a.b"));
    ASSERT_TRUE(store.Sauve(path("a.b/club.adh"), &error)) << error.toStdString();
    EXPECT_EQ(QDir(path("a.b")).entryList(QDir::Files), QString("club.adh club.atv club.jnl club.par club.rcu").split(' '));
    EXPECT_EQ(readFile(path("a.b/club.atv")), QByteArray());
    EXPECT_EQ(readFile(path("a.b/club.par")).count('\xE9'), 4);
    EXPECT_FALSE(store.TestModif());
    EXPECT_EQ(store.FileName + store.ReceiptFileName, path("a.b/club.adh") + path("a.b/club.rcu"));

    // Under another name, the whole store goes there.
    writeFile(path("a.b/club.rcu"), crlf(block(0, {"NUMR1", "", "", "", "", "", "", ""})));
    RecordStore other;
    ASSERT_TRUE(other.Charge(path("a.b/club.adh")));
    EXPECT_EQ(other.readBlock(Kind::Partner, 0)->field(2), "Société Générale des Eaux");
    EXPECT_EQ(other.JournalLines, store.JournalLines);
    other.markModified();
    ASSERT_TRUE(other.Sauve(path("other.adh"), &error));
    for (const char *f : {"adh", "par", "atv", "jnl", "rcu"})
        EXPECT_EQ(readFile(path("other.") + f), readFile(path("a.b/club.") + f)) << f;
}

TEST_F(StoreFilesTest, StrayLinesBeforeTheFirstBlockGoAtSavingOthersStay)
{
    writeFile(path("club.adh"),
              crlf(QStringList{"entête", ""} + memberBlock(0, "A") + QStringList{" ", "texte"} + memberBlock(1, "B")));
    writeFile(path("club.par"), crlf({" ", " "}));
    ASSERT_TRUE(store.Charge(path("club.adh")));
    EXPECT_EQ(store.state(Kind::Member).count, 2);
    EXPECT_EQ(store.readBlock(Kind::Member, 1)->field(3), "B");
    store.markModified();
    QString error;
    ASSERT_TRUE(store.Sauve(path("club.adh"), &error));
    EXPECT_EQ(readFile(path("club.adh")), crlf(memberBlock(0, "A") + QStringList{" ", "texte"} + memberBlock(1, "B")));
    EXPECT_EQ(readFile(path("club.par")), QByteArray());
}

TEST_F(StoreFilesTest, OpeningAStoreCarriesNothingOfThePreviousOne)
{
    writeFile(path("one.adh"), crlf(memberBlock(0, "Un")));
    writeFile(path("one.par"), crlf(block(0, QStringList(12, "p"))));
    writeFile(path("one.jnl"), "journal\r\n");
    writeFile(path("two.adh"), crlf(memberBlock(0, "Deux")));
    ASSERT_TRUE(store.Charge(path("one.adh")));
    EXPECT_EQ(store.state(Kind::Partner).count, 1);
    ASSERT_TRUE(store.Charge(path("two.adh")));
    EXPECT_TRUE(store.PartnerLines().isEmpty() && store.JournalLines.isEmpty());
    EXPECT_EQ(store.state(Kind::Partner).count, 0);
    EXPECT_EQ(store.readBlock(Kind::Member, 0)->field(3), "Deux");
    // A member file that is not there opens an empty store.
    store.markModified();
    ASSERT_TRUE(store.Charge(path("absent.adh")));
    EXPECT_TRUE(store.FileName.isEmpty() && store.MemberLines().isEmpty() && !store.TestModif());
}

TEST_F(StoreFilesTest, AFileThatCannotBeReadOrWrittenLeavesTheStoreAndItsFilesAsTheyWere)
{
    writeFile(path("club.adh"), crlf(memberBlock(0, "Ancien")));
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
    EXPECT_EQ(store.readBlock(Kind::Member, 0)->field(3), "Ancien");

    store.writeBlock(Kind::Member, 0, memberData("Nouveau"));
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
    // "Nouvelle fiche" again without typing shows the same new record.
    EXPECT_TRUE(store.Ajout(Kind::Partner));
    EXPECT_EQ(QList<int>({store.state(Kind::Partner).count, store.state(Kind::Partner).current}), QList<int>({1, 0}));

    QStringList full;
    for (int n = 0; n < 9998; ++n)
        full << RecordStore::openTag(n) << RecordStore::closeTag(n);
    setList(store, Kind::Member, full);
    EXPECT_TRUE(store.Ajout(Kind::Member));
    EXPECT_EQ(store.state(Kind::Member).current, 9998);
    store.writeBlock(Kind::Member, 9998, memberData("Dernier"));
    EXPECT_FALSE(store.Ajout(Kind::Member));
    EXPECT_EQ(dialogs().texts("message"), QStringList{"Le fichier est plein"});
    EXPECT_EQ(QList<int>({store.state(Kind::Member).count, store.state(Kind::Member).current}), QList<int>({9999, 9998}));
}

TEST_F(StoreFilesTest, TheNextNumberFollowsTheHighestWholeNumberOfTheKindFromEveryChange)
{
    EXPECT_EQ(store.Numerom(), 10001);
    EXPECT_EQ(store.NextMemberNumber, 10001);
    // The largest counts, not the last; a damaged number is passed over quietly.
    setList(store, Kind::Member,
            member(0, "10099x", "A") + member(1, "10007", "B") + member(2, "10001", "C") + member(3, "", "D")
                + member(4, "42", "E"));
    store.PartnerLines().setStringList(partnerBlock(0, "10050", "Alpha"));
    EXPECT_EQ(QList<int>({store.Numerom(), store.Numerop(), store.Numeroa()}), QList<int>({10008, 10051, 10001}));
    EXPECT_TRUE(dialogs().calls.isEmpty());
    store.MemberLines().replace(store.findBlock(Kind::Member, 2) + 1, "10020");
    EXPECT_EQ(store.Numerom(), 10021);
    RecordStore other;
    other.MemberLines() = store.MemberLines();
    EXPECT_EQ(other.Numerom(), 10021);
    // Deleting the highest frees its number.
    store.state(Kind::Member).current = 2;
    store.Supprime(Kind::Member);
    EXPECT_EQ(store.Numerom(), 10008);
    store.MemberLines().setBytes("<BLOC0000>\r\n10042\r\n</BLOC0000>\r\n");
    EXPECT_EQ(store.Numerom(), 10043);
    store.MemberLines().clear();
    EXPECT_EQ(store.Numerom(), 10001);
}

TEST_F(StoreFilesTest, NumbersAndBlockPositionsKeptAcrossEditsMatchAFreshReading)
{
    // Rewrites in place (a code, a whole block, a tag renamed), growing and
    // shrinking blocks, in random order: what the list and the store keep
    // between changes must equal what a fresh copy computes.
    QStringList start;
    for (int n = 0; n < 12; ++n)
        start += member(n, QString::number(10000 + 3 * n), "N");
    setList(store, Kind::Member, start);
    std::mt19937 random(7);
    const auto pick = [&](int bound) { return int(random() % unsigned(bound)); };
    for (int step = 0; step < 400; ++step) {
        RecordList &l = store.MemberLines();
        const std::vector<int> tags = l.openTags();
        const int b = pick(int(tags.size()));
        const int tag = tags[size_t(b)];
        const QStringList codes{"10100", "10001", "", "9", "10036", "x", "10200"};
        switch (pick(5)) {
        case 0:
            l.replace(tag + 1, codes[pick(int(codes.size()))]);
            break;
        case 1:
            l.replaceRange(tag, 3, {l.at(tag), codes[pick(int(codes.size()))], l.at(tag + 2)});
            break;
        case 2:
            l.replaceRange(tag, 2, {RecordStore::openTag(pick(20)), l.at(tag + 1)});
            break;
        case 3:
            l.replaceRange(tag + 2, 1, {l.at(tag + 2), "MEMO"});
            break;
        default:
            if (l.at(tag + 2) == "MEMO")
                l.removeAt(tag + 2);
        }
        const RecordList fresh(l.toStringList());
        ASSERT_EQ(l.openTags(), fresh.openTags()) << step;
        ASSERT_EQ(l.openTagNumbers(), fresh.openTagNumbers()) << step;
        RecordStore other;
        other.MemberLines() = fresh;
        ASSERT_EQ(store.Numerom(), other.Numerom()) << step;
    }
}
