#include "print/mmcanvas.h"

#include <QRect>

const QString &MmCanvas::face()
{
    static const QString arial = QStringLiteral("Arial");
    return arial;
}

void MmCanvas::font(int pointSize, bool bold)
{
    m_canvas.setFont(face(), pointSize, bold);
}

void MmCanvas::text(int x, int y, const QString &text)
{
    m_canvas.textOut(Mh(x), Mv(y), text);
}

void MmCanvas::textRight(int x, int y, const QString &text)
{
    m_canvas.textOut(Mh(x) - m_canvas.textWidth(text), Mv(y), text);
}

void MmCanvas::textBefore(int x, int y, const QString &text, int rightPx)
{
    m_canvas.textOut(Mh(x), Mv(y), TextFit::cut(m_canvas, text, rightPx - Mh(x)));
}

void MmCanvas::line(int x1, int y1, int x2, int y2)
{
    m_canvas.moveTo(Mh(x1), Mv(y1));
    m_canvas.lineTo(Mh(x2), Mv(y2));
}

void MmCanvas::rectangle(int x1, int y1, int x2, int y2)
{
    m_canvas.rectangle(QRect(Mh(x1), Mv(y1), Mh(x2) - Mh(x1), Mv(y2) - Mv(y1)));
}

bool MmCanvas::fits(int y) const
{
    return Mv(y) + m_canvas.textHeight(QStringLiteral("Ag")) <= m_canvas.heightPx();
}

QString TextFit::cut(const Canvas &canvas, const QString &text, int maxPx)
{
    if (canvas.textWidth(text) <= maxPx)
        return text;
    // Widths grow with the length: the longest start that fits is found by halving.
    qsizetype lo = 0, hi = text.size() - 1;
    while (lo < hi) {
        const qsizetype mid = (lo + hi + 1) / 2;
        if (canvas.textWidth(text.left(mid)) <= maxPx)
            lo = mid;
        else
            hi = mid - 1;
    }
    return text.left(lo);
}

QStringList TextFit::wrap(const Canvas &canvas, const QString &text, int maxPx)
{
    // A text that fits is kept as it is, blanks and all.
    if (canvas.textWidth(text) <= maxPx)
        return {text};
    QStringList lines;
    QString current;
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString word : words) {
        const QString joined = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (canvas.textWidth(joined) <= maxPx) {
            current = joined;
            continue;
        }
        if (!current.isEmpty())
            lines.append(current);
        current.clear();
        // A word longer than the line goes in pieces.
        while (canvas.textWidth(word) > maxPx) {
            const QString piece = cut(canvas, word, maxPx);
            if (piece.isEmpty())
                break; // not even one character fits: the word goes whole
            lines.append(piece);
            word = word.mid(piece.size());
        }
        current = word;
    }
    if (!current.isEmpty() || lines.isEmpty())
        lines.append(current);
    return lines;
}
