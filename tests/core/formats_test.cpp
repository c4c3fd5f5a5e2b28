// Amounts, dates and times the same on every machine.

#include "core/formats.h"
#include "core/rightalign.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include <QFont>
#include <QFontMetrics>

TEST(Formats, AmountsHaveACommaAndTwoDecimals)
{
    EXPECT_EQ(Formats::amount(0), QStringLiteral("0,00"));
    EXPECT_EQ(Formats::amount(7), QStringLiteral("7,00"));
    EXPECT_EQ(Formats::amount(12.5), QStringLiteral("12,50"));
    EXPECT_EQ(Formats::amount(81.994625), QStringLiteral("81,99"));
    EXPECT_EQ(Formats::amount(1234567.891), QStringLiteral("1234567,89"));
    EXPECT_EQ(Formats::amount(-12.5), QStringLiteral("-12,50"));
    EXPECT_EQ(Formats::amount(0.05), QStringLiteral("0,05"));
    EXPECT_EQ(Formats::amount(0.004), QStringLiteral("0,00"));
    EXPECT_EQ(Formats::amount(-0.001), QStringLiteral("0,00"));
}

TEST(Formats, AmountsRoundHalvesUpOnceBinaryNoiseIsGone)
{
    EXPECT_EQ(Formats::amount(12.999), QStringLiteral("13,00"));
    EXPECT_EQ(Formats::amount(2.675), QStringLiteral("2,68"));
    EXPECT_EQ(Formats::amount(99.995), QStringLiteral("100,00"));
    // 13,00 held as the largest double below 13.
    EXPECT_EQ(Formats::amount(std::nextafter(13.0, 0.0)), QStringLiteral("13,00"));
    EXPECT_EQ(Formats::amount(-std::nextafter(0.125, 1.0)), QStringLiteral("-0,13"));
}

TEST(Formats, ParsingAmountsAcceptsCommaOrPointAndBlanks)
{
    double v = 0;
    EXPECT_TRUE(Formats::parseAmount(QStringLiteral("   12,50"), &v));
    EXPECT_DOUBLE_EQ(v, 12.5);
    EXPECT_TRUE(Formats::parseAmount(QStringLiteral("-3.25 "), &v));
    EXPECT_DOUBLE_EQ(v, -3.25);
    for (const char *bad : {"", "  ", "abc", "1,2,3", "12e3", "1 000", ",", "-"})
        EXPECT_FALSE(Formats::parseAmount(QString::fromLatin1(bad), &v)) << bad;
}

TEST(Formats, TypedAmountsAreBroughtToTwoDecimals)
{
    EXPECT_EQ(Formats::twoDecimals(QStringLiteral("7")), QStringLiteral("7,00"));
    EXPECT_EQ(Formats::twoDecimals(QStringLiteral("12,5")), QStringLiteral("12,50"));
    EXPECT_EQ(Formats::twoDecimals(QStringLiteral("12,345")), QStringLiteral("12,34"));
    EXPECT_EQ(Formats::twoDecimals(QStringLiteral("12,")), QStringLiteral("12,00"));
    EXPECT_EQ(Formats::twoDecimals(QStringLiteral("12.5")), QStringLiteral("12,50")) << "a point is a comma";
    EXPECT_EQ(Formats::twoDecimals(QStringLiteral("1,5.2")), QStringLiteral("1,5.")) << "only without a comma";
}

TEST(Formats, DatesAndTimes)
{
    EXPECT_EQ(Formats::date(QDate(2026, 3, 5)), QStringLiteral("05/03/2026"));
    QDate d;
    ASSERT_TRUE(Formats::parseDate(QStringLiteral("1/2/2026"), &d));
    EXPECT_EQ(d, QDate(2026, 2, 1));
    ASSERT_TRUE(Formats::parseDate(QStringLiteral("31/12/99"), &d));
    EXPECT_EQ(d, QDate(2099, 12, 31));
    for (const char *bad : {"  /  /    ", "31/02/2026", "", "12/2026", "aa/bb/cccc", "01/13/2026"})
        EXPECT_FALSE(Formats::parseDate(QString::fromLatin1(bad), &d)) << bad;
    EXPECT_EQ(Formats::time(QTime(9, 5, 7)), QStringLiteral("09:05:07"));
    QTime t;
    ASSERT_TRUE(Formats::parseTime(QStringLiteral("23:59:58"), &t));
    EXPECT_EQ(t, QTime(23, 59, 58));
    EXPECT_FALSE(Formats::parseTime(QStringLiteral("24:00:00"), &t));
}

TEST(Formats, CapitalsAreMadeOfAToZOnly)
{
    EXPECT_EQ(Formats::upperAZ(QStringLiteral("Orléans-sur-mer")), QStringLiteral("ORLéANS-SUR-MER"));
    EXPECT_EQ(Formats::capitalizeAZ(QStringLiteral("élan")), QStringLiteral("élan"));
    EXPECT_EQ(Formats::capitalizeAZ(QStringLiteral("cent")), QStringLiteral("Cent"));
}

TEST(Formats, BlockNumbersHaveFourDigits)
{
    EXPECT_EQ(Formats::blockNumber(0), QStringLiteral("0000"));
    EXPECT_EQ(Formats::blockNumber(12), QStringLiteral("0012"));
    EXPECT_EQ(Formats::blockNumber(9998), QStringLiteral("9998"));
}

TEST(RightAlign, PadsUntilTheTextIsWiderThanTheWidthLessTenPixels)
{
    const QFontMetrics fm{QFont()};
    const QString out = rightAlign(QStringLiteral(" 12,50 "), 110, fm);
    EXPECT_TRUE(out.endsWith(QStringLiteral(" 12,50")));
    EXPECT_GT(fm.horizontalAdvance(out), 100);
    EXPECT_LE(fm.horizontalAdvance(out.mid(1)), 100);
    EXPECT_EQ(rightAlign(QStringLiteral("   "), 110, fm), QString());
    // Text already wider than the width stays as it is.
    const QString wide(60, QLatin1Char('W'));
    EXPECT_EQ(rightAlign(wide, 20, fm), wide);
}

TEST(Formats, WholeNumbersFromStringsAndStoredBytesAgree)
{
    for (const char *text : {"10001", " 42 ", "-7", "+3", "", "  ", "12a", "1 2", "-", "2147483647",
                             "2147483648", "-2147483648", "-2147483649", "0007",
                             // Found by fuzzing: a no-break space (Windows-1252 A0) around the digits.
                             "\r  \r\r\n4\xa0", "10005\xa0", "\xa0-3"}) {
        int fromString = -99, fromBytes = -99;
        const bool a = Formats::parseInt(QString::fromLatin1(text), &fromString);
        const bool b = Formats::parseInt(QByteArrayView(text), &fromBytes);
        EXPECT_EQ(a, b) << text;
        if (a) {
            EXPECT_EQ(fromString, fromBytes) << text;
        }
    }
    int v = 0;
    EXPECT_FALSE(Formats::parseInt(QStringLiteral("2147483648"), &v));
    EXPECT_TRUE(Formats::parseInt(QByteArrayView("-2147483648"), &v));
    EXPECT_EQ(v, INT_MIN);
}
