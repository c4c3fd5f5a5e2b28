#pragma once
// The record window's printouts are laid out in whole millimetres: texts by
// their top-left corner, lines and frames, all placed through Mh and Mv, in
// Arial. This is the drawing surface they share, with the two ways of keeping
// a text inside its room: cut at a width, or broken into lines.

#include "print/canvas.h"

#include <QString>
#include <QStringList>

class MmCanvas
{
public:
    MmCanvas(Canvas &canvas, const Placement &placement) : m_canvas(canvas), m_place(placement) {}

    Canvas &canvas() const { return m_canvas; }
    int Mh(int mm) const { return m_place.Mh(mm); }
    int Mv(int mm) const { return m_place.Mv(mm); }

    void font(int pointSize, bool bold = false);
    void text(int x, int y, const QString &text);
    // The text ends at the right edge x.
    void textRight(int x, int y, const QString &text);
    // The text as far as it fits before the device position rightPx.
    void textBefore(int x, int y, const QString &text, int rightPx);
    void line(int x1, int y1, int x2, int y2);
    // Outlined with the pen, filled with the brush; (x2, y2) is just outside.
    void rectangle(int x1, int y1, int x2, int y2);
    // Whether a line of text at height y lies wholly on the page.
    bool fits(int y) const;
    bool newPage() { return m_canvas.newPage(); }

    static const QString &face();

private:
    Canvas &m_canvas;
    Placement m_place;
};

namespace TextFit {

// The longest start of the text no wider than maxPx in the canvas's font.
QString cut(const Canvas &canvas, const QString &text, int maxPx);
// The text in lines no wider than maxPx, broken at blanks; a word wider than
// a line is cut into pieces that fit. A text that fits is one line, as it is.
QStringList wrap(const Canvas &canvas, const QString &text, int maxPx);

} // namespace TextFit
