#pragma once
// What the benchmark programs share: timing, memory and a member block of the
// usual size. Each benchmark is a program of its own, so this stays a header.

#include "core/dialogs.h"
#include "store/recordstore.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace Bench {

// Answers every question at once, as a user who knows what to type.
class AnsweringDialogs : public Dialogs
{
public:
    QString nextInput;
    QString nextFile;
    void message(const QString &) override {}
    void error(const QString &text) override { std::fprintf(stderr, "error: %s\n", qPrintable(text)); }
    Answer yesNoCancel(const QString &) override { return Yes; }
    bool yesNo(const QString &) override { return true; }
    bool okCancel(const QString &) override { return true; }
    bool input(const QString &, const QString &, QString *text) override
    {
        *text = nextInput;
        return true;
    }
    QString openFile(const QString &, const QString &) override { return nextFile; }
    QString saveFile(const QString &, const QString &, const QString &) override { return nextFile; }
};


// The window system the benchmarks with windows run on, unless one was chosen.
inline void offscreenByDefault()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The resident memory of this process.
inline long residentKiB()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> parts = f.readAll().split(' ');
    return parts.size() > 1 ? parts[1].toLong() * 4 : 0;
}

inline double elapsedMs(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

// Milliseconds of the fastest of `runs` runs of `timed`, each after an untimed
// `prepare`. The machine may be shared: the fastest run is the one least
// disturbed by others.
inline double bestOf(int runs, const std::function<void()> &timed, const std::function<void()> &prepare = {})
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer t;
        t.start();
        timed();
        best = std::min(best, elapsedMs(t));
    }
    return best;
}

// Member n with three remark lines and ten payments.
inline QStringList memberBlock(int n, const QString &town, const QString &renewal)
{
    QStringList b{RecordStore::openTag(n), QString::number(10001 + n), QStringLiteral("M."),
                  QStringLiteral("Nom%1").arg(n), QStringLiteral("Prénom"), QStringLiteral("%1 rue de la Gare").arg(n),
                  QString(), QStringLiteral("750%1").arg(n % 20, 2, 10, QLatin1Char('0')), town,
                  QStringLiteral("01 23 45 67 89"), QString(), QStringLiteral("06 12 34 56 78"), QString(),
                  QStringLiteral("nom%1@exemple.fr").arg(n), QStringLiteral("01/01/1970"), QStringLiteral("Employé"),
                  renewal, QStringLiteral("0")};
    for (int m = 0; m < 3; ++m)
        b.append(QStringLiteral("MEMORemarque numéro %1 sur le membre").arg(m));
    for (int d = 0; d < 10; ++d)
        b.append(QStringLiteral("DATA%1/01/2026\tCotisation annuelle\t30,00").arg(d + 10));
    b.append(RecordStore::closeTag(n));
    return b;
}

} // namespace Bench
