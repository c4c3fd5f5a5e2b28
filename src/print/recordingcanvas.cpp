#include "print/recordingcanvas.h"

#include <QFontMetrics>

#include <cmath>

RecordingCanvas::RecordingCanvas(int widthPx, int heightPx, int widthMm, int heightMm)
    : m_widthPx(widthPx), m_heightPx(heightPx), m_widthMm(widthMm), m_heightMm(heightMm)
{
    setFont(QStringLiteral("Arial"), 10);
}

void RecordingCanvas::setFont(const QString &family, int pointSize, bool bold, bool italic, bool underline)
{
    m_family = family;
    m_pointSize = pointSize;
    m_bold = bold;
    m_font = QFont(family);
    // Points to device pixels at the device's own vertical resolution.
    const double dpi = m_heightMm > 0 ? m_heightPx * 25.4 / m_heightMm : 96.0;
    m_font.setPixelSize(std::max(1, int(std::lround(pointSize * dpi / 72.0))));
    m_font.setBold(bold);
    m_font.setItalic(italic);
    m_font.setUnderline(underline);
}

void RecordingCanvas::textOut(int x, int y, const QString &text)
{
    Op op;
    op.type = Op::Text;
    op.page = m_page;
    op.x = x;
    op.y = y;
    op.text = text;
    op.family = m_family;
    op.pointSize = m_pointSize;
    op.bold = m_bold;
    m_ops.append(op);
}

int RecordingCanvas::textWidth(const QString &text) const
{
    return QFontMetrics(m_font).horizontalAdvance(text);
}

int RecordingCanvas::textHeight(const QString &) const
{
    return QFontMetrics(m_font).height();
}

void RecordingCanvas::moveTo(int x, int y)
{
    m_penX = x;
    m_penY = y;
}

void RecordingCanvas::lineTo(int x, int y)
{
    Op op;
    op.type = Op::Line;
    op.page = m_page;
    op.x = m_penX;
    op.y = m_penY;
    op.x2 = x;
    op.y2 = y;
    op.penWidth = m_penWidth;
    m_ops.append(op);
    m_penX = x;
    m_penY = y;
}

void RecordingCanvas::rectangle(const QRect &r)
{
    Op op;
    op.type = Op::Rectangle;
    op.page = m_page;
    op.x = r.left();
    op.y = r.top();
    op.x2 = r.left() + r.width();
    op.y2 = r.top() + r.height();
    op.penWidth = m_penWidth;
    op.brush = m_brush;
    m_ops.append(op);
}

void RecordingCanvas::fillRect(const QRect &r)
{
    rectangle(r);
    m_ops.last().type = Op::Fill;
}

bool RecordingCanvas::newPage()
{
    if (m_refuseFrom >= 0 && m_page + 1 >= m_refuseFrom)
        return false;
    ++m_page;
    return true;
}

QList<RecordingCanvas::Op> RecordingCanvas::texts(int page) const
{
    QList<Op> out;
    for (const Op &op : m_ops)
        if (op.type == Op::Text && (page < 0 || op.page == page))
            out.append(op);
    return out;
}

const RecordingCanvas::Op *RecordingCanvas::findText(const QString &text) const
{
    for (const Op &op : m_ops)
        if (op.type == Op::Text && op.text == text)
            return &op;
    return nullptr;
}
