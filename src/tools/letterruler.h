#pragma once
// The ruler above a letter: where its three markers stand for the indents of
// the paragraph at the caret, and the indents a marker gives where it is
// dropped. A point is 4/3 of a ruler pixel; the text starts 6 pixels from the
// ruler's left edge. The first-line marker is absolute, the left marker
// relative to it.

#include "tools/letterformat.h"

namespace LetterRuler {

constexpr int kGutter = 6;
constexpr int kMarkerWidth = 8;

enum class Marker { First, Left, Right };

// The left edges of the markers, in ruler pixels.
struct Marks
{
    int first = 0;
    int left = 0;
    int right = 0;
};

Marks marks(const Letter::Indents &indents, int rulerWidth);

// The indents once `marker` was dropped with its left edge at the place
// `marks` give it, the other markers staying where they stand. No line starts
// left of the page, and the right indent is never negative.
Letter::Indents drop(Marker marker, const Letter::Indents &indents, const Marks &marks, int rulerWidth,
                     int dragOffset);

} // namespace LetterRuler
