#pragma once
// The clock window's texts and the setting of the computer's clock.
//
// The time is shown as "hh:mm:ss" and the date as "dd/mm/yyyy"; while the
// user sets the clock, one part of them is stepped within its bounds.

#include <QDateTime>
#include <QString>

namespace ClockSetting {

enum class Part { Hour, Minute, Day, Month, Year };

// Steps one part of the shown texts up or down by one; a part at its bound
// stays there (hours 0-23, minutes 0-59, days 1-31, months 1-12, years
// 1900-2099, a year below 100 being read as 1900 and more).
void step(QString *time, QString *date, Part part, int delta);

// The moment the texts show; false when they are no real date and time
// (31 February, 24:00).
bool moment(const QString &time, const QString &date, QDateTime *local);

QString invalidText();
// The question asked before the computer's clock is set.
QString confirmText(const QDateTime &local);

} // namespace ClockSetting

// The one way the program sets the computer's clock. The program installs
// the system's; tests install a fake, so that no test changes the clock.
class SystemClock
{
public:
    virtual ~SystemClock() = default;
    // Sets the computer's clock to a local date and time; false with a French
    // message in *error when the system refused.
    virtual bool setLocalTime(const QDateTime &local, QString *error) = 0;

    // The installed one; without one, setting reports that it is not possible.
    static SystemClock &current();
    static void install(SystemClock *clock);
};

// The system's: through the time service (which asks for the administrator's
// authorisation where the system wants it), or straight to the kernel where
// there is no such service.
class RealSystemClock : public SystemClock
{
public:
    bool setLocalTime(const QDateTime &local, QString *error) override;
    // The French message of the time service's refusal (its text in English).
    static QString refusalText(const QString &serviceText);
};
