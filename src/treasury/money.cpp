#include "treasury/money.h"

namespace Money {

namespace {

constexpr int kMaxIntegerDigits = 15;

bool isBlank(char16_t c)
{
    return c == ' ' || c == '\t';
}

// Works on any sequence of characters (QChar or char) through at().
template <typename At>
bool parseChars(qsizetype size, At at, Cents *cents)
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
    bool separator = false;
    for (qsizetype i = b; i < e; ++i) {
        const char16_t c = at(i);
        if (c == ',' || c == '.') {
            if (separator)
                return false;
            separator = true;
        } else if (c >= '0' && c <= '9') {
            if (!separator) {
                if (++intDigits > kMaxIntegerDigits)
                    return false;
                whole = whole * 10 + (c - '0');
            } else {
                if (fracDigits < 3)
                    frac[fracDigits] = c - '0';
                ++fracDigits;
            }
        } else {
            return false;
        }
    }
    if (intDigits + fracDigits == 0)
        return false;
    Cents value = whole * 100 + frac[0] * 10 + frac[1];
    if (frac[2] >= 5)
        ++value;
    *cents = negative ? -value : value;
    return true;
}

} // namespace

bool parse(QStringView text, Cents *cents)
{
    return parseChars(text.size(), [&](qsizetype i) { return text[i].unicode(); }, cents);
}

bool parse(QByteArrayView text, Cents *cents)
{
    return parseChars(text.size(), [&](qsizetype i) { return char16_t(static_cast<unsigned char>(text[i])); },
                      cents);
}

Cents valueOr0(QStringView text)
{
    Cents c = 0;
    return parse(text, &c) ? c : 0;
}

QString format(Cents cents)
{
    const bool negative = cents < 0;
    const quint64 a = negative ? quint64(0) - quint64(cents) : quint64(cents);
    QString text = QString::number(a / 100) + QLatin1Char(',')
                   + QString::number(a % 100).rightJustified(2, QLatin1Char('0'));
    if (negative)
        text.prepend(QLatin1Char('-'));
    return text;
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
    *stored = padLeft(format(c));
    return true;
}

QString padLeft(const QString &text, int width)
{
    return text.size() >= width ? text : QString(width - text.size(), QLatin1Char(' ')) + text;
}

} // namespace Money
