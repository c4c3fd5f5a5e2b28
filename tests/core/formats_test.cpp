// Amounts, dates and times the same on every machine.

#include "core/formats.h"
#include "core/money.h"
#include "core/rightalign.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include <QFont>
#include <QFontMetrics>

TEST(Formats, AmountsHaveACommaAndTwoDecimalsRoundedHalfUpOnceBinaryNoiseIsGone)
{
    const std::pair<double, const char *> cases[] = {
        {0, "0,00"}, {7, "7,00"}, {12.5, "12,50"}, {81.994625, "81,99"}, {1234567.891, "1234567,89"},
        {-12.5, "-12,50"}, {0.05, "0,05"}, {0.004, "0,00"}, {-0.001, "0,00"}, {12.999, "13,00"}, {2.675, "2,68"},
        {99.995, "100,00"}, {std::nextafter(13.0, 0.0), "13,00"}, {-std::nextafter(0.125, 1.0), "-0,13"}};
    for (const auto &[value, text] : cases)
        EXPECT_EQ(Formats::amount(value), QString::fromLatin1(text)) << value;
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
    // A point is a comma, only without a comma.
    for (const auto &[typed, shown] : {std::pair{"7", "7,00"}, {"12,5", "12,50"}, {"12,345", "12,34"}, {"12,", "12,00"},
                                       {"12.5", "12,50"}, {"1,5.2", "1,5."}})
        EXPECT_EQ(Formats::twoDecimals(typed), QString::fromLatin1(shown)) << typed;
}

TEST(Money, ParsesAndWritesAmountsExactly)
{
    Money::Cents c = 0;
    const std::pair<const char *, Money::Cents> good[] = {
        {"12", 1200}, {" 12,5 ", 1250}, {"0.105", 11}, {"-0,5", -50}, {",5", 50}, {"1,004", 100},
        {"+7", 700},  {"-3,25", -325},  {"-1,005", -101}};
    for (const auto &[text, cents] : good) {
        ASSERT_TRUE(Money::parse(QString::fromLatin1(text), &c)) << text;
        EXPECT_EQ(c, cents) << text;
    }
    for (const char *bad : {"", " ", ",", "1.2.3", "12a", "1 000", "-", "--1", "1234567890123456"})
        EXPECT_FALSE(Money::parse(QString::fromLatin1(bad), &c)) << bad;
    EXPECT_EQ(Money::format(-5) + ' ' + Money::format(0) + ' ' + Money::format(LLONG_MIN),
              "-0,05 0,00 -92233720368547758,08");
    EXPECT_EQ(Money::formatShort(50) + ' ' + Money::formatShort(-50) + ' ' + Money::formatShort(1200), ",50 -,50 12,00");
}

TEST(Money, LeadingZerosCountTowardsTheFifteenDigitsUnlessIgnored)
{
    const QByteArrayView zeros("00000000000000000012.00");
    Money::Cents c = 0;
    EXPECT_FALSE(Money::parse(zeros, &c));
    ASSERT_TRUE(Money::parse(zeros, &c, Money::LeadingZeros::Ignored));
    EXPECT_EQ(c, 1200);
    EXPECT_FALSE(Money::parse(QByteArrayView("0001234567890123456"), &c, Money::LeadingZeros::Ignored));
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

TEST(Formats, MonthNamesAndHexDigits)
{
    EXPECT_EQ(Formats::monthName(8), "Août");
    EXPECT_EQ(Formats::monthName(0) + Formats::monthName(13), QString());
    for (const auto &[c, value] :
         {std::pair{u'0', 0}, {u'9', 9}, {u'a', 10}, {u'F', 15}, {u'g', -1}, {u'/', -1}, {u'\xE9', -1}})
        EXPECT_EQ(Formats::hexDigit(c), value) << int(c);
}

TEST(Formats, CapitalsAreMadeOfAToZOnlyAndBlockNumbersHaveFourDigits)
{
    EXPECT_EQ(Formats::upperAZ(QStringLiteral("Orléans-sur-mer")), QStringLiteral("ORLéANS-SUR-MER"));
    EXPECT_EQ(Formats::capitalizeAZ(QStringLiteral("élan")) + Formats::capitalizeAZ("cent"), QStringLiteral("élanCent"));
    EXPECT_EQ(Formats::blockNumber(0) + Formats::blockNumber(12) + Formats::blockNumber(9998), "000000129998");
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
