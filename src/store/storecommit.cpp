#include "store/storecommit.h"

#include "core/clock.h"
#include "core/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <system_error>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <io.h>
#endif

namespace {

std::filesystem::path nativePath(const QString &path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

CommitFiles g_ownFiles;
CommitFiles *g_files = &g_ownFiles;

const QByteArray kRecordHeader = QByteArrayLiteral("Velmora enregistrement 1");

const QString kBackupFolder = QStringLiteral("Sauvegardes");
const QString kStampFormat = QStringLiteral("yyyy-MM-dd hh-mm-ss");

// The names of one store's save, from the member file's whole name.
struct Names
{
    QString folder;
    QString member; // "club.adh"
    QString base;   // ".club.adh.enreg"

    explicit Names(const QString &memberFile)
        : folder(QFileInfo(memberFile).path()), member(QFileInfo(memberFile).fileName()),
          base(QLatin1Char('.') + member + QStringLiteral(".enreg"))
    {
    }
    QString path(const QString &name) const { return folder + QLatin1Char('/') + name; }
    QString record() const { return path(base); }
    // The record once the save is being undone: marked by a rename, which needs
    // no room on a full disk.
    QString undoing() const { return path(base + QStringLiteral("-annule")); }
    // The record while it is written, before the save is decided.
    QString draft() const { return path(base + QStringLiteral("-ecrit")); }
    QString fresh(int i) const { return base + QStringLiteral("-nouveau-%1").arg(i); }
    QString old(int i) const { return base + QStringLiteral("-ancien-%1").arg(i); }
    // Exactly one of the names above: another store's may begin the same way
    // (a member file named "club.adh.enreg-nouveau-0.adh").
    bool isOwn(const QString &name) const
    {
        static const QRegularExpression suffix(QStringLiteral("^-(annule|ecrit|nouveau-\\d+|ancien-\\d+)$"));
        return name.startsWith(base) && suffix.match(name.mid(base.size())).hasMatch();
    }

    QString backups() const { return path(kBackupFolder); }
    QString inBackups(const QString &name) const { return backups() + QLatin1Char('/') + name; }
    // A backup while it is filled, and one on its way out: hidden, so neither
    // counts as a backup.
    QString backupDraft() const { return inBackups(base + QStringLiteral("-sauvegarde")); }
    QString backupTrash() const { return inBackups(base + QStringLiteral("-supprime")); }

    // "club.adh 2026-12-07 14-05-33" and "club.adh 2026-12-07 14-05-33 2" are
    // backups of club.adh, in the order of their date and number; the folders
    // of other stores, even "club.adh 2026-12-07 14-05-33.adh", are not.
    struct BackupName
    {
        QString name;
        QString stamp;
        int number;
        bool operator<(const BackupName &o) const { return stamp != o.stamp ? stamp < o.stamp : number < o.number; }
    };
    std::optional<BackupName> backupName(const QString &name) const
    {
        static const QRegularExpression tail(
            QStringLiteral("^ (\\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d)(?: ([1-9]\\d{0,8}))?$"));
        if (!name.startsWith(member))
            return std::nullopt;
        const QRegularExpressionMatch m = tail.match(name.mid(member.size()));
        if (!m.hasMatch())
            return std::nullopt;
        return BackupName{name, m.captured(1), m.captured(2).isEmpty() ? 1 : m.captured(2).toInt()};
    }
    QList<BackupName> backupNames() const
    {
        QList<BackupName> out;
        for (const QString &name : QDir(backups()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (const std::optional<BackupName> b = backupName(name))
                out.append(*b);
        std::sort(out.begin(), out.end());
        return out;
    }
};

bool exists(const QString &path)
{
    return QFileInfo::exists(path);
}

QByteArray recordBytes(const QList<StoreCommit::Entry> &entries)
{
    QByteArray out = kRecordHeader + '\n';
    for (const StoreCommit::Entry &e : entries)
        out += (e.existed ? "1\t" : "0\t") + e.fresh.toUtf8() + '\t' + e.old.toUtf8() + '\t' + e.target.toUtf8()
               + '\n';
    return out;
}

// A record that names anything but files of this folder, or temporaries not
// of this store, is refused: recovery never renames or removes other files.
bool readRecord(const QString &path, const Names &names, QList<StoreCommit::Entry> *entries)
{
    QByteArray bytes;
    if (!TextFile::readBytes(path, &bytes))
        return false;
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.value(0) != kRecordHeader)
        return false;
    for (qsizetype l = 1; l < lines.size(); ++l) {
        if (lines[l].isEmpty())
            continue;
        const QList<QByteArray> f = lines[l].split('\t');
        if (f.size() != 4 || (f[0] != "1" && f[0] != "0"))
            return false;
        StoreCommit::Entry e{QString::fromUtf8(f[3]), QString::fromUtf8(f[1]), QString::fromUtf8(f[2]), f[0] == "1"};
        for (const QString &name : {e.target, e.fresh, e.old})
            if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
                return false;
        if (!names.isOwn(e.fresh) || !names.isOwn(e.old))
            return false;
        entries->append(e);
    }
    return true;
}

// A folder and what it holds, through the file operations of a save. A
// backup someone opened and saved holds a backup folder of its own; a link
// goes, not what it points to.
bool removeTree(const QString &path)
{
    if (!exists(path))
        return true;
    CommitFiles &files = CommitFiles::current();
    bool ok = true;
    const QFileInfoList entries =
        QDir(path).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries)
        ok = (entry.isDir() && !entry.isSymLink() ? removeTree(entry.filePath()) : files.remove(entry.filePath()))
             && ok;
    return files.remove(path) && ok;
}

// The oldest backups beyond the kept number leave the count by a rename, then
// their files go.
void rotateBackups(const Names &n)
{
    CommitFiles &files = CommitFiles::current();
    if (!removeTree(n.backupTrash()))
        return;
    const QList<Names::BackupName> backups = n.backupNames();
    for (qsizetype i = 0; i + StoreCommit::kBackupsKept < backups.size(); ++i)
        if (!files.rename(n.inBackups(backups[i].name), n.backupTrash()) || !removeTree(n.backupTrash()))
            return;
}

// The files the save replaced, kept whole as its backup, or not at all: they
// are gathered in the hidden draft, which takes its dated name once it holds
// them all. A save finished again after a kill goes on with the draft it left.
void keepBackup(const Names &n, const QList<StoreCommit::Entry> &entries)
{
    CommitFiles &files = CommitFiles::current();
    const QString draft = n.backupDraft();
    auto kept = [&](const StoreCommit::Entry &e) { return draft + QLatin1Char('/') + e.target; };
    bool any = false, whole = true;
    for (const StoreCommit::Entry &e : entries) {
        if (!e.existed)
            continue;
        any = true;
        whole = whole && (exists(n.path(e.old)) || exists(kept(e)));
    }
    if (!any || !whole || !QDir().mkpath(draft)) {
        removeTree(draft);
        return;
    }
    for (const StoreCommit::Entry &e : entries) {
        if (e.existed && exists(n.path(e.old)) && !files.rename(n.path(e.old), kept(e))) {
            removeTree(draft);
            return;
        }
    }
    QString name = n.member + QLatin1Char(' ') + Clock::now().toString(kStampFormat);
    for (int i = 2; exists(n.inBackups(name)); ++i)
        name = n.member + QLatin1Char(' ') + Clock::now().toString(kStampFormat) + QStringLiteral(" %1").arg(i);
    if (!files.rename(draft, n.inBackups(name))) {
        removeTree(draft);
        return;
    }
    files.syncFolder(n.backups());
}

// What follows the renames of a save: its backup, the rotation, and the old
// files that could not be kept removed.
void finish(const Names &n, const QList<StoreCommit::Entry> &entries)
{
    CommitFiles &files = CommitFiles::current();
    files.syncFolder(n.folder);
    keepBackup(n, entries);
    rotateBackups(n);
    for (const StoreCommit::Entry &e : entries)
        files.remove(n.path(e.old));
}

// Every new content in its place. Each file's step depends on that file alone,
// so running it again after a kill finishes what is left.
bool forward(const Names &n, const QList<StoreCommit::Entry> &entries)
{
    CommitFiles &files = CommitFiles::current();
    bool ok = true;
    for (const StoreCommit::Entry &e : entries) {
        if (!exists(n.path(e.fresh)))
            continue;
        // The file the save replaces is moved aside first, as the save itself
        // does, so that its backup is whole.
        if (e.existed && !exists(n.path(e.old)) && exists(n.path(e.target)))
            files.rename(n.path(e.target), n.path(e.old));
        if (!files.rename(n.path(e.fresh), n.path(e.target)))
            ok = false;
    }
    if (!ok)
        return false;
    finish(n, entries);
    return true;
}

// Every old content back in its place, as forward() file by file.
bool backward(const Names &n, const QList<StoreCommit::Entry> &entries)
{
    CommitFiles &files = CommitFiles::current();
    bool ok = true;
    for (const StoreCommit::Entry &e : entries) {
        const QString target = n.path(e.target);
        if (exists(n.path(e.old)))
            ok = files.rename(n.path(e.old), target) && ok;
        else if (!e.existed && !exists(n.path(e.fresh)))
            ok = files.remove(target) && ok; // the file was new to the store
        files.remove(n.path(e.fresh));
    }
    files.syncFolder(n.folder);
    return ok;
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

} // namespace

// ---- CommitFiles --------------------------------------------------------------

bool CommitFiles::write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    if (file.write(bytes) != bytes.size() || !file.flush() || !syncFile(file.handle()))
        return false;
    file.close();
    return file.error() == QFileDevice::NoError;
}

bool CommitFiles::syncFile(int handle)
{
#ifdef Q_OS_UNIX
#ifdef Q_OS_LINUX
    const int synced = ::fdatasync(handle); // the data and its size, not the times
#else
    const int synced = ::fsync(handle);
#endif
    // A file system that cannot sync says so; it is not a failed write.
    return synced == 0 || errno == EINVAL || errno == ENOTSUP;
#elif defined(Q_OS_WIN)
    return ::_commit(handle) == 0;
#else
    Q_UNUSED(handle);
    return true;
#endif
}

bool CommitFiles::rename(const QString &from, const QString &to)
{
    std::error_code ec;
    std::filesystem::rename(nativePath(from), nativePath(to), ec);
    return !ec;
}

bool CommitFiles::remove(const QString &path)
{
    std::error_code ec;
    std::filesystem::remove(nativePath(path), ec);
    return !ec;
}

void CommitFiles::syncFolder(const QString &folder)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(folder);
#endif
}

CommitFiles &CommitFiles::current()
{
    return *g_files;
}

void CommitFiles::install(CommitFiles *files)
{
    g_files = files ? files : &g_ownFiles;
}

// ---- StoreCommit --------------------------------------------------------------

StoreCommit::StoreCommit(const QString &memberFile)
    : m_member(memberFile), m_folder(QFileInfo(memberFile).absolutePath())
{
}

StoreCommit::~StoreCommit()
{
    if (m_decided)
        return;
    const Names n(m_member);
    for (const Entry &e : m_entries)
        CommitFiles::current().remove(n.path(e.fresh));
}

QString StoreCommit::recordPath(const QString &memberFile)
{
    return Names(memberFile).record();
}

bool StoreCommit::write(const QString &target, const QByteArray &bytes, QString *error)
{
    if (!m_started) {
        // Leftovers of an earlier save would otherwise mix with this one's.
        if (!recover(m_member, error))
            return false;
        m_started = true;
    }
    const Names n(m_member);
    const QFileInfo info(target);
    // A folder or a read-only file in the target's place is refused before
    // anything is written, as it always was.
    if (info.absolutePath() != m_folder || (info.exists() && (!info.isFile() || !info.isWritable()))) {
        setError(error, TextFile::writeErrorText(target));
        return false;
    }
    int i = 0;
    while (i < m_entries.size() && m_entries[i].target != info.fileName())
        ++i;
    if (i == m_entries.size())
        m_entries.append(Entry{info.fileName(), n.fresh(i), n.old(i), info.exists()});
    const QString fresh = n.path(m_entries[i].fresh);
    if (!CommitFiles::current().write(fresh, bytes)) {
        setError(error, TextFile::writeErrorText(target));
        return false;
    }
    if (info.exists())
        QFile::setPermissions(fresh, info.permissions());
    return true;
}

bool StoreCommit::commit(QString *error)
{
    CommitFiles &files = CommitFiles::current();
    const Names n(m_member);
    // From the moment the record has its name, the save is decided.
    if (!files.write(n.draft(), recordBytes(m_entries)) || !files.rename(n.draft(), n.record())) {
        files.remove(n.draft());
        setError(error, TextFile::writeErrorText(m_member));
        return false;
    }
    m_decided = true;
    files.syncFolder(n.folder);

    for (const Entry &e : m_entries) {
        if ((!e.existed || files.rename(n.path(e.target), n.path(e.old)))
            && files.rename(n.path(e.fresh), n.path(e.target)))
            continue;
        if (!files.rename(n.record(), n.undoing())) {
            // Without the mark, a kill during the undo could not be completed
            // at the next opening: finishing the save is then the sound way.
            if (forward(n, m_entries)) {
                files.remove(n.record());
                return true;
            }
        } else {
            files.syncFolder(n.folder);
            if (backward(n, m_entries))
                files.remove(n.undoing());
        }
        setError(error, TextFile::writeErrorText(n.path(e.target)));
        return false;
    }

    finish(n, m_entries);
    // A record that comes back after a power cut only finishes what is done.
    files.remove(n.record());
    return true;
}

bool StoreCommit::recover(const QString &memberFile, QString *error)
{
    if (memberFile.isEmpty())
        return true;
    const Names n(memberFile);
    const bool undoing = exists(n.undoing());
    const QString record = undoing ? n.undoing() : n.record();
    if (exists(record)) {
        QList<Entry> entries;
        if (!readRecord(record, n, &entries)
            || !(undoing ? backward(n, entries) : forward(n, entries))) {
            setError(error, QStringLiteral("Impossible de terminer l'enregistrement interrompu de %1.")
                                .arg(QFileInfo(memberFile).fileName()));
            return false;
        }
        // Once the files are whole, a record left behind is harmless: running
        // it again changes nothing.
        if (!CommitFiles::current().remove(record))
            return true;
    }
    // Without a record, what a save left is of no use: it never started its
    // renames, or it finished them.
    const QStringList names = QDir(n.folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names)
        if (n.isOwn(name))
            CommitFiles::current().remove(n.path(name));
    removeTree(n.backupDraft());
    removeTree(n.backupTrash());
    return true;
}

QString StoreCommit::backupFolder(const QString &memberFile)
{
    return Names(memberFile).backups();
}

QStringList StoreCommit::backups(const QString &memberFile)
{
    const Names n(memberFile);
    QStringList out;
    for (const Names::BackupName &b : n.backupNames())
        out.append(n.inBackups(b.name));
    return out;
}
