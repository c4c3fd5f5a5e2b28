#include "settings/fieldtext.h"

#include "core/cp1252.h"

namespace FieldText {

bool storable(QChar c)
{
    return c.category() != QChar::Other_Control && Cp1252::canEncode(c);
}

QString storable(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (storable(c))
            out += c;
    return out;
}

} // namespace FieldText
