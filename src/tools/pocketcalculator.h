#pragma once
// A four-function calculator with reciprocal and square root. Operations are
// carried out in the order they are entered, without precedence; "=" keeps
// the pending operator, so that pressing it again repeats the operation.
//
// Every operation returns an empty text when it went through, or the French
// message to show when it could not be done; the state is then unchanged.

#include <QChar>
#include <QString>

class PocketCalculator
{
public:
    static constexpr int kMaxTyped = 15;

    QString display;
    double accumulator = 0;
    double operand = 0;
    QChar pending;              // '+', '-', '*', '/' or none
    bool accumulatorSet = false;
    bool newNumber = false;

    // "C", and the state of a window just opened.
    void clear();
    void digit(QChar d);
    // The comma is appended even to a result shown.
    void comma();
    QString equals();
    // Evaluation, then the operator becomes op.
    QString operation(QChar op);
    QString reciprocal();
    QString squareRoot();

    // What a key does: the button it clicks ('0'..'9', ',', '=', '+', '-',
    // '*', '/', 'x' for 1/x, 's' for sqr, 'C' for C), or none.
    static QChar buttonOfKey(QChar key);
    // Presses that button; the message when the operation failed.
    QString press(QChar button);

    static QString divisionByZeroText();
    static QString invalidOperationText();
    static QString notANumberText();

private:
    QString show(double value);
    // 1/x and sqr: the display read, the function applied unless it refuses
    // the value, the result shown and taken as the accumulator.
    QString unary(QString (*apply)(double value, double *result));
};
