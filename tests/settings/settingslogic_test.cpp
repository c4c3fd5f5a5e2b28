#include "settings/bureau.h"
#include "settings/fieldtext.h"

#include "support/fakedialogs.h"

class BureauLinesTest : public VelmoraTest
{
};

TEST_F(BureauLinesTest, OfficerLineSplitsAtTheFirstTab)
{
    const BureauLines::Officer o = BureauLines::splitOfficer(QStringLiteral("Dupont\t01 02\tposte 3"));
    EXPECT_EQ(o.name, QStringLiteral("Dupont"));
    EXPECT_EQ(o.phone, QStringLiteral("01 02\tposte 3"));

    const BureauLines::Officer lone = BureauLines::splitOfficer(QStringLiteral("Dupont"));
    EXPECT_TRUE(lone.name.isEmpty());
    EXPECT_TRUE(lone.phone.isEmpty());

    const BureauLines::Officer tabOnly = BureauLines::splitOfficer(QStringLiteral("\t"));
    EXPECT_TRUE(tabOnly.name.isEmpty() && tabOnly.phone.isEmpty());

    const QString longPhone(300, QLatin1Char('9'));
    EXPECT_EQ(BureauLines::splitOfficer(QStringLiteral("X\t") + longPhone).phone, longPhone.left(255));

    const QString line = BureauLines::joinOfficer(QStringLiteral("Mme Lefèvre"), QStringLiteral("06"));
    EXPECT_EQ(line, QStringLiteral("Mme Lefèvre\t06"));
    EXPECT_EQ(BureauLines::splitOfficer(line).name, QStringLiteral("Mme Lefèvre"));
}

TEST_F(BureauLinesTest, YearDatesWithTodayWhereTheLineGivesNone)
{
    const QDate today(2026, 3, 15);
    const QDate sep1(2025, 9, 1);
    const QDate aug31(2026, 8, 31);
    auto year = [&](const char *line) { return BureauLines::readYear(QString::fromUtf8(line), today); };

    EXPECT_EQ(year("01/09/2025\t31/08/2026").start, sep1);
    EXPECT_EQ(year("01/09/2025\t31/08/2026").end, aug31);
    EXPECT_EQ(year("").start, today);
    EXPECT_EQ(year("01/09/2025").start, today) << "no TAB: no dates";
    EXPECT_EQ(year("01/09/2025\t").end, today);
    EXPECT_EQ(year("\t31/08/2026").start, today);
    EXPECT_EQ(year("\t31/08/2026").end, aug31);
    // A bad start date ends the reading: the good end date is not taken either.
    EXPECT_EQ(year("31/02/2025\t31/08/2026").start, today);
    EXPECT_EQ(year("31/02/2025\t31/08/2026").end, today);
    EXPECT_EQ(year("01/09/2025\tbientôt").start, sep1);
    EXPECT_EQ(year("01/09/2025\tbientôt").end, today);

    EXPECT_EQ(BureauLines::yearLine(sep1, aug31), QStringLiteral("01/09/2025\t31/08/2026"));
}

TEST(FieldText, KeepsWhatALineOfTheCodePageHolds)
{
    EXPECT_EQ(FieldText::storable(QStringLiteral("Cœur € « été »")), QStringLiteral("Cœur € « été »"));
    EXPECT_EQ(FieldText::storable(QStringLiteral("a\tb\r\nc\u0081d")), QStringLiteral("abcd"));
    EXPECT_EQ(FieldText::storable(QStringLiteral("Łódź 東京")), QStringLiteral("ód "));
}
