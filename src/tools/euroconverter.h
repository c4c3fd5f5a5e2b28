#pragma once
// Francs to euros and back at the fixed rate of 6,55957 francs to the euro.
// Amounts are converted on their decimal value, exactly: euros come out to
// the cent, francs to the tenth of a franc.

#include <QString>

class EuroConverter
{
public:
    // The rate in hundred-thousandths of a franc per euro.
    static constexpr int kRate = 655957;
    static constexpr int kHighestRate = 999999999;
    // The longest amount that can be typed.
    static constexpr int kMaxTyped = 15;

    int rate = kRate;
    bool euroToFranc = false; // "Euro>Fr"; "Fr>Euro" when false
    QString typed;            // the upper line
    QString result;           // the lower line
    bool shown = false;       // a result is shown: the next key starts afresh

    // A digit or comma button: a new amount after a result, then the character.
    void button(QChar c);
    // A key typed: Enter converts; "." is a comma; digits and the comma are
    // added; any key clears a shown result first. False for Escape (the
    // window closes).
    bool key(QChar c);
    // Converts the typed amount; one that is not a number leaves the result.
    void enter();
    void rateUp();
    void rateDown();
    QString rateText() const;
    // A shown result gives way to a new amount.
    void Init();

    // The conversions of a decimal amount; empty for a text that is not one.
    static QString toEuros(const QString &francs, int rate);
    static QString toFrancs(const QString &euros, int rate);

private:
    void append(QChar c);
};
