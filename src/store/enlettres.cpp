#include "store/enlettres.h"

#include "core/formats.h"

#include <cmath>

namespace {

const char *const kUnits[17] = {"",      "un",     "deux",  "trois",    "quatre", "cinq",
                                "six",   "sept",   "huit",  "neuf",     "dix",    "onze",
                                "douze", "treize", "quatorze", "quinze", "seize"};
// Index 7 stays empty: seventy is read as sixty + ten..nineteen.
const char *const kTens[9] = {"", "", "vingt", "trente", "quarante", "cinquante", "soixante", "", "quatre-vingt"};
const char *const kScales[4] = {"cent", "mille", "million", "milliard"};

QString word(const char *w)
{
    return QLatin1Char(' ') + QString::fromLatin1(w);
}

} // namespace

QString EnLettres(qint32 value)
{
    if (value == 0)
        return QStringLiteral(" zéro");

    // The magnitude is taken on 64 bits so that the most negative value, which
    // has no 32-bit opposite, reads like any other.
    const bool negative = value < 0;
    qint64 n = negative ? -qint64(value) : qint64(value);
    QString s;
    int group = 0;
    do {
        int u = int(n % 10);
        int t = int((n / 10) % 10);
        const qint64 rest = n / 100;
        if (t == 1 || t == 7 || t == 9) {
            t -= 1;
            u += 10;
        }
        QString w;
        if (t > 1) {
            w = word(kTens[t]);
            if (t < 8 && (u == 1 || u == 11))
                w += QStringLiteral(" et");
        }
        if (u > 16) {
            w += word("dix");
            u -= 10;
        }
        if (u != 0)
            w += word(kUnits[u]);
        // Eighty takes its "s" only when nothing follows it.
        if (s.isEmpty() && t == 8 && u == 0)
            s = QStringLiteral("s");
        s = w + s;

        const int h = int(rest % 10);
        n = rest / 10;
        if (h != 0) {
            w.clear();
            if (h > 1)
                w = word(kUnits[h]);
            w += word(kScales[0]);
            if (s.isEmpty() && h >= 2)
                s = QStringLiteral("s");
            s = w + s;
        }

        if (n > 0) {
            ++group;
            const int g = int(n % 1000);
            // Millions and milliards take the plural, "mille" never does.
            if (g >= 2 && group >= 2)
                s = QLatin1Char('s') + s;
            if (g != 0)
                s = word(kScales[group]) + s;
            // One thousand is "mille", never "un mille".
            if (g == 1 && group == 1)
                n -= 1;
        }
    } while (n != 0);

    if (negative)
        s = QStringLiteral("moins") + s;
    return s;
}

QString amountSentence(double total, bool *ok)
{
    if (ok)
        *ok = false;
    if (!std::isfinite(total))
        return QString();

    const QString f = Formats::amount(total);
    const int comma = f.indexOf(QLatin1Char(','));
    const QString eurosText = comma < 0 ? f : f.left(comma);
    int euros = 0;
    if (!Formats::parseInt(eurosText, &euros))
        return QString();
    int cents = 0;
    if (comma >= 0)
        Formats::parseInt(f.mid(comma + 1, 2), &cents);

    QString eurosWords = EnLettres(euros);
    // Between -0,99 and -0,01 the euros read as zero: the sign must not be lost
    // on a credit note, so it is said before the zero.
    if (euros == 0 && eurosText.startsWith(QLatin1Char('-')))
        eurosWords = QStringLiteral("moins") + eurosWords;

    const QString a = (eurosWords + QStringLiteral(" Euros") + QStringLiteral(" - ") + EnLettres(cents)
                       + QStringLiteral(" Cts"))
                          .trimmed();
    if (ok)
        *ok = true;
    return Formats::capitalizeAZ(a.left(1)) + a.mid(1, 255);
}
