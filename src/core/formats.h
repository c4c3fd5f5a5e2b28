#pragma once
// Texts of amounts, dates and times, the same on every machine: amounts use a
// comma and the pattern "0.00", dates "dd/mm/yyyy", times "hh:mm:ss".

#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QTime>

namespace Formats {

// "0.00" with a comma; halves round away from zero once the binary noise of the
// value is gone (12.345 gives "12,35", 12.9999999999 gives "13,00").
QString amount(double value);
// A decimal number with a comma (a point is accepted too); blanks around it are
// ignored. False when the text is not a number.
bool parseAmount(const QString &text, double *value);

// Whole numbers: blanks around are ignored, an optional sign, then digits.
bool parseInt(const QString &text, int *value);
// The same on the raw bytes of a stored line, without making a string.
bool parseInt(QByteArrayView text, int *value);
int toIntOr(const QString &text, int fallback);

QString date(const QDate &d);            // dd/mm/yyyy
bool parseDate(const QString &text, QDate *d); // d/m/yyyy, two-digit years in 2000..2099
QString time(const QTime &t);            // hh:mm:ss
bool parseTime(const QString &text, QTime *t);  // h:m[:s]

// "Janvier" ... "Décembre"; empty outside 1 to 12.
QString monthName(int month);

// The value of a hexadecimal digit in either letter case, -1 for another character.
int hexDigit(char16_t c);

// Letters a to z turned into A to Z; everything else, accented letters too, kept.
QString upperAZ(const QString &text);
// The first character upper-cased the same way.
QString capitalizeAZ(const QString &text);

// The typed amount brought to two decimals: without a comma ",00" is appended;
// with one, the text up to the comma and the next two characters padded with 0.
// A point stands for the comma when there is none ("12.5" gives "12,50").
QString twoDecimals(const QString &typed);

// The decimal number as the text of a block number: four digits, leading zeros.
QString blockNumber(int n);

} // namespace Formats
