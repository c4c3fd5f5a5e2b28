#pragma once
// One store, one program. A store in use is marked by a lock file beside its
// member file, ".club.adh.verrou" for club.adh: hidden, tied to the member
// file's whole name and ending in no extension a store derives, so it is
// never a store's own file, a save's (".club.adh.enreg...") or a backup's.
// It holds the process number, the machine and, where the system tells it,
// the moment the process started, so that a number reused by a later process
// is not taken for the program that left the lock.
//
// A lock of a process that has ended on this machine is stale and taken over.
// A lock held elsewhere cannot be checked and counts as held. Stores opened
// twice in one program share the lock, which goes when the last one lets go.

#include <QString>

#include <optional>

class StoreLock
{
public:
    struct Holder
    {
        qint64 pid = 0;
        QString host;
    };
    enum class Result {
        Taken,        // this program holds the store now
        HeldByOther,  // another running program holds it
        CannotLock,   // the lock file cannot be made there (a folder one cannot write to)
    };

    StoreLock() = default;
    ~StoreLock();
    StoreLock(StoreLock &&other) noexcept;
    StoreLock &operator=(StoreLock &&other) noexcept;
    // A copy shares the lock (a copy of a store is the same store).
    StoreLock(const StoreLock &other);
    StoreLock &operator=(const StoreLock &other);

    static QString lockPath(const QString &memberFile);
    // The running program, other than this one, that holds the store.
    static std::optional<Holder> holder(const QString &memberFile);

    // Takes the store's lock, a stale one included; lets go of the lock held
    // before only when the new one is taken.
    Result acquire(const QString &memberFile, Holder *other = nullptr);
    void release();
    bool holds() const { return !m_path.isEmpty(); }

    // What this program writes in a lock.
    static QByteArray ownContent();

    // The question asked before a store held by another program is opened
    // (OK: read-only, Cancel: not opened), and the refusals of a save.
    static QString openQuestion(const QString &memberFile, const Holder &holder);
    static QString readOnlySaveText(const QString &memberFile);
    static QString heldSaveText(const QString &memberFile, const Holder &holder);

private:
    QString m_path;
};
