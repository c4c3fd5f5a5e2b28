// The clock's shown texts stepped within their bounds, the moment they show,
// and the setting of the computer's clock through a fake.

#include "tools/clocksetting.h"

#include "toolstest.h"

#include <gtest/gtest.h>

using ClockSetting::Part;

namespace {

QStringList stepped(QString time, QString date, Part part, int delta, int times = 1)
{
    for (int i = 0; i < times; ++i)
        ClockSetting::step(&time, &date, part, delta);
    return {time, date};
}

} // namespace

TEST(ClockSetting, PartsStepWithinTheirBounds)
{
    for (const auto &[part, delta] : {std::pair{Part::Hour, 1}, {Part::Minute, 1}, {Part::Day, -1}, {Part::Year, 1}})
        EXPECT_EQ(stepped("23:59:10", "01/01/2099", part, delta), QStringList({"23:59:10", "01/01/2099"})) << delta;
    EXPECT_EQ(stepped("09:00:00", "09/09/2000", Part::Hour, 1), QStringList({"10:00:00", "09/09/2000"}));
    EXPECT_EQ(stepped("00:00:00", "31/12/1900", Part::Month, -1, 20), QStringList({"00:00:00", "31/01/1900"}));
    EXPECT_EQ(stepped("00:00:00", "31/12/1900", Part::Year, -1), QStringList({"00:00:00", "31/12/1900"}));
    EXPECT_EQ(stepped("00:00:00", "15/06/  99", Part::Year, 1), QStringList({"00:00:00", "15/06/2000"}))
        << "a year below 100 is read as 1900 and more, written in four digits";
    EXPECT_EQ(stepped("00:05:00", "15/06/2026", Part::Minute, -1, 9), QStringList({"00:00:00", "15/06/2026"}));
}

TEST(ClockSetting, OnlyRealMomentsAreSet)
{
    QDateTime m;
    ASSERT_TRUE(ClockSetting::moment("00:30:05", "29/02/2024", &m));
    EXPECT_EQ(m, QDateTime(QDate(2024, 2, 29), QTime(0, 30, 5))) << "local time, midnight included";
    EXPECT_FALSE(ClockSetting::moment("10:00:00", "31/02/2026", &m));
    EXPECT_FALSE(ClockSetting::moment("10:00:00", "29/02/2100", &m));
    EXPECT_FALSE(ClockSetting::moment("24:00:00", "01/01/2026", &m));
    EXPECT_FALSE(ClockSetting::moment("1:00:00", "01/01/2026", &m));
    EXPECT_EQ(ClockSetting::confirmText(QDateTime(QDate(2026, 3, 15), QTime(9, 5, 0))),
              "Régler l'horloge de l'ordinateur sur le 15/03/2026 à 09:05:00 ?");
}

TEST(ClockSetting, RefusalsOfTheTimeServiceInFrench)
{
    EXPECT_TRUE(RealSystemClock::refusalText("Failed to set time: Automatic time synchronization is enabled")
                    .contains("synchronisation"));
    for (const char *denied : {"Access denied", "Interactive authentication required."})
        EXPECT_EQ(RealSystemClock::refusalText(QStringLiteral("Failed to set time: ") + denied),
                  "Vous n'avez pas le droit de régler l'horloge de l'ordinateur.");
    EXPECT_FALSE(RealSystemClock::refusalText("anything else").isEmpty());
    QString error;
    EXPECT_FALSE(SystemClock::current().setLocalTime(QDateTime(QDate(2026, 1, 1), QTime(0, 0)), &error))
        << "without an installed clock nothing is set";
    EXPECT_FALSE(error.isEmpty());
}
