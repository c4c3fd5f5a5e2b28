#include "tools/euroconverter.h"

#include "tools/decimaltext.h"

#include <algorithm>

namespace {

__int128 power10(int n)
{
    __int128 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

} // namespace

QString EuroConverter::toEuros(const QString &francs, int rate)
{
    __int128 digits = 0;
    int scale = 0;
    if (!DecimalText::parseTyped(francs, &digits, &scale) || rate <= 0)
        return QString();
    // Cents: francs * 100 / (rate / 100000).
    return DecimalText::scaled(DecimalText::roundHalfEven(digits * 10000000, power10(scale) * rate), 2);
}

QString EuroConverter::toFrancs(const QString &euros, int rate)
{
    __int128 digits = 0;
    int scale = 0;
    if (!DecimalText::parseTyped(euros, &digits, &scale) || rate <= 0)
        return QString();
    // Tenths of a franc: euros * (rate / 100000) * 10.
    return DecimalText::scaled(DecimalText::roundHalfEven(digits * rate, power10(scale) * 10000), 1);
}

void EuroConverter::Init()
{
    if (shown) {
        typed.clear();
        result.clear();
    }
    shown = false;
}

void EuroConverter::append(QChar c)
{
    if (typed.size() < kMaxTyped)
        typed += c;
}

void EuroConverter::button(QChar c)
{
    Init();
    append(c);
}

bool EuroConverter::key(QChar c)
{
    if (c.unicode() == 27)
        return false;
    if (c.unicode() == 13) {
        enter();
        return true;
    }
    Init();
    if (c == QLatin1Char('.'))
        c = QLatin1Char(',');
    if (c == QLatin1Char(',') || (c.unicode() >= '0' && c.unicode() <= '9'))
        append(c);
    return true;
}

void EuroConverter::enter()
{
    shown = true;
    const QString converted = euroToFranc ? toFrancs(typed, rate) : toEuros(typed, rate);
    if (!converted.isEmpty())
        result = converted;
}

void EuroConverter::rateUp()
{
    rate = std::min(rate + 1, kHighestRate);
}

void EuroConverter::rateDown()
{
    rate = std::max(rate - 1, 1);
}

QString EuroConverter::rateText() const
{
    return DecimalText::scaled(rate, 5);
}
