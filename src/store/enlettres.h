#pragma once
// Whole amounts written out in French words, as on a cheque.

#include <QString>
#include <QtGlobal>

// The words of n, each preceded by one blank (" vingt et un", " deux cents");
// negative numbers begin with "moins" instead ("moins cinq"). Compound numbers
// are joined by blanks, except inside "quatre-vingt".
QString EnLettres(qint32 n);

// The sentence shown under a receipt's total: "Cent vingt Euros -  cinquante Cts".
// Euros and cents are both taken from the total rounded to two decimals, so
// 12,999 reads "Treize Euros -  zéro Cts". A total whose euros do not fit in a
// 32-bit integer (or that is not a number) has no sentence: the result is empty
// and *ok, when given, is false.
QString amountSentence(double total, bool *ok = nullptr);
