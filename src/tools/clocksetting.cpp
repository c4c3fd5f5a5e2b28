#include "tools/clocksetting.h"

#include "core/formats.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <algorithm>
#include <cerrno>
#include <ctime>

namespace ClockSetting {

namespace {

struct Place
{
    bool inDate;
    int from;
    int length;
    int low;
    int high;
};

Place placeOf(Part part)
{
    switch (part) {
    case Part::Hour: return {false, 0, 2, 0, 23};
    case Part::Minute: return {false, 3, 2, 0, 59};
    case Part::Day: return {true, 0, 2, 1, 31};
    case Part::Month: return {true, 3, 2, 1, 12};
    case Part::Year: break;
    }
    return {true, 6, 4, 1900, 2099};
}

} // namespace

void step(QString *time, QString *date, Part part, int delta)
{
    const Place p = placeOf(part);
    QString *text = p.inDate ? date : time;
    if (text->size() < p.from + p.length)
        return;
    int value = 0;
    if (!Formats::parseInt(text->mid(p.from, p.length), &value))
        return;
    if (part == Part::Year && value < 100)
        value += 1900;
    value = std::clamp(value + delta, p.low, p.high);
    text->replace(p.from, p.length, QStringLiteral("%1").arg(value, p.length, 10, QLatin1Char('0')));
}

bool moment(const QString &time, const QString &date, QDateTime *local)
{
    int h = -1, mi = -1, s = -1, d = 0, mo = 0, y = 0;
    if (time.size() != 8 || date.size() != 10 || !Formats::parseInt(time.mid(0, 2), &h)
        || !Formats::parseInt(time.mid(3, 2), &mi) || !Formats::parseInt(time.mid(6, 2), &s)
        || !Formats::parseInt(date.mid(0, 2), &d) || !Formats::parseInt(date.mid(3, 2), &mo)
        || !Formats::parseInt(date.mid(6, 4), &y))
        return false;
    const QDate day(y, mo, d);
    const QTime clock(h, mi, s);
    if (!day.isValid() || !clock.isValid())
        return false;
    *local = QDateTime(day, clock);
    return true;
}

QString invalidText()
{
    return QStringLiteral("Date ou heure non valide");
}

QString confirmText(const QDateTime &local)
{
    return QStringLiteral("Régler l'horloge de l'ordinateur sur le %1 à %2 ?")
        .arg(Formats::date(local.date()), Formats::time(local.time()));
}

} // namespace ClockSetting

namespace {

class NoSystemClock : public SystemClock
{
public:
    bool setLocalTime(const QDateTime &, QString *error) override
    {
        *error = QStringLiteral("L'horloge de l'ordinateur ne peut pas être réglée d'ici.");
        return false;
    }
};

SystemClock *g_installed = nullptr;

QString rightsText()
{
    return QStringLiteral("Vous n'avez pas le droit de régler l'horloge de l'ordinateur.");
}

} // namespace

SystemClock &SystemClock::current()
{
    static NoSystemClock none;
    return g_installed ? *g_installed : none;
}

void SystemClock::install(SystemClock *clock)
{
    g_installed = clock;
}

QString RealSystemClock::refusalText(const QString &serviceText)
{
    const QString t = serviceText.toLower();
    if (t.contains(QLatin1String("synchroni")) || t.contains(QLatin1String("ntp")))
        return QStringLiteral("L'heure de l'ordinateur est réglée automatiquement par la synchronisation "
                              "de l'heure : désactivez-la pour régler l'horloge à la main.");
    if (t.contains(QLatin1String("access denied")) || t.contains(QLatin1String("not authorized"))
        || t.contains(QLatin1String("authentication")) || t.contains(QLatin1String("permission")))
        return rightsText();
    return QStringLiteral("L'horloge de l'ordinateur n'a pas pu être réglée.");
}

bool RealSystemClock::setLocalTime(const QDateTime &local, QString *error)
{
    QProcess service;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Its messages are read below: the untranslated ones.
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    service.setProcessEnvironment(env);
    service.start(QStringLiteral("timedatectl"),
                  {QStringLiteral("set-time"), local.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))});
    if (service.waitForStarted(5000)) {
        // The service may ask for a password: the user takes the time needed.
        service.waitForFinished(-1);
        if (service.exitStatus() == QProcess::NormalExit && service.exitCode() == 0)
            return true;
        *error = refusalText(QString::fromLocal8Bit(service.readAllStandardError()));
        return false;
    }
    // No time service: the kernel's clock, which only an administrator may set.
    timespec ts{};
    ts.tv_sec = time_t(local.toSecsSinceEpoch());
    if (clock_settime(CLOCK_REALTIME, &ts) == 0)
        return true;
    *error = errno == EPERM ? rightsText() : refusalText(QString());
    return false;
}
