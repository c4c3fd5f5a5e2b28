#pragma once
// What every printout draws on: the printable area of one device, in device
// pixels and in whole millimetres, with a current font, pen and brush. A
// printer canvas prints; a recording canvas keeps every call, so that tests
// check positions without a printer.

#include <QColor>
#include <QRect>
#include <QString>

#include <optional>

class QPainter;

class Canvas
{
public:
    virtual ~Canvas() = default;

    // The printable area.
    virtual int widthPx() const = 0;
    virtual int heightPx() const = 0;
    virtual int widthMm() const = 0;
    virtual int heightMm() const = 0;

    // Text is placed by its top-left corner in the current font.
    virtual void setFont(const QString &family, int pointSize, bool bold = false, bool italic = false,
                         bool underline = false) = 0;
    virtual void textOut(int x, int y, const QString &text) = 0;
    virtual int textWidth(const QString &text) const = 0;
    virtual int textHeight(const QString &text) const = 0;

    // Lines with the current pen, from the move-to point to the line-to point.
    virtual void setPenWidth(int px) = 0;
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    // Filled with the current brush colour, outlined with the current pen.
    virtual void setBrushColor(const QColor &color) = 0;
    virtual void rectangle(const QRect &r) = 0;
    // Filled with the brush colour only.
    virtual void fillRect(const QRect &r) = 0;

    // Ends the page and starts the next; false when the device refused.
    virtual bool newPage() = 0;

    // The painter behind a printer canvas, for a printout that draws a whole
    // document at once (rich text); none on a recording canvas.
    virtual QPainter *painter() { return nullptr; }
};

// Whole millimetres to device pixels: the pixels per millimetre are truncated
// before they multiply, so a device of 4960 px over 210 mm has a factor of 23
// and 100 mm lands at 2300 px. None for an area of 0 mm or a factor of 0
// (a device that cannot be placed on).
struct Placement
{
    int factorX = 0;
    int factorY = 0;

    static std::optional<Placement> of(const Canvas &canvas)
    {
        if (canvas.widthMm() <= 0 || canvas.heightMm() <= 0)
            return std::nullopt;
        const Placement p{canvas.widthPx() / canvas.widthMm(), canvas.heightPx() / canvas.heightMm()};
        if (p.factorX <= 0 || p.factorY <= 0)
            return std::nullopt;
        return p;
    }
    int x(int mm) const { return factorX * mm; }
    int y(int mm) const { return factorY * mm; }

    // The record window's printouts place every line 3 mm below its nominal
    // height: Mh and Mv are their horizontal and vertical positions.
    int Mh(int mm) const { return x(mm); }
    int Mv(int mm) const { return y(mm + 3); }
};
