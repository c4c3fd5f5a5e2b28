#include "settings/bureau.h"
#include "settings/fieldtext.h"

#include "support/fakedialogs.h"

using BureauLinesTest = VelmoraTest;

TEST_F(BureauLinesTest, OfficerLineSplitsAtTheFirstTab)
{
    // Line, name, telephone.
    const QString longPhone(300, '9');
    const QStringList cases[] = {{"Dupont\t01 02\tposte 3", "Dupont", "01 02\tposte 3"},
                                 {"Dupont", "", ""},
                                 {"\t", "", ""},
                                 {"X\t" + longPhone, "X", longPhone.left(255)}};
    for (const QStringList &c : cases) {
        const BureauLines::Officer o = BureauLines::splitOfficer(c[0]);
        EXPECT_EQ(o.name, c[1]) << qPrintable(c[0]);
        EXPECT_EQ(o.phone, c[2]) << qPrintable(c[0]);
    }
    EXPECT_EQ(BureauLines::joinOfficer("Mme Lefèvre", "06"), "Mme Lefèvre\t06");
}

TEST_F(BureauLinesTest, YearDatesWithTodayWhereTheLineGivesNone)
{
    const QDate today(2026, 3, 15);
    const QDate sep1(2025, 9, 1);
    const QDate aug31(2026, 8, 31);
    const struct
    {
        const char *line;
        QDate start;
        QDate end;
    } cases[] = {{"01/09/2025\t31/08/2026", sep1, aug31},
                 {"", today, today},
                 {"01/09/2025", today, today}, // no TAB: no dates
                 {"01/09/2025\t", sep1, today},
                 {"\t31/08/2026", today, aug31},
                 // A bad start date ends the reading: the good end date is not taken either.
                 {"31/02/2025\t31/08/2026", today, today},
                 {"01/09/2025\tbientôt", sep1, today}};
    for (const auto &c : cases) {
        const BureauLines::Year y = BureauLines::readYear(QString::fromUtf8(c.line), today);
        EXPECT_EQ(y.start, c.start) << c.line;
        EXPECT_EQ(y.end, c.end) << c.line;
    }
    EXPECT_EQ(BureauLines::yearLine(sep1, aug31), "01/09/2025\t31/08/2026");
}

TEST(FieldText, KeepsWhatALineOfTheCodePageHolds)
{
    EXPECT_EQ(FieldText::storable("Cœur € « été »"), "Cœur € « été »");
    EXPECT_EQ(FieldText::storable("a\tb\r\nc\u0081d"), "abcd");
    EXPECT_EQ(FieldText::storable("Łódź 東京"), "ód ");
}
