#include "tools/letterruler.h"

#include <algorithm>
#include <cmath>

namespace LetterRuler {

namespace {

int pixels(double points)
{
    return int(std::trunc(points * 4.0 / 3.0));
}

double points(int pixels)
{
    return std::trunc(pixels * 0.75);
}

} // namespace

Marks marks(const Letter::Indents &in, int rulerWidth)
{
    // The 2 is the gutter less the 4 pixels from a marker's edge to its point.
    return {pixels(in.first) + 2, pixels(in.left + in.first) + 2, rulerWidth - kGutter - pixels(in.right + 6)};
}

Letter::Indents drop(Marker marker, const Letter::Indents &in, const Marks &m, int rulerWidth, int dragOffset)
{
    Letter::Indents out = in;
    switch (marker) {
    case Marker::First:
        out.first = std::max(0.0, points(m.first + dragOffset - kGutter));
        // The other lines stay where they were.
        out.left = in.first + in.left - out.first;
        break;
    case Marker::Left:
        out.left = std::max(0.0, points(m.left + dragOffset - kGutter)) - in.first;
        break;
    case Marker::Right:
        out.right = std::max(0.0, points(rulerWidth - m.right + dragOffset - 2) - 12);
        break;
    }
    return out;
}

} // namespace LetterRuler
