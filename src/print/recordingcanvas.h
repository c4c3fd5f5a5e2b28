#pragma once
// A canvas that keeps what is drawn on it, page by page, for checking the
// layout of a printout without a printer. Text is measured with the font's
// metrics at the resolution the device's size gives.

#include "print/canvas.h"

#include <QFont>
#include <QList>

class RecordingCanvas : public Canvas
{
public:
    struct Op
    {
        enum Type { Text, Line, Rectangle, Fill };
        Type type = Text;
        int page = 0;
        int x = 0, y = 0;   // text: top-left; line: start; rectangles: top-left
        int x2 = 0, y2 = 0; // line: end; rectangles: bottom-right (exclusive)
        QString text;
        QString family;
        int pointSize = 0;
        bool bold = false;
        int penWidth = 1;
        QColor brush;
    };

    // An A4 sheet at 600 dpi: 4960 x 7016 px over 210 x 297 mm (factor 23).
    RecordingCanvas() : RecordingCanvas(4960, 7016, 210, 297) {}
    RecordingCanvas(int widthPx, int heightPx, int widthMm, int heightMm);

    int widthPx() const override { return m_widthPx; }
    int heightPx() const override { return m_heightPx; }
    int widthMm() const override { return m_widthMm; }
    int heightMm() const override { return m_heightMm; }

    void setFont(const QString &family, int pointSize, bool bold = false, bool italic = false,
                 bool underline = false) override;
    void textOut(int x, int y, const QString &text) override;
    int textWidth(const QString &text) const override;
    int textHeight(const QString &text) const override;
    void setPenWidth(int px) override { m_penWidth = px; }
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void setBrushColor(const QColor &color) override { m_brush = color; }
    void rectangle(const QRect &r) override;
    void fillRect(const QRect &r) override;
    bool newPage() override;

    // Pages drawn so far (at least 1) and what was drawn.
    int pageCount() const { return m_page + 1; }
    const QList<Op> &ops() const { return m_ops; }
    QList<Op> texts(int page = -1) const;
    // The first text op whose text is exactly `text`, or null.
    const Op *findText(const QString &text) const;
    // A page that refuses to start: newPage() returns false from this page on.
    void refuseNewPageFrom(int page) { m_refuseFrom = page; }

private:
    int m_widthPx, m_heightPx, m_widthMm, m_heightMm;
    QFont m_font;
    QString m_family;
    int m_pointSize = 10;
    bool m_bold = false;
    int m_penWidth = 1;
    QColor m_brush = Qt::white;
    int m_penX = 0, m_penY = 0;
    int m_page = 0;
    int m_refuseFrom = -1;
    QList<Op> m_ops;
};
