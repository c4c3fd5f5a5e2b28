#include "tools/letterformat.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <cmath>

namespace Letter {

QString defaultFamily()
{
    return QStringLiteral("Times New Roman");
}

int twipsFromUnits(double units)
{
    return int(std::lround(units * kTwipsPerUnit));
}

bool Page::operator==(const Page &o) const
{
    return width == o.width && height == o.height && left == o.left && right == o.right && top == o.top
           && bottom == o.bottom;
}

ParaTwips twipsOf(const QTextBlockFormat &format, bool listed)
{
    ParaTwips t;
    t.li = twipsFromUnits(format.leftMargin());
    t.fi = twipsFromUnits(format.textIndent()) - (listed ? kListHangTwips : 0);
    t.ri = twipsFromUnits(format.rightMargin());
    return t;
}

void setTwips(QTextBlockFormat *format, const ParaTwips &twips, bool listed)
{
    format->setLeftMargin(unitsFromTwips(twips.li));
    format->setTextIndent(unitsFromTwips(twips.fi + (listed ? kListHangTwips : 0)));
    format->setRightMargin(unitsFromTwips(twips.ri));
}

Indents indentsOf(const ParaTwips &t)
{
    return {double(t.li + t.fi) / kTwipsPerPoint, double(-t.fi) / kTwipsPerPoint, double(t.ri) / kTwipsPerPoint};
}

ParaTwips twipsOf(const Indents &in)
{
    ParaTwips t;
    t.li = int(std::lround((in.first + in.left) * kTwipsPerPoint));
    t.fi = int(std::lround(-in.left * kTwipsPerPoint));
    t.ri = int(std::lround(in.right * kTwipsPerPoint));
    return t;
}

namespace {

// The room that indent steps (of the paragraph and of its list) add.
int stepTwips(const QTextBlock &block)
{
    int steps = block.blockFormat().indent();
    if (block.textList())
        steps += block.textList()->format().indent();
    return steps ? twipsFromUnits(steps * block.document()->indentWidth()) : 0;
}

// Every paragraph from the selection's start to its end.
template <typename F>
void forEachBlock(const QTextCursor &cursor, F f)
{
    QTextDocument *doc = cursor.document();
    const QTextBlock last = doc->findBlock(cursor.selectionEnd());
    for (QTextBlock b = doc->findBlock(cursor.selectionStart()); b.isValid(); b = b.next()) {
        f(b);
        if (b == last)
            break;
    }
}

} // namespace

ParaTwips twipsOf(const QTextBlock &block)
{
    ParaTwips t = twipsOf(block.blockFormat(), hasBullet(block));
    t.li += stepTwips(block);
    return t;
}

Indents indentsOf(const QTextBlock &block)
{
    return indentsOf(twipsOf(block));
}

void setIndents(const QTextCursor &cursor, const Indents &indents)
{
    const ParaTwips t = twipsOf(indents);
    QTextCursor c(cursor);
    c.beginEditBlock();
    forEachBlock(cursor, [&](const QTextBlock &b) {
        QTextBlockFormat f = b.blockFormat();
        ParaTwips own = t;
        own.li -= stepTwips(b);
        setTwips(&f, own, hasBullet(b));
        QTextCursor(b).setBlockFormat(f);
    });
    c.endEditBlock();
}

bool hasBullet(const QTextBlock &block)
{
    return block.textList() != nullptr;
}

QTextListFormat bulletFormat(QTextListFormat::Style style)
{
    QTextListFormat f;
    f.setStyle(style);
    // The marker lives in the paragraph's own hang, not in an added indent.
    f.setIndent(0);
    return f;
}

void setBullets(const QTextCursor &cursor, bool on)
{
    QTextCursor edit(cursor);
    edit.beginEditBlock();
    QTextList *joined = nullptr;
    if (on) {
        const QTextBlock before = cursor.document()->findBlock(cursor.selectionStart()).previous();
        if (before.isValid() && before.textList()
            && before.textList()->format().style() == QTextListFormat::ListDisc)
            joined = before.textList();
    }
    forEachBlock(cursor, [&](const QTextBlock &b) {
        const bool listed = hasBullet(b);
        if (listed == on) {
            joined = b.textList();
            return;
        }
        ParaTwips t = twipsOf(b.blockFormat(), listed);
        t.li += stepTwips(b);
        QTextCursor c(b);
        if (on) {
            if (joined)
                joined->add(b);
            else
                joined = c.createList(bulletFormat());
        } else {
            b.textList()->remove(b);
        }
        QTextBlockFormat f = c.block().blockFormat();
        t.li -= stepTwips(c.block());
        setTwips(&f, t, on);
        c.setBlockFormat(f);
    });
    edit.endEditBlock();
}

QString familyOf(const QTextCharFormat &format, const QTextDocument &doc)
{
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.constFirst().isEmpty())
        return families.constFirst();
    const QString family = format.property(QTextFormat::FontFamily).toString();
    return family.isEmpty() ? doc.defaultFont().family() : family;
}

double pointSizeOf(const QTextCharFormat &format, const QTextDocument &doc)
{
    if (format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0)
        return format.fontPointSize();
    const double size = doc.defaultFont().pointSizeF();
    return size > 0 ? size : kDefaultPointSize;
}

QTextCharFormat defaultCharFormat()
{
    QTextCharFormat f;
    f.setFontFamilies({defaultFamily()});
    f.setFontPointSize(kDefaultPointSize);
    return f;
}

void prepare(QTextDocument *doc)
{
    doc->clear();
    QFont font(defaultFamily());
    font.setPointSizeF(kDefaultPointSize);
    doc->setDefaultFont(font);
}

} // namespace Letter
