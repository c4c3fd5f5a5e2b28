#include "support/fuzzsupport.h"

#include "core/clock.h"
#include "core/dialogs.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

// The answers a user who accepts every repair gives; each call is counted.
class CountingDialogs : public Dialogs
{
public:
    int calls = 0;
    void message(const QString &) override { ++calls; }
    void error(const QString &) override { ++calls; }
    Answer yesNoCancel(const QString &) override { return ++calls, No; }
    bool yesNo(const QString &) override { return ++calls, true; }
    bool okCancel(const QString &) override { return ++calls, true; }
    bool input(const QString &, const QString &, QString *) override { return ++calls, false; }
    QString openFile(const QString &, const QString &) override { return ++calls, QString(); }
    QString saveFile(const QString &, const QString &, const QString &) override { return ++calls, QString(); }
};

CountingDialogs g_dialogs;

} // namespace

void Fuzz::setUp()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "velmora-fuzz";
    static char *argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
    Dialogs::install(&g_dialogs);
    Clock::setFixed(QDateTime(QDate(2026, 3, 15), QTime(10, 15, 30)));
}

QString Fuzz::scratch()
{
    static QTemporaryDir *dir = [] {
        const QString base = QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm")
                                                                                 : QDir::tempPath();
        return new QTemporaryDir(base + QStringLiteral("/velmora-fuzz-XXXXXX"));
    }();
    return dir->path();
}

Fuzz::Parts Fuzz::split(const uint8_t *data, size_t size, int n)
{
    const QList<QByteArray> pieces =
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\0');
    Parts p;
    for (int i = 0; i < n; ++i) {
        // The last part takes the rest, NUL bytes included.
        const QByteArray part = i + 1 < n ? pieces.value(i) : pieces.mid(i).join('\0');
        p.bytes.append(part);
        p.present.append(i < pieces.size());
    }
    return p;
}

void Fuzz::put(const QString &path, const QByteArray &bytes, bool present)
{
    if (!present) {
        QFile::remove(path);
        return;
    }
    QFile f(path);
    require(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size(),
            "scratch file not written");
}

int Fuzz::dialogCalls()
{
    return g_dialogs.calls;
}

void Fuzz::resetDialogs()
{
    g_dialogs.calls = 0;
}

std::map<std::pair<int, int>, BlockData> Fuzz::records(const RecordStore &store)
{
    std::map<std::pair<int, int>, BlockData> out;
    for (int k = 0; k < 4; ++k)
        store.blocks(Kind(k)).forEach([&](const BlockRef &b) {
            out.emplace(std::make_pair(k, b.number()), RecordStore::readBlock(b, Kind(k)));
        });
    return out;
}

void Fuzz::require(bool ok, const char *what)
{
    if (ok)
        return;
    std::fprintf(stderr, "\n*** property broken: %s\n", what);
    std::abort();
}
