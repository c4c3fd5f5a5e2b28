#include "core/money.h"

namespace Money {

namespace {

constexpr int kMaxIntegerDigits = 15;

bool isBlank(char16_t c)
{
    return c == ' ' || c == '\t';
}

// Works on any sequence of characters (QChar or char) through at().
template <typename At>
bool parseChars(qsizetype size, At at, Cents *cents, LeadingZeros zeros)
{
    qsizetype b = 0, e = size;
    while (b < e && isBlank(at(b)))
        ++b;
    while (e > b && isBlank(at(e - 1)))
        --e;
    bool negative = false;
    if (b < e && (at(b) == '-' || at(b) == '+')) {
        negative = at(b) == '-';
        ++b;
    }
    Cents whole = 0;
    int intDigits = 0, fracDigits = 0;
    int frac[3] = {0, 0, 0};
    bool separator = false, anyDigit = false;
    for (qsizetype i = b; i < e; ++i) {
        const char16_t c = at(i);
        if (c == ',' || c == '.') {
            if (separator)
                return false;
            separator = true;
        } else if (c >= '0' && c <= '9') {
            anyDigit = true;
            if (!separator) {
                whole = whole * 10 + (c - '0');
                if ((whole != 0 || zeros == LeadingZeros::Counted) && ++intDigits > kMaxIntegerDigits)
                    return false;
            } else {
                if (fracDigits < 3)
                    frac[fracDigits] = c - '0';
                ++fracDigits;
            }
        } else {
            return false;
        }
    }
    if (!anyDigit)
        return false;
    Cents value = whole * 100 + frac[0] * 10 + frac[1];
    if (frac[2] >= 5)
        ++value;
    *cents = negative ? -value : value;
    return true;
}

} // namespace

bool parse(QStringView text, Cents *cents, LeadingZeros zeros)
{
    return parseChars(text.size(), [&](qsizetype i) { return text[i].unicode(); }, cents, zeros);
}

bool parse(QByteArrayView text, Cents *cents, LeadingZeros zeros)
{
    return parseChars(text.size(), [&](qsizetype i) { return char16_t(static_cast<unsigned char>(text[i])); },
                      cents, zeros);
}

Cents valueOr0(QStringView text)
{
    Cents c = 0;
    return parse(text, &c) ? c : 0;
}

QString format(Cents cents)
{
    // Written by hand: a loan table or a statistic holds thousands of amounts.
    char buf[32];
    char *const end = buf + sizeof buf;
    char *p = end;
    const bool negative = cents < 0;
    quint64 v = negative ? quint64(0) - quint64(cents) : quint64(cents);
    for (int i = 0; i < 2; ++i) {
        *--p = char('0' + v % 10);
        v /= 10;
    }
    *--p = ',';
    do {
        *--p = char('0' + v % 10);
        v /= 10;
    } while (v != 0);
    if (negative)
        *--p = '-';
    return QString::fromLatin1(p, end - p);
}

QString formatShort(Cents cents)
{
    QString text = format(cents);
    const int at = cents < 0 ? 1 : 0;
    if (text.mid(at, 2) == QLatin1String("0,"))
        text.remove(at, 1);
    return text;
}

bool normalize(const QString &typed, QString *stored)
{
    Cents c = 0;
    if (!parse(typed, &c))
        return false;
    *stored = format(c).rightJustified(16, QLatin1Char(' '));
    return true;
}

} // namespace Money
