#pragma once
// Windows-1252, the code page of every file the program reads and writes.
// The table is our own so that the result never depends on the machine.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace Cp1252 {

// Every byte maps to one character; the five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of
// the same value, so that they encode back to themselves.
QChar toUnicode(unsigned char byte);
QString decode(QByteArrayView bytes);

// Characters Windows-1252 cannot hold become '?' and *ok is set to false.
QByteArray encode(const QString &text, bool *ok = nullptr);
// The same into a buffer of text.size() bytes; false when a character had to
// become '?'.
bool encodeInto(const QString &text, char *out);
bool canEncode(QChar c);
bool canEncode(const QString &text);

} // namespace Cp1252
