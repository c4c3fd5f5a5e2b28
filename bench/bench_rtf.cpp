// Letters as rich text: a generated letter of about 1 MB (2,000 paragraphs,
// mixed styles, accents, bullets) read into a document and written back,
// against the floor of reading the file's bytes and scanning its tokens with
// the least code; and the time to show the letter in the editor.
// Run: bench_rtf (offscreen platform by default).

#include "benchutil.h"

#include "core/dialogs.h"
#include "tools/rtfreader.h"
#include "tools/rtfwriter.h"
#include "tools/ui/ttexte.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <cstdio>
#include <memory>

namespace {

// A letter as word processors write it: a font and colour table, runs in
// bold, italics and colour, accents as \'hh and as \uN with a fallback,
// bullets in both forms, some justified and indented paragraphs.
QByteArray makeLetter(int paragraphs)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
                     "{\\f1\\fswiss\\fcharset0 Arial;}{\\f2\\fnil\\fcharset2 Symbol;}}"
                     "{\\colortbl;\\red0\\green0\\blue128;\\red128\\green0\\blue0;}"
                     "{\\*\\listtable{\\list{\\listlevel\\levelnfc23{\\leveltext\\'01\\u8226 ?;}}\\listid9}}"
                     "{\\*\\listoverridetable{\\listoverride\\listid9\\ls1}}\r\n"
                     "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134\r\n";
    const QByteArray sentence =
        "Nous avons le plaisir de vous inviter \\'e0 la f\\'eate annuelle de l'association, qui aura lieu "
        "le samedi 14 juin \\'e0 la salle des f\\'eates. ";
    for (int i = 0; i < paragraphs; ++i) {
        rtf += "\\pard";
        switch (i % 5) {
        case 0: rtf += "\\qj\\li360\\fi-180"; break;
        case 1: rtf += "{\\pntext\\f2\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf2{\\pntxtb\\'b7}}\\fi-360\\li720"; break;
        case 2: rtf += "{\\listtext\\f2\\'b7\\tab}\\ls1\\fi-360\\li720"; break;
        case 3: rtf += "\\qc\\sb120\\sa60"; break;
        default: rtf += "\\qr"; break;
        }
        rtf += "\\plain\\f" + QByteArray::number(i % 2) + "\\fs" + QByteArray::number(20 + 2 * (i % 4)) + ' ';
        rtf += "{\\b Paragraphe " + QByteArray::number(i) + " :} ";
        rtf += sentence;
        rtf += "{\\i Cordialement, le pr\\u233\\'e9sident} ";
        rtf += "{\\cf1\\ul \\u8364\\'80 12,50 \\u339\\'9cuvre \\u8212\\'97 \\'ab co\\u251\\'fbt \\'bb} ";
        rtf += sentence;
        rtf += "\\u380?ywiec \\par\r\n";
    }
    rtf += "}";
    return rtf;
}

// The least a reader must do: every byte looked at once, control words and
// their numbers, groups and text told apart.
long scanTokens(const QByteArray &bytes)
{
    long tokens = 0;
    const char *p = bytes.constData();
    const char *const end = p + bytes.size();
    while (p < end) {
        const char c = *p++;
        if (c == '\\') {
            if (p < end && ((*p >= 'a' && *p <= 'z') || (*p >= 'A' && *p <= 'Z'))) {
                while (p < end && ((*p >= 'a' && *p <= 'z') || (*p >= 'A' && *p <= 'Z')))
                    ++p;
                if (p < end && *p == '-')
                    ++p;
                while (p < end && *p >= '0' && *p <= '9')
                    ++p;
                if (p < end && *p == ' ')
                    ++p;
            } else if (p < end && *p == '\'') {
                p += std::min<qsizetype>(3, end - p);
            } else if (p < end) {
                ++p;
            }
        } else if (c != '{' && c != '}') {
            while (p < end && *p != '\\' && *p != '{' && *p != '}')
                ++p;
        }
        ++tokens;
    }
    return tokens;
}

// What the document holds, to build it again without reading anything.
struct Paragraph
{
    QTextBlockFormat format;
    QTextCharFormat charFormat;
    QList<std::pair<QString, QTextCharFormat>> runs;
};

QList<Paragraph> contents(const QTextDocument &doc)
{
    QList<Paragraph> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        Paragraph p{b.blockFormat(), b.charFormat(), {}};
        p.format.setObjectIndex(-1); // lists belong to their own document
        for (auto it = b.begin(); !it.atEnd(); ++it)
            p.runs.append({it.fragment().text(), it.fragment().charFormat()});
        out.append(p);
    }
    return out;
}

// The least any reader pays to hand over a document: its paragraphs and runs
// put in one by one.
void build(const QList<Paragraph> &paragraphs, QTextDocument *doc)
{
    doc->setUndoRedoEnabled(false);
    QTextCursor c(doc);
    c.beginEditBlock();
    bool first = true;
    for (const Paragraph &p : paragraphs) {
        if (first)
            c.setBlockFormat(p.format);
        else
            c.insertBlock(p.format, p.charFormat);
        first = false;
        for (const auto &[text, format] : p.runs)
            c.insertText(text, format);
    }
    c.endEditBlock();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

} // namespace

int main(int argc, char **argv)
{
    Bench::offscreenByDefault();
    QApplication app(argc, argv);
    Bench::AnsweringDialogs dialogs;
    Dialogs::install(&dialogs);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lettre.rtf"));
    const QByteArray letter = makeLetter(2000);
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(letter) != letter.size())
            return 1;
    }
    std::printf("letter: %.2f MB, 2000 paragraphs\n", letter.size() / 1e6);

    long tokens = 0;
    const double floorMs = Bench::bestOf(7, [&] { tokens = scanTokens(readFile(path)); });

    QByteArray written;
    std::unique_ptr<QTextDocument> fresh;
    // Each read into a new document, as the editor does.
    const double readMs = Bench::bestOf(
        7, [&] { RtfReader::read(readFile(path), fresh.get()); },
        [&] { fresh = std::make_unique<QTextDocument>(); });
    const std::unique_ptr<QTextDocument> read = std::move(fresh);
    QTextDocument &doc = *read;
    const double writeMs = Bench::bestOf(7, [&] { written = RtfWriter::write(doc); });
    const QList<Paragraph> paragraphs = contents(doc);
    const double buildMs = Bench::bestOf(
        7, [&] { build(paragraphs, fresh.get()); }, [&] { fresh = std::make_unique<QTextDocument>(); });
    QTextDocument back;
    RtfReader::read(written, &back);
    const bool same = RtfWriter::write(back) == written;

    std::printf("floor (read the bytes, scan %ld tokens): %8.2f ms\n", tokens, floorMs);
    std::printf("read into a document:                    %8.2f ms  (%.1f x floor)\n", readMs, readMs / floorMs);
    std::printf("write back (%.2f MB):                    %8.2f ms  (%.1f x floor)\n", written.size() / 1e6,
                writeMs, writeMs / floorMs);
    std::printf("read and write:                          %8.2f ms  (%.1f x floor; target 3)\n", readMs + writeMs,
                (readMs + writeMs) / floorMs);
    std::printf("the document alone, built from its runs:  %8.2f ms; read / (floor + document): %.1f\n", buildMs,
                readMs / (floorMs + buildMs));
    std::printf("paragraphs read: %d; written again identically: %s\n", doc.blockCount(), same ? "yes" : "NO");

    // Shown in the editor: opened from the tool bar and painted.
    dialogs.nextFile = path;
    double showMs = 0;
    double layoutMs = 0;
    {
        TTexte texte;
        texte.resize(1000, 700);
        texte.show();
        app.processEvents();
        QElapsedTimer t;
        t.start();
        texte.SpeedButton13Click();
        app.processEvents();
        texte.editor()->viewport()->repaint();
        showMs = Bench::elapsedMs(t);
        texte.editor()->document()->documentLayout()->documentSize();
        layoutMs = Bench::elapsedMs(t);
    }
    std::printf("letter shown in the editor:              %8.2f ms  (target 1500)\n", showMs);
    std::printf("laid out to its end:                     %8.2f ms\n", layoutMs);
    std::printf("resident memory: %ld KiB\n", Bench::residentKiB());
    return same ? 0 : 1;
}
