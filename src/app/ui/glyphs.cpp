#include "app/ui/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <functional>
#include <map>

namespace {

// Every glyph is drawn on a 32 x 32 grid and scaled to the size asked.
using Drawing = std::function<void(QPainter &)>;

const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 255);
const QColor kBlue(40, 90, 170);
const QColor kYellow(240, 200, 60);
const QColor kGreen(40, 140, 70);
const QColor kRed(190, 50, 40);

void pen(QPainter &p, const QColor &c, qreal w = 1.6)
{
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void page(QPainter &p, const QRectF &r)
{
    const qreal fold = 6;
    QPolygonF sheet;
    sheet << r.topLeft() << QPointF(r.right() - fold, r.top()) << QPointF(r.right(), r.top() + fold)
          << r.bottomRight() << r.bottomLeft();
    pen(p, kInk);
    p.setBrush(kPaper);
    p.drawPolygon(sheet);
    p.drawPolyline(QPolygonF() << QPointF(r.right() - fold, r.top())
                               << QPointF(r.right() - fold, r.top() + fold)
                               << QPointF(r.right(), r.top() + fold));
}

void lines(QPainter &p, qreal left, qreal right, qreal top, int count, qreal step = 4)
{
    pen(p, QColor(120, 120, 120), 1.2);
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(left, top + i * step), QPointF(right, top + i * step));
}

void plus(QPainter &p, const QPointF &c, const QColor &color)
{
    p.setBrush(color);
    pen(p, color.darker(130), 1);
    p.drawEllipse(c, 6, 6);
    pen(p, kPaper, 2.2);
    p.drawLine(c + QPointF(-3.5, 0), c + QPointF(3.5, 0));
    p.drawLine(c + QPointF(0, -3.5), c + QPointF(0, 3.5));
}

void triangle(QPainter &p, qreal x, bool right)
{
    QPolygonF t;
    if (right)
        t << QPointF(x, 7) << QPointF(x + 12, 16) << QPointF(x, 25);
    else
        t << QPointF(x + 12, 7) << QPointF(x, 16) << QPointF(x + 12, 25);
    pen(p, kBlue.darker(130), 1.2);
    p.setBrush(kBlue);
    p.drawPolygon(t);
}

void bar(QPainter &p, qreal x)
{
    p.setBrush(kBlue);
    pen(p, kBlue.darker(130), 1.2);
    p.drawRect(QRectF(x, 7, 3.5, 18));
}

void person(QPainter &p, const QPointF &head, qreal scale, const QColor &color)
{
    pen(p, color.darker(140), 1.2);
    p.setBrush(color);
    p.drawEllipse(head, 4.5 * scale, 4.5 * scale);
    QPainterPath body;
    const qreal w = 8 * scale;
    const qreal top = head.y() + 6 * scale;
    body.moveTo(head.x() - w, top + 10 * scale);
    body.quadTo(head.x() - w, top, head.x(), top);
    body.quadTo(head.x() + w, top, head.x() + w, top + 10 * scale);
    body.closeSubpath();
    p.drawPath(body);
}

void printer(QPainter &p)
{
    pen(p, kInk);
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 4, 14, 10));
    p.setBrush(QColor(170, 170, 175));
    p.drawRoundedRect(QRectF(4, 13, 24, 11), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 20, 14, 9));
    lines(p, 11, 21, 23, 2, 3);
    p.setBrush(kGreen);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(24, 16.5), 1.4, 1.4);
}

const std::map<QString, Drawing> &drawings()
{
    static const std::map<QString, Drawing> all = {
        {QStringLiteral("save"),
         [](QPainter &p) {
             pen(p, kBlue.darker(150));
             p.setBrush(kBlue);
             p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
             p.setBrush(kPaper);
             p.drawRect(QRectF(9, 4, 14, 9));
             p.setBrush(QColor(200, 200, 210));
             p.drawRect(QRectF(8, 18, 16, 10));
             p.setBrush(kBlue.darker(150));
             p.drawRect(QRectF(18, 6, 3, 5));
         }},
        {QStringLiteral("open"),
         [](QPainter &p) {
             pen(p, kYellow.darker(170));
             p.setBrush(kYellow.darker(115));
             QPolygonF back;
             back << QPointF(3, 8) << QPointF(11, 8) << QPointF(14, 11) << QPointF(27, 11)
                  << QPointF(27, 26) << QPointF(3, 26);
             p.drawPolygon(back);
             p.setBrush(kYellow);
             QPolygonF front;
             front << QPointF(7, 15) << QPointF(30, 15) << QPointF(26, 26) << QPointF(3, 26);
             p.drawPolygon(front);
         }},
        {QStringLiteral("newfile"), [](QPainter &p) { page(p, QRectF(7, 3, 18, 26)); }},
        {QStringLiteral("copy"),
         [](QPainter &p) {
             page(p, QRectF(4, 3, 15, 19));
             lines(p, 7, 15, 10, 3);
             page(p, QRectF(13, 10, 15, 19));
             lines(p, 16, 24, 17, 3);
         }},
        {QStringLiteral("paste"),
         [](QPainter &p) {
             pen(p, QColor(120, 80, 40));
             p.setBrush(QColor(190, 140, 80));
             p.drawRoundedRect(QRectF(5, 5, 20, 24), 2, 2);
             p.setBrush(QColor(170, 170, 175));
             p.drawRoundedRect(QRectF(10, 2, 10, 6), 1.5, 1.5);
             page(p, QRectF(14, 12, 14, 18));
             lines(p, 16.5, 24, 18, 3);
         }},
        {QStringLiteral("first"),
         [](QPainter &p) {
             bar(p, 6);
             triangle(p, 12, false);
         }},
        {QStringLiteral("previous"), [](QPainter &p) { triangle(p, 9, false); }},
        {QStringLiteral("next"), [](QPainter &p) { triangle(p, 11, true); }},
        {QStringLiteral("last"),
         [](QPainter &p) {
             triangle(p, 8, true);
             bar(p, 22.5);
         }},
        {QStringLiteral("newrecord"),
         [](QPainter &p) {
             page(p, QRectF(4, 3, 18, 25));
             lines(p, 7, 18, 10, 4);
             plus(p, QPointF(23, 23), kGreen);
         }},
        {QStringLiteral("printrecord"), [](QPainter &p) { printer(p); }},
        {QStringLiteral("envelope"),
         [](QPainter &p) {
             pen(p, kInk);
             p.setBrush(kPaper);
             p.drawRect(QRectF(3, 8, 26, 17));
             p.drawPolyline(QPolygonF() << QPointF(3, 8) << QPointF(16, 18) << QPointF(29, 8));
             p.setBrush(kRed);
             p.drawRect(QRectF(23, 10, 4, 4));
         }},
        {QStringLiteral("members"), [](QPainter &p) { person(p, QPointF(16, 8), 1.0, kBlue); }},
        {QStringLiteral("partners"),
         [](QPainter &p) {
             pen(p, kInk);
             p.setBrush(QColor(180, 180, 190));
             p.drawRect(QRectF(5, 6, 14, 22));
             p.drawRect(QRectF(19, 13, 9, 15));
             p.setBrush(kYellow);
             for (int r = 0; r < 4; ++r)
                 for (int c = 0; c < 2; ++c)
                     p.drawRect(QRectF(8 + c * 5, 9 + r * 4.5, 3, 2.5));
         }},
        {QStringLiteral("activities"),
         [](QPainter &p) {
             pen(p, kInk);
             p.setBrush(kPaper);
             p.drawRect(QRectF(4, 7, 24, 21));
             p.setBrush(kRed);
             p.drawRect(QRectF(4, 7, 24, 6));
             pen(p, kInk, 2);
             p.drawLine(QPointF(10, 4), QPointF(10, 9));
             p.drawLine(QPointF(22, 4), QPointF(22, 9));
             p.setBrush(kGreen);
             pen(p, kGreen.darker(130), 1);
             p.drawEllipse(QPointF(16, 20.5), 4, 4);
         }},
        {QStringLiteral("card"),
         [](QPainter &p) {
             pen(p, kInk);
             p.setBrush(QColor(230, 240, 255));
             p.drawRoundedRect(QRectF(2, 7, 28, 19), 3, 3);
             person(p, QPointF(9, 12), 0.55, kBlue);
             lines(p, 16, 27, 12, 3, 4);
         }},
        {QStringLiteral("receipts"),
         [](QPainter &p) {
             pen(p, kInk);
             p.setBrush(kPaper);
             QPolygonF slip;
             slip << QPointF(7, 3) << QPointF(25, 3) << QPointF(25, 29) << QPointF(22, 27)
                  << QPointF(19, 29) << QPointF(16, 27) << QPointF(13, 29) << QPointF(10, 27)
                  << QPointF(7, 29);
             p.drawPolygon(slip);
             lines(p, 10, 22, 8, 2);
             QFont f = p.font();
             f.setPixelSize(11);
             f.setBold(true);
             p.setFont(f);
             pen(p, kGreen.darker(120));
             p.drawText(QRectF(7, 14, 18, 12), Qt::AlignCenter, QString(QChar(0x20AC)));
         }},
    };
    return all;
}

} // namespace

QPixmap Glyphs::pixmap(const QString &name, int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    const auto &all = drawings();
    const auto it = all.find(name);
    if (it != all.end()) {
        it->second(p);
    } else {
        pen(p, kInk);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(4, 4, 24, 24));
    }
    return pm;
}

QIcon Glyphs::icon(const QString &name)
{
    QIcon icon;
    for (int size : {16, 24, 32})
        icon.addPixmap(pixmap(name, size));
    return icon;
}

QPixmap Glyphs::splashPicture(const QSize &size)
{
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    p.scale(w / 120.0, h / 90.0);

    // An open register: two pages with ruled lines, a pen across them.
    pen(p, kInk, 1.5);
    p.setBrush(QColor(120, 40, 30));
    p.drawRoundedRect(QRectF(6, 10, 108, 72), 4, 4);
    p.setBrush(kPaper);
    p.drawRect(QRectF(10, 13, 49, 64));
    p.drawRect(QRectF(61, 13, 49, 64));
    pen(p, QColor(150, 170, 210), 1);
    for (int i = 0; i < 9; ++i) {
        const qreal y = 22 + i * 6;
        p.drawLine(QPointF(14, y), QPointF(55, y));
        p.drawLine(QPointF(65, y), QPointF(106, y));
    }
    pen(p, kRed, 1);
    p.drawLine(QPointF(22, 15), QPointF(22, 75));
    p.drawLine(QPointF(73, 15), QPointF(73, 75));

    p.save();
    p.translate(84, 46);
    p.rotate(-35);
    pen(p, kInk, 1);
    p.setBrush(kBlue);
    p.drawRect(QRectF(-28, -3, 44, 6));
    p.setBrush(kYellow);
    QPolygonF nib;
    nib << QPointF(16, -3) << QPointF(24, 0) << QPointF(16, 3);
    p.drawPolygon(nib);
    p.restore();
    return pm;
}
