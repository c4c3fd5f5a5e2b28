#pragma once
// Amounts held as whole cents so that totals always balance: ten entries of
// 0,10 make exactly 1,00. Texts use a comma. The bookkeeping, the statistics
// and the loan and investment tables all read and write amounts here.

#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace Money {

using Cents = qint64;

// Whether zeros in front of the first significant digit count towards the
// fifteen digits allowed before the separator. The statistics leave them out:
// an amount stored as "000000000000000012,00" still counts there.
enum class LeadingZeros { Counted, Ignored };

// A decimal number with a comma or a point, an optional sign, blanks around
// it ignored; further decimals round half away from zero to the cent. False
// for anything else, and for more than fifteen digits before the separator.
bool parse(QStringView text, Cents *cents, LeadingZeros zeros = LeadingZeros::Counted);
bool parse(QByteArrayView text, Cents *cents, LeadingZeros zeros = LeadingZeros::Counted);
// The value of an amount cell: 0 when empty or not a number.
Cents valueOr0(QStringView text);

// "0.00": 1234,50 or -0,05.
QString format(Cents cents);
// "#.00": no digit before the comma for less than one unit (0,5 gives ",50").
QString formatShort(Cents cents);

// A typed amount as it is stored: its value written "0.00" and preceded by
// spaces up to 16 characters. False when the text is not a number.
bool normalize(const QString &typed, QString *stored);

} // namespace Money
