#include "tools/letterprint.h"

#include "print/canvas.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextList>

#include <algorithm>
#include <cmath>

namespace {

// Document units (pixels at 96 per inch) in a length of millimetres.
double unitsOfMm(double mm)
{
    return mm / 25.4 * 96.0;
}

} // namespace

LetterPrint::LetterPrint(const QTextDocument &doc, const Letter::Page &page, int widthPx, int heightPx,
                         int widthMm, int heightMm)
    : m_doc(doc.clone())
{
    m_pageSize = QSizeF(unitsOfMm(std::max(widthMm, 1)), unitsOfMm(std::max(heightMm, 1)));
    m_scaleX = widthPx / m_pageSize.width();
    m_scaleY = heightPx / m_pageSize.height();
    // Widths that do not depend on the screen's hinting, so that lines break
    // as they will at the printer's resolution.
    m_doc->setUseDesignMetrics(true);
    m_doc->setDocumentMargin(0);
    // Margins from a file are kept, but always leave two thirds of the page.
    auto margin = [](int twips, double extent) {
        return std::clamp(Letter::unitsFromTwips(twips), 0.0, extent / 3);
    };
    QTextFrameFormat frame = m_doc->rootFrame()->frameFormat();
    frame.setLeftMargin(margin(page.left, m_pageSize.width()));
    frame.setRightMargin(margin(page.right, m_pageSize.width()));
    frame.setTopMargin(margin(page.top, m_pageSize.height()));
    frame.setBottomMargin(margin(page.bottom, m_pageSize.height()));
    m_doc->rootFrame()->setFrameFormat(frame);
    m_doc->setPageSize(m_pageSize);
}

LetterPrint::~LetterPrint() = default;

int LetterPrint::pageCount() const
{
    return std::max(1, m_doc->pageCount());
}

QList<LetterPrint::Line> LetterPrint::lines() const
{
    QList<Line> out;
    QAbstractTextDocumentLayout *layout = m_doc->documentLayout();
    const double pageHeight = m_pageSize.height();
    for (QTextBlock block = m_doc->begin(); block.isValid(); block = block.next()) {
        const QTextLayout *tl = block.layout();
        const QPointF origin = layout->blockBoundingRect(block).topLeft();
        for (int i = 0; i < tl->lineCount(); ++i) {
            const QTextLine line = tl->lineAt(i);
            const QPointF pos = origin + line.position();
            Line l;
            l.page = std::max(0, int(pos.y() / pageHeight));
            l.x = int(std::lround(pos.x() * m_scaleX));
            l.y = int(std::lround((pos.y() - l.page * pageHeight) * m_scaleY));
            l.height = int(std::lround(line.height() * m_scaleY));
            l.text = block.text().mid(line.textStart(), line.textLength()).trimmed();
            l.text.replace(QChar::LineSeparator, QLatin1Char(' '));
            if (i == 0 && block.textList()) {
                const QString marker = block.textList()->itemText(block);
                l.text.prepend((marker.isEmpty() ? QStringLiteral("\u2022") : marker) + QLatin1Char(' '));
            }
            QTextCharFormat format = block.charFormat();
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (it.fragment().contains(block.position() + line.textStart())) {
                    format = it.fragment().charFormat();
                    break;
                }
            l.family = Letter::familyOf(format, *m_doc);
            l.pointSize = int(Letter::pointSizeOf(format, *m_doc));
            l.bold = format.fontWeight() >= QFont::DemiBold;
            l.italic = format.fontItalic();
            l.underline = format.fontUnderline();
            out.append(l);
        }
    }
    return out;
}

bool LetterPrint::draw(Canvas &canvas) const
{
    const int pages = pageCount();
    if (QPainter *painter = canvas.painter()) {
        for (int page = 0; page < pages; ++page) {
            if (page > 0 && !canvas.newPage())
                return false;
            painter->save();
            painter->scale(m_scaleX, m_scaleY);
            painter->translate(0, -page * m_pageSize.height());
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = QRectF(QPointF(0, page * m_pageSize.height()), m_pageSize);
            context.palette.setColor(QPalette::Text, Qt::black);
            m_doc->documentLayout()->draw(painter, context);
            painter->restore();
        }
        return true;
    }
    int page = 0;
    for (const Line &line : lines()) {
        for (; page < line.page; ++page)
            if (!canvas.newPage())
                return false;
        if (line.text.isEmpty())
            continue;
        canvas.setFont(line.family, line.pointSize, line.bold, line.italic, line.underline);
        canvas.textOut(line.x, line.y, line.text);
    }
    for (; page < pages - 1; ++page)
        if (!canvas.newPage())
            return false;
    return true;
}
