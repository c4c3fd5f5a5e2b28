#pragma once
// Saving the files of a store as one step that either happened or did not.
//
// The new content of every file is written to a hidden temporary file beside
// the member file and synced. A commit record listing the temporaries and
// their targets is then put in place by one rename: from that moment the save
// is decided. Each target is moved aside, its temporary renamed over it, and
// the record removed. A rename that fails undoes the ones already done; a save
// stopped anywhere (killed, power cut) is completed or undone by recover() at
// the next opening, so that the files are the whole old store or the whole new
// one.
//
// Every file of a save of club.adh is named ".club.adh.enreg" (the record) or
// ".club.adh.enreg-" + a fixed word: hidden, tied to the member file's whole
// name, and ending in no extension a store derives, so neither this store nor
// another store of the folder ever uses those names.

#include <QByteArray>
#include <QList>
#include <QString>

// The file operations a save is made of. The program uses this one; tests
// install a subclass that fails on cue.
class CommitFiles
{
public:
    virtual ~CommitFiles() = default;
    // Creates or replaces the file with the bytes, synced (syncFile).
    virtual bool write(const QString &path, const QByteArray &bytes);
    // Puts what was written to the open file on the disk.
    virtual bool syncFile(int handle);
    // Puts `from` in the place of `to` in one step, replacing `to`.
    virtual bool rename(const QString &from, const QString &to);
    // Removing a file that is not there succeeds.
    virtual bool remove(const QString &path);
    // Makes the renames and removals done in the folder durable.
    virtual void syncFolder(const QString &folder);

    static CommitFiles &current();
    // nullptr puts the program's own back.
    static void install(CommitFiles *files);
};

class StoreCommit
{
public:
    explicit StoreCommit(const QString &memberFile);
    // Removes the temporaries of a save that was never committed.
    ~StoreCommit();
    StoreCommit(const StoreCommit &) = delete;
    StoreCommit &operator=(const StoreCommit &) = delete;

    // Writes the new content of a file of the store (a file beside the member
    // file) aside. The first call completes or undoes an interrupted earlier
    // save first. False with a French message in *error.
    bool write(const QString &target, const QByteArray &bytes, QString *error);
    // Replaces every written file at once. False with a French message in
    // *error when it could not: the files are then the old store again, or, if
    // even the undo failed, the next recover() makes them one whole store.
    bool commit(QString *error);

    // Completes (commit record present) or undoes (record marked undoing, or
    // never written) an interrupted save of the store, and removes what it
    // left. False with a French message when the files could not be made whole.
    static bool recover(const QString &memberFile, QString *error);

    // The commit record's path; every other file of a save begins with it + "-".
    static QString recordPath(const QString &memberFile);

    // One file of a save, as the commit record lists it. Names are of files
    // in the member file's folder.
    struct Entry
    {
        QString target;
        QString fresh;         // holds the new content until it is renamed
        QString old;           // the target moved aside during the renames
        bool existed = false;  // whether the target was there before the save
    };

private:
    QString m_member;
    QString m_folder;
    QList<Entry> m_entries;
    bool m_started = false;
    bool m_decided = false;
};
