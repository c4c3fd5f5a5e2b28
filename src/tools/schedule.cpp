#include "tools/schedule.h"

#include <cmath>

namespace Schedule {

bool toCents(double value, qint64 *cents)
{
    const double x = value * 100.0;
    // Beyond 2^53 cents a double no longer holds every cent.
    if (!std::isfinite(x) || std::fabs(x) > 9.0e15)
        return false;
    double whole = std::trunc(x);
    const double fraction = std::fabs(x - whole);
    // A value a few units of its last digit away from a half is that half.
    const double tolerance = 1e-9 + std::fabs(x) * 4e-15;
    if (fraction >= 0.5 - tolerance)
        whole += x < 0 ? -1.0 : 1.0;
    *cents = qint64(whole);
    return true;
}

bool Column::add(double amount)
{
    m_sum += amount;
    m_previous = m_rounded;
    return toCents(m_sum, &m_rounded);
}

QString notANumberText(const QString &text)
{
    return QStringLiteral("« %1 » n'est pas un nombre valide").arg(text);
}

QString overflowText()
{
    return QStringLiteral("Dépassement de capacité");
}

} // namespace Schedule
