#pragma once
// The one source of "today" and "now". Tests fix it; nothing ever sets the
// computer's clock.

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace Clock {

QDateTime now();
QDate today();
QTime time();

// Fixes now() at the given moment until reset(); for tests.
void setFixed(const QDateTime &moment);
void reset();

} // namespace Clock
