#include "tools/decimaltext.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace DecimalText {

QString scaled(__int128 value, int scale)
{
    const bool negative = value < 0;
    unsigned __int128 v = negative ? -static_cast<unsigned __int128>(value) : static_cast<unsigned __int128>(value);
    std::string digits;
    do {
        digits.insert(digits.begin(), char('0' + int(v % 10)));
        v /= 10;
    } while (v != 0);
    while (int(digits.size()) <= scale)
        digits.insert(digits.begin(), '0');
    std::string whole = digits.substr(0, digits.size() - size_t(scale));
    std::string fraction = digits.substr(digits.size() - size_t(scale));
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    std::string text = whole;
    if (!fraction.empty())
        text += ',' + fraction;
    if (negative && text != "0")
        text.insert(text.begin(), '-');
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

bool parseTyped(const QString &text, __int128 *digits, int *scale)
{
    __int128 n = 0;
    int count = 0;
    int after = -1;
    for (const QChar c : text) {
        if (c == QLatin1Char(',')) {
            if (after >= 0)
                return false;
            after = 0;
            continue;
        }
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
        // Thirty-six digits stay far inside the type.
        if (++count > 36)
            return false;
        n = n * 10 + (c.unicode() - '0');
        if (after >= 0)
            ++after;
    }
    if (count == 0)
        return false;
    *digits = n;
    *scale = after < 0 ? 0 : after;
    return true;
}

__int128 roundHalfEven(__int128 numerator, __int128 denominator)
{
    const bool negative = numerator < 0;
    const __int128 a = negative ? -numerator : numerator;
    __int128 q = a / denominator;
    const __int128 rest = a % denominator;
    if (2 * rest > denominator || (2 * rest == denominator && (q % 2) != 0))
        ++q;
    return negative ? -q : q;
}

namespace {

// The digits of value rounded to `significant` digits and the power of ten
// of the first: 0.6666 at 3 gives "667" and -1.
void digitsOf(double value, int significant, std::string *digits, int *exponent)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", significant - 1, std::fabs(value));
    // buf: d.ddde[+-]xx, whatever the machine writes for its decimal point.
    std::string s(buf);
    const size_t e = s.find_first_of("eE");
    digits->clear();
    for (size_t i = 0; i < e; ++i)
        if (s[i] >= '0' && s[i] <= '9')
            *digits += s[i];
    *exponent = std::atoi(s.c_str() + e + 1);
    while (digits->size() > 1 && digits->back() == '0')
        digits->pop_back();
}

std::string plain(const std::string &digits, int exponent)
{
    if (exponent < 0)
        return "0," + std::string(size_t(-exponent - 1), '0') + digits;
    const size_t whole = size_t(exponent) + 1;
    if (digits.size() <= whole)
        return digits + std::string(whole - digits.size(), '0');
    return digits.substr(0, whole) + ',' + digits.substr(whole);
}

std::string scientific(const std::string &digits, int exponent)
{
    std::string text = digits.substr(0, 1);
    if (digits.size() > 1)
        text += ',' + digits.substr(1);
    return text + 'E' + std::to_string(exponent);
}

} // namespace

QString general(double value, int significant, int width)
{
    if (!std::isfinite(value))
        return QString();
    if (value == 0)
        return QStringLiteral("0");
    const std::string sign = value < 0 ? "-" : "";
    for (int s = significant; s >= 1; --s) {
        std::string digits;
        int exponent = 0;
        digitsOf(value, s, &digits, &exponent);
        std::string text = sign + plain(digits, exponent);
        // A plain text that only shows zeros where the digits should be is no
        // use (a very small number): the exponent form says more.
        const bool meaningful = exponent >= -5 && exponent < significant;
        if (meaningful && int(text.size()) <= width)
            return QString::fromLatin1(text.data(), qsizetype(text.size()));
        text = sign + scientific(digits, exponent);
        if (int(text.size()) <= width)
            return QString::fromLatin1(text.data(), qsizetype(text.size()));
    }
    return QString();
}

bool parseGeneral(const QString &text, double *value)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    int i = 0;
    if (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))
        ++i;
    int digits = 0, points = 0;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == QLatin1Char('.'))
            ++points;
        else if (c.unicode() >= '0' && c.unicode() <= '9')
            ++digits;
        else
            break;
    }
    if (digits == 0 || points > 1)
        return false;
    if (i < t.size()) {
        if (t[i] != QLatin1Char('E') && t[i] != QLatin1Char('e'))
            return false;
        ++i;
        if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+')))
            ++i;
        if (i == t.size())
            return false;
        for (; i < t.size(); ++i)
            if (t[i].unicode() < '0' || t[i].unicode() > '9')
                return false;
    }
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    *value = v;
    return true;
}

} // namespace DecimalText
