#include "store/enlettres.h"

#include "support/fakedialogs.h"

#include <QHash>
#include <QStringList>

#include <climits>
#include <cmath>
#include <limits>

namespace {

// Reads French number words back into a number, independently of the way they
// were produced. Spacing or wording that French does not use fails the read:
// a missing or stray "et", a plural of quatre-vingt or cent not ending the
// number (or missing there), "un cent", "un mille", a wrongly numbered million
// or milliard, double or trailing blanks.
bool readFrench(const QString &text, qint64 *value)
{
    static const QStringList units = QString("un deux trois quatre cinq six sept huit neuf dix onze douze treize "
                                             "quatorze quinze seize").split(' ');
    static const QStringList etTens = {"vingt", "trente", "quarante", "cinquante", "soixante"};
    static const QHash<QString, qint64> scales = {{"million", 1000000}, {"millions", 1000000},
                                                  {"milliard", 1000000000}, {"milliards", 1000000000}};
    const bool negative = text.startsWith(QLatin1String("moins"));
    const QStringList parts = text.mid(negative ? 5 : 0).split(QLatin1Char(' '));
    const QStringList words = parts.mid(1);
    if (parts.size() < 2 || !parts[0].isEmpty() || words.contains(QString()))
        return false;
    if (words == QStringList{"zéro"}) {
        *value = 0;
        return !negative;
    }
    qint64 total = 0;
    qint64 current = 0;
    for (int i = 0; i < words.size(); ++i) {
        const QString &w = words[i];
        const bool last = i == words.size() - 1;
        const QString next = last ? QString() : words[i + 1];
        if (units.contains(w)) {
            current += units.indexOf(w) + 1;
        } else if (etTens.contains(w) || w == QLatin1String("quatre-vingt") || w == QLatin1String("quatre-vingts")) {
            const bool eighty = !etTens.contains(w);
            if ((w == QLatin1String("quatre-vingts")) != (last && eighty)
                || (!eighty && (next == QLatin1String("un") || next == QLatin1String("onze"))))
                return false;
            current += eighty ? 80 : 20 + 10 * etTens.indexOf(w);
        } else if (w == QLatin1String("et")) {
            if (i == 0 || !etTens.contains(words[i - 1]) || (next != QLatin1String("un") && next != QLatin1String("onze")))
                return false;
        } else if (w == QLatin1String("cent") || w == QLatin1String("cents")) {
            if (current == 1 || (w == QLatin1String("cents")) != (last && current > 1))
                return false;
            current = std::max<qint64>(current, 1) * 100;
        } else if (w == QLatin1String("mille")) {
            if (current == 1)
                return false;
            total += std::max<qint64>(current, 1) * 1000;
            current = 0;
        } else if (scales.contains(w)) {
            if (current == 0 || w.endsWith(QLatin1Char('s')) != (current >= 2))
                return false;
            total += current * scales.value(w);
            current = 0;
        } else {
            return false;
        }
    }
    *value = (negative ? -1 : 1) * (total + current);
    return true;
}

void checkReadsBack(qint32 n)
{
    const QString s = EnLettres(n);
    qint64 back = -1;
    ASSERT_TRUE(readFrench(s, &back)) << n << " -> \"" << s.toStdString() << '"';
    ASSERT_EQ(back, qint64(n)) << s.toStdString();
}

using EnLettresTest = VelmoraTest;

} // namespace

TEST_F(EnLettresTest, WorkedExamplesAndEdgeCases)
{
    // What the read-back below takes for French, spelt out.
    const QList<QPair<qint32, const char *>> table = {
        {0, " zéro"}, {21, " vingt et un"}, {77, " soixante dix sept"}, {80, " quatre-vingts"},
        {81, " quatre-vingt un"}, {200, " deux cents"}, {201, " deux cent un"}, {80000, " quatre-vingt mille"},
        {1001000, " un million mille"}, {-5, "moins cinq"},
    };
    for (const auto &[n, words] : table)
        EXPECT_EQ(EnLettres(n), QString::fromUtf8(words)) << n;
}

TEST_F(EnLettresTest, EveryNumberReadsBack)
{
    // Every group of three digits alone and after "mille"; then strides prime
    // to ten, which visit every digit pattern in the thousands and beyond.
    for (qint32 n = 0; n <= 2000; ++n)
        ASSERT_NO_FATAL_FAILURE(checkReadsBack(n));
    for (qint32 n = 0; n <= 3000000; n += 997)
        ASSERT_NO_FATAL_FAILURE(checkReadsBack(n));
    for (qint64 n = 0; n <= INT_MAX; n += 999983) {
        ASSERT_NO_FATAL_FAILURE(checkReadsBack(qint32(n)));
        ASSERT_NO_FATAL_FAILURE(checkReadsBack(qint32(-n)));
    }
    for (qint32 n : {INT_MIN + 1, 1000000080, 2000000000, 1001001001, 80080080, 100100100, 1000001, 1080000000})
        ASSERT_NO_FATAL_FAILURE(checkReadsBack(n));
}

TEST_F(EnLettresTest, SentenceOfATotal)
{
    const QList<QPair<double, const char *>> table = {
        {120.50, "Cent vingt Euros -  cinquante Cts"},
        {1000.00, "Mille Euros -  zéro Cts"},
        {-12.50, "Moins douze Euros -  cinquante Cts"},
        {0.05, "Zéro Euros -  cinq Cts"},
        // Euros and cents come from the same rounded total.
        {12.999, "Treize Euros -  zéro Cts"},
        {std::nextafter(13.0, 0.0), "Treize Euros -  zéro Cts"},
        {0.995, "Un Euros -  zéro Cts"},
        // A small credit keeps its sign; rounded to nothing, there is no sign to show.
        {-0.50, "Moins zéro Euros -  cinquante Cts"},
        {-0.001, "Zéro Euros -  zéro Cts"},
        {2147483647.0, "Deux milliards cent quarante sept millions quatre cent quatre-vingt trois mille six cent "
                       "quarante sept Euros -  zéro Cts"},
        {-2147483648.0, "Moins deux milliards cent quarante sept millions quatre cent quatre-vingt trois mille "
                        "six cent quarante huit Euros -  zéro Cts"},
    };
    for (const auto &[total, words] : table) {
        bool ok = false;
        EXPECT_EQ(amountSentence(total, &ok), QString::fromUtf8(words)) << total;
        EXPECT_TRUE(ok) << total;
    }
    // Euros outside the 32-bit range have no sentence rather than a wrong one.
    for (double too : {2147483648.0, 2147483647.996, -2147483649.0, 1e300, std::numeric_limits<double>::infinity(),
                       std::numeric_limits<double>::quiet_NaN()}) {
        bool ok = true;
        EXPECT_TRUE(amountSentence(too, &ok).isEmpty()) << too;
        EXPECT_FALSE(ok) << too;
    }
}
