// Checks and repairs at loading, compaction at saving, renumbering after a
// deletion.

#include "support/blocks.h"

#include <sys/stat.h>

namespace {

const QString kAltered = QStringLiteral("Le fichier a été altéré. Restaurer ?");
const QString kLost = QStringLiteral("Des fichiers ont été altérés\r\nVérifiez s'il n'y a pas eu perte de données");

class MaintenanceTest : public StoreTest
{
protected:
    void setList(Kind k, const QStringList &lines) { ::setList(store, k, lines); }
    QStringList list(Kind k) { return store.lines(k).toStringList(); }
};

} // namespace

TEST_F(MaintenanceTest, ARestoreClosesEveryBlockAndKeepsTheRecordsAfterALostClosingTag)
{
    // Block 0 lost its closing tag: it ends where block 1 opens, and the
    // restore closes it without taking 1 and 2 into it.
    setList(Kind::Member, block(0, {"a"}, false) + block(1, {"b", "c"}) + block(2, {"d"}));
    dialogs().yesNoAnswers = {true};
    store.Verif();
    EXPECT_EQ(dialogs().texts("yesNo"), QStringList{kAltered});
    EXPECT_EQ(list(Kind::Member), block(0, {"a"}) + block(1, {"b", "c"}) + block(2, {"d"}));
    EXPECT_TRUE(store.TestModif());
    EXPECT_TRUE(RecordStore::isSound(store.lines(Kind::Member)));
}

TEST_F(MaintenanceTest, ARefusedRestoreLosesNothingWhenTheDamagedRecordIsWrittenBack)
{
    const QStringList damaged = QStringList{"stray"} + block(0, {"a"}, false) + block(1, {"b"}) + block(2, {"c"});
    setList(Kind::Member, damaged);
    dialogs().yesNoAnswers = {false};
    store.Verif();
    EXPECT_EQ(list(Kind::Member), damaged);
    EXPECT_FALSE(store.TestModif());
    BlockData edited = *store.readBlock(Kind::Member, 0);
    EXPECT_EQ(edited.field(1), "a");
    EXPECT_EQ(edited.field(2), "") << "the next block's lines are not this record's";
    edited.setField(2, "modifié");
    store.writeBlock(Kind::Member, 0, edited);
    store.SupBloc(0);
    EXPECT_EQ(list(Kind::Member), QStringList{"stray"} + block(1, {"b"}) + block(2, {"c"}));
}

TEST_F(MaintenanceTest, EveryKindWritesBackABlockWithoutClosingTagWithoutTouchingTheNextOnes)
{
    for (int k = 0; k < 4; ++k) {
        const Kind kind = Kind(k);
        setList(kind, block(0, {"a"}, false) + block(1, {"b"}) + block(2, {"c"}));
        BlockData d = *store.readBlock(kind, 0);
        d.setField(1, "modifié");
        store.writeBlock(kind, 0, d);
        EXPECT_EQ(store.readBlock(kind, 1)->field(1), "b") << k;
        EXPECT_EQ(store.readBlock(kind, 2)->field(1), "c") << k;
        EXPECT_EQ(store.readBlock(kind, 0)->field(1), "modifié") << k;
        EXPECT_TRUE(RecordStore::isSound(store.lines(kind))) << k;
    }
    // The last block without its closing tag runs to the end of the list.
    setList(Kind::Member, block(0, QStringList(17, "x") + QStringList{"MEMOfin"}, false));
    const BlockData last = *store.readBlock(Kind::Member, 0);
    EXPECT_EQ(last.memo, QStringList{"fin"});
    store.writeBlock(Kind::Member, 0, last);
    EXPECT_EQ(list(Kind::Member), block(0, QStringList(17, "x") + QStringList{"MEMOfin"}));
}

TEST_F(MaintenanceTest, ARestoreKeepsTheFirstCopyOfEveryNumberInNumberOrderWithoutGaps)
{
    // Number 1 is missing, 0 lost its closing tag, 3 stands twice, stray lines
    // and a closing tag stand between blocks: every record is kept and
    // numbered again from 0.
    setList(Kind::Partner, QStringList{"avant"} + block(3, {"trois"}) + block(0, {"zero"}, false)
                               + QStringList{"entre", "</BLOC0007>"} + block(2, {"deux"}) + block(3, {"copie"}));
    store.Verif2();
    EXPECT_EQ(dialogs().texts("message"), QStringList{kLost});
    EXPECT_EQ(list(Kind::Partner), block(0, {"zero", "entre"}) + block(1, {"deux"}) + block(2, {"trois"}));
    EXPECT_EQ(store.state(Kind::Partner).count, 3);
}

TEST_F(MaintenanceTest, MalformedTagsAreDamageAndLowerCaseTagsAreMadeCapitals)
{
    for (const QStringList &lines : {block(0, {"a"}) + QStringList{"<BLOC0001> x", "</BLOC0001>"},
                                     block(0, {"a"}) + QStringList{"<BLOC0001>", "</BLOC0002>"},
                                     QStringList{"</BLOC0000>"} + block(0, {"a"})})
        EXPECT_FALSE(RecordStore::isSound(RecordList(lines))) << lines.join('|').toStdString();

    setList(Kind::Member, QStringList{"<bloc0000>", "a", "</Bloc0000>"} + block(1, {"b"}));
    store.Verif();
    EXPECT_EQ(list(Kind::Member), block(0, {"a"}) + block(1, {"b"}));
    EXPECT_TRUE(dialogs().calls.isEmpty());
    EXPECT_TRUE(store.TestModif());
}

TEST_F(MaintenanceTest, DuplicatesLoseTheirFirstCopyOnly)
{
    setList(Kind::Member, block(0, {"a"}) + block(1, {"premier"}) + block(1, {"second"}) + block(2, {"c"}));
    store.Doublons();
    EXPECT_EQ(list(Kind::Member), block(0, {"a"}) + block(1, {"second"}) + block(2, {"c"}));
    EXPECT_EQ(store.state(Kind::Member).count, 4);
    EXPECT_TRUE(store.TestModif()) << "a repair is saved";

    setList(Kind::Receipt, block(0, {"1"}) + block(0, {"2"}) + block(0, {"3"}));
    store.Doublons4();
    EXPECT_EQ(list(Kind::Receipt), block(0, {"2"}) + block(0, {"3"}));

    // A tag that is not a number stops the removal; numbers at or above the
    // count are not counted.
    for (const QStringList &lines : {block(0, {"a"}) + block(0, {"b"}) + QStringList{"<BLOCxyz>", "</BLOCxyz>"},
                                     block(0, {"a"}) + block(5, {"x"}) + block(5, {"y"})}) {
        setList(Kind::Member, lines);
        store.Doublons();
        EXPECT_EQ(list(Kind::Member), lines);
    }
}

TEST_F(MaintenanceTest, DeletingRenumbersTheBlocksAfterItInTheirPlaces)
{
    const QStringList head = block(0, {"0"}) + block(1, {"1"}) + block(2, {"2"}) + block(3, {"3"});
    setList(Kind::Member, head + block(7, {"7"}) + QStringList{" "} + block(5, {"5"}) + block(6, {"6"}) + block(4, {"4"}));
    store.state(Kind::Member).current = 4;
    store.Supprime(Kind::Member);
    EXPECT_EQ(list(Kind::Member), head + block(6, {"7"}) + QStringList{" "} + block(4, {"5"}) + block(5, {"6"}));
    EXPECT_EQ(store.state(Kind::Member).count, 7);
    EXPECT_EQ(store.state(Kind::Member).current, 4);
    EXPECT_TRUE(store.TestModif());
    // The last one: the index stays within the records.
    store.state(Kind::Member).current = 6;
    store.Supprime(Kind::Member);
    EXPECT_EQ(store.state(Kind::Member).current, 5);
    EXPECT_EQ(list(Kind::Member), head + QStringList{" "} + block(4, {"5"}) + block(5, {"6"}));

    // The only record: a count of one stays, the index stays on 0, never -1.
    setList(Kind::Partner, block(0, {"seul"}));
    store.Supprime(Kind::Partner);
    EXPECT_TRUE(list(Kind::Partner).isEmpty());
    EXPECT_EQ(store.state(Kind::Partner).count, 1);
    store.state(Kind::Partner).count = 0;
    store.Supprime(Kind::Partner);
    EXPECT_EQ(store.state(Kind::Partner).current, 0);
}

TEST_F(MaintenanceTest, LoadingChecksEveryKindInOrder)
{
    writeFile(path("club.adh"), crlf(block(0, {"a"}, false)));
    writeFile(path("club.par"), crlf(block(0, {"x"}) + block(1, {"y"}) + block(1, {"z"})));
    writeFile(path("club.atv"), crlf(block(0, {"p"}) + block(1, {"q"}, false)));
    writeFile(path("club.rcu"), crlf(block(0, {"r"}) + QStringList{"</BLOC0009>"}));
    dialogs().yesNoAnswers = {true};
    ASSERT_TRUE(store.Charge(path("club.adh")));
    EXPECT_EQ(dialogs().texts("yesNo"), QStringList{kAltered});
    EXPECT_EQ(dialogs().texts("message"), (QStringList{kLost, kLost}));
    EXPECT_EQ(list(Kind::Partner), block(0, {"x"}) + block(1, {"z"}));
    EXPECT_EQ(list(Kind::Activity), block(0, {"p"}) + block(1, {"q"}));
    EXPECT_EQ(list(Kind::Receipt), block(0, {"r"}));
    EXPECT_TRUE(store.TestModif());
}

TEST_F(MaintenanceTest, TheFirstSaveAfterARepairKeepsTheDamagedOriginals)
{
    const QStringList partners = block(1, {"un"}) + QStringList{"</BLOC0001>"} + block(0, {"zero"});
    writeFile(path("club.adh"), crlf(block(0, {"a"}) + block(0, {"a bis"})));
    writeFile(path("club.par"), crlf(partners));
    ASSERT_TRUE(store.Charge(path("club.adh")));
    QString error;
    ASSERT_TRUE(store.Sauve(path("club.adh"), &error));
    EXPECT_EQ(readFile(path("club.par.bak")), crlf(partners));
    EXPECT_EQ(readFile(path("club.adh.bak")), crlf(block(0, {"a"}) + block(0, {"a bis"})));
    EXPECT_EQ(readFile(path("club.par")), crlf(block(0, {"zero"}) + block(1, {"un"})));
    EXPECT_EQ(readFile(path("club.atv.bak")), QByteArray("<absent>"));

    // Later saves replace the files without touching the backups again.
    QFile::remove(path("club.par.bak"));
    store.markModified();
    ASSERT_TRUE(store.Sauve(path("club.adh"), &error));
    EXPECT_FALSE(QFile::exists(path("club.par.bak")));

    // A refused restore leaves nothing to back up.
    writeFile(path("club.adh"), crlf(block(0, {"a"}, false)));
    dialogs().yesNoAnswers = {false};
    ASSERT_TRUE(store.Charge(path("club.adh")));
    EXPECT_FALSE(store.TestModif());
    store.markModified();
    ASSERT_TRUE(store.Sauve(path("club.adh"), &error));
    EXPECT_EQ(readFile(path("club.adh.bak")), crlf(block(0, {"a"}) + block(0, {"a bis"})));
}

TEST_F(MaintenanceTest, AGapInTheNumbersIsClosedAtLoadingAndAFolderOrAPipeIsUnreadable)
{
    writeFile(path("club.adh"), crlf(block(0, {"a"}) + block(1, {"b"}) + block(3, {"d"})));
    ASSERT_TRUE(store.Charge(path("club.adh")));
    EXPECT_TRUE(dialogs().calls.isEmpty());
    EXPECT_EQ(store.state(Kind::Member).count, 3);
    EXPECT_EQ(store.readBlock(Kind::Member, 2)->field(1), "d");
    // A new record does not take a stored record's place.
    ASSERT_TRUE(store.Ajout(Kind::Member));
    EXPECT_EQ(store.state(Kind::Member).current, 3);
    EXPECT_FALSE(store.readBlock(Kind::Member, 3));

    // A folder or a pipe where a store file should be is unreadable.
    ASSERT_TRUE(QDir(dir.path()).mkdir("dossier.adh"));
    ASSERT_EQ(::mkfifo(path("club.par").toLocal8Bit().constData(), 0600), 0);
    for (const QString &name : {QStringLiteral("dossier.adh"), QStringLiteral("club.adh")}) {
        dialogs().reset();
        EXPECT_FALSE(store.Charge(path(name)));
        EXPECT_EQ(dialogs().texts("error").size(), 1) << name.toStdString();
    }
}
