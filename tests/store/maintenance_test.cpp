// Checks and repairs at loading, compaction at saving, renumbering after a
// deletion.

#include "store/recordstore.h"

#include "support/fakedialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

QStringList block(int n, const QStringList &body, bool closed = true)
{
    QStringList out{RecordStore::openTag(n)};
    out += body;
    if (closed)
        out.append(RecordStore::closeTag(n));
    return out;
}

QByteArray crlf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += l.toLatin1() + "\r\n";
    return out;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<absent>");
    return f.readAll();
}

const QString kAltered = QStringLiteral("Le fichier a été altéré. Restaurer ?");
const QString kLost = QStringLiteral("Des fichiers ont été altérés\r\nVérifiez s'il n'y a pas eu perte de données");

} // namespace

class MaintenanceTest : public VelmoraTest
{
protected:
    RecordStore store;
    void setList(Kind k, const QStringList &lines)
    {
        store.lines(k).setStringList(lines);
        store.state(k).count = store.countTags(k);
    }
    QStringList list(Kind k) { return store.lines(k).toStringList(); }
};

TEST_F(MaintenanceTest, ASoundListIsLeftAloneWithoutAQuestion)
{
    const QStringList lines = block(0, {"a"}) + QStringList{" "} + block(1, {"b"});
    setList(Kind::Member, lines);
    store.Verif();
    EXPECT_EQ(list(Kind::Member), lines);
    EXPECT_FALSE(store.TestModif());
    EXPECT_TRUE(dialogs().calls.isEmpty());
}

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
    EXPECT_EQ(store.readBlock(Kind::Member, 1)->field(1), "b");
    EXPECT_EQ(store.readBlock(Kind::Member, 2)->field(1), "c");
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

TEST_F(MaintenanceTest, ActivitiesAndReceiptsAreRestoredAfterTheSameMessage)
{
    setList(Kind::Activity, block(0, {"x"}, false));
    store.Verif3();
    setList(Kind::Receipt, block(0, {"x"}) + QStringList{"</BLOC0009>"});
    store.Verif4();
    EXPECT_EQ(dialogs().texts("message"), (QStringList{kLost, kLost}));
    EXPECT_EQ(list(Kind::Receipt), block(0, {"x"}));
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
    ASSERT_EQ(store.state(Kind::Member).count, 4);
    store.Doublons();
    EXPECT_EQ(list(Kind::Member), block(0, {"a"}) + block(1, {"second"}) + block(2, {"c"}));
    EXPECT_EQ(store.state(Kind::Member).count, 4);
    EXPECT_TRUE(store.TestModif()) << "a repair is saved";

    setList(Kind::Receipt, block(0, {"1"}) + block(0, {"2"}) + block(0, {"3"}));
    store.Doublons4();
    EXPECT_EQ(list(Kind::Receipt), block(0, {"2"}) + block(0, {"3"}));
}

TEST_F(MaintenanceTest, ATagThatIsNotANumberStopsTheDuplicateRemoval)
{
    const QStringList lines = block(0, {"a"}) + block(0, {"b"}) + QStringList{"<BLOCxyz>", "</BLOCxyz>"};
    setList(Kind::Member, lines);
    store.Doublons();
    EXPECT_EQ(list(Kind::Member), lines);
}

TEST_F(MaintenanceTest, NumbersAtOrAboveTheCountAreNotCounted)
{
    const QStringList lines = block(0, {"a"}) + block(5, {"x"}) + block(5, {"y"});
    setList(Kind::Member, lines);
    store.Doublons();
    EXPECT_EQ(list(Kind::Member), lines);
}

TEST_F(MaintenanceTest, DeletingABlockAtTheEndTakesItsClosingTag)
{
    setList(Kind::Member, block(0, {"a"}) + block(1, {"b", "c"}));
    store.SupBloc(1);
    EXPECT_EQ(list(Kind::Member), block(0, {"a"}));
}

TEST_F(MaintenanceTest, CompactingDropsOnlyWhatStandsBeforeTheFirstBlock)
{
    setList(Kind::Activity, QStringList{" ", "", "texte"} + block(0, {"a"}) + QStringList{" "} + block(1, {"b"}));
    store.Squize3();
    EXPECT_EQ(list(Kind::Activity), block(0, {"a"}) + QStringList{" "} + block(1, {"b"}));
    setList(Kind::Activity, {" ", " "});
    store.Squize3();
    EXPECT_TRUE(list(Kind::Activity).isEmpty());
}

TEST_F(MaintenanceTest, RenumberingClosesTheGapAfterADeletion)
{
    QStringList lines;
    for (int n = 0; n < 8; ++n)
        lines += block(n, {QString::number(n)});
    setList(Kind::Member, lines);
    store.state(Kind::Member).current = 5;
    store.Supprime(Kind::Member);
    QStringList expected;
    for (int n = 0; n < 7; ++n)
        expected += block(n, {QString::number(n < 5 ? n : n + 1)});
    EXPECT_EQ(list(Kind::Member), expected);
    EXPECT_EQ(store.state(Kind::Member).count, 7);
    EXPECT_EQ(store.state(Kind::Member).current, 5);
    EXPECT_TRUE(store.TestModif());

    store.state(Kind::Member).current = 6;
    store.Supprime(Kind::Member);
    EXPECT_EQ(store.state(Kind::Member).current, 5);
}

TEST_F(MaintenanceTest, DeletingTheOnlyRecordKeepsACountOfOne)
{
    setList(Kind::Partner, block(0, {"seul"}));
    store.Supprime(Kind::Partner);
    EXPECT_TRUE(list(Kind::Partner).isEmpty());
    EXPECT_EQ(store.state(Kind::Partner).count, 1);
    EXPECT_EQ(store.state(Kind::Partner).current, 0);
    // Nothing there and nothing counted: the index stays on 0, never -1.
    store.state(Kind::Partner).count = 0;
    store.Supprime(Kind::Partner);
    EXPECT_EQ(store.state(Kind::Partner).current, 0);
}

class RepairAtLoadingTest : public MaintenanceTest
{
protected:
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }
    void write(const QString &name, const QStringList &lines)
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(crlf(lines));
    }
};

TEST_F(RepairAtLoadingTest, LoadingChecksEveryKindInOrder)
{
    write("club.adh", block(0, {"a"}, false));
    write("club.par", block(0, {"p"}) + QStringList{"</BLOC0000>"});
    write("club.atv", block(0, {"x"}) + block(1, {"y"}) + block(1, {"z"}));
    write("club.rcu", block(0, {"r"}, false));
    dialogs().yesNoAnswers = {true};
    ASSERT_TRUE(store.Charge(path("club.adh")));
    EXPECT_EQ(dialogs().texts("yesNo"), QStringList{kAltered});
    EXPECT_EQ(dialogs().texts("message"), (QStringList{kLost, kLost}));
    EXPECT_EQ(list(Kind::Activity), block(0, {"x"}) + block(1, {"z"}));
    EXPECT_EQ(store.state(Kind::Activity).count, 3);
    EXPECT_TRUE(store.TestModif());
}

TEST_F(RepairAtLoadingTest, TheFirstSaveAfterARepairKeepsTheDamagedOriginals)
{
    const QStringList partners = block(1, {"un"}) + QStringList{"</BLOC0001>"} + block(0, {"zero"});
    write("club.adh", block(0, {"a"}) + block(0, {"a bis"}));
    write("club.par", partners);
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
}

TEST_F(RepairAtLoadingTest, AGapInTheNumbersIsClosedSoEveryRecordCanBeReached)
{
    write("club.adh", block(0, {"a"}) + block(1, {"b"}) + block(3, {"d"}));
    ASSERT_TRUE(store.Charge(path("club.adh")));
    EXPECT_TRUE(dialogs().calls.isEmpty());
    EXPECT_EQ(store.state(Kind::Member).count, 3);
    EXPECT_EQ(store.readBlock(Kind::Member, 2)->field(1), "d");
    // A new record does not take a stored record's place.
    ASSERT_TRUE(store.Ajout(Kind::Member));
    EXPECT_EQ(store.state(Kind::Member).current, 3);
    EXPECT_FALSE(store.readBlock(Kind::Member, 3));
}

TEST_F(RepairAtLoadingTest, AFolderOrAPipeWhereAStoreFileShouldBeIsUnreadable)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("dossier.adh"));
    write("club.adh", block(0, {"a"}));
    ASSERT_EQ(::mkfifo(path("club.par").toLocal8Bit().constData(), 0600), 0);
    for (const QString &name : {QStringLiteral("dossier.adh"), QStringLiteral("club.adh")}) {
        dialogs().reset();
        EXPECT_FALSE(store.Charge(path(name)));
        EXPECT_EQ(dialogs().texts("error").size(), 1) << name.toStdString();
    }
}

TEST_F(RepairAtLoadingTest, ARefusedRestoreLeavesNothingToBackUp)
{
    write("club.adh", block(0, {"a"}, false));
    dialogs().yesNoAnswers = {false};
    ASSERT_TRUE(store.Charge(path("club.adh")));
    EXPECT_FALSE(store.TestModif());
    store.markModified();
    QString error;
    ASSERT_TRUE(store.Sauve(path("club.adh"), &error));
    EXPECT_FALSE(QFile::exists(path("club.adh.bak")));
}
