#pragma once
// Numbers as the calculators show them: a comma, no trailing zeros, and no
// digit that only the binary storage of the value added.

#include <QString>

namespace DecimalText {

// value / 10^scale written exactly: 1524 at scale 2 gives "15,24", 100 at
// scale 2 gives "1", 656 at scale 1 gives "65,6".
QString scaled(__int128 value, int scale);

// A typed amount: digits with at most one comma. *digits holds the number
// without its comma and *scale the count of digits after it ("6,55957" gives
// 655957 and 5). False for anything else, an empty text or a lone comma.
bool parseTyped(const QString &text, __int128 *digits, int *scale);

// numerator / denominator rounded to the nearest whole number, halves to the
// even one; denominator > 0.
__int128 roundHalfEven(__int128 numerator, __int128 denominator);

// A result in at most `width` characters, rounded to `significant` digits,
// plain when it fits and otherwise as a mantissa and an exponent ("1,5E20").
QString general(double value, int significant = 12, int width = 15);

// What general() writes (and what is typed) read back; an exponent after "E"
// is accepted.
bool parseGeneral(const QString &text, double *value);

} // namespace DecimalText
