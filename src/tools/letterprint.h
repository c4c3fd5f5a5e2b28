#pragma once
// The printout of a letter: the document laid out on the printable area of a
// device within the letter's margins, broken into pages, and drawn page by
// page on a canvas. A canvas with a painter gets the document drawn whole, as
// on the screen; one without gets each line of text at its place.

#include "tools/letterformat.h"

#include <QList>
#include <QSizeF>
#include <QString>

#include <memory>

class Canvas;
class QTextDocument;

class LetterPrint
{
public:
    LetterPrint(const QTextDocument &doc, const Letter::Page &page, int widthPx, int heightPx, int widthMm,
                int heightMm);
    ~LetterPrint();

    int pageCount() const;

    // A line of text where it lands: page, top-left corner in device pixels
    // from the page's printable area, its text and the font of its start.
    struct Line
    {
        int page = 0;
        int x = 0;
        int y = 0;
        int height = 0;
        QString text;
        QString family;
        int pointSize = 0;
        bool bold = false, italic = false, underline = false;
    };
    QList<Line> lines() const;

    // Every page on the canvas; false when the device refused a page.
    bool draw(Canvas &canvas) const;

private:
    std::unique_ptr<QTextDocument> m_doc;
    double m_scaleX = 1; // device pixels per document unit
    double m_scaleY = 1;
    QSizeF m_pageSize;  // in document units
};
