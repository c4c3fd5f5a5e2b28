// Loading and saving a large store against the least code that reads or
// writes the same bytes, and the memory the open store takes.
//
// Usage: bench_store            (prints the figures)

#include "benchutil.h"

#include "core/cp1252.h"
#include "core/textfile.h"
#include "store/recordstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <malloc.h>

namespace {

const char *const kFiles[] = {"club.adh", "club.par", "club.atv", "club.rcu", "club.jnl"};

QStringList simpleBlock(int n, int fixed, const QString &marker, int rows)
{
    QStringList b{RecordStore::openTag(n), QString::number(10001 + n)};
    for (int p = 2; p <= fixed; ++p)
        b.append(QStringLiteral("Champ %1 de l'enregistrement %2").arg(p).arg(n));
    for (int r = 0; r < rows; ++r)
        b.append(marker + QStringLiteral("Ligne %1\t   %2,00").arg(r).arg(r + 10));
    b.append(RecordStore::closeTag(n));
    return b;
}

void write(const QString &path, const QStringList &lines)
{
    TextFile::writeLines(path, lines);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const long emptyKiB = Bench::residentKiB();

    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("club"));
    {
        QStringList members, partners, activities, receipts, journal;
        for (int n = 0; n < 9999; ++n)
            members += Bench::memberBlock(n, QStringLiteral("Paris"), QStringLiteral("31/12/2026"));
        for (int n = 0; n < 2000; ++n)
            partners += simpleBlock(n, 12, QStringLiteral("DATA01/01/2026\t"), 2);
        for (int n = 0; n < 2000; ++n)
            activities += simpleBlock(n, 14, QStringLiteral("DATA01/01/2026\t"), 2);
        for (int n = 0; n < 5000; ++n)
            receipts += simpleBlock(n, 8, QStringLiteral("FACT"), 5);
        for (int m = 1; m <= 12; ++m)
            for (int e = 0; e < 100; ++e)
                journal.append(QStringLiteral("%1/%2/2026\t60100\tAchat de fournitures %3\t12,50")
                                   .arg(e % 28 + 1, 2, 10, QLatin1Char('0')).arg(m, 2, 10, QLatin1Char('0')).arg(e));
        write(base + ".adh", members);
        write(base + ".par", partners);
        write(base + ".atv", activities);
        write(base + ".rcu", receipts);
        write(base + ".jnl", journal);
    }
    malloc_trim(0);
    qint64 diskBytes = 0;
    for (const char *f : kFiles)
        diskBytes += QFileInfo(dir.filePath(QString::fromLatin1(f))).size();

    // Memory first, before any timing leaves buffers behind.
    const long beforeKiB = Bench::residentKiB();
    RecordStore *store = new RecordStore;
    store->Charge(base + ".adh");
    malloc_trim(0);
    const long openKiB = Bench::residentKiB();

    // The floor: read each file, decode it and split it into lines.
    QList<QStringList> floorLists;
    const double readFloor = Bench::bestOf(5, [&] {
        floorLists.clear();
        for (const char *f : kFiles) {
            QFile file(dir.filePath(QString::fromLatin1(f)));
            file.open(QIODevice::ReadOnly);
            floorLists.append(Cp1252::decode(file.readAll()).split(QStringLiteral("\r\n")));
        }
    });

    const double charge = Bench::bestOf(5, [&] {
        store->Charge(base + ".adh");
        store->readBlock(Kind::Member, 0);
    });

    // The floor for writing: join, encode, write each file.
    const double writeFloor = Bench::bestOf(5, [&] {
        int i = 0;
        for (const char *f : kFiles) {
            QFile file(dir.filePath(QStringLiteral("floor_") + QString::fromLatin1(f)));
            file.open(QIODevice::WriteOnly);
            file.write(Cp1252::encode(floorLists[i++].join(QStringLiteral("\r\n"))));
        }
    });

    const double sauve = Bench::bestOf(5, [&] {
        store->markModified();
        QString error;
        store->Sauve(base + ".adh", &error);
    });

    const int middle = 4999;
    BlockData data = *store->readBlock(Kind::Member, middle);
    const double findWrite = Bench::bestOf(20, [&] {
        data.fixed[7] = data.fixed[7] == QStringLiteral("Lyon") ? QStringLiteral("Paris") : QStringLiteral("Lyon");
        store->writeBlock(Kind::Member, middle, data);
    });
    const double findRead = Bench::bestOf(20, [&] { store->readBlock(Kind::Member, middle); });

    std::printf("Store: 9,999 members, 2,000 partners, 2,000 activities, 5,000 receipts, 1,200 journal lines\n");
    std::printf("Bytes on disk                  %10.1f MiB\n", diskBytes / 1048576.0);
    std::printf("Read floor (bytes+decode+split) %9.1f ms\n", readFloor);
    std::printf("Charge                          %9.1f ms   ratio %.2f (target <= 3)\n", charge, charge / readFloor);
    std::printf("Write floor (join+encode+write) %9.1f ms\n", writeFloor);
    std::printf("Sauve                           %9.1f ms   ratio %.2f (target <= 3)\n", sauve, sauve / writeFloor);
    std::printf("Find + write back a middle member %7.3f ms\n", findWrite);
    std::printf("Find + read a middle member       %7.3f ms\n", findRead);
    std::printf("Memory: empty program %ld KiB, before loading %ld KiB, store open %ld KiB\n", emptyKiB,
                beforeKiB, openKiB);
    std::printf("Store in memory above the program before it: %.2f x its bytes on disk (target <= 4)\n",
                (openKiB - beforeKiB) * 1024.0 / diskBytes);
    delete store;
    return 0;
}
