#include "tools/textclean.h"

#include "core/cp1252.h"

namespace TextClean {

QString cp1252Only(const QString &text)
{
    if (Cp1252::canEncode(text))
        return text;
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        if (Cp1252::canEncode(c))
            out += c;
    return out;
}

QString oneLine(const QString &text)
{
    QString out = cp1252Only(text);
    for (QChar &c : out)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    return out;
}

} // namespace TextClean
