// A save happens whole or not at all: renames failing in turn, a save stopped
// after each file operation, a child killed while it saves. After the next
// opening the five files are all the old store, or all the new one when the
// save had put its commit record in place, and nothing else is left.

#include "store/recordstore.h"
#include "store/storecommit.h"

#include "core/clock.h"

#include "support/blocks.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <climits>
#include <functional>
#include <random>
#include <thread>

namespace {

using Versions = QList<QList<QByteArray>>;

QFile storeFile(const QString &member, int f)
{
    return QFile(RecordStore::withExtension(member, QStringList{"adh", "par", "atv", "jnl", "rcu"}[f]));
}

// Version v of a store, `blocks` blocks a file; no line is in two versions.
QList<QByteArray> storeVersion(int v, int blocks)
{
    QList<QByteArray> files(5);
    for (int f = 0; f < 5; ++f)
        for (int n = 0; n < blocks; ++n)
            files[f] += QStringLiteral("<BLOC%1>\r\nv%2 fiche %3 %4\r\nv%2 fiche %3 %4\r\n</BLOC%1>\r\n")
                            .arg(n, 4, 10, QLatin1Char('0')).arg(v).arg(n).arg(QString(60, QLatin1Char('-')))
                            .toLatin1();
    return files;
}

// Versions 0 to count - 1.
Versions storeVersions(int blocks, int count = 2)
{
    Versions out;
    for (int v = 0; v < count; ++v)
        out.append(storeVersion(v, blocks));
    return out;
}

void putStore(const QString &member, const QList<QByteArray> &files)
{
    QDir().mkpath(QFileInfo(member).path());
    for (int f = 0; f < 5; ++f) {
        QFile file = storeFile(member, f);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(files[f]) == files[f].size());
    }
}

// Which of the versions the five files are, or -1 when none; a file that is
// not there reads as "absent".
int onDisk(const QString &member, const Versions &versions)
{
    QList<QByteArray> files;
    for (int f = 0; f < 5; ++f) {
        QFile file = storeFile(member, f);
        files.append(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("absent"));
    }
    return int(versions.indexOf(files));
}

// The version of the store among 0 to last, or -1.
int versionOf(const QString &member, int last)
{
    return onDisk(member, storeVersions(2, last + 1));
}

// Each backup of the store, oldest first, by name and version; -1 for one
// that is not five files of one version.
QStringList backupsOf(const QString &member, int last)
{
    QStringList out;
    for (const QString &b : StoreCommit::backups(member)) {
        const bool five = QDir(b).entryList(QDir::Files | QDir::Hidden).size() == 5;
        out += QFileInfo(b).fileName() + QStringLiteral(": %1").arg(five ? versionOf(b + "/club.adh", last) : -1);
    }
    return out;
}

int entriesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size();
}

// Saves version v over the store, from a store loaded beside it, through the
// files when given.
bool saveVersion(const QString &member, int v, CommitFiles *files = nullptr)
{
    const QString source = QFileInfo(member).path() + "/source/club.adh";
    putStore(source, storeVersion(v, 2));
    RecordStore store;
    store.Charge(source);
    store.markModified();
    CommitFiles::install(files);
    QString error;
    const bool saved = store.Sauve(member, &error);
    CommitFiles::install(nullptr);
    EXPECT_TRUE(saved == error.isEmpty() && saved == !store.TestModif()) << error.toStdString();
    return saved;
}

// What saves left in the folder: their files are all hidden.
QStringList hiddenIn(const QTemporaryDir &dir)
{
    return QDir(dir.path()).entryList({".*"}, QDir::Files | QDir::Hidden);
}

// The real operations without the syncs, until operation number dieAt: from
// there on nothing is done and everything fails, as in a killed program. A
// rename for whose number failRename holds fails.
class FailingFiles : public CommitFiles
{
public:
    int dieAt = INT_MAX, ops = 0, renames = 0;
    std::function<bool(int)> failRename = [](int) { return false; };

    bool alive() { return ops++ < dieAt; }
    bool write(const QString &p, const QByteArray &b) override { return alive() && CommitFiles::write(p, b); }
    bool rename(const QString &f, const QString &t) override
    {
        return alive() && !failRename(++renames) && CommitFiles::rename(f, t);
    }
    bool remove(const QString &p) override { return alive() && CommitFiles::remove(p); }
    bool syncFile(int) override { return alive(); }
    void syncFolder(const QString &) override { alive(); }
};

} // namespace

class SaveCommitTest : public VelmoraTest
{
};

TEST_F(SaveCommitTest, AFailedOrStoppedSaveLeavesOneWholeStoreAfterTheNextOpening)
{
    QTemporaryDir dir;
    // Version 2: no store there.
    const Versions versions = storeVersions(2) << QList<QByteArray>(5, "absent");
    const QString member = dir.filePath("club.adh"), other = dir.filePath("club2.adh");
    // Saves version 1 over version 0 of the store m, or where it is not,
    // through the files.
    auto saveThrough = [&](FailingFiles &files, const QString &m, int old = 0) {
        putStore(m, versions[0]);
        for (int f = 0; f < 5 && old == 2; ++f)
            storeFile(m, f).remove();
        return saveVersion(m, 1, &files);
    };
    // A store beside, stopped in the middle of its renames, is left alone.
    putStore(other, versions[0]);
    for (int d = 0; d < 100 && onDisk(other, versions) >= 0; ++d) {
        RecordStore().Charge(other);
        FailingFiles stop;
        stop.dieAt = d;
        saveThrough(stop, other);
    }
    ASSERT_LT(onDisk(other, versions), 0);
    const QStringList othersLeft = hiddenIn(dir);

    // way 0: rename k + 1 fails alone; 1: every later one too, the undo's mark
    // included; 2: the undo's renames fail; 3: the save stops at operation k.
    int failures = 0, seen[3] = {}; // stopped without a record; with one, nothing renamed; with one, mixed
    for (int old : {0, 2})
        for (int way = 0; way < 4; ++way) {
            for (int k = 0; k < 100; ++k) {
                FailingFiles files;
                files.dieAt = way == 3 ? k : INT_MAX;
                files.failRename = [=](int n) { return way < 3 && (n == k + 1 || (way > 0 && n > k + way)); };
                if (saveThrough(files, member, old) && files.ops <= files.dieAt)
                    break;
                const bool record = QFile::exists(StoreCommit::recordPath(member));
                const int before = onDisk(member, versions);
                failures += way < 3;
                if (way == 3 && (record || hiddenIn(dir) != othersLeft))
                    ++seen[!record ? 0 : before == old ? 1 : 2];
                if (way == 0) {
                    ASSERT_TRUE(before == old && hiddenIn(dir) == othersLeft) << k;
                }
                ASSERT_TRUE(RecordStore().Charge(member));
                ASSERT_EQ(onDisk(member, versions), record ? 1 : old) << old << " " << way << " " << k;
                ASSERT_EQ(hiddenIn(dir), othersLeft) << old << " " << way << " " << k;
            }
        }
    EXPECT_GE(failures, 2 * 3 * 5); // each file's renames, three ways, with and without a store
    EXPECT_TRUE(seen[0] && seen[1] && seen[2]);
    ASSERT_TRUE(RecordStore().Charge(other));
    EXPECT_EQ(onDisk(other, versions), 1);
    EXPECT_EQ(hiddenIn(dir), QStringList());
}

TEST_F(SaveCommitTest, EverySaveKeepsTheFilesItReplacesAndTheFiveNewestBackupsStay)
{
    QTemporaryDir dir;
    const QString member = dir.filePath("club.adh");
    // Neither another store's backup nor a folder of the user's counts.
    for (const char *other : {"club.adh 2020-01-01 00-00-00.adh", "club.adh2 2020-01-01 00-00-00", "Mes papiers"})
        QDir().mkpath(dir.filePath(QStringLiteral("Sauvegardes/") + other));
    const QDateTime t(QDate(2026, 12, 7), QTime(14, 5, 33));
    QStringList expected;
    for (int v = 0; v < 9; ++v) {
        // The last two saves within one second.
        Clock::setFixed(t.addSecs(std::min(v, 7)));
        ASSERT_TRUE(saveVersion(member, v));
        if (v > 0)
            expected += QStringLiteral("club.adh 2026-12-07 14-05-%1%2: %3")
                            .arg(33 + std::min(v, 7)).arg(v == 8 ? " 2" : "").arg(v - 1);
        if (expected.size() > StoreCommit::kBackupsKept)
            expected.removeFirst();
        ASSERT_EQ(backupsOf(member, v), expected) << v;
        // The first backup opened and saved as a store: a backup of its own
        // inside, which goes with it.
        if (v == 1)
            writeFile(StoreCommit::backups(member).first() + "/Sauvegardes/club.adh 2026-12-07 14-05-34/club.adh", "");
    }
    EXPECT_EQ(entriesIn(dir.filePath("Sauvegardes")), 5 + 3);
}

TEST_F(SaveCommitTest, AFailedOrStoppedSaveMakesNoBackupAndNeverLeavesHalfOne)
{
    QTemporaryDir dir;
    const QString member = dir.filePath("club.adh");
    QDateTime t(QDate(2026, 12, 7), QTime(8, 0, 0));
    int current = 0;
    for (; current < 6; ++current) {
        Clock::setFixed(t = t.addSecs(1));
        ASSERT_TRUE(saveVersion(member, current));
    }
    --current;
    int stopped = 0, undone = 0;
    // way 0: rename k + 1 fails alone; 1: the save stops at operation k.
    for (int way = 0; way < 2; ++way)
        for (int k = 0; k < 100; ++k) {
            const QStringList before = backupsOf(member, current);
            FailingFiles files;
            files.dieAt = way == 1 ? k : INT_MAX;
            files.failRename = [=](int n) { return way == 0 && n == k + 1; };
            Clock::setFixed(t = t.addSecs(1));
            const bool saved = saveVersion(member, current + 1, &files);
            const bool untouched = way == 0 ? files.renames <= k : files.ops <= files.dieAt;
            ASSERT_TRUE(RecordStore().Charge(member));
            const int now = versionOf(member, current + 1);
            const QStringList after = backupsOf(member, current + 1);
            ASSERT_TRUE(now == current || now == current + 1) << way << " " << k;
            EXPECT_EQ(entriesIn(dir.filePath("Sauvegardes")), after.size()) << "a draft is left " << way << " " << k;
            if (now == current) {
                EXPECT_FALSE(saved);
                EXPECT_EQ(after, before) << way << " " << k;
                ++undone;
            } else {
                const QString kept = QStringLiteral("club.adh %1: %2").arg(t.toString("yyyy-MM-dd hh-mm-ss")).arg(current);
                // A stopped save is finished, backup and rotation included; a
                // failing rename may cost the backup or delay the rotation,
                // never make half a backup.
                const QStringList all = QStringList(before) << kept;
                const QStringList newest = all.mid(std::max<qsizetype>(0, all.size() - StoreCommit::kBackupsKept));
                auto suffixOf = [&](const QStringList &l) { return l.mid(l.size() - after.size()) == after; };
                if (way == 1)
                    EXPECT_EQ(after, newest) << k;
                else
                    EXPECT_TRUE(after.size() <= 6 && (suffixOf(all) || suffixOf(before)) && !after.join(' ').contains(": -1"))
                        << k;
                current = now;
            }
            stopped += !untouched;
            if (untouched)
                break;
        }
    EXPECT_GT(stopped, 20);
    EXPECT_GT(undone, 5);
}

TEST(SaveKill, AKilledSaveLeavesTheWholeOldStoreOrTheWholeNewOne)
{
    QTemporaryDir dir;
    const Versions versions = storeVersions(2500); // about 2 MB a version
    const QString sources[2] = {dir.filePath("a/club.adh"), dir.filePath("b/club.adh")};
    const QString member = dir.filePath("club.adh");
    for (int v = 0; v < 2; ++v)
        putStore(sources[v], versions[v]);
    putStore(member, versions[0]);
    // Saves version `from` over the store in a child and kills it delayUs
    // after it said `after`, or, when delayUs is negative, gives the
    // microseconds from then to the end of the save.
    auto save = [&](int from, const char *after, qint64 delayUs) {
        QProcess child;
        child.start(QStringLiteral(VELMORA_SAVECHILD), {sources[from], member});
        QByteArray said;
        auto waitFor = [&](const char *word) {
            while (!said.contains(word) && child.waitForReadyRead(10000))
                said += child.readAllStandardOutput();
        };
        waitFor(after);
        QElapsedTimer clock;
        clock.start();
        if (delayUs >= 0) {
            std::this_thread::sleep_for(std::chrono::microseconds(delayUs));
            child.kill();
        }
        waitFor("saved");
        child.waitForFinished();
        return clock.nsecsElapsed() / 1000;
    };
    // The shortest of three, the least disturbed by a busy machine.
    qint64 saveUs = LLONG_MAX, renamesUs = LLONG_MAX;
    for (int i = 0; i < 3; ++i) {
        saveUs = std::min(saveUs, save(1, "saving", -1));
        ASSERT_EQ(onDisk(member, versions), 1);
        renamesUs = std::min(renamesUs, save(0, "renaming", -1));
        ASSERT_EQ(onDisk(member, versions), 0);
    }

    std::mt19937 random(8);
    const int rounds = 100;
    int version = 0, duringRenames = 0, mixed = 0, done = 0;
    for (int r = 0; r < rounds; ++r) {
        const int from = 1 - version;
        // Half the kills anywhere in the save, half during its renames.
        const qint64 span = r % 2 ? renamesUs : saveUs;
        save(from, r % 2 ? "renaming" : "saving", std::uniform_int_distribution<qint64>(0, span)(random));
        const bool record = QFile::exists(StoreCommit::recordPath(member));
        duringRenames += record;
        mixed += record && onDisk(member, versions) < 0;
        ASSERT_TRUE(RecordStore().Charge(member)) << r;
        version = onDisk(member, versions);
        ASSERT_GE(version, 0) << "round " << r;
        ASSERT_EQ(hiddenIn(dir), QStringList()) << "round " << r;
        // Every backup is a whole version; nothing half made is left beside them.
        const QStringList backups = StoreCommit::backups(member);
        for (const QString &b : backups)
            ASSERT_TRUE(entriesIn(b) == 5 && onDisk(b + "/club.adh", versions) >= 0) << "round " << r;
        ASSERT_EQ(entriesIn(StoreCommit::backupFolder(member)), backups.size()) << "round " << r;
        done += version == from;
    }
    std::printf("%d kills in a save of %lld us (renames: the last %lld us): %d during the renames, %d of them with "
                "the files mixed before the opening; %d saves done, %d undone\n",
                rounds, saveUs, renamesUs, duringRenames, mixed, done, rounds - done);
    EXPECT_GT(duringRenames, 0);
}
