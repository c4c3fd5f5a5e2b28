#include "tools/rtfwriter.h"

#include "core/cp1252.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <cmath>

namespace {

// The character properties as written so far; the reader starts from the
// same state (the default font, 12 points, nothing else).
struct CharState
{
    int font = 0;
    int fs = 24;
    int cf = 0;
    bool b = false, i = false, ul = false, strike = false;
};

class Writer
{
public:
    explicit Writer(const QTextDocument &doc) : m_doc(doc)
    {
        m_fonts.append(Letter::defaultFamily());
        m_out.reserve(qsizetype(doc.characterCount()) * 3 / 2 + 1024);
    }

    QByteArray run(const Letter::Page &page);

private:
    void word(const char *w)
    {
        m_out += '\\';
        m_out += w;
        m_delimit = true;
    }
    void word(const char *w, int n)
    {
        word(w);
        m_out += QByteArray::number(n);
    }
    void text(const QString &text);
    void paragraph(const QTextBlock &block);
    void listMarker(const QTextBlock &block);
    void apply(const QTextCharFormat &format, int formatIndex);
    CharState stateOf(const QTextCharFormat &format);
    int fontIndex(const QString &family);
    int colorIndex(const QColor &color);

    const QTextDocument &m_doc;
    QByteArray m_out;
    bool m_delimit = false; // a control word waits for its delimiting space
    CharState m_state;
    QStringList m_fonts;
    QList<QColor> m_colors;
    QHash<int, CharState> m_states;
};

int Writer::fontIndex(const QString &family)
{
    const qsizetype i = m_fonts.indexOf(family);
    if (i >= 0)
        return int(i);
    m_fonts.append(family);
    return int(m_fonts.size() - 1);
}

int Writer::colorIndex(const QColor &color)
{
    const QRgb rgb = color.rgb();
    for (qsizetype i = 0; i < m_colors.size(); ++i)
        if (m_colors.at(i).rgb() == rgb)
            return int(i + 1);
    m_colors.append(color);
    return int(m_colors.size());
}

void Writer::text(const QString &s)
{
    QByteArray bytes(s.size(), Qt::Uninitialized);
    Cp1252::encodeInto(s, bytes.data());
    static const char hex[] = "0123456789abcdef";
    for (qsizetype i = 0; i < s.size(); ++i) {
        // A stretch of plain characters goes out as it is.
        qsizetype plain = i;
        while (plain < s.size() && s.at(plain).unicode() > 0x20 && s.at(plain).unicode() < 0x80
               && s.at(plain) != u'\\' && s.at(plain) != u'{' && s.at(plain) != u'}')
            ++plain;
        if (plain > i) {
            if (m_delimit) {
                m_out += ' ';
                m_delimit = false;
            }
            m_out.append(bytes.constData() + i, plain - i);
            i = plain - 1;
            continue;
        }
        const char16_t u = s.at(i).unicode();
        switch (u) {
        case u'\t': word("tab"); continue;
        case QChar::LineSeparator: word("line"); continue;
        case QChar::ObjectReplacementCharacter: continue; // a picture pasted in: not kept
        case u'\u00A0': m_out += "\\~"; m_delimit = false; continue;
        case u'\u00AD': m_out += "\\-"; m_delimit = false; continue;
        case u'\u2011': m_out += "\\_"; m_delimit = false; continue;
        default: break;
        }
        if (m_delimit) {
            m_out += ' ';
            m_delimit = false;
        }
        const unsigned char b = static_cast<unsigned char>(bytes.at(i));
        if (u >= 0x20 && u < 0x80) {
            if (u == '\\' || u == '{' || u == '}')
                m_out += '\\';
            m_out += char(u);
        } else if (u >= 0x80 && (b != '?')) {
            m_out += "\\'";
            m_out += hex[b >> 4];
            m_out += hex[b & 15];
        } else {
            m_out += "\\u";
            m_out += QByteArray::number(u >= 0x8000 ? int(u) - 65536 : int(u));
            m_out += '?';
        }
    }
}

CharState Writer::stateOf(const QTextCharFormat &f)
{
    CharState s;
    s.font = fontIndex(Letter::familyOf(f, m_doc));
    s.fs = std::max(1, int(std::lround(Letter::pointSizeOf(f, m_doc) * 2)));
    s.b = f.fontWeight() >= QFont::DemiBold;
    s.i = f.fontItalic();
    s.ul = f.fontUnderline();
    s.strike = f.fontStrikeOut();
    if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
        s.cf = colorIndex(f.foreground().color());
    return s;
}

void Writer::apply(const QTextCharFormat &f, int formatIndex)
{
    // Each format of the document is looked at once.
    auto known = m_states.constFind(formatIndex);
    if (known == m_states.constEnd())
        known = m_states.insert(formatIndex, stateOf(f));
    const CharState s = *known;
    CharState &w = m_state;
    if (s.font != w.font)
        word("f", s.font);
    if (s.fs != w.fs)
        word("fs", s.fs);
    if (s.b != w.b)
        word(s.b ? "b" : "b0");
    if (s.i != w.i)
        word(s.i ? "i" : "i0");
    if (s.ul != w.ul)
        word(s.ul ? "ul" : "ulnone");
    if (s.strike != w.strike)
        word(s.strike ? "strike" : "strike0");
    if (s.cf != w.cf)
        word("cf", s.cf);
    w = s;
}

// The bullet or number, in the old form that word processors read after
// \pard, preceded by its text for readers that know no lists.
void Writer::listMarker(const QTextBlock &block)
{
    const QTextListFormat::Style style = block.textList()->format().style();
    const char *number = nullptr;
    switch (style) {
    case QTextListFormat::ListDecimal: number = "pndec"; break;
    case QTextListFormat::ListUpperRoman: number = "pnucrm"; break;
    case QTextListFormat::ListLowerRoman: number = "pnlcrm"; break;
    case QTextListFormat::ListUpperAlpha: number = "pnucltr"; break;
    case QTextListFormat::ListLowerAlpha: number = "pnlcltr"; break;
    default: break;
    }
    m_out += "{\\pntext";
    m_delimit = true;
    if (number)
        text(block.textList()->itemText(block));
    else
        text(QStringLiteral("\u2022"));
    word("tab");
    m_out += "}{\\*\\pn";
    if (number) {
        m_out += "\\pnlvlbody\\pnindent0\\pnstart1\\";
        m_out += number;
        m_out += "{\\pntxta .}}";
    } else {
        m_out += "\\pnlvlblt\\pnindent0{\\pntxtb\\'95}}";
    }
    m_delimit = false;
}

void Writer::paragraph(const QTextBlock &block)
{
    const QTextBlockFormat bf = block.blockFormat();
    const bool listed = block.textList() != nullptr;
    word("pard");
    if (listed)
        listMarker(block);
    const Qt::Alignment align = bf.alignment() & Qt::AlignHorizontal_Mask;
    if (align & Qt::AlignHCenter)
        word("qc");
    else if (align & (Qt::AlignRight | Qt::AlignTrailing) && !(align & Qt::AlignLeft))
        word("qr");
    else if (align & Qt::AlignJustify)
        word("qj");
    const Letter::ParaTwips t = Letter::twipsOf(block);
    if (t.li)
        word("li", t.li);
    if (t.fi)
        word("fi", t.fi);
    if (t.ri)
        word("ri", t.ri);
    if (const int sb = Letter::twipsFromUnits(bf.topMargin()))
        word("sb", sb);
    if (const int sa = Letter::twipsFromUnits(bf.bottomMargin()))
        word("sa", sa);
    switch (bf.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        if (const int sl = int(std::lround(bf.lineHeight() * 2.4)); sl > 0 && sl != 240) {
            word("sl", sl);
            word("slmult", 1);
        }
        break;
    case QTextBlockFormat::MinimumHeight:
    case QTextBlockFormat::FixedHeight:
        if (const int sl = Letter::twipsFromUnits(bf.lineHeight()); sl > 0) {
            word("sl", bf.lineHeightType() == QTextBlockFormat::FixedHeight ? -sl : sl);
            word("slmult", 0);
        }
        break;
    default: break;
    }
    for (const QTextOption::Tab &tab : bf.tabPositions()) {
        if (tab.type == QTextOption::RightTab)
            word("tqr");
        else if (tab.type == QTextOption::CenterTab)
            word("tqc");
        else if (tab.type == QTextOption::DelimiterTab)
            word("tqdec");
        word("tx", Letter::twipsFromUnits(tab.position));
    }
    if (bf.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
        word("pagebb");

    if (block.length() <= 1)
        apply(block.charFormat(), block.charFormatIndex());
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        const QTextCharFormat f = fragment.charFormat();
        apply(f, fragment.charFormatIndex());
        // Raised and lowered text in a group of its own: a paragraph ending
        // raised loses its end in some word processors.
        const QTextCharFormat::VerticalAlignment vert = f.verticalAlignment();
        const bool raised = vert == QTextCharFormat::AlignSuperScript || vert == QTextCharFormat::AlignSubScript;
        if (raised) {
            m_out += '{';
            word(vert == QTextCharFormat::AlignSuperScript ? "super" : "sub");
        }
        text(fragment.text());
        if (raised) {
            m_out += '}';
            m_delimit = false;
        }
    }
    word("par");
    m_out += "\r\n";
    m_delimit = false;
}

QByteArray Writer::run(const Letter::Page &page)
{
    for (QTextBlock b = m_doc.begin(); b.isValid(); b = b.next())
        paragraph(b);
    const QByteArray body = m_out;
    m_out.clear();
    m_out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl";
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        m_out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0";
        m_delimit = true;
        text(m_fonts.at(i));
        m_out += ";}";
    }
    m_out += '}';
    if (!m_colors.isEmpty()) {
        m_out += "{\\colortbl;";
        for (const QColor &c : m_colors)
            m_out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) + "\\blue"
                     + QByteArray::number(c.blue()) + ';';
        m_out += '}';
    }
    m_out += "\r\n";
    word("paperw", page.width);
    word("paperh", page.height);
    word("margl", page.left);
    word("margr", page.right);
    word("margt", page.top);
    word("margb", page.bottom);
    m_out += "\r\n";
    m_out += body;
    m_out += "}\r\n";
    return m_out;
}

} // namespace

namespace RtfWriter {

QByteArray write(const QTextDocument &doc, const Letter::Page &page)
{
    return Writer(doc).run(page);
}

} // namespace RtfWriter
