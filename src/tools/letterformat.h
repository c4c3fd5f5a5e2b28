#pragma once
// How a letter's layout is kept in a text document, and how it converts to the
// units of rich-text files. One place for every conversion, so that the reader,
// the writer, the ruler and the printout agree.
//
// Lengths in the document (block margins, tab stops, line heights) are pixels
// at 96 per inch, as on the screen: one pixel is 15 twips, one point 4/3 of a
// pixel. A bulleted or numbered paragraph keeps its marker on the left of its
// first line, so its first line is drawn one hang to the right of what the
// file gives; the conversions below add and remove that hang.

#include <QString>
#include <QTextListFormat>

class QTextBlock;
class QTextBlockFormat;
class QTextCharFormat;
class QTextCursor;
class QTextDocument;

namespace Letter {

constexpr double kTwipsPerUnit = 15.0;
constexpr int kTwipsPerPoint = 20;
// The hang of a list paragraph: room for its marker, a quarter inch.
constexpr int kListHangTwips = 360;
constexpr double kDefaultPointSize = 12.0;

QString defaultFamily();

inline double unitsFromTwips(int twips) { return twips / kTwipsPerUnit; }
int twipsFromUnits(double units);

// Paper and margins in twips: A4 with 2 cm margins unless a file gives others.
struct Page
{
    int width = 11906;
    int height = 16838;
    int left = 1134;
    int right = 1134;
    int top = 1134;
    int bottom = 1134;
    bool operator==(const Page &o) const;
};

// A paragraph's indents as the file has them: \li (every line but the first),
// \fi (the first line, relative to \li) and \ri.
struct ParaTwips
{
    int li = 0;
    int fi = 0;
    int ri = 0;
};

// The same in points as the ruler shows them: the first line from the left
// margin, the other lines relative to the first, the right indent.
struct Indents
{
    double first = 0;
    double left = 0;
    double right = 0;
};

ParaTwips twipsOf(const QTextBlockFormat &format, bool listed);
void setTwips(QTextBlockFormat *format, const ParaTwips &twips, bool listed);
Indents indentsOf(const ParaTwips &twips);
ParaTwips twipsOf(const Indents &indents);

// The indents of a paragraph of a document, with the indent steps of lists
// pasted in from elsewhere; and the same set on every paragraph a cursor's
// selection touches.
ParaTwips twipsOf(const QTextBlock &block);
Indents indentsOf(const QTextBlock &block);
void setIndents(const QTextCursor &cursor, const Indents &indents);

// Bullets on or off for every paragraph the selection touches; a paragraph
// keeps its indents as the ruler shows them.
void setBullets(const QTextCursor &cursor, bool on);
bool hasBullet(const QTextBlock &block);
QTextListFormat bulletFormat(QTextListFormat::Style style = QTextListFormat::ListDisc);

// A character format's font with the document's default filled in.
QString familyOf(const QTextCharFormat &format, const QTextDocument &doc);
double pointSizeOf(const QTextCharFormat &format, const QTextDocument &doc);

// An empty document that a new letter starts from: Times New Roman 12.
void prepare(QTextDocument *doc);
QTextCharFormat defaultCharFormat();

} // namespace Letter
