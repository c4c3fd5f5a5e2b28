#include "core/rightalign.h"

QString rightAlign(const QString &text, int width, const QFontMetrics &metrics)
{
    QString out = text.trimmed();
    if (out.isEmpty())
        return out;
    const int target = width - 10;
    // A font in which a space has no width would never get there.
    if (metrics.horizontalAdvance(QLatin1Char(' ')) <= 0)
        return out;
    while (metrics.horizontalAdvance(out) <= target)
        out.prepend(QLatin1Char(' '));
    return out;
}
