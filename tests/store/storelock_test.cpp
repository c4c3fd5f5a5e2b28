// One store, one program: the lock file beside the member file, stale locks
// taken over, live ones respected, and a store opened read-only never saved
// over.

#include "store/storelock.h"

#include "support/blocks.h"

#include <QCoreApplication>
#include <QSysInfo>

#include <cerrno>
#include <signal.h>

namespace {

// A process number that no process has.
qint64 freePid()
{
    qint64 pid = 4000000;
    while (pid > 1 && !(::kill(pid_t(pid), 0) != 0 && errno == ESRCH))
        --pid;
    return pid;
}

QByteArray lockOf(qint64 pid, const QString &host, const QByteArray &start = QByteArray())
{
    return QByteArray::number(pid) + '\n' + host.toUtf8() + '\n' + start + '\n';
}

class StoreLockTest : public StoreTest
{
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        writeFile(member, crlf(::member(0, "10001", "Martin")));
    }
    QString member = path("club.adh"), lock = path(".club.adh.verrou");
    const QString host = QSysInfo::machineHostName();
    const qint64 self = QCoreApplication::applicationPid(), dead = freePid();
};

} // namespace

TEST_F(StoreLockTest, ALockOfAProcessThatEndedOrOfNoneIsTakenOverAndGoesWithTheStore)
{
    // Ended, unreadable, empty, and (where the system says when a process
    // started) this very number for a process started at another moment.
    QList<QByteArray> stale{lockOf(dead, host), "", "n'importe quoi\n"};
#ifdef Q_OS_LINUX
    stale << lockOf(self, host, "1");
#endif
    for (const QByteArray &left : stale) {
        writeFile(lock, left);
        // What a program stopped while it took a lock leaves aside.
        const QString aside = writeFile(lock + "-" + QString::number(dead), left);
        EXPECT_FALSE(StoreLock::holder(member)) << left.constData();
        ASSERT_TRUE(store.Charge(member));
        EXPECT_FALSE(store.isReadOnly());
        EXPECT_EQ(readFile(lock), StoreLock::ownContent());
        EXPECT_FALSE(QFile::exists(aside));
        // Stores of one program share the lock; it goes with the last.
        RecordStore copy = store, twice;
        ASSERT_TRUE(twice.Charge(member) && !twice.isReadOnly());
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
    const QByteArray original = readFile(member);
    const QString copy = path("copie.adh"), copyLock = path(".copie.adh.verrou");
    for (const QByteArray &live : {lockOf(self, host), lockOf(dead, "autre-machine")}) {
        writeFile(lock, live);
        const std::optional<StoreLock::Holder> holder = StoreLock::holder(member);
        ASSERT_TRUE(holder);
        EXPECT_EQ(lockOf(holder->pid, holder->host), live);

        ASSERT_TRUE(store.Charge(member));
        EXPECT_TRUE(store.isReadOnly());
        store.markModified();
        QString error;
        EXPECT_FALSE(store.Sauve(member, &error));
        EXPECT_EQ(error, StoreLock::readOnlySaveText(member));
        EXPECT_TRUE(store.TestModif());
        EXPECT_EQ(readFile(member), original);

        // Saved under another name, it is a store of its own; the other
        // program's lock stays.
        ASSERT_TRUE(store.Sauve(copy, &error));
        EXPECT_FALSE(store.isReadOnly());
        EXPECT_EQ(readFile(copyLock), StoreLock::ownContent());
        store.Nouveau();
        EXPECT_EQ(readFile(lock), live);

        // Nor is a store saved over another one that program holds.
        writeFile(copyLock, live);
        const QByteArray copied = readFile(copy);
        ASSERT_TRUE(store.Charge(member));
        store.markModified();
        EXPECT_FALSE(store.Sauve(copy, &error));
        EXPECT_EQ(error, StoreLock::heldSaveText(copy, *holder));
        EXPECT_EQ(readFile(copy), copied);
        store.Nouveau();
        EXPECT_EQ(readFile(copyLock), live);
        QFile::remove(copyLock);
    }
    EXPECT_TRUE(dialogs().calls.isEmpty());
}
