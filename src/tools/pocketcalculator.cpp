#include "tools/pocketcalculator.h"

#include "tools/decimaltext.h"
#include "tools/schedule.h"

#include <cmath>

QString PocketCalculator::divisionByZeroText()
{
    return QStringLiteral("Division par zéro");
}

QString PocketCalculator::invalidOperationText()
{
    return QStringLiteral("Opération non valide");
}

QString PocketCalculator::notANumberText()
{
    return QStringLiteral("Nombre non valide");
}

void PocketCalculator::clear()
{
    display.clear();
    accumulator = 0;
    operand = 0;
    pending = QChar();
    accumulatorSet = false;
    newNumber = false;
}

void PocketCalculator::digit(QChar d)
{
    if (newNumber)
        display.clear();
    newNumber = false;
    if (display.size() < kMaxTyped)
        display += d;
}

void PocketCalculator::comma()
{
    if (display.size() < kMaxTyped)
        display += QLatin1Char(',');
}

QString PocketCalculator::show(double value)
{
    if (!std::isfinite(value))
        return Schedule::overflowText();
    const QString text = DecimalText::general(value);
    if (text.isEmpty())
        return Schedule::overflowText();
    accumulator = value;
    display = text;
    newNumber = true;
    return QString();
}

QString PocketCalculator::equals()
{
    double value = 0;
    if (!accumulatorSet) {
        // Nothing to work on yet: an empty or unreadable display is cleared.
        if (!DecimalText::parseGeneral(display, &value)) {
            display.clear();
            return QString();
        }
        accumulator = value;
        accumulatorSet = true;
        newNumber = true;
        return QString();
    }
    if (!DecimalText::parseGeneral(display, &value))
        return notANumberText();
    double result = accumulator;
    switch (pending.unicode()) {
    case '+': result = accumulator + value; break;
    case '-': result = accumulator - value; break;
    case '*': result = accumulator * value; break;
    case '/':
        if (value == 0)
            return divisionByZeroText();
        result = accumulator / value;
        break;
    default: break;
    }
    const QString failure = show(result);
    if (failure.isEmpty())
        operand = value;
    return failure;
}

QString PocketCalculator::operation(QChar op)
{
    const QString failure = equals();
    if (failure.isEmpty())
        pending = op;
    return failure;
}

QString PocketCalculator::unary(QString (*apply)(double value, double *result))
{
    double value = 0;
    if (!DecimalText::parseGeneral(display, &value))
        return notANumberText();
    double result = 0;
    QString failure = apply(value, &result);
    if (failure.isEmpty())
        failure = show(result);
    if (failure.isEmpty()) {
        operand = value;
        accumulatorSet = true;
    }
    return failure;
}

QString PocketCalculator::reciprocal()
{
    return unary([](double value, double *result) {
        if (value == 0)
            return divisionByZeroText();
        *result = 1.0 / value;
        return QString();
    });
}

QString PocketCalculator::squareRoot()
{
    return unary([](double value, double *result) {
        if (value < 0)
            return invalidOperationText();
        *result = std::sqrt(value);
        return QString();
    });
}

QChar PocketCalculator::buttonOfKey(QChar key)
{
    const char16_t k = key.unicode();
    if ((k >= '0' && k <= '9') || k == ',' || k == '=' || k == '+' || k == '-' || k == '*' || k == '/')
        return key;
    switch (k) {
    case '.': return QLatin1Char(',');
    case 'x':
    case 'X': return QLatin1Char('x');
    case 's':
    case 'S': return QLatin1Char('s');
    case 'c':
    case 'C': return QLatin1Char('C');
    default: return QChar();
    }
}

QString PocketCalculator::press(QChar button)
{
    const char16_t b = button.unicode();
    if (b >= '0' && b <= '9') {
        digit(button);
        return QString();
    }
    switch (b) {
    case ',': comma(); return QString();
    case '=': return equals();
    case '+':
    case '-':
    case '*':
    case '/': return operation(button);
    case 'x': return reciprocal();
    case 's': return squareRoot();
    case 'C': clear(); return QString();
    default: return QString();
    }
}
