#pragma once
// The bar chart of a statistic: the last values of its table as bars over a
// horizontal axis, scaled so that the largest reaches the top.

#include <QLine>
#include <QList>
#include <QRect>
#include <QStringList>

namespace Chart {

constexpr int kWidth = 559;  // the drawing area
constexpr int kHeight = 321;
constexpr int kMaxBars = 32;

// The last 32 value texts, each trimmed, read with a decimal comma and
// rounded to a whole number, halves to the even one. A text that is not a
// number counts as 0.
QList<qint64> values(const QStringList &texts);

struct Geometry
{
    QRect frame;
    QLine horizontalAxis;
    QLine verticalAxis;
    // One bar per value above 0, 15 px apart from the axis on; a value of 0
    // or below has none, and when no value is above 0 there are only the axes.
    QList<QRect> bars;
};

Geometry geometry(const QList<qint64> &values);

} // namespace Chart
