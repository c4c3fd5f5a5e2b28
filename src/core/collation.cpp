#include "core/collation.h"

#include <QCollator>
#include <QLocale>

namespace Collation {

namespace {

QCollator &collator()
{
    // Built once: creating a collator loads the locale's rules.
    static QCollator c = [] {
        QCollator made{QLocale(QLocale::French, QLocale::France)};
        made.setCaseSensitivity(Qt::CaseInsensitive);
        made.setNumericMode(false);
        made.setIgnorePunctuation(false);
        return made;
    }();
    return c;
}

} // namespace

int compare(const QString &a, const QString &b)
{
    const int c = collator().compare(a, b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

QCollatorSortKey sortKey(const QString &text)
{
    return collator().sortKey(text);
}

} // namespace Collation
