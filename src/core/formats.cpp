#include "core/formats.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace Formats {

QString amount(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0,00");
    // Fifteen significant digits strip the error of binary fractions, then the
    // decimal digits are rounded by hand, halves away from zero.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    // buf: d.dddddddddddddde[+-]xx
    std::string digits;
    digits += buf[0];
    digits.append(buf + 2, 14);
    const int exp10 = std::atoi(buf + 17);
    // value = 0.digits * 10^(exp10 + 1); keep the digits up to 1/100.
    const int intDigits = exp10 + 1;
    const int keep = intDigits + 2;
    std::string kept;
    bool roundUp = false;
    if (keep <= 0) {
        kept = "0";
        roundUp = keep == 0 && digits[0] >= '5';
    } else {
        kept = digits.substr(0, size_t(std::min<int>(keep, int(digits.size()))));
        while (int(kept.size()) < keep)
            kept += '0';
        roundUp = keep < int(digits.size()) && digits[size_t(keep)] >= '5';
    }
    // kept holds the value in hundredths.
    if (roundUp) {
        int i = int(kept.size()) - 1;
        while (i >= 0) {
            if (kept[size_t(i)] == '9') {
                kept[size_t(i)] = '0';
                --i;
            } else {
                ++kept[size_t(i)];
                break;
            }
        }
        if (i < 0)
            kept.insert(kept.begin(), '1');
    }
    while (kept.size() < 3)
        kept.insert(kept.begin(), '0');
    size_t firstNonZero = 0;
    while (firstNonZero + 3 < kept.size() && kept[firstNonZero] == '0')
        ++firstNonZero;
    kept = kept.substr(firstNonZero);
    QString text = QString::fromLatin1(kept.data(), int(kept.size()));
    text.insert(text.size() - 2, QLatin1Char(','));
    const bool zero = kept.find_first_not_of('0') == std::string::npos;
    if (value < 0 && !zero)
        text.prepend(QLatin1Char('-'));
    return text;
}

bool parseAmount(const QString &text, double *value)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    // Only a sign, digits and one decimal point: no exponent, no thousands.
    int points = 0;
    int digits = 0;
    for (int i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == QLatin1Char('.'))
            ++points;
        else if (c.isDigit() && c.unicode() < 128)
            ++digits;
        else if (!(i == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+'))))
            return false;
    }
    if (points > 1 || digits == 0)
        return false;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok)
        return false;
    *value = v;
    return true;
}

bool parseInt(const QString &text, int *value)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    for (int i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        const bool sign = i == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+'));
        if (!sign && !(c.unicode() >= '0' && c.unicode() <= '9'))
            return false;
    }
    bool ok = false;
    const int v = t.toInt(&ok);
    if (!ok)
        return false;
    *value = v;
    return true;
}

bool parseInt(QByteArrayView text, int *value)
{
    qsizetype b = 0, e = text.size();
    // The blanks a decoded line's trimmed() takes away: the no-break space of
    // Windows-1252 too, so that a stored code reads the same either way.
    const auto blank = [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || uchar(c) == 0xA0;
    };
    while (b < e && blank(text[b]))
        ++b;
    while (e > b && blank(text[e - 1]))
        --e;
    if (b == e)
        return false;
    bool negative = false;
    if (text[b] == '-' || text[b] == '+') {
        negative = text[b] == '-';
        ++b;
    }
    if (b == e)
        return false;
    qint64 v = 0;
    for (qsizetype i = b; i < e; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
        if (v > qint64(INT_MAX) + 1)
            return false;
    }
    if (negative)
        v = -v;
    if (v > INT_MAX || v < INT_MIN)
        return false;
    *value = int(v);
    return true;
}

int toIntOr(const QString &text, int fallback)
{
    int v = 0;
    return parseInt(text, &v) ? v : fallback;
}

QString date(const QDate &d)
{
    if (!d.isValid())
        return QString();
    return QString::asprintf("%02d/%02d/%04d", d.day(), d.month(), d.year());
}

bool parseDate(const QString &text, QDate *d)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('/'));
    if (parts.size() != 3)
        return false;
    int day = 0, month = 0, year = 0;
    for (const QString &p : parts)
        if (p.trimmed().isEmpty())
            return false;
    if (!parseInt(parts[0], &day) || !parseInt(parts[1], &month) || !parseInt(parts[2], &year))
        return false;
    if (parts[2].trimmed().size() <= 2)
        year += 2000;
    const QDate result(year, month, day);
    if (!result.isValid() || day < 0 || month < 0)
        return false;
    *d = result;
    return true;
}

QString time(const QTime &t)
{
    if (!t.isValid())
        return QString();
    return QString::asprintf("%02d:%02d:%02d", t.hour(), t.minute(), t.second());
}

bool parseTime(const QString &text, QTime *t)
{
    const QStringList parts = text.trimmed().split(QLatin1Char(':'));
    if (parts.size() < 2 || parts.size() > 3)
        return false;
    int h = 0, m = 0, s = 0;
    if (!parseInt(parts[0], &h) || !parseInt(parts[1], &m))
        return false;
    if (parts.size() == 3 && !parseInt(parts[2], &s))
        return false;
    const QTime result(h, m, s);
    if (!result.isValid())
        return false;
    *t = result;
    return true;
}

QString monthName(int month)
{
    static const char *const names[] = {"Janvier", "Février", "Mars",      "Avril",   "Mai",      "Juin",
                                        "Juillet", "Août",    "Septembre", "Octobre", "Novembre", "Décembre"};
    return month >= 1 && month <= 12 ? QString::fromUtf8(names[month - 1]) : QString();
}

int hexDigit(char16_t c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

QString upperAZ(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c.unicode() >= 'a' && c.unicode() <= 'z')
            c = QChar(char16_t(c.unicode() - 'a' + 'A'));
    return out;
}

QString capitalizeAZ(const QString &text)
{
    if (text.isEmpty())
        return text;
    return upperAZ(text.left(1)) + text.mid(1);
}

QString twoDecimals(const QString &entered)
{
    // A point is a decimal separator too, as in the typed amounts.
    QString typed = entered;
    if (!typed.contains(QLatin1Char(',')))
        typed.replace(typed.indexOf(QLatin1Char('.')), 1, QLatin1Char(','));
    const int comma = typed.indexOf(QLatin1Char(','));
    if (comma < 0)
        return typed + QStringLiteral(",00");
    QString decimals = typed.mid(comma + 1, 2);
    while (decimals.size() < 2)
        decimals += QLatin1Char('0');
    return typed.left(comma + 1) + decimals;
}

QString blockNumber(int n)
{
    return (QStringLiteral("000") + QString::number(n)).right(4);
}

} // namespace Formats
