#include "stats/chart.h"

#include "core/money.h"
#include "stats/statistics.h"

#include <algorithm>

namespace Chart {

namespace {

constexpr int kAxisX = 20;
constexpr int kAxisY = 300;
constexpr int kAxisRight = 550;
constexpr int kAxisTop = 20;
constexpr int kFullBar = 280;
constexpr int kBarStep = 15;
constexpr int kBarWidth = 10;

} // namespace

QList<qint64> values(const QStringList &texts)
{
    QList<qint64> out;
    const qsizetype first = std::max<qsizetype>(0, texts.size() - kMaxBars);
    for (qsizetype i = first; i < texts.size(); ++i) {
        Money::Cents cents = 0;
        const bool read = Money::parse(QStringView(texts[i]), &cents, Money::LeadingZeros::Ignored);
        out.append(read ? Statistics::roundHalfEven(cents) : 0);
    }
    return out;
}

Geometry geometry(const QList<qint64> &values)
{
    Geometry g;
    g.frame = QRect(0, 0, kWidth, kHeight);
    g.horizontalAxis = QLine(kAxisX, kAxisY, kAxisRight, kAxisY);
    g.verticalAxis = QLine(kAxisX, kAxisY, kAxisX, kAxisTop);
    qint64 max = 0;
    for (const qint64 v : values)
        max = std::max(max, v);
    if (max <= 0)
        return g;
    for (int i = 0; i < values.size() && i < kMaxBars; ++i) {
        if (values[i] <= 0)
            continue;
        // value <= max keeps the height within 280; the product is taken wider
        // than 64 bits, so the largest sums a store can hold cannot overflow it.
        const int h = int(static_cast<__int128>(values[i]) * kFullBar / max);
        if (h > 0)
            g.bars.append(QRect(kAxisX + kBarStep * i, kAxisY - h, kBarWidth, h));
    }
    return g;
}

} // namespace Chart
