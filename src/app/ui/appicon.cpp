#include "app/ui/appicon.h"

#include <QColor>
#include <QPainter>

namespace {

constexpr double kGrid = 256;

// Three members in front of the association's blue, and the gold coin of its
// accounts.
struct Shape
{
    bool circle;        // a circle of radius r centred at (x, y), or a rounded rectangle
    double x, y, w, h;  // rectangle: top left corner and size
    double r;           // circle radius, or rectangle corner radius
    const char *color;  // "#rrggbb"
};

const Shape kShapes[] = {
    {false, 16, 16, 224, 224, 44, "#1f5f8b"},
    {true, 196, 62, 0, 0, 22, "#f2b134"},
    {true, 196, 62, 0, 0, 12, "#d99a1e"},
    {true, 82, 100, 0, 0, 24, "#a9cce3"},
    {false, 48, 130, 68, 78, 32, "#a9cce3"},
    {true, 174, 100, 0, 0, 24, "#a9cce3"},
    {false, 140, 130, 68, 78, 32, "#a9cce3"},
    {true, 128, 118, 0, 0, 30, "#ffffff"},
    {false, 84, 156, 88, 72, 40, "#ffffff"},
};

QString number(double v)
{
    return QString::number(v, 'g', 6);
}

} // namespace

QString AppIcon::id()
{
    return QStringLiteral("org.velmora.Velmora");
}

QByteArray AppIcon::svg()
{
    QString out = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                                 "viewBox=\"0 0 256 256\">\n");
    for (const Shape &s : kShapes) {
        if (s.circle)
            out += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
                       .arg(number(s.x), number(s.y), number(s.r), QLatin1String(s.color));
        else
            out += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"%6\"/>\n")
                       .arg(number(s.x), number(s.y), number(s.w), number(s.h), number(s.r),
                            QLatin1String(s.color));
    }
    out += QStringLiteral("</svg>\n");
    return out.toUtf8();
}

QImage AppIcon::image(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kGrid, size / kGrid);
    p.setPen(Qt::NoPen);
    for (const Shape &s : kShapes) {
        p.setBrush(QColor(QLatin1String(s.color)));
        if (s.circle)
            p.drawEllipse(QPointF(s.x, s.y), s.r, s.r);
        else
            p.drawRoundedRect(QRectF(s.x, s.y, s.w, s.h), s.r, s.r);
    }
    p.end();
    return img;
}
