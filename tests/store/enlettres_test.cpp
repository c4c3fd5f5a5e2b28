#include "store/enlettres.h"

#include "support/fakedialogs.h"

#include <QHash>
#include <QStringList>

#include <climits>
#include <limits>

namespace {

// Reads French number words back into a number, independently of the way they
// were produced; unknown words fail the read.
bool readFrench(const QString &text, qint64 *value)
{
    static const QHash<QString, int> small = {
        {QStringLiteral("un"), 1},        {QStringLiteral("deux"), 2},      {QStringLiteral("trois"), 3},
        {QStringLiteral("quatre"), 4},    {QStringLiteral("cinq"), 5},      {QStringLiteral("six"), 6},
        {QStringLiteral("sept"), 7},      {QStringLiteral("huit"), 8},      {QStringLiteral("neuf"), 9},
        {QStringLiteral("dix"), 10},      {QStringLiteral("onze"), 11},     {QStringLiteral("douze"), 12},
        {QStringLiteral("treize"), 13},   {QStringLiteral("quatorze"), 14}, {QStringLiteral("quinze"), 15},
        {QStringLiteral("seize"), 16},    {QStringLiteral("vingt"), 20},    {QStringLiteral("trente"), 30},
        {QStringLiteral("quarante"), 40}, {QStringLiteral("cinquante"), 50}, {QStringLiteral("soixante"), 60},
        {QStringLiteral("quatre-vingt"), 80}, {QStringLiteral("quatre-vingts"), 80}};
    QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    bool negative = false;
    if (!words.isEmpty() && words.first() == QLatin1String("moins")) {
        negative = true;
        words.removeFirst();
    }
    if (words == QStringList{QStringLiteral("zéro")}) {
        *value = 0;
        return true;
    }
    qint64 total = 0;
    qint64 current = 0;
    for (const QString &w : words) {
        if (small.contains(w)) {
            current += small.value(w);
        } else if (w == QLatin1String("et")) {
        } else if (w == QLatin1String("cent") || w == QLatin1String("cents")) {
            current = (current == 0 ? 1 : current) * 100;
        } else if (w == QLatin1String("mille")) {
            total += (current == 0 ? 1 : current) * 1000;
            current = 0;
        } else if (w == QLatin1String("million") || w == QLatin1String("millions")) {
            total += current * 1000000;
            current = 0;
        } else if (w == QLatin1String("milliard") || w == QLatin1String("milliards")) {
            total += current * 1000000000LL;
            current = 0;
        } else {
            return false;
        }
    }
    total += current;
    *value = negative ? -total : total;
    return !words.isEmpty();
}

// The grammar rules every result must keep, whatever the number.
void checkGrammar(qint32 n, const QString &s)
{
    SCOPED_TRACE(n);
    if (n < 0) {
        ASSERT_TRUE(s.startsWith(QLatin1String("moins "))) << s.toStdString();
    } else {
        ASSERT_TRUE(s.startsWith(QLatin1Char(' ')) && !s.startsWith(QLatin1String("  "))) << s.toStdString();
    }
    EXPECT_FALSE(s.contains(QLatin1String("  "))) << s.toStdString();
    EXPECT_FALSE(s.endsWith(QLatin1Char(' '))) << s.toStdString();
    QString withoutEighty = s;
    withoutEighty.remove(QLatin1String("quatre-vingt"));
    EXPECT_FALSE(withoutEighty.contains(QLatin1Char('-'))) << s.toStdString();

    const QStringList w = s.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    static const QStringList etTens = {QStringLiteral("vingt"), QStringLiteral("trente"),
                                       QStringLiteral("quarante"), QStringLiteral("cinquante"),
                                       QStringLiteral("soixante")};
    static const QStringList scales = {QStringLiteral("million"), QStringLiteral("millions"),
                                       QStringLiteral("milliard"), QStringLiteral("milliards")};
    for (int i = 0; i < w.size(); ++i) {
        const bool last = i == w.size() - 1;
        if (w[i] == QLatin1String("et")) {
            EXPECT_TRUE(i > 0 && etTens.contains(w[i - 1])) << s.toStdString();
            EXPECT_TRUE(!last && (w[i + 1] == QLatin1String("un") || w[i + 1] == QLatin1String("onze")))
                << s.toStdString();
        }
        if (w[i] == QLatin1String("quatre-vingts") || w[i] == QLatin1String("cents")) {
            EXPECT_TRUE(last) << s.toStdString();
        }
        if (w[i] == QLatin1String("cents")) {
            EXPECT_TRUE(i > 0 && w[i - 1] != QLatin1String("moins")) << s.toStdString();
        }
        // A multiplied hundred ending the number takes an s.
        if (w[i] == QLatin1String("cent") && last && i > 0) {
            EXPECT_TRUE(w[i - 1] == QLatin1String("moins") || w[i - 1] == QLatin1String("mille")
                        || scales.contains(w[i - 1]))
                << s.toStdString();
        }
        EXPECT_NE(w[i], QLatin1String("milles")) << s.toStdString();
        // One thousand (alone in its group) is "mille", never "un mille".
        if (w[i] == QLatin1String("mille") && i > 0 && w[i - 1] == QLatin1String("un")) {
            EXPECT_TRUE(i >= 2 && !scales.contains(w[i - 2]) && w[i - 2] != QLatin1String("moins"))
                << s.toStdString();
        }
    }
    const qint64 magnitude = n < 0 ? -qint64(n) : qint64(n);
    const qint64 millions = (magnitude / 1000000) % 1000;
    if (millions == 1) {
        EXPECT_TRUE(w.contains(QStringLiteral("million"))) << s.toStdString();
    }
    if (millions >= 2) {
        EXPECT_TRUE(w.contains(QStringLiteral("millions"))) << s.toStdString();
    }
    const qint64 milliards = magnitude / 1000000000;
    if (milliards == 1) {
        EXPECT_TRUE(w.contains(QStringLiteral("milliard"))) << s.toStdString();
    }
    if (milliards >= 2) {
        EXPECT_TRUE(w.contains(QStringLiteral("milliards"))) << s.toStdString();
    }
    if (magnitude % 100 == 80) {
        EXPECT_TRUE(s.endsWith(QLatin1String("quatre-vingts"))) << s.toStdString();
    }
}

void checkNumber(qint32 n)
{
    const QString s = EnLettres(n);
    qint64 back = -1;
    ASSERT_TRUE(readFrench(s, &back)) << n << " -> " << s.toStdString();
    EXPECT_EQ(back, qint64(n)) << s.toStdString();
    checkGrammar(n, s);
}

} // namespace

class EnLettresTest : public VelmoraTest
{
};

TEST_F(EnLettresTest, WorkedExamples)
{
    const QList<QPair<qint32, QString>> table = {
        {0, QStringLiteral(" zéro")},
        {1, QStringLiteral(" un")},
        {17, QStringLiteral(" dix sept")},
        {21, QStringLiteral(" vingt et un")},
        {71, QStringLiteral(" soixante et onze")},
        {77, QStringLiteral(" soixante dix sept")},
        {80, QStringLiteral(" quatre-vingts")},
        {81, QStringLiteral(" quatre-vingt un")},
        {91, QStringLiteral(" quatre-vingt onze")},
        {100, QStringLiteral(" cent")},
        {180, QStringLiteral(" cent quatre-vingts")},
        {200, QStringLiteral(" deux cents")},
        {201, QStringLiteral(" deux cent un")},
        {1000, QStringLiteral(" mille")},
        {2000, QStringLiteral(" deux mille")},
        {21000, QStringLiteral(" vingt et un mille")},
        {80000, QStringLiteral(" quatre-vingt mille")},
        {1001000, QStringLiteral(" un million mille")},
        {2000000, QStringLiteral(" deux millions")},
        {81000000, QStringLiteral(" quatre-vingt un millions")},
        {-5, QStringLiteral("moins cinq")},
    };
    for (const auto &row : table)
        EXPECT_EQ(EnLettres(row.first), row.second) << row.first;
}

TEST_F(EnLettresTest, EdgeCases)
{
    EXPECT_EQ(EnLettres(70), QStringLiteral(" soixante dix"));
    EXPECT_EQ(EnLettres(90), QStringLiteral(" quatre-vingt dix"));
    EXPECT_EQ(EnLettres(1000000), QStringLiteral(" un million"));
    EXPECT_EQ(EnLettres(1000000000), QStringLiteral(" un milliard"));
    EXPECT_EQ(EnLettres(INT_MAX), QStringLiteral(" deux milliards cent quarante sept millions quatre cent "
                                                 "quatre-vingt trois mille six cent quarante sept"));
    EXPECT_EQ(EnLettres(INT_MIN), QStringLiteral("moins deux milliards cent quarante sept millions quatre "
                                                 "cent quatre-vingt trois mille six cent quarante huit"));
    EXPECT_EQ(EnLettres(-80), QStringLiteral("moins quatre-vingts"));
    EXPECT_EQ(EnLettres(200000), QStringLiteral(" deux cent mille"));
    EXPECT_EQ(EnLettres(1100), QStringLiteral(" mille cent"));
}

TEST_F(EnLettresTest, EveryNumberUpToTwoHundredThousandReadsBack)
{
    for (qint32 n = 0; n <= 200000; ++n) {
        checkNumber(n);
        if (HasFailure())
            return;
    }
}

TEST_F(EnLettresTest, SpreadOverTheWholeRangeReadsBack)
{
    // A stride prime to ten visits every digit pattern in every group.
    for (qint64 n = 0; n <= INT_MAX; n += 999983) {
        checkNumber(qint32(n));
        checkNumber(qint32(-n));
        if (HasFailure())
            return;
    }
    for (qint32 n : {INT_MAX, INT_MIN, INT_MIN + 1, 1000000080, 2000000000, 1001001001, 80080080,
                     100100100, 1000001, 1080000000})
        checkNumber(n);
}

TEST_F(EnLettresTest, SentenceWorkedExamples)
{
    EXPECT_EQ(amountSentence(120.50), QStringLiteral("Cent vingt Euros -  cinquante Cts"));
    EXPECT_EQ(amountSentence(1000.00), QStringLiteral("Mille Euros -  zéro Cts"));
    EXPECT_EQ(amountSentence(-12.50), QStringLiteral("Moins douze Euros -  cinquante Cts"));
    EXPECT_EQ(amountSentence(0.05), QStringLiteral("Zéro Euros -  cinq Cts"));
    EXPECT_EQ(amountSentence(80.80), QStringLiteral("Quatre-vingts Euros -  quatre-vingts Cts"));
}

TEST_F(EnLettresTest, SentenceTakesEurosAndCentsFromTheSameRoundedTotal)
{
    EXPECT_EQ(amountSentence(12.999), QStringLiteral("Treize Euros -  zéro Cts"));
    double sum = 0;
    for (int i = 0; i < 130; ++i)
        sum += 0.1;
    ASSERT_LT(sum, 13.0);
    EXPECT_EQ(amountSentence(sum), QStringLiteral("Treize Euros -  zéro Cts"));
    EXPECT_EQ(amountSentence(0.995), QStringLiteral("Un Euros -  zéro Cts"));
}

TEST_F(EnLettresTest, SentenceKeepsTheSignOfSmallCredits)
{
    EXPECT_EQ(amountSentence(-0.50), QStringLiteral("Moins zéro Euros -  cinquante Cts"));
    // Rounded to nothing, a negative total has no sign to show.
    EXPECT_EQ(amountSentence(-0.001), QStringLiteral("Zéro Euros -  zéro Cts"));
}

TEST_F(EnLettresTest, SentenceOutsideTheIntegerRangeIsRefused)
{
    bool ok = true;
    EXPECT_EQ(amountSentence(2147483647.0, &ok),
              QStringLiteral("Deux milliards cent quarante sept millions quatre cent quatre-vingt trois mille six "
                             "cent quarante sept Euros -  zéro Cts"));
    EXPECT_TRUE(ok);
    EXPECT_TRUE(amountSentence(-2147483648.0, &ok).startsWith(QLatin1String("Moins deux milliards")));
    EXPECT_TRUE(ok);
    for (double too : {2147483648.0, 2147483647.996, -2147483649.0, 1e300, std::numeric_limits<double>::infinity(),
                       std::numeric_limits<double>::quiet_NaN()}) {
        ok = true;
        EXPECT_TRUE(amountSentence(too, &ok).isEmpty()) << too;
        EXPECT_FALSE(ok) << too;
    }
}

TEST_F(EnLettresTest, SentenceHasOneDoubleBlankOnlyAfterTheDash)
{
    for (int cents = -100000; cents <= 100000; cents += 37) {
        const QString s = amountSentence(cents / 100.0);
        ASSERT_EQ(s.count(QLatin1String("  ")), 1) << s.toStdString();
        ASSERT_TRUE(s.contains(QLatin1String(" -  "))) << s.toStdString();
        ASSERT_TRUE(s.at(0).isUpper()) << s.toStdString();
        ASSERT_TRUE(s.endsWith(QLatin1String(" Cts"))) << s.toStdString();
    }
}
