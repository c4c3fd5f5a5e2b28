#include "store/storelock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSysInfo>

#include <cerrno>
#include <climits>
#include <utility>

#ifdef Q_OS_UNIX
#include <signal.h>
#include <unistd.h>
#endif

namespace {

struct Identity
{
    qint64 pid = 0;
    QString host;
    QString start; // empty where the system does not tell
};

// The locks this program holds, with the number of stores sharing each.
QHash<QString, int> &held()
{
    static QHash<QString, int> locks;
    return locks;
}

// When the process started, in the system's own units: with the number, it
// tells a process from a later one that got the same number.
QString processStart(qint64 pid)
{
#ifdef Q_OS_LINUX
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray line = stat.readAll();
    // "pid (name) state ..." : the name may hold spaces and parentheses; the
    // start is the 20th field after it.
    const qsizetype close = line.lastIndexOf(')');
    if (close < 0)
        return QString();
    return QString::fromLatin1(line.mid(close + 2).split(' ').value(19));
#else
    Q_UNUSED(pid);
    return QString();
#endif
}

bool processExists(qint64 pid)
{
#ifdef Q_OS_UNIX
    if (pid <= 0 || pid > INT_MAX)
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
#else
    Q_UNUSED(pid);
    return true; // cannot tell: the lock stands
#endif
}

const Identity &own()
{
    static const Identity me = [] {
        const qint64 pid = QCoreApplication::applicationPid();
        return Identity{pid, QSysInfo::machineHostName(), processStart(pid)};
    }();
    return me;
}

std::optional<Identity> parse(const QByteArray &bytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    bool ok = false;
    Identity id;
    id.pid = lines.value(0).trimmed().toLongLong(&ok);
    id.host = QString::fromUtf8(lines.value(1).trimmed());
    id.start = QString::fromLatin1(lines.value(2).trimmed());
    if (!ok || id.pid <= 0 || id.host.isEmpty())
        return std::nullopt;
    return id;
}

// Whether the program that wrote the lock may still run: on another machine
// nobody can tell, so it may.
bool running(const Identity &id)
{
    if (id.host != QSysInfo::machineHostName())
        return true;
    if (!processExists(id.pid))
        return false;
    const QString start = processStart(id.pid);
    return id.start.isEmpty() || start.isEmpty() || start == id.start;
}

// The lock's holder, unless the lock is stale, unreadable or this program's.
std::optional<Identity> liveHolder(const QString &path, const QByteArray &bytes)
{
    if (held().contains(path))
        return std::nullopt;
    const std::optional<Identity> id = parse(bytes);
    if (!id || !running(*id))
        return std::nullopt;
    const Identity &me = own();
    if (id->pid == me.pid && id->host == me.host && !id->start.isEmpty() && id->start == me.start)
        return std::nullopt;
    return id;
}

bool readLock(const QString &path, QByteArray *bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.read(4096);
    return true;
}

bool writeFile(const QString &path, const QByteArray &bytes, QIODevice::OpenMode mode)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | mode) && file.write(bytes) == bytes.size() && file.flush();
}

enum class Made { Created, Exists, Failed };

// The lock appears whole or not at all: written aside, then linked into
// place, which fails when a lock is there.
Made createLock(const QString &path, const QString &aside, const QByteArray &content)
{
#ifdef Q_OS_UNIX
    if (!writeFile(aside, content, QIODevice::Truncate))
        return QFileInfo::exists(path) ? Made::Exists : Made::Failed;
    const int linked = ::link(QFile::encodeName(aside).constData(), QFile::encodeName(path).constData());
    const int error = errno;
    QFile::remove(aside);
    if (linked == 0)
        return Made::Created;
    if (error == EEXIST)
        return Made::Exists;
    // File systems without hard links.
#endif
    if (writeFile(path, content, QIODevice::NewOnly))
        return Made::Created;
    return QFileInfo::exists(path) ? Made::Exists : Made::Failed;
}

// What a program stopped between writing its lock aside and linking it left.
void removeStaleAsides(const QString &path)
{
    const QFileInfo lock(path);
    const QString prefix = lock.fileName() + QLatin1Char('-');
    const QDir folder = lock.dir();
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (!name.startsWith(prefix))
            continue;
        bool ok = false;
        const qint64 pid = name.mid(prefix.size()).toLongLong(&ok);
        if (ok && !processExists(pid))
            QFile::remove(folder.filePath(name));
    }
}

QString fileName(const QString &memberFile)
{
    return QDir::toNativeSeparators(QFileInfo(memberFile).fileName());
}

} // namespace

StoreLock::~StoreLock()
{
    release();
}

StoreLock::StoreLock(StoreLock &&other) noexcept : m_path(std::exchange(other.m_path, QString()))
{
}

StoreLock::StoreLock(const StoreLock &other) : m_path(other.m_path)
{
    if (!m_path.isEmpty())
        ++held()[m_path];
}

StoreLock &StoreLock::operator=(const StoreLock &other)
{
    if (this != &other && m_path != other.m_path) {
        if (!other.m_path.isEmpty())
            ++held()[other.m_path];
        release();
        m_path = other.m_path;
    }
    return *this;
}

StoreLock &StoreLock::operator=(StoreLock &&other) noexcept
{
    if (this != &other) {
        release();
        m_path = std::exchange(other.m_path, QString());
    }
    return *this;
}

QString StoreLock::lockPath(const QString &memberFile)
{
    const QFileInfo member(memberFile);
    const QString folder = QFileInfo(member.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? member.absolutePath() : folder) + QStringLiteral("/.") + member.fileName()
           + QStringLiteral(".verrou");
}

QByteArray StoreLock::ownContent()
{
    const Identity &me = own();
    return QByteArray::number(me.pid) + '\n' + me.host.toUtf8() + '\n' + me.start.toLatin1() + '\n';
}

std::optional<StoreLock::Holder> StoreLock::holder(const QString &memberFile)
{
    const QString path = lockPath(memberFile);
    QByteArray bytes;
    if (!readLock(path, &bytes))
        return std::nullopt;
    if (const std::optional<Identity> id = liveHolder(path, bytes))
        return Holder{id->pid, id->host};
    return std::nullopt;
}

StoreLock::Result StoreLock::acquire(const QString &memberFile, Holder *other)
{
    const QString path = lockPath(memberFile);
    if (path == m_path)
        return Result::Taken;
    auto take = [&] {
        ++held()[path];
        release();
        m_path = path;
        removeStaleAsides(path);
        return Result::Taken;
    };
    if (held().contains(path))
        return take();
    const QByteArray content = ownContent();
    const QString aside = path + QLatin1Char('-') + QString::number(QCoreApplication::applicationPid());
    for (int attempt = 0; attempt < 3; ++attempt) {
        switch (createLock(path, aside, content)) {
        case Made::Created: return take();
        case Made::Failed: return Result::CannotLock;
        case Made::Exists: break;
        }
        QByteArray found;
        if (!readLock(path, &found))
            continue; // gone meanwhile, or unreadable: try again
        if (const std::optional<Identity> id = liveHolder(path, found)) {
            if (other)
                *other = Holder{id->pid, id->host};
            return Result::HeldByOther;
        }
        // A stale lock, still the one that was read, is replaced by ours;
        // whoever's lock is in place afterwards holds the store.
        if (!writeFile(aside, content, QIODevice::Truncate))
            return Result::CannotLock;
        QByteArray again;
        if (readLock(path, &again) && again == found && QFile::remove(path) && QFile::rename(aside, path)) {
            if (readLock(path, &again) && again == content)
                return take();
        }
        QFile::remove(aside);
    }
    return Result::CannotLock;
}

void StoreLock::release()
{
    if (m_path.isEmpty())
        return;
    const QString path = std::exchange(m_path, QString());
    int &count = held()[path];
    if (--count > 0)
        return;
    held().remove(path);
    // A lock another program put in its place (after ours was removed by
    // hand) stays.
    QByteArray bytes;
    if (readLock(path, &bytes) && bytes == ownContent())
        QFile::remove(path);
}

QString StoreLock::openQuestion(const QString &memberFile, const Holder &holder)
{
    return QStringLiteral("Le fichier %1 est déjà ouvert par un autre Velmora (processus %2 sur %3).\n\n"
                          "OK : l'ouvrir en lecture seule, sans pouvoir y enregistrer de modification.\n"
                          "Annuler : ne pas l'ouvrir.\n\n"
                          "S'il n'est ouvert nulle part ailleurs, supprimer le fichier %4 le libère.")
        .arg(fileName(memberFile))
        .arg(holder.pid)
        .arg(holder.host, QDir::toNativeSeparators(lockPath(memberFile)));
}

QString StoreLock::readOnlySaveText(const QString &memberFile)
{
    return QStringLiteral("Le fichier %1 est ouvert en lecture seule parce qu'un autre Velmora l'utilise : "
                          "il ne peut pas être enregistré ici. « Enregistrer sous... » garde les modifications "
                          "dans un autre fichier.")
        .arg(fileName(memberFile));
}

QString StoreLock::heldSaveText(const QString &memberFile, const Holder &holder)
{
    return QStringLiteral("Le fichier %1 est ouvert par un autre Velmora (processus %2 sur %3) : "
                          "il ne peut pas être remplacé.")
        .arg(fileName(memberFile))
        .arg(holder.pid)
        .arg(holder.host);
}
