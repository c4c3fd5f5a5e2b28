// Letters read and written as rich text: round trips through our own writer,
// files in the shapes other word processors write, damaged files.

#include "tools/letterformat.h"
#include "tools/letterruler.h"
#include "tools/rtfreader.h"
#include "tools/rtfwriter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

namespace {

QString kAccents = QStringLiteral("é, œ, €, — « ż » 😀 \\{x}");

QTextCharFormat charFormat(const QString &family, double size, bool bold = false, bool italic = false)
{
    QTextCharFormat f;
    f.setFontFamilies({family});
    f.setFontPointSize(size);
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(italic);
    return f;
}

// A letter using everything the editor can set.
void buildLetter(QTextDocument *doc)
{
    Letter::prepare(doc);
    QTextCursor c(doc);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    c.setBlockFormat(centred);
    c.insertText(QStringLiteral("Objet : "), charFormat("Arial", 14, true));
    QTextCharFormat fancy = charFormat("Times New Roman", 12, false, true);
    fancy.setFontUnderline(true);
    fancy.setFontStrikeOut(true);
    fancy.setForeground(QColor(200, 0, 10));
    c.insertText(kAccents, fancy);
    QTextCharFormat sup = Letter::defaultCharFormat();
    sup.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    c.insertText(QStringLiteral("er"), sup);

    QTextBlockFormat indented;
    indented.setAlignment(Qt::AlignJustify);
    Letter::setTwips(&indented, Letter::twipsOf(Letter::Indents{36, -18, 10}), false);
    indented.setTopMargin(8);
    indented.setBottomMargin(4);
    indented.setLineHeight(150, QTextBlockFormat::ProportionalHeight);
    indented.setTabPositions({QTextOption::Tab(96, QTextOption::RightTab), QTextOption::Tab(200, QTextOption::LeftTab)});
    c.insertBlock(indented, Letter::defaultCharFormat());
    c.insertText(QStringLiteral("Montant\t12,50\tà régler\u2028ligne suivante"));

    QTextBlockFormat plain;
    for (const char *item : {"premier point", "second point"}) {
        c.insertBlock(plain, Letter::defaultCharFormat());
        c.insertText(QString::fromUtf8(item));
        Letter::setBullets(c, true);
    }
    c.insertBlock(plain, charFormat("Courier New", 20));
    QTextList *numbered = nullptr;
    for (const char *item : {"un", "deux"}) {
        c.insertBlock(plain, Letter::defaultCharFormat());
        c.insertText(QString::fromUtf8(item));
        if (numbered)
            numbered->add(c.block());
        else
            numbered = c.createList(Letter::bulletFormat(QTextListFormat::ListDecimal));
    }
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    right.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    c.insertBlock(right, Letter::defaultCharFormat());
    c.insertText(QStringLiteral("Le président"), charFormat("Arial", 10.5));
}

struct Para
{
    QString text;
    Qt::Alignment align;
    Letter::ParaTwips twips;
    int list;
    bool pageBreak;
    QList<QTextOption::Tab> tabs;
    qreal lineHeight;
    bool operator==(const Para &o) const
    {
        return text == o.text && align == o.align && twips.li == o.twips.li && twips.fi == o.twips.fi
               && twips.ri == o.twips.ri && list == o.list && pageBreak == o.pageBreak && tabs == o.tabs
               && lineHeight == o.lineHeight;
    }
};

std::vector<Para> paragraphs(const QTextDocument &doc)
{
    std::vector<Para> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat f = b.blockFormat();
        out.push_back({b.text(), f.alignment(), Letter::twipsOf(f, b.textList()),
                       b.textList() ? int(b.textList()->format().style()) : 0,
                       bool(f.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore), f.tabPositions(),
                       f.lineHeight()});
    }
    return out;
}

// Runs of text with the attributes the writer keeps.
QStringList runs(const QTextDocument &doc)
{
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            out << QStringLiteral("%1|%2|%3|%4%5%6%7|%8|%9")
                       .arg(it.fragment().text(), Letter::familyOf(f, doc))
                       .arg(Letter::pointSizeOf(f, doc))
                       .arg(f.fontWeight() >= QFont::DemiBold)
                       .arg(f.fontItalic())
                       .arg(f.fontUnderline())
                       .arg(f.fontStrikeOut())
                       .arg(f.foreground().color().name())
                       .arg(int(f.verticalAlignment()));
        }
    return out;
}

// The text as it is, paragraphs ended by "\n".
QString rawText(const QTextDocument &doc)
{
    return doc.toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

QString textOf(const QByteArray &rtf, RtfReadReport *report = nullptr)
{
    QTextDocument doc;
    const RtfReadReport r = RtfReader::read(rtf, &doc);
    if (report)
        *report = r;
    return rawText(doc);
}

TEST(Rtf, WhatTheWriterWritesIsReadBackIdentically)
{
    QTextDocument doc;
    buildLetter(&doc);
    const QByteArray rtf = RtfWriter::write(doc);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fnil\\fcharset0 Times New Roman;}"));
    // Windows-1252 as \'hh, the rest as \uN with its fallback.
    for (const char *piece : {"\\'e9", "\\'9c", "\\'80", "\\'97", "\\'ab", "\\u380?", "\\u-10179?\\u-8704?", "\\\\\\{x\\}"})
        EXPECT_TRUE(rtf.contains(piece)) << piece;
    // Bullets after \pard, where word processors look for them.
    EXPECT_TRUE(rtf.contains("\\pard{\\pntext \\'95\\tab}{\\*\\pn\\pnlvlblt"));
    EXPECT_TRUE(rtf.contains("\\pard{\\pntext 2.\\tab}{\\*\\pn\\pnlvlbody"));
    EXPECT_TRUE(rtf.contains("\\qj\\li360\\fi360\\ri200\\sb120\\sa60\\sl360\\slmult1\\tqr\\tx1440\\tx3000"));

    QTextDocument back;
    const RtfReadReport report = RtfReader::read(rtf, &back);
    EXPECT_TRUE(report.rtf);
    EXPECT_TRUE(report.notice().isEmpty());
    EXPECT_EQ(paragraphs(back), paragraphs(doc));
    EXPECT_EQ(runs(back), runs(doc));
    EXPECT_EQ(rawText(back), rawText(doc));
    EXPECT_EQ(back.begin().next().next().next().next().charFormat().fontPointSize(), 20); // the empty line's size
    EXPECT_EQ(RtfWriter::write(back), rtf);
}

TEST(Rtf, PaperAndMarginsAreKeptOrA4)
{
    RtfReadReport r;
    textOf("{\\rtf1 a}", &r);
    EXPECT_TRUE(r.page == Letter::Page());
    textOf("{\\rtf1\\paperw12240\\paperh15840\\margl1800\\margr1000\\margt700\\margb900 a}", &r);
    EXPECT_TRUE((r.page == Letter::Page{12240, 15840, 1800, 1000, 700, 900}));
    QTextDocument doc;
    EXPECT_TRUE(RtfReader::read(RtfWriter::write(doc, r.page), &doc).page == r.page);
}

// What LibreOffice and Word write: Unicode with fallbacks, style sheets, list
// tables, fields, pictures, tables, headers.
TEST(Rtf, FilesOfOtherWordProcessors)
{
    const QByteArray word =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1036{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}"
        "{\\f1\\fswiss\\fcharset0{\\*\\panose 020b0604020202020204}Arial{\\*\\falt Helvetica};}"
        "{\\f2\\fnil\\fcharset238 Tahoma;}{\\f3\\fnil\\fcharset2 Symbol;}}\r\n"
        "{\\colortbl;\\red0\\green0\\blue255;}\r\n"
        "{\\stylesheet{\\s0\\snext0 Normal;}{\\s1\\sbasedon0 Heading 1;}}\r\n"
        "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc23{\\leveltext\\'01\\u8226 ?;}{\\levelnumbers;}"
        "\\fi-360\\li720}{\\listlevel\\levelnfc0{\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}}\\listid77}"
        "{\\list\\listtemplateid2{\\listlevel\\levelnfc4{\\leveltext\\'02\\'00);}{\\levelnumbers\\'01;}}\\listid78}}"
        "{\\*\\listoverridetable{\\listoverride\\listid77\\listoverridecount0\\ls1}"
        "{\\listoverride\\listid78\\listoverridecount0\\ls2}}\r\n"
        "{\\info{\\title Lettre}{\\author Moi}}{\\header \\pard Tete de page\\par}{\\footer \\pard pied\\par}"
        "\\paperw11906\\paperh16838\\margl1417\\margr1417\r\n"
        "\\pard\\plain\\s1\\qj\\sl276\\slmult1\\tx1000 D\\u233\\'e9j\\u224\\'e0 \\f2\\'bf \\f1\\cf1 bleu\\cf0\\par\r\n"
        "\\pard\\plain{\\listtext\\pard\\plain\\f3 \\'b7\\tab}\\ls1\\ilvl0\\fi-360\\li720 puce{\\*\\bkmkstart b}\\par\r\n"
        "\\pard\\plain{\\listtext\\pard\\plain 1.\\tab}\\ls1\\ilvl1\\fi-360\\li1440 sous\\par\r\n"
        "\\pard\\plain{\\listtext a)\\tab}\\ls2\\fi-360\\li720 lettre\\par\r\n"
        "\\pard Voir {\\field{\\*\\fldinst { HYPERLINK \"http://x.fr\" }}{\\fldrslt {\\ul le site}}} "
        "{\\*\\shppict{\\pict\\pngblip 89504e47}}{\\nonshppict{\\pict\\wmetafile8 0100}}fin\\par\r\n"
        "\\trowd\\cellx1000\\cellx2000\\pard\\intbl A1\\cell B1\\cell\\row\r\n"
        "\\pard avant\\page apr\\'e8s\\par\r\n"
        "\\pard{\\*\\unknownthing garbage}{\\v cach\\'e9}visible\\line l\\emdash\\~\\bullet\\ldblquote q\\rdblquote "
        "\\bin4 {}\\}x\\par\r\n"
        "\\pard\\pntext}";
    RtfReadReport r;
    QTextDocument doc;
    r = RtfReader::read(word, &doc);
    EXPECT_EQ(rawText(doc),
              QStringLiteral("Déjà ż bleu\npuce\nsous\nlettre\nVoir le site fin\nA1\tB1\navant\naprès\n"
                             "visible\u2028l—\u00A0•“q”x"));
    EXPECT_TRUE(r.pictures && r.tables && r.headersFooters && !r.notes);
    EXPECT_EQ(r.notice(), "Ce document contient des images, des tableaux et des en-têtes ou pieds de page que le "
                          "traitement de texte ne peut pas afficher : ils ne seront pas conservés à l'enregistrement.");
    EXPECT_EQ(r.page.left, 1417);
    EXPECT_EQ(r.page.top, 1134);

    const std::vector<Para> p = paragraphs(doc);
    EXPECT_EQ(p[0].align, Qt::AlignJustify);
    EXPECT_DOUBLE_EQ(p[0].lineHeight, 115);
    ASSERT_EQ(p[0].tabs.size(), 1);
    EXPECT_EQ(p[1].list, int(QTextListFormat::ListDisc));
    EXPECT_EQ(p[1].twips.li, 720);
    EXPECT_EQ(p[1].twips.fi, -360);
    EXPECT_EQ(p[2].list, int(QTextListFormat::ListDecimal));
    EXPECT_EQ(p[3].list, int(QTextListFormat::ListLowerAlpha));
    EXPECT_EQ(p[4].list, 0);
    EXPECT_FALSE(p[6].pageBreak);
    EXPECT_TRUE(p[7].pageBreak);
    EXPECT_EQ(doc.begin().begin().fragment().charFormat().fontPointSize(), 12); // no \fs: 12 points
    const QTextBlock first = doc.begin();
    QTextBlock::iterator it = first.begin();
    EXPECT_EQ(Letter::familyOf(it.fragment().charFormat(), doc), "Times New Roman");
    ++it;
    ++it;
    EXPECT_EQ(it.fragment().text(), "bleu");
    EXPECT_EQ(Letter::familyOf(it.fragment().charFormat(), doc), "Arial");
    EXPECT_EQ(it.fragment().charFormat().foreground().color(), QColor(0, 0, 255));

    // Justified and numbered paragraphs, spacing and tab stops survive a save.
    QTextDocument again;
    RtfReader::read(RtfWriter::write(doc, r.page), &again);
    EXPECT_EQ(paragraphs(again), p);
    EXPECT_EQ(runs(again), runs(doc));
}

TEST(Rtf, CodePagesAndFallbacks)
{
    // \uc2 skips two bytes, \uc0 none; a group ends the skipping.
    EXPECT_EQ(textOf("{\\rtf1\\uc2\\u8364\\'80\\'80a{\\uc0\\u380 b}\\u233{}c}"), QStringLiteral("€ażbéc"));
    // Negative values and surrogate pairs.
    EXPECT_EQ(textOf("{\\rtf1\\u-4064?\\u-10179?\\u-8704?}"), QStringLiteral("\uF020😀"));
    // The document's code page, and a font's own.
    EXPECT_EQ(textOf("{\\rtf1\\ansi\\ansicpg1251 \\'c4\\'e0}"), QStringLiteral("Да"));
    EXPECT_EQ(textOf("{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset128 MS Mincho;}}\\f1 \\'82\\'a0}"), QStringLiteral("あ"));
}

TEST(Rtf, DamagedInputOpensWhatItCan)
{
    EXPECT_EQ(textOf(""), "");
    RtfReadReport r;
    EXPECT_EQ(textOf("Bonjour\r\nà tous", &r), QStringLiteral("Bonjour\nà tous"));
    EXPECT_FALSE(r.rtf);
    EXPECT_EQ(textOf("Caf\xe9"), QStringLiteral("Café"));
    EXPECT_EQ(textOf("{\\rtf1 un}} deux}}}\\par trois"), "un\n deux\ntrois");
    EXPECT_EQ(textOf("{\\rtf1{\\b gras{\\i it"), "grasit");
    EXPECT_EQ(textOf("{\\rtf1 coup\\'e9\\'e"), QStringLiteral("coupé"));
    EXPECT_EQ(textOf("{\\rtf1 a\\bin999999999 xyz}"), "a");
    EXPECT_EQ(textOf("{\\rtf1 a\\bin-5 b\\fs99999999999999999999 c\\u99999999999 d\\"), QStringLiteral("abc\uFFFD"));
    EXPECT_EQ(textOf("{\\rtf1 a\\sl-2147483648\\li999999999999 b\\par}"), "ab");
    QByteArray deep = "{\\rtf1 ";
    deep += QByteArray(200000, '{') + "profond" + QByteArray(200000, '}') + " fin}";
    EXPECT_EQ(textOf(deep), "profond fin");
    EXPECT_EQ(textOf("{\\rtf1 " + QByteArray(100000, '{') + "x"), "x");
}

// Bullets and the ruler keep the indents a user sees: the first line from the
// margin, the others relative to it.
TEST(LetterLayout, BulletsAndRulerKeepTheIndents)
{
    QTextDocument doc;
    Letter::prepare(&doc);
    QTextCursor c(&doc);
    c.insertText(QStringLiteral("un\ndeux"));
    c.select(QTextCursor::Document);
    Letter::setIndents(c, {18, 36, 4});
    Letter::setBullets(c, true);
    EXPECT_EQ(doc.begin().textList(), doc.lastBlock().textList());
    const Letter::ParaTwips t = Letter::twipsOf(doc.lastBlock());
    EXPECT_EQ(t.li, 1080);
    EXPECT_EQ(t.fi, -720);
    EXPECT_EQ(t.ri, 80);
    Letter::setBullets(c, false);
    EXPECT_FALSE(doc.begin().textList());
    EXPECT_DOUBLE_EQ(Letter::indentsOf(doc.begin()).left, 36);

    // A first indent of 36 points: the marker 50 pixels in; the left marker
    // dropped left of it gives a negative left indent, but never left of the page.
    const int width = 600;
    LetterRuler::Marks m = LetterRuler::marks({36, 0, 0}, width);
    EXPECT_EQ(m.first, 50);
    m.left = 26;
    EXPECT_DOUBLE_EQ(LetterRuler::drop(LetterRuler::Marker::Left, {36, 0, 0}, m, width, 4).left, -18);
    m.left = 0;
    EXPECT_DOUBLE_EQ(LetterRuler::drop(LetterRuler::Marker::Left, {36, 0, 0}, m, width, 4).left, -36);
    m = LetterRuler::marks({0, 0, 12}, width);
    EXPECT_DOUBLE_EQ(LetterRuler::drop(LetterRuler::Marker::Right, {0, 0, 12}, m, width, 4).right, 12);
    m.right = width;
    EXPECT_DOUBLE_EQ(LetterRuler::drop(LetterRuler::Marker::Right, {0, 0, 12}, m, width, 4).right, 0);
}

// Where LibreOffice is installed, what the writer wrote opens there with its
// alignment, bold and list.
TEST(Rtf, LibreOfficeReadsWhatWeWrite)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "soffice not installed (Debian package libreoffice-writer-nogui): not checked";
    QTextDocument doc;
    buildLetter(&doc);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("lettre.rtf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(RtfWriter::write(doc));
    file.close();
    QProcess p;
    p.setWorkingDirectory(dir.path());
    p.start(soffice, {QStringLiteral("--headless"), QStringLiteral("-env:UserInstallation=file://") + dir.filePath("u"),
                      QStringLiteral("--convert-to"), QStringLiteral("fodt"), QStringLiteral("lettre.rtf")});
    ASSERT_TRUE(p.waitForFinished(120000));
    QFile fodt(dir.filePath(QStringLiteral("lettre.fodt")));
    ASSERT_TRUE(fodt.open(QIODevice::ReadOnly)) << p.readAllStandardError().toStdString();
    const QString xml = QString::fromUtf8(fodt.readAll());
    for (const char *expected : {"fo:text-align=\"center\"", "fo:text-align=\"end\"", "fo:text-align=\"justify\"",
                                 "fo:font-weight=\"bold\"", "<text:list ", "premier point", "ż"})
        EXPECT_TRUE(xml.contains(QString::fromUtf8(expected))) << expected;
}

} // namespace
