#include "tools/rtfreader.h"

#include "core/cp1252.h"
#include "core/formats.h"

#include <QHash>
#include <QList>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <map>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

// Where the text of a group goes.
enum class Dest : quint8 {
    Body,          // the letter
    Skip,          // nowhere: what the editor cannot show or has no use for
    FontTable,
    ColorTable,
    ListTable,
    ListOverrides,
    Pn,            // a paragraph's bullet or numbering, old form
    Marker,        // the text of a bullet or number, kept for readers without lists
};

enum class Kw : quint16 {
    // Destinations
    FontTable, ColorTable, SkipDest, PictureDest, ObjectDest, HeaderDest, NoteDest, MarkerDest, PnDest,
    ListTableDest, ListOverrideDest, BodyDest,
    // Document
    AnsiCpg, Ansi, Mac, Pc, Pca, Deff, Uc, U, PaperW, PaperH, MargL, MargR, MargT, MargB,
    // Fonts and colours
    F, FCharset, Red, Green, Blue,
    // Lists
    List, ListLevel, LevelNfc, ListId, Ls, Ilvl, PnLvlBlt, PnLvlBody, PnLvl, PnLvlCont, PnDec, PnUcRm, PnLcRm,
    PnUcLtr, PnLcLtr,
    // Characters
    Plain, B, I, Ul, UlNone, Strike, Fs, Cf, Super, Sub, NoSuperSub, V,
    // Paragraphs
    Par, Pard, Ql, Qc, Qr, Qj, Li, Ri, Fi, Sb, Sa, Sl, SlMult, Tx, Tqr, Tqc, Tqdec, Tb, PageBb, Intbl,
    // Breaks and tables
    Page, Sect, Cell, Row, Trowd,
    // Characters by name
    Tab, Line, Char,
};

struct Keyword
{
    Kw kw;
    char16_t ch = 0; // Kw::Char: the character it stands for
};

const std::unordered_map<std::string_view, Keyword> &keywords()
{
    static const std::unordered_map<std::string_view, Keyword> table = [] {
        std::unordered_map<std::string_view, Keyword> t;
        auto add = [&t](std::initializer_list<std::string_view> names, Kw kw, char16_t ch = 0) {
            for (std::string_view n : names)
                t.emplace(n, Keyword{kw, ch});
        };
        add({"fonttbl"}, Kw::FontTable);
        add({"colortbl"}, Kw::ColorTable);
        add({"stylesheet", "info", "fldinst", "revtbl", "filetbl", "rsidtbl", "xmlnstbl", "generator", "themedata",
             "colorschememapping", "latentstyles", "datastore", "private", "xe", "tc", "txe", "rxe", "bkmkstart",
             "bkmkend", "pgdsctbl", "objdata", "objclass", "objname", "template", "docvar", "userprops", "atnid",
             "atnauthor", "annotation", "falt", "panose", "listpicture", "pnseclvl", "mmathPr", "fldtype",
             "datafield", "upr", "leveltext", "levelnumbers", "listname", "pntxta", "pntxtb"},
            Kw::SkipDest);
        add({"pict", "shppict", "nonshppict", "shp", "do"}, Kw::PictureDest);
        add({"object"}, Kw::ObjectDest);
        add({"header", "footer", "headerl", "headerr", "headerf", "footerl", "footerr", "footerf"}, Kw::HeaderDest);
        add({"footnote"}, Kw::NoteDest);
        add({"pntext", "listtext"}, Kw::MarkerDest);
        add({"pn"}, Kw::PnDest);
        add({"listtable"}, Kw::ListTableDest);
        add({"listoverridetable"}, Kw::ListOverrideDest);
        add({"field", "fldrslt", "result"}, Kw::BodyDest);

        add({"ansicpg"}, Kw::AnsiCpg);
        add({"ansi"}, Kw::Ansi);
        add({"mac"}, Kw::Mac);
        add({"pc"}, Kw::Pc);
        add({"pca"}, Kw::Pca);
        add({"deff"}, Kw::Deff);
        add({"uc"}, Kw::Uc);
        add({"u"}, Kw::U);
        add({"paperw"}, Kw::PaperW);
        add({"paperh"}, Kw::PaperH);
        add({"margl"}, Kw::MargL);
        add({"margr"}, Kw::MargR);
        add({"margt"}, Kw::MargT);
        add({"margb"}, Kw::MargB);

        add({"f"}, Kw::F);
        add({"fcharset"}, Kw::FCharset);
        add({"red"}, Kw::Red);
        add({"green"}, Kw::Green);
        add({"blue"}, Kw::Blue);

        add({"list"}, Kw::List);
        add({"listlevel"}, Kw::ListLevel);
        add({"levelnfc", "levelnfcn"}, Kw::LevelNfc);
        add({"listid"}, Kw::ListId);
        add({"ls"}, Kw::Ls);
        add({"ilvl"}, Kw::Ilvl);
        add({"pnlvlblt"}, Kw::PnLvlBlt);
        add({"pnlvlbody"}, Kw::PnLvlBody);
        add({"pnlvl"}, Kw::PnLvl);
        add({"pnlvlcont"}, Kw::PnLvlCont);
        add({"pndec"}, Kw::PnDec);
        add({"pnucrm"}, Kw::PnUcRm);
        add({"pnlcrm"}, Kw::PnLcRm);
        add({"pnucltr"}, Kw::PnUcLtr);
        add({"pnlcltr"}, Kw::PnLcLtr);

        add({"plain"}, Kw::Plain);
        add({"b"}, Kw::B);
        add({"i"}, Kw::I);
        add({"ul", "uld", "uldb", "ulw", "ulth", "ulwave", "uldash", "uldashd", "uldashdd", "ulhwave", "ulldash",
             "ulthd", "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave"},
            Kw::Ul);
        add({"ulnone"}, Kw::UlNone);
        add({"strike", "striked"}, Kw::Strike);
        add({"fs"}, Kw::Fs);
        add({"cf"}, Kw::Cf);
        add({"super"}, Kw::Super);
        add({"sub"}, Kw::Sub);
        add({"nosupersub"}, Kw::NoSuperSub);
        add({"v"}, Kw::V);

        add({"par"}, Kw::Par);
        add({"pard"}, Kw::Pard);
        add({"ql"}, Kw::Ql);
        add({"qc"}, Kw::Qc);
        add({"qr"}, Kw::Qr);
        add({"qj", "qd"}, Kw::Qj);
        add({"li", "lin"}, Kw::Li);
        add({"ri", "rin"}, Kw::Ri);
        add({"fi"}, Kw::Fi);
        add({"sb"}, Kw::Sb);
        add({"sa"}, Kw::Sa);
        add({"sl"}, Kw::Sl);
        add({"slmult"}, Kw::SlMult);
        add({"tx"}, Kw::Tx);
        add({"tqr"}, Kw::Tqr);
        add({"tqc"}, Kw::Tqc);
        add({"tqdec"}, Kw::Tqdec);
        add({"tb"}, Kw::Tb);
        add({"pagebb"}, Kw::PageBb);
        add({"intbl"}, Kw::Intbl);

        add({"page"}, Kw::Page);
        add({"sect"}, Kw::Sect);
        add({"cell", "nestcell"}, Kw::Cell);
        add({"row", "nestrow"}, Kw::Row);
        add({"trowd"}, Kw::Trowd);

        add({"tab"}, Kw::Tab);
        add({"line"}, Kw::Line);
        add({"emdash"}, Kw::Char, u'\u2014');
        add({"endash"}, Kw::Char, u'\u2013');
        add({"bullet"}, Kw::Char, u'\u2022');
        add({"lquote"}, Kw::Char, u'\u2018');
        add({"rquote"}, Kw::Char, u'\u2019');
        add({"ldblquote"}, Kw::Char, u'\u201C');
        add({"rdblquote"}, Kw::Char, u'\u201D');
        add({"emspace"}, Kw::Char, u'\u2003');
        add({"enspace"}, Kw::Char, u'\u2002');
        add({"qmspace"}, Kw::Char, u'\u2005');
        add({"zwj"}, Kw::Char, u'\u200D');
        add({"zwnj"}, Kw::Char, u'\u200C');
        return t;
    }();
    return table;
}

// The character properties of a group.
struct CharState
{
    int font = -1; // -1: the default font
    int fs = 24;   // half points
    int cf = 0;    // 0: automatic colour
    quint8 vert = 0; // 1 superscript, 2 subscript
    bool b = false, i = false, ul = false, strike = false, hidden = false;
};

// The paragraph properties of a group.
struct ParaState
{
    Qt::Alignment align = Qt::AlignLeft;
    int li = 0, fi = 0, ri = 0, sb = 0, sa = 0, sl = 0;
    bool slMult = false;
    bool pageBreak = false;
    QList<QTextOption::Tab> tabs;
    QTextOption::TabType nextTab = QTextOption::LeftTab;
    QTextListFormat::Style pn = QTextListFormat::ListStyleUndefined; // old-form bullet or numbering
    int ls = 0;   // list-table form: the list override
    int ilvl = 0;
};

struct Group
{
    CharState ch;
    ParaState para;
    Dest dest = Dest::Body;
    quint8 uc = 1;
    // Old-form list description being read in this group (\pn).
    bool pnOwner = false;
    quint8 pnLevel = 0; // 1 bullet, 2 numbered, 3 continuation
    QTextListFormat::Style pnNumber = QTextListFormat::ListDecimal;
    bool fontEntry = false; // a font table entry opens here
};

struct Font
{
    QString name;
    int codePage = 0; // 0: the document's
};

constexpr int kMaxDepth = 2000;
constexpr int kMaxParam = 1 << 30;

int clampParam(qint64 v)
{
    return int(std::clamp<qint64>(v, -kMaxParam, kMaxParam));
}

// The code page of a font's character set; 0 for the document's own.
int codePageOfCharset(int charset)
{
    switch (charset) {
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return 0;
    }
}

QByteArray codecName(int codePage)
{
    switch (codePage) {
    case 10000: return "macintosh";
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    case 65001: return "UTF-8";
    default:
        if (codePage == 874 || (codePage >= 1250 && codePage <= 1258))
            return "windows-" + QByteArray::number(codePage);
        return "IBM" + QByteArray::number(codePage);
    }
}

QTextListFormat::Style styleOfNfc(int nfc)
{
    switch (nfc) {
    case 0: return QTextListFormat::ListDecimal;
    case 1: return QTextListFormat::ListUpperRoman;
    case 2: return QTextListFormat::ListLowerRoman;
    case 3: return QTextListFormat::ListUpperAlpha;
    case 4: return QTextListFormat::ListLowerAlpha;
    case 255: return QTextListFormat::ListStyleUndefined;
    default: return nfc >= 22 && nfc <= 23 ? QTextListFormat::ListDisc : QTextListFormat::ListDecimal;
    }
}

class Reader
{
public:
    Reader(const QByteArray &bytes, QTextDocument *doc) : m_data(bytes), m_doc(doc), m_cursor(doc) {}

    RtfReadReport run();

private:
    Group &top() { return m_groups.back(); }
    void push();
    void pop();
    void controlWord(std::string_view word, bool hasParam, int param);
    void controlSymbol(char c);
    void destination(const Keyword &k);
    void bodyWord(Kw kw, bool hasParam, int param);
    void textByte(char c);
    void plainText(const char *s, const char *end);
    void appendChar(char16_t c);
    void flush();
    void appendText(const QString &text);
    int codePage();
    QString decode(const QByteArray &bytes, int codePage);
    void endParagraph();
    QTextListFormat::Style listStyle() const;
    const QTextCharFormat &charFormat(const CharState &s);
    void commitFont();
    void skipFallbackOne() { --m_ucSkip; }

    const QByteArray &m_data;
    QTextDocument *m_doc;
    QTextCursor m_cursor;
    RtfReadReport m_report;

    std::vector<Group> m_groups;
    int m_overflow = 0;
    bool m_star = false;
    int m_ucSkip = 0;
    int m_ansiCodePage = 1252;
    int m_deff = 0;

    QHash<int, Font> m_fonts;
    int m_tableFont = -1;
    int m_tableCharset = 0;
    QString m_tableName;
    QList<QColor> m_colors;
    int m_red = -1, m_green = -1, m_blue = -1;

    // List table: levels of the list being read, lists by id, overrides by number.
    QList<int> m_levels;
    QHash<int, QList<int>> m_lists;
    QHash<int, int> m_overrides;
    int m_overrideList = 0;

    QByteArray m_bytes; // text bytes not yet decoded
    std::map<int, std::unique_ptr<QStringDecoder>> m_decoders;

    // The paragraph being read.
    QString m_text;
    struct Run
    {
        int start;
        const QTextCharFormat *format;
    };
    QList<Run> m_runs;
    QString m_marker;
    bool m_pendingCell = false;
    bool m_pendingBreak = false;
    int m_paragraphs = 0;
    QTextList *m_list = nullptr;
    QTextListFormat::Style m_listStyle = QTextListFormat::ListStyleUndefined;
    int m_listLs = 0;
    bool m_lastListed = false;

    // Runs point at these: a node map keeps them where they are.
    std::unordered_map<quint64, QTextCharFormat> m_formats;
};

void Reader::push()
{
    flush();
    m_star = false;
    m_ucSkip = 0;
    if (m_groups.size() >= size_t(kMaxDepth)) {
        ++m_overflow;
        return;
    }
    Group g = top();
    g.pnOwner = false;
    g.fontEntry = false;
    m_groups.push_back(std::move(g));
}

void Reader::pop()
{
    flush();
    m_star = false;
    m_ucSkip = 0;
    if (m_overflow > 0) {
        --m_overflow;
        return;
    }
    if (m_groups.size() <= 1)
        return; // a closing brace too many
    if (m_groups.size() == 2 && (!m_text.isEmpty() || m_pendingCell))
        endParagraph(); // the last paragraph, without \par
    const Group closed = std::move(m_groups.back());
    m_groups.pop_back();
    if (closed.fontEntry || (closed.dest == Dest::FontTable && top().dest != Dest::FontTable))
        commitFont();
    if (closed.pnOwner) {
        QTextListFormat::Style style = QTextListFormat::ListStyleUndefined;
        if (closed.pnLevel == 1)
            style = QTextListFormat::ListDisc;
        else if (closed.pnLevel == 2)
            style = closed.pnNumber;
        top().para.pn = style;
    }
}

int Reader::codePage()
{
    const int font = top().ch.font < 0 ? m_deff : top().ch.font;
    const auto it = m_fonts.constFind(font);
    if (it != m_fonts.constEnd() && it->codePage != 0)
        return it->codePage;
    return m_ansiCodePage;
}

QString Reader::decode(const QByteArray &bytes, int codePage)
{
    if (codePage != 1252) {
        auto &decoder = m_decoders[codePage];
        if (!decoder)
            decoder = std::make_unique<QStringDecoder>(codecName(codePage).constData());
        if (decoder->isValid())
            return decoder->decode(bytes);
    }
    return Cp1252::decode(bytes);
}

void Reader::flush()
{
    if (m_bytes.isEmpty())
        return;
    const QString text = decode(m_bytes, codePage());
    m_bytes.clear();
    appendText(text);
}

void Reader::appendText(const QString &text)
{
    Group &g = top();
    switch (g.dest) {
    case Dest::Body: {
        if (g.ch.hidden)
            return;
        if (m_pendingCell) {
            m_pendingCell = false;
            appendText(QStringLiteral("\t"));
        }
        const QTextCharFormat *format = &charFormat(g.ch);
        if (m_runs.isEmpty() || m_runs.constLast().format != format)
            m_runs.append({int(m_text.size()), format});
        m_text += text;
        break;
    }
    case Dest::FontTable:
        for (QChar c : text) {
            if (c == QLatin1Char(';'))
                commitFont();
            else
                m_tableName += c;
        }
        break;
    case Dest::ColorTable:
        for (QChar c : text) {
            if (c != QLatin1Char(';'))
                continue;
            m_colors.append(m_red < 0 && m_green < 0 && m_blue < 0
                                ? QColor()
                                : QColor(std::clamp(m_red, 0, 255), std::clamp(m_green, 0, 255),
                                         std::clamp(m_blue, 0, 255)));
            m_red = m_green = m_blue = -1;
        }
        break;
    case Dest::Marker:
        m_marker += text;
        break;
    default:
        break;
    }
}

void Reader::appendChar(char16_t c)
{
    flush();
    appendText(QString(QChar(c)));
}

void Reader::textByte(char c)
{
    if (m_ucSkip > 0) {
        skipFallbackOne();
        return;
    }
    if (top().dest == Dest::Skip)
        return;
    m_bytes.append(c);
}

// Bytes of text as they stand in the file; line ends and control
// characters are not text, a literal tab is.
void Reader::plainText(const char *s, const char *end)
{
    auto isText = [](char c) { return static_cast<unsigned char>(c) >= 0x20 || c == '\t'; };
    for (; s < end && m_ucSkip > 0; ++s)
        if (isText(*s))
            skipFallbackOne();
    const Dest dest = top().dest;
    if (dest == Dest::Skip || dest == Dest::Pn || dest == Dest::ListTable || dest == Dest::ListOverrides)
        return;
    const char *run = s;
    for (; s < end; ++s) {
        if (static_cast<unsigned char>(*s) >= 0x20)
            continue;
        m_bytes.append(run, s - run);
        run = s + 1;
        if (*s == '\t' && dest == Dest::Body) {
            flush();
            appendText(QStringLiteral("\t"));
        }
    }
    m_bytes.append(run, s - run);
}

void Reader::commitFont()
{
    if (m_tableFont >= 0) {
        const int cp = codePageOfCharset(m_tableCharset);
        m_fonts.insert(m_tableFont, Font{m_tableName.trimmed(), cp});
    }
    m_tableFont = -1;
    m_tableCharset = 0;
    m_tableName.clear();
}

const QTextCharFormat &Reader::charFormat(const CharState &s)
{
    const int font = s.font < 0 ? m_deff : s.font;
    const quint64 key = quint64(quint32(font) & 0xFFFFF) | (quint64(s.fs & 0x1FFF) << 20)
                        | (quint64(s.cf & 0xFFFF) << 33) | (quint64(s.vert) << 49) | (quint64(s.b) << 51)
                        | (quint64(s.i) << 52) | (quint64(s.ul) << 53) | (quint64(s.strike) << 54);
    const auto it = m_formats.find(key);
    if (it != m_formats.end())
        return it->second;
    QTextCharFormat f;
    const QString name = m_fonts.value(font).name;
    f.setFontFamilies({name.isEmpty() ? Letter::defaultFamily() : name});
    f.setFontPointSize(s.fs / 2.0);
    if (s.b)
        f.setFontWeight(QFont::Bold);
    if (s.i)
        f.setFontItalic(true);
    if (s.ul)
        f.setFontUnderline(true);
    if (s.strike)
        f.setFontStrikeOut(true);
    if (s.vert)
        f.setVerticalAlignment(s.vert == 1 ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignSubScript);
    if (s.cf > 0 && s.cf < m_colors.size() && m_colors.at(s.cf).isValid())
        f.setForeground(m_colors.at(s.cf));
    return m_formats.emplace(key, f).first->second;
}

QTextListFormat::Style Reader::listStyle() const
{
    const ParaState &p = m_groups.back().para;
    if (p.pn != QTextListFormat::ListStyleUndefined)
        return p.pn;
    if (p.ls > 0) {
        const auto list = m_lists.constFind(m_overrides.value(p.ls));
        if (list != m_lists.constEnd() && !list->isEmpty())
            return styleOfNfc(list->value(std::clamp(p.ilvl, 0, int(list->size()) - 1)));
        return QTextListFormat::ListDisc;
    }
    // Only the marker's own text: a number, or else a bullet.
    const QString marker = m_marker.trimmed();
    if (marker.isEmpty())
        return QTextListFormat::ListStyleUndefined;
    return marker.at(0).isDigit() ? QTextListFormat::ListDecimal : QTextListFormat::ListDisc;
}

void Reader::endParagraph()
{
    flush();
    const ParaState &p = top().para;
    const QTextListFormat::Style style = listStyle();
    const bool listed = style != QTextListFormat::ListStyleUndefined;

    QTextBlockFormat bf;
    if (p.align != Qt::AlignLeft)
        bf.setAlignment(p.align);
    Letter::setTwips(&bf, {p.li, p.fi, p.ri}, listed);
    if (p.sb)
        bf.setTopMargin(Letter::unitsFromTwips(p.sb));
    if (p.sa)
        bf.setBottomMargin(Letter::unitsFromTwips(p.sa));
    if (p.sl > 0 && p.slMult)
        bf.setLineHeight(p.sl * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
    else if (p.sl > 0)
        bf.setLineHeight(Letter::unitsFromTwips(p.sl), QTextBlockFormat::MinimumHeight);
    else if (p.sl < 0)
        bf.setLineHeight(Letter::unitsFromTwips(-p.sl), QTextBlockFormat::FixedHeight);
    if (!p.tabs.isEmpty())
        bf.setTabPositions(p.tabs);
    if (p.pageBreak || m_pendingBreak)
        bf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);

    const QTextCharFormat &cf = charFormat(top().ch);
    if (m_paragraphs++ == 0) {
        m_cursor.setBlockFormat(bf);
        m_cursor.setBlockCharFormat(cf);
    } else {
        m_cursor.insertBlock(bf, cf);
    }
    if (listed) {
        if (m_lastListed && m_list && m_listStyle == style && m_listLs == p.ls) {
            m_list->add(m_cursor.block());
        } else {
            m_list = m_cursor.createList(Letter::bulletFormat(style));
            m_listStyle = style;
            m_listLs = p.ls;
        }
    }
    m_lastListed = listed;

    for (qsizetype r = 0; r < m_runs.size(); ++r) {
        const int start = m_runs.at(r).start;
        const int end = r + 1 < m_runs.size() ? m_runs.at(r + 1).start : int(m_text.size());
        m_cursor.insertText(m_text.mid(start, end - start), *m_runs.at(r).format);
    }
    m_text.clear();
    m_runs.clear();
    m_marker.clear();
    m_pendingCell = false;
    m_pendingBreak = false;
}

void Reader::destination(const Keyword &k)
{
    Group &g = top();
    switch (k.kw) {
    case Kw::FontTable: g.dest = Dest::FontTable; break;
    case Kw::ColorTable: g.dest = Dest::ColorTable; break;
    case Kw::SkipDest: g.dest = Dest::Skip; break;
    case Kw::PictureDest:
        m_report.pictures = true;
        g.dest = Dest::Skip;
        break;
    case Kw::ObjectDest: m_report.pictures = true; break; // its result stays
    case Kw::HeaderDest:
        m_report.headersFooters = true;
        g.dest = Dest::Skip;
        break;
    case Kw::NoteDest:
        m_report.notes = true;
        g.dest = Dest::Skip;
        break;
    case Kw::MarkerDest: g.dest = Dest::Marker; break;
    case Kw::PnDest:
        g.dest = Dest::Pn;
        g.pnOwner = true;
        g.pnLevel = 0;
        g.pnNumber = QTextListFormat::ListDecimal;
        break;
    case Kw::ListTableDest: g.dest = Dest::ListTable; break;
    case Kw::ListOverrideDest: g.dest = Dest::ListOverrides; break;
    default: break; // fields and results: their text is the letter's
    }
}

void Reader::controlWord(std::string_view word, bool hasParam, int param)
{
    flush();
    const auto &table = keywords();
    const auto it = table.find(word);
    const bool star = m_star;
    m_star = false;
    if (it == table.end() || it->second.kw > Kw::BodyDest) {
        if (star) { // an optional destination this reader does not know
            top().dest = Dest::Skip;
            return;
        }
        if (it == table.end())
            return;
    }
    if (top().dest == Dest::Skip)
        return;
    const Keyword &k = it->second;
    if (k.kw <= Kw::BodyDest) {
        m_ucSkip = 0;
        destination(k);
        return;
    }
    if (m_ucSkip > 0) {
        skipFallbackOne();
        return;
    }
    Group &g = top();
    switch (g.dest) {
    case Dest::Skip:
        return;
    case Dest::Marker:
        if (k.kw == Kw::U)
            break;
        return;
    case Dest::FontTable:
        if (k.kw == Kw::F) {
            commitFont();
            m_tableFont = param;
            if (m_groups.size() >= 2 && m_groups[m_groups.size() - 2].dest == Dest::FontTable)
                g.fontEntry = true;
        } else if (k.kw == Kw::FCharset) {
            m_tableCharset = param;
        } else if (k.kw == Kw::U) {
            break;
        }
        return;
    case Dest::ColorTable:
        if (k.kw == Kw::Red)
            m_red = param;
        else if (k.kw == Kw::Green)
            m_green = param;
        else if (k.kw == Kw::Blue)
            m_blue = param;
        return;
    case Dest::ListTable:
        if (k.kw == Kw::List)
            m_levels.clear();
        else if (k.kw == Kw::ListLevel)
            m_levels.append(0);
        else if (k.kw == Kw::LevelNfc && !m_levels.isEmpty())
            m_levels.last() = param;
        else if (k.kw == Kw::ListId)
            m_lists.insert(param, m_levels);
        return;
    case Dest::ListOverrides:
        if (k.kw == Kw::ListId)
            m_overrideList = param;
        else if (k.kw == Kw::Ls)
            m_overrides.insert(param, m_overrideList);
        return;
    case Dest::Pn:
        switch (k.kw) {
        case Kw::PnLvlBlt: g.pnLevel = 1; break;
        case Kw::PnLvlBody:
        case Kw::PnLvl: g.pnLevel = 2; break;
        case Kw::PnLvlCont: g.pnLevel = 3; break;
        case Kw::PnDec: g.pnNumber = QTextListFormat::ListDecimal; break;
        case Kw::PnUcRm: g.pnNumber = QTextListFormat::ListUpperRoman; break;
        case Kw::PnLcRm: g.pnNumber = QTextListFormat::ListLowerRoman; break;
        case Kw::PnUcLtr: g.pnNumber = QTextListFormat::ListUpperAlpha; break;
        case Kw::PnLcLtr: g.pnNumber = QTextListFormat::ListLowerAlpha; break;
        default: break;
        }
        return;
    case Dest::Body:
        break;
    }
    if (k.kw == Kw::U) {
        const bool valid = param >= -32768 && param <= 65535;
        appendChar(valid ? char16_t(param < 0 ? param + 65536 : param) : char16_t(QChar::ReplacementCharacter));
        m_ucSkip = g.uc;
        return;
    }
    if (k.kw == Kw::Char) {
        appendChar(k.ch);
        return;
    }
    if (g.dest == Dest::Body)
        bodyWord(k.kw, hasParam, param);
}

void Reader::bodyWord(Kw kw, bool hasParam, int param)
{
    Group &g = top();
    CharState &ch = g.ch;
    ParaState &p = g.para;
    const bool on = !hasParam || param != 0;
    switch (kw) {
    case Kw::AnsiCpg:
        if (param > 0)
            m_ansiCodePage = param;
        break;
    case Kw::Ansi: m_ansiCodePage = 1252; break;
    case Kw::Mac: m_ansiCodePage = 10000; break;
    case Kw::Pc: m_ansiCodePage = 437; break;
    case Kw::Pca: m_ansiCodePage = 850; break;
    case Kw::Deff: m_deff = param; break;
    case Kw::Uc: g.uc = quint8(std::clamp(param, 0, 10)); break;
    case Kw::PaperW: if (param > 0) m_report.page.width = param; break;
    case Kw::PaperH: if (param > 0) m_report.page.height = param; break;
    case Kw::MargL: if (param >= 0) m_report.page.left = param; break;
    case Kw::MargR: if (param >= 0) m_report.page.right = param; break;
    case Kw::MargT: if (param >= 0) m_report.page.top = param; break;
    case Kw::MargB: if (param >= 0) m_report.page.bottom = param; break;

    case Kw::Plain: ch = CharState(); break;
    case Kw::B: ch.b = on; break;
    case Kw::I: ch.i = on; break;
    case Kw::Ul: ch.ul = on; break;
    case Kw::UlNone: ch.ul = false; break;
    case Kw::Strike: ch.strike = on; break;
    case Kw::F: ch.font = std::max(param, 0); break;
    case Kw::Fs: ch.fs = param > 0 ? std::min(param, 3276) : 24; break;
    case Kw::Cf: ch.cf = std::max(param, 0); break;
    case Kw::Super: ch.vert = on ? 1 : 0; break;
    case Kw::Sub: ch.vert = on ? 2 : 0; break;
    case Kw::NoSuperSub: ch.vert = 0; break;
    case Kw::V: ch.hidden = on; break;

    case Kw::Pard: p = ParaState(); break;
    case Kw::Ql: p.align = Qt::AlignLeft; break;
    case Kw::Qc: p.align = Qt::AlignHCenter; break;
    case Kw::Qr: p.align = Qt::AlignRight; break;
    case Kw::Qj: p.align = Qt::AlignJustify; break;
    case Kw::Li: p.li = param; break;
    case Kw::Ri: p.ri = param; break;
    case Kw::Fi: p.fi = param; break;
    case Kw::Sb: p.sb = std::max(param, 0); break;
    case Kw::Sa: p.sa = std::max(param, 0); break;
    case Kw::Sl: p.sl = param; break;
    case Kw::SlMult: p.slMult = on; break;
    case Kw::Tqr: p.nextTab = QTextOption::RightTab; break;
    case Kw::Tqc: p.nextTab = QTextOption::CenterTab; break;
    case Kw::Tqdec: p.nextTab = QTextOption::DelimiterTab; break;
    case Kw::Tb: p.nextTab = QTextOption::LeftTab; break;
    case Kw::Tx:
        if (param >= 0 && p.tabs.size() < 64) {
            p.tabs.append(QTextOption::Tab(Letter::unitsFromTwips(param), p.nextTab,
                                           p.nextTab == QTextOption::DelimiterTab ? QChar(u',') : QChar()));
        }
        p.nextTab = QTextOption::LeftTab;
        break;
    case Kw::PageBb: p.pageBreak = on; break;
    case Kw::Ls: p.ls = param; break;
    case Kw::Ilvl: p.ilvl = param; break;
    case Kw::Intbl:
    case Kw::Trowd: m_report.tables = true; break;

    case Kw::Par: endParagraph(); break;
    case Kw::Sect:
        if (!m_text.isEmpty())
            endParagraph();
        break;
    case Kw::Row:
        m_pendingCell = false;
        endParagraph();
        break;
    case Kw::Cell:
        m_report.tables = true;
        if (m_pendingCell)
            appendText(QStringLiteral("\t"));
        m_pendingCell = true;
        break;
    case Kw::Page:
        if (!m_text.isEmpty())
            endParagraph();
        m_pendingBreak = true;
        break;
    case Kw::Tab: appendText(QStringLiteral("\t")); break;
    case Kw::Line: appendText(QString(QChar::LineSeparator)); break;
    default: break;
    }
}

void Reader::controlSymbol(char c)
{
    flush();
    const bool star = m_star;
    m_star = false;
    if (c == '*') {
        m_star = true;
        return;
    }
    if (star)
        return;
    if (m_ucSkip > 0) {
        skipFallbackOne();
        return;
    }
    switch (c) {
    case '\\':
    case '{':
    case '}': textByte(c); break;
    case '~': appendChar(u'\u00A0'); break;
    case '-': appendChar(u'\u00AD'); break;
    case '_': appendChar(u'\u2011'); break;
    case '\t':
        if (top().dest == Dest::Body)
            bodyWord(Kw::Tab, false, 0);
        break;
    case '\r':
    case '\n':
        if (top().dest == Dest::Body)
            bodyWord(Kw::Par, false, 0);
        break;
    default: break;
    }
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

RtfReadReport Reader::run()
{
    m_groups.reserve(64);
    m_groups.emplace_back();
    const char *p = m_data.constData();
    const char *const end = p + m_data.size();
    while (p < end) {
        const char c = *p;
        if (c == '{') {
            push();
            ++p;
        } else if (c == '}') {
            pop();
            ++p;
        } else if (c == '\\') {
            ++p;
            if (p == end)
                break;
            if (isLetter(*p)) {
                const char *w = p;
                while (p < end && isLetter(*p) && p - w < 64)
                    ++p;
                const std::string_view word(w, size_t(p - w));
                bool hasParam = false;
                qint64 value = 0;
                bool negative = false;
                if (p + 1 < end && *p == '-' && isDigit(p[1])) {
                    negative = true;
                    ++p;
                }
                while (p < end && isDigit(*p)) {
                    hasParam = true;
                    if (value < kMaxParam)
                        value = value * 10 + (*p - '0');
                    ++p;
                }
                if (p < end && *p == ' ')
                    ++p;
                const int param = clampParam(negative ? -value : value);
                if (word == "bin") {
                    flush();
                    // The binary data are skipped whatever group they are in.
                    if (hasParam && param > 0)
                        p += std::min<qint64>(param, end - p);
                    continue;
                }
                controlWord(word, hasParam, param);
            } else if (*p == '\'') {
                ++p;
                // Two hex digits; a broken escape is dropped.
                const int hi = p < end ? Formats::hexDigit(uchar(*p)) : -1;
                const int lo = hi >= 0 && p + 1 < end ? Formats::hexDigit(uchar(p[1])) : -1;
                p += hi < 0 ? 0 : lo < 0 ? 1 : 2;
                m_star = false;
                if (lo >= 0)
                    textByte(char(hi * 16 + lo));
            } else {
                controlSymbol(*p);
                ++p;
            }
        } else if (c == '\r' || c == '\n') {
            ++p;
        } else {
            // A run of plain text up to the next brace, backslash or line end.
            const char *s = p;
            while (p < end && *p != '{' && *p != '}' && *p != '\\' && *p != '\r' && *p != '\n')
                ++p;
            m_star = false;
            plainText(s, p);
        }
    }
    flush();
    // A file cut short: its last paragraph as far as it goes.
    if (!m_text.isEmpty() || m_pendingCell)
        endParagraph();
    return m_report;
}

void readPlainText(const QByteArray &bytes, QTextDocument *doc)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = Cp1252::decode(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QTextCursor cursor(doc);
    cursor.setBlockCharFormat(Letter::defaultCharFormat());
    cursor.insertText(text, Letter::defaultCharFormat());
}

bool isRtf(const QByteArray &bytes)
{
    qsizetype i = 0;
    while (i < bytes.size() && (bytes.at(i) == ' ' || bytes.at(i) == '\r' || bytes.at(i) == '\n' || bytes.at(i) == '\t'))
        ++i;
    return bytes.mid(i, 5) == "{\\rtf";
}

} // namespace

QString RtfReadReport::notice() const
{
    QStringList parts;
    if (pictures)
        parts << QStringLiteral("des images");
    if (tables)
        parts << QStringLiteral("des tableaux");
    if (headersFooters)
        parts << QStringLiteral("des en-têtes ou pieds de page");
    if (notes)
        parts << QStringLiteral("des notes");
    if (parts.isEmpty())
        return QString();
    QString list = parts.takeLast();
    if (!parts.isEmpty())
        list = parts.join(QStringLiteral(", ")) + QStringLiteral(" et ") + list;
    return QStringLiteral("Ce document contient %1 que le traitement de texte ne peut pas afficher : "
                          "ils ne seront pas conservés à l'enregistrement.")
        .arg(list);
}

namespace RtfReader {

RtfReadReport read(const QByteArray &bytes, QTextDocument *doc)
{
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    Letter::prepare(doc);
    RtfReadReport report;
    {
        QTextCursor edit(doc);
        edit.beginEditBlock();
        if (isRtf(bytes)) {
            report = Reader(bytes, doc).run();
        } else {
            report.rtf = false;
            readPlainText(bytes, doc);
        }
        edit.endEditBlock();
    }
    doc->setUndoRedoEnabled(undo);
    doc->setModified(false);
    return report;
}

} // namespace RtfReader
