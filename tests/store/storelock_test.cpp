// One store, one program: the lock file beside the member file, stale locks
// taken over, live ones respected, and the store opened read-only refusing
// to be saved over.

#include "store/recordstore.h"
#include "store/storelock.h"

#include "support/fakedialogs.h"

#include <QCoreApplication>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <signal.h>

namespace {

// A process number that no process has.
qint64 freePid()
{
    for (qint64 pid = 4000000; pid > 1; --pid)
        if (::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
            return pid;
    return 0;
}

void put(const QString &file, const QByteArray &bytes)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

QByteArray contentOf(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("absent");
}

QByteArray lockOf(qint64 pid, const QString &host, const QByteArray &start = QByteArray())
{
    return QByteArray::number(pid) + '\n' + host.toUtf8() + '\n' + start + '\n';
}

class StoreLockTest : public VelmoraTest
{
protected:
    QTemporaryDir dir;
    QString member = dir.filePath("club.adh");
    QString lock = dir.filePath(".club.adh.verrou");
    const QString host = QSysInfo::machineHostName();
    const qint64 self = QCoreApplication::applicationPid();

    void SetUp() override
    {
        VelmoraTest::SetUp();
        put(member, "<BLOC0000>\r\n10001\r\nM.\r\nMartin\r\n</BLOC0000>\r\n");
    }
};

} // namespace

TEST_F(StoreLockTest, ALockOfAProcessThatEndedOrOfNoneIsTakenOverAndGoesWithTheStore)
{
    ASSERT_EQ(StoreLock::lockPath(member), lock);
    const qint64 dead = freePid();
    ASSERT_GT(dead, 0);
    QList<QByteArray> stale{lockOf(dead, host), "", "n'importe quoi\n"};
#ifdef Q_OS_LINUX
    // This very number, but a process started at another moment.
    stale << lockOf(self, host, "1");
#endif
    for (const QByteArray &left : stale) {
        put(lock, left);
        // What a program stopped while it took a lock leaves aside.
        put(lock + "-" + QByteArray::number(dead), left);
        EXPECT_FALSE(StoreLock::holder(member)) << left.constData();
        RecordStore store;
        ASSERT_TRUE(store.Charge(member));
        EXPECT_FALSE(store.isReadOnly());
        EXPECT_EQ(contentOf(lock), StoreLock::ownContent());
        EXPECT_FALSE(QFile::exists(lock + "-" + QByteArray::number(dead)));
        // Two stores of one program share the lock; it goes with the last.
        RecordStore copy = store;
        RecordStore twice;
        ASSERT_TRUE(twice.Charge(member));
        EXPECT_FALSE(twice.isReadOnly());
        store.Nouveau();
        copy.Nouveau();
        EXPECT_TRUE(QFile::exists(lock));
        twice.Nouveau();
        EXPECT_FALSE(QFile::exists(lock));
    }
    EXPECT_TRUE(dialogs().calls.isEmpty());
}

TEST_F(StoreLockTest, AStoreAnotherProgramHoldsOpensReadOnlyAndIsNeverSavedOver)
{
    const QByteArray original = contentOf(member);
    for (const QByteArray &live : {lockOf(self, host), lockOf(freePid(), "autre-machine")}) {
        put(lock, live);
        const std::optional<StoreLock::Holder> holder = StoreLock::holder(member);
        ASSERT_TRUE(holder);
        EXPECT_EQ(lockOf(holder->pid, holder->host), live);

        RecordStore store;
        ASSERT_TRUE(store.Charge(member));
        EXPECT_TRUE(store.isReadOnly());
        store.markModified();
        QString error;
        EXPECT_FALSE(store.Sauve(member, &error));
        EXPECT_EQ(error.toStdString(), StoreLock::readOnlySaveText(member).toStdString());
        EXPECT_TRUE(store.TestModif());
        EXPECT_EQ(contentOf(member), original);

        // Saved under another name, it is a store of its own, no longer
        // read-only; the other program's lock stays where it was.
        const QString copy = dir.filePath("copie.adh");
        ASSERT_TRUE(store.Sauve(copy, &error));
        EXPECT_FALSE(store.isReadOnly());
        EXPECT_EQ(contentOf(dir.filePath(".copie.adh.verrou")), StoreLock::ownContent());
        EXPECT_EQ(contentOf(lock), live);

        // Nor is a store saved over another store that program holds.
        store.Nouveau();
        EXPECT_FALSE(QFile::exists(dir.filePath(".copie.adh.verrou")));
        put(dir.filePath(".copie.adh.verrou"), live);
        const QByteArray copied = contentOf(copy);
        RecordStore other;
        ASSERT_TRUE(other.Charge(member));
        other.MemberLines().replace(3, "Durand");
        other.markModified();
        EXPECT_FALSE(other.Sauve(copy, &error));
        EXPECT_EQ(error.toStdString(), StoreLock::heldSaveText(copy, *holder).toStdString());
        EXPECT_EQ(contentOf(copy), copied);
        other.Nouveau();
        EXPECT_EQ(contentOf(lock), live);
        EXPECT_EQ(contentOf(dir.filePath(".copie.adh.verrou")), live);
        QFile::remove(dir.filePath(".copie.adh.verrou"));
    }
    EXPECT_TRUE(dialogs().calls.isEmpty());
}
