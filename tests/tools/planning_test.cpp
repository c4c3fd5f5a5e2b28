// The planning file: month lines, names of categories, hostile lines kept,
// years within their bounds and the Gregorian February.

#include "tools/planning.h"

#include "core/textfile.h"

#include "toolstest.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace {

QString monthLine(const QString &yearAndMonth, const QString &days = {})
{
    return yearAndMonth + days.leftJustified(31, QLatin1Char(' '));
}

class PlanningTest : public ToolFilesTest
{
protected:
    QString file() const { return path("asso.opl"); }
};

} // namespace

TEST_F(PlanningTest, AFirstMarkWritesTheSpaceLineAndTheYear)
{
    Planning p(2026);
    ASSERT_TRUE(p.Charge(file()));
    EXPECT_FALSE(p.modified());
    ASSERT_TRUE(p.Sauve(file()));
    EXPECT_FALSE(TextFile::exists(file())) << "nothing changed, nothing written";

    p.currentCategory = 2;
    ASSERT_TRUE(p.click(3, 3));
    ASSERT_TRUE(p.click(3, 4));
    ASSERT_TRUE(p.Sauve(file()));
    const QStringList lines = fileLines(file());
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines[0], " ");
    EXPECT_EQ(lines[1], monthLine("20261"));
    EXPECT_EQ(lines[3], monthLine("20263", "  22"));
    EXPECT_EQ(lines[12], monthLine("2026C"));
}

TEST_F(PlanningTest, YearsKeepTheirMarksAndTheirOrder)
{
    Planning p(2026);
    p.click(1, 1);
    p.nextYear();
    EXPECT_EQ(p.cell(1, 1), QChar(' '));
    p.currentCategory = 8;
    p.click(12, 31);
    p.previousYear();
    EXPECT_EQ(p.category(1, 1), 1);
    p.click(1, 1);
    EXPECT_EQ(p.category(1, 1), 0) << "a marked day is freed, whatever its category";
    p.click(1, 2);
    ASSERT_TRUE(p.Sauve(file()));
    const QStringList lines = fileLines(file());
    ASSERT_EQ(lines.size(), 25);
    EXPECT_EQ(lines[12], monthLine("2027C", QString(30, ' ') + "8")) << "2027 was written before 2026 was again";
    EXPECT_EQ(lines[13], monthLine("20261", " 8"));

    Planning again(2027);
    ASSERT_TRUE(again.Charge(file()));
    EXPECT_EQ(again.category(12, 31), 8);
    again.previousYear();
    EXPECT_EQ(again.category(1, 2), 8);
}

TEST_F(PlanningTest, FebruaryFollowsTheGregorianRuleAndYearsStayWithinFourDigits)
{
    EXPECT_EQ(Planning::FinMois(13, 2026), 0);
    Planning p(2100);
    EXPECT_FALSE(p.click(2, 29));
    EXPECT_FALSE(p.click(2, 30));
    EXPECT_FALSE(p.modified());
    p.setYear(2024);
    EXPECT_TRUE(p.click(2, 29));

    p.setYear(1000);
    p.previousYear();
    EXPECT_EQ(p.year(), 1000);
    p.setYear(9999);
    p.nextYear();
    EXPECT_EQ(p.year(), 9999);
    EXPECT_EQ(Planning(123).year(), 1000);
}

TEST_F(PlanningTest, HostileLinesAreSkippedWhenReadAndKeptWhenWritten)
{
    const QStringList hostile{
        "texte libre",
        monthLine("20263", "1"),                         // a good line, read
        monthLine("2026a", "77"),                        // month 10 written in small letters, read
        monthLine("2026D", "3"),                         // no month D: kept as it is
        monthLine("20260", "3"),                         // no month 0: kept
        "20265" + QString("44"),                         // cut short: kept
        "2026",                                          // the year alone: kept
        monthLine("20264", "x\x01" "9"),                 // odd days: shown white, written back
        QString::fromUtf8("PRJ2Conseil d'administration"),
        "PRJ9 no such category",
    };
    ASSERT_TRUE(TextFile::writeLines(file(), hostile));
    Planning p(2026);
    ASSERT_TRUE(p.Charge(file()));
    EXPECT_EQ(p.category(3, 1), 1);
    EXPECT_EQ(p.category(10, 2), 7);
    EXPECT_EQ(p.category(5, 1), 0);
    EXPECT_EQ(p.cell(4, 1), QChar('x'));
    EXPECT_EQ(p.category(4, 3), 0);
    EXPECT_EQ(p.name(2), "Conseil d'administration");
    EXPECT_EQ(p.name(1), "Vacances");

    p.click(5, 1);
    ASSERT_TRUE(p.Sauve(file()));
    const QStringList lines = fileLines(file());
    for (const QString &kept : {hostile[0], hostile[3], hostile[4], hostile[5], hostile[6], hostile[8], hostile[9]})
        EXPECT_TRUE(lines.contains(kept)) << qPrintable(kept);
    EXPECT_FALSE(lines.contains(hostile[2])) << "a month line read is written in its new form";
    EXPECT_TRUE(lines.contains(monthLine("2026A", "77")));
    EXPECT_TRUE(lines.contains(monthLine("20264", "x\x01" "9")));
    EXPECT_TRUE(lines.contains(monthLine("20265", "1")));
    EXPECT_EQ(lines.size(), hostile.size() - 3 + 12);
}

TEST_F(PlanningTest, RenamedCategoriesAreKeptForTheNextOpening)
{
    Planning p(2026);
    p.rename(5, QString::fromUtf8("Fête\tdu\nclub 🎉"));
    p.rename(5, "Fête");
    p.rename(3, "Stage");
    EXPECT_TRUE(p.modified());
    ASSERT_TRUE(p.Sauve(file()));
    const QStringList lines = fileLines(file());
    EXPECT_EQ(lines.count(QString::fromUtf8("PRJ5Fête")), 1) << "a name replaces the line of its category";
    Planning again(2026);
    ASSERT_TRUE(again.Charge(file()));
    EXPECT_EQ(again.name(5), QString::fromUtf8("Fête"));
    EXPECT_EQ(again.name(3), "Stage");
    EXPECT_EQ(again.name(4), "Salon");

    Planning odd(2026);
    odd.rename(1, QString::fromUtf8("Fête\tdu\nclub 🎉"));
    EXPECT_EQ(odd.name(1), QString::fromUtf8("Fête du club ")) << "a line of the file stays one line";
}

TEST_F(PlanningTest, AStoreNeverSavedWritesNothing)
{
    Planning p(2026);
    ASSERT_TRUE(p.Charge(Planning::fileName(QString())));
    p.click(1, 1);
    ASSERT_TRUE(p.Sauve(Planning::fileName(QString())));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}
