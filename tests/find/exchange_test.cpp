#include "find/exchange.h"

#include "support/blocks.h"

#include <QFileInfo>

namespace {

class ExchangeTest : public StoreTest
{
protected:
    QString file(const QString &name, const QByteArray &bytes) const { return writeFile(dir.filePath(name), bytes); }
    bool importFile(const QString &path, Kind kind = Kind::Member)
    {
        dialogs().openAnswers.push_back(path);
        return Exchange::Importer(store, kind);
    }
    void setMembers(const QList<QStringList> &blocks) { setList(store, Kind::Member, listOf(blocks).toStringList()); }

    // An imported block: code, empty title or company, the fields, 20 empty lines.
    static QStringList imported(int n, int code, const QStringList &fields)
    {
        return QStringList{RecordStore::openTag(n), QString::number(code), QString()} + fields
               + QStringList(20, QString()) + QStringList{RecordStore::closeTag(n)};
    }

};

const QStringList kDupont{"Dupont", "Hélène", "1 rue Haute", "Bât. B", "69001", "Lyon", "04 78 00"};

} // namespace

TEST_F(ExchangeTest, ExportThenImportAddsCopiesWithNewNumbers)
{
    Fields f{{1, "10007"}, {2, "Mme"}, {10, "fax"}, {14, "01/01/1980"}, {17, "2"}};
    for (int k = 0; k < kDupont.size(); ++k)
        f[k + 3] = kDupont[k];
    const QStringList roux = member(0, "10004", "Roux", {{5, "1\true"}}, {"MEMOnote", "DATA01/02/2026\tDon\t5,00"});
    const QStringList dupont = block(Kind::Member, 1, f);
    // A block cut short exports empty fields.
    const QStringList cut{RecordStore::openTag(2), "10001", "", "Court", RecordStore::closeTag(2)};
    setMembers({roux, dupont, cut});

    const QString out = dir.filePath("export.txt");
    dialogs().saveAnswers.push_back(out);
    ASSERT_TRUE(Exchange::Exporter(store, Kind::Member));
    EXPECT_EQ(dialogs().texts("save"), QStringList{"Fichers texte (*.txt)"});
    EXPECT_EQ(readFile(out), QByteArray("Roux\t\t1 rue\t\t\t\t\r\n"
                                         "Dupont\tH\xe9l\xe8ne\t1 rue Haute\tB\xe2t. B\t69001\tLyon\t04 78 00\r\n"
                                         "Court\t\t\t\t\t\t\r\n"));

    ASSERT_TRUE(importFile(out));
    EXPECT_EQ(dialogs().texts("open"), QStringList{"fichiers texte (*.txt)"});
    EXPECT_EQ(blockOf(store.MemberLines(), 1), dupont);
    EXPECT_EQ(blockOf(store.MemberLines(), 3), imported(3, 10008, {"Roux", "", "1 rue", "", "", "", ""}));
    EXPECT_EQ(blockOf(store.MemberLines(), 4), imported(4, 10009, kDupont));
    EXPECT_EQ(store.state(Kind::Member).count, 6);
    EXPECT_EQ(store.state(Kind::Member).current, 5);
    EXPECT_TRUE(store.TestModif());
    EXPECT_TRUE(dialogs().texts("message").isEmpty());
}

TEST_F(ExchangeTest, FieldsAreSplitAtEachTab)
{
    ASSERT_TRUE(importFile(file("in.txt", "Seul\nA\t\tC\r\n\r1\t2\t3\t4\t5\t6\t7\tHuit\n")));
    EXPECT_EQ(blockOf(store.MemberLines(), 0), imported(0, 10001, {"Seul"}));
    EXPECT_EQ(blockOf(store.MemberLines(), 1), imported(1, 10002, {"A", "", "C"}));
    EXPECT_EQ(blockOf(store.MemberLines(), 2), imported(2, 10003, {""}));
    EXPECT_EQ(store.readBlock(Kind::Member, 3)->fixed[9], "Huit"); // the fax line
    // What follows a TAB is cut to 1024 characters, a later TAB with it.
    const QString x(1500, 'x');
    EXPECT_EQ(Exchange::splitFields(x + "\t" + x + "\tz"), (QStringList{x, x.left(1024)}));
}

TEST_F(ExchangeTest, TheRecordBoundTruncatesTheImport)
{
    QList<QStringList> blocks;
    for (int n = 0; n < 9995; ++n)
        blocks.append(member(n, QString::number(10001 + n), "M"));
    setMembers(blocks);
    ASSERT_TRUE(importFile(file("big.txt", "N0\nN1\nN2\nN3\nN4\nN5\nN6\nN7\nN8\nN9\n")));
    EXPECT_EQ(dialogs().texts("message"), QStringList{"Trop de lignes, le fichier a été tronqué"});
    EXPECT_EQ(store.countTags(Kind::Member), 9998);
    EXPECT_EQ(store.state(Kind::Member).count, 9998);
    EXPECT_EQ(blockOf(store.MemberLines(), 9997), imported(9997, 19998, {"N2"}));
}

TEST_F(ExchangeTest, Utf8AndWindows1252FilesGiveTheSameRecords)
{
    const QString text = "Lefèvre\tÉtienne\nŒuvre\tZoë\n";
    QByteArray le, be;
    for (const QChar c : text) {
        le += char(c.unicode() & 0xff) + QByteArray(1, char(c.unicode() >> 8));
        be += QByteArray(1, char(c.unicode() >> 8)) + char(c.unicode() & 0xff);
    }
    // Spreadsheets' "Unicode text" is UTF-16, with or without its byte-order mark.
    const QString names[] = {file("w.txt", "Lef\xe8vre\t\xc9tienne\n\x8cuvre\tZo\xeb\n"),
                             file("u.txt", text.toUtf8()), file("b.txt", "\xef\xbb\xbf" + text.toUtf8()),
                             file("le.txt", "\xff\xfe" + le), file("be.txt", "\xfe\xff" + be),
                             file("nobom.txt", le)};
    ASSERT_TRUE(importFile(names[0]));
    EXPECT_EQ(blockOf(store.MemberLines(), 0), imported(0, 10001, {"Lefèvre", "Étienne"}));
    const RecordList expected = store.MemberLines();
    for (const QString &name : {names[1], names[2], names[3], names[4], names[5]}) {
        store = RecordStore();
        ASSERT_TRUE(importFile(name));
        EXPECT_EQ(store.MemberLines(), expected) << name.toStdString();
    }
}

TEST_F(ExchangeTest, LinesThatCannotBeStoredAreLeftOutAndListed)
{
    ASSERT_TRUE(importFile(file("u.txt", QByteArray("M\xc3\xbcller\n\xc5\x81ukasz\nRoux\n\xe6\x97\xa5\n"
                                                         "Nul\0l\n", 31))));
    // A store file chosen by mistake must not bring its tags into the list.
    ASSERT_TRUE(importFile(file("club.txt", "<BLOC0000>\r\nDupont\r\nx\t</bloc0000>\r\n")));
    EXPECT_EQ(dialogs().texts("message"), (QStringList{"Lignes non importées (caractères non pris en charge) : 2, 4, 5",
                                                       "Lignes non importées (balises de fiche) : 1, 3"}));
    EXPECT_EQ(store.MemberLines().toStringList(),
              imported(0, 10001, {"Müller"}) + imported(1, 10002, {"Roux"}) + imported(2, 10003, {"Dupont"}));
}

TEST_F(ExchangeTest, ACountOfOneKeepsARealFirstRecord)
{
    const QString p = file("in.txt", "Neuf\r\n");
    const QStringList existing = member(0, "10001", "Ancien");
    setMembers({existing});
    ASSERT_TRUE(importFile(p));
    EXPECT_EQ(store.MemberLines().toStringList(), existing + imported(1, 10002, {"Neuf"}));
    EXPECT_EQ(store.state(Kind::Member).current, 1);

    // A first record appended and never filled in has no block: the import takes its number.
    store = RecordStore();
    store.MemberLines() = RecordList(QStringList{" "});
    store.state(Kind::Member).count = 1;
    ASSERT_TRUE(importFile(p));
    EXPECT_EQ(blockOf(store.MemberLines(), 0), imported(0, 10001, {"Neuf"}));
    EXPECT_EQ(store.state(Kind::Member).count, 1);

    // "Nouvelle fiche" left empty after real records: the import follows them
    // without a gap.
    setMembers({existing});
    ASSERT_TRUE(store.Ajout(Kind::Member));
    ASSERT_TRUE(importFile(p));
    EXPECT_EQ(blockOf(store.MemberLines(), 1), imported(1, 10002, {"Neuf"}));
    EXPECT_EQ(store.state(Kind::Member).count, 2);
}

TEST_F(ExchangeTest, PartnersAreExchangedAndOtherPagesNot)
{
    const QString p = file("in.txt", "Durand\tPaul\n");
    setList(store, Kind::Partner, block(Kind::Partner, 0, {{1, "10040"}, {2, "Acme"}}));
    ASSERT_TRUE(importFile(p, Kind::Partner));
    EXPECT_EQ(blockOf(store.PartnerLines(), 1), imported(1, 10041, {"Durand", "Paul"}));
    store.markSaved();
    ASSERT_TRUE(importFile(p, Kind::Activity));
    EXPECT_TRUE(store.TestModif());
    ASSERT_TRUE(importFile(p, Kind::Receipt));
    EXPECT_TRUE(store.MemberLines().isEmpty() && store.ActivityLines().isEmpty() && store.ReceiptLines().isEmpty());

    // Exported from another page, the file is emptied; a cancelled export writes nothing.
    setMembers({member(0, "10001", "Membre")});
    store.ActivityLines() = listOf({block(Kind::Activity, 0, {{3, "Stage"}})});
    dialogs().saveAnswers = {p, QString()};
    EXPECT_TRUE(Exchange::Exporter(store, Kind::Activity));
    EXPECT_FALSE(Exchange::Exporter(store, Kind::Member));
    EXPECT_EQ(QFileInfo(p).size(), 0);
}

TEST_F(ExchangeTest, CancelledMissingOrUnreadableFilesImportNothing)
{
    dialogs().openAnswers.push_back(QString());
    EXPECT_FALSE(Exchange::Importer(store, Kind::Member));
    const QString missing = dir.filePath("absent.txt");
    EXPECT_FALSE(importFile(missing));
    EXPECT_EQ(dialogs().texts("message"), QStringList{"Le ficher " + missing + "n'existe pas"});
    EXPECT_FALSE(importFile("/proc/self/mem")); // exists, cannot be read
    EXPECT_EQ(dialogs().texts("error").size(), 1);
    EXPECT_TRUE(store.MemberLines().isEmpty());
    EXPECT_FALSE(store.TestModif());
}
