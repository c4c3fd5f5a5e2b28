#include "print/pdf/tprintpdf.h"

#include "core/clock.h"
#include "core/cp1252.h"
#include "core/textfile.h"

#include <zlib.h>

namespace {

const char *const kBaseFonts[TPDFFont::kFontCount] = {
    "Helvetica", "Helvetica-Bold", "Helvetica-Oblique", "Helvetica-BoldOblique",
    "Courier",   "Courier-Bold",   "Courier-Oblique",   "Courier-BoldOblique",
    "Times-Roman", "Times-Bold",   "Times-Italic",      "Times-BoldItalic",
    "Symbol",    "ZapfDingbats"};

// BeginDoc's first two objects.
constexpr int kInfo = 1;
constexpr int kContents = 2;

QByteArray num(qint64 n)
{
    return QByteArray::number(n);
}

QByteArray ref(int object)
{
    return num(object) + " 0 R";
}

// zlib's own format, which FlateDecode reads (Qt's qCompress puts a length
// before it).
QByteArray deflate(const QByteArray &data)
{
    uLongf size = compressBound(uLong(data.size()));
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef *>(out.data()), &size, reinterpret_cast<const Bytef *>(data.constData()),
                  uLong(data.size()), Z_DEFAULT_COMPRESSION)
        != Z_OK)
        return QByteArray();
    out.truncate(qsizetype(size));
    return out;
}

} // namespace

bool TPDFFont::setIndex(int index)
{
    if (index < 0 || index >= kFontCount)
        return false;
    m_index = quint8(index);
    return true;
}

QByteArray TPDFFont::baseFont(int index)
{
    return index >= 0 && index < kFontCount ? QByteArray(kBaseFonts[index]) : QByteArray();
}

TPrintPDF::TPrintPDF()
{
    const QString name = QStringLiteral("Velmora");
    Producer = Author = Creator = name;
}

QByteArray TPrintPDF::literal(const QString &text)
{
    const QByteArray bytes = Cp1252::encode(text);
    QByteArray out;
    out.reserve(bytes.size() + 8);
    for (const char c : bytes) {
        if (c == '(' || c == ')' || c == '\\')
            out.append('\\');
        out.append(c);
    }
    return out;
}

void TPrintPDF::line(const QByteArray &text)
{
    m_out.append(text);
    m_out.append("\r\n");
}

void TPrintPDF::contentLine(const QByteArray &text)
{
    m_content.append(text);
    m_content.append("\r\n");
}

int TPrintPDF::openObject()
{
    m_offsets.append(m_out.size());
    const int number = int(m_offsets.size());
    line(num(number) + " 0 obj");
    return number;
}

int TPrintPDF::object(const QList<QByteArray> &lines)
{
    const int number = openObject();
    for (const QByteArray &l : lines)
        line(l);
    line("endobj");
    return number;
}

void TPrintPDF::BeginDoc()
{
    m_out.clear();
    m_content.clear();
    m_offsets.clear();

    line("%PDF-1.4");
    const QByteArray created = Clock::now().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
    object({"<<", "/Producer (" + literal(Producer) + ")", "/Author (" + literal(Author) + ")",
            "/CreationDate (D:" + created + ")", "/Creator (" + literal(Creator) + ")",
            "/Keywords (" + literal(Keywords) + ")", "/Subject (" + literal(Subject) + ")",
            "/Title (" + literal(Title) + ")", "/ModDate ()", ">>"});

    // The page's content stream stays open until EndDoc; its length is the
    // object after it.
    const int contents = openObject();
    line("<< /Length " + ref(contents + 1));
    if (Compress)
        line("/Filter [/FlateDecode]");
    line(" >>");
    line("stream");
}

void TPrintPDF::TextOut(int x, int y, const QString &text)
{
    contentLine("BT");
    contentLine("/F" + num(Font.Index() + 1) + " " + num(Font.Size) + " Tf");
    contentLine(num(x) + " " + num(PageHeight - y) + " Td");
    contentLine("(" + literal(text) + ") Tj");
    contentLine("ET");
}

void TPrintPDF::DrawLine(int x1, int y1, int x2, int y2)
{
    contentLine(num(x1) + " " + num(PageHeight - y1) + " m");
    contentLine(num(x2) + " " + num(PageHeight - y2) + " l");
    contentLine(num(LineWidth) + " w");
    contentLine("S");
}

void TPrintPDF::DrawRectangle(int x1, int y1, int x2, int y2)
{
    DrawLine(x1, y1, x1, y2);
    DrawLine(x1, y2, x2, y2);
    DrawLine(x2, y2, x2, y1);
    DrawLine(x2, y1, x1, y1);
}

bool TPrintPDF::EndDoc(QString *error)
{
    const QByteArray data = Compress ? deflate(m_content) : m_content;
    m_out.append(data);
    line("endstream");
    line("endobj");
    object({num(data.size())});

    const int outlines = object({"<< /Type /Outlines", "/Count 0", ">>"});
    const int firstFont = outlines + 1;
    for (int k = 0; k < TPDFFont::kFontCount; ++k)
        object({"<< /Type /Font", "/Subtype /Type1", "/Name /F" + num(k + 1), "/BaseFont /" + TPDFFont::baseFont(k),
                "/Encoding /WinAnsiEncoding", ">>"});
    // The one page's tree, its resources, the page itself, in that order.
    const int pages = firstFont + TPDFFont::kFontCount;
    const int resources = pages + 1;
    const int page = pages + 2;
    object({"<< /Type /Pages", "/Kids [", ref(page), "]", "/Count 1", ">>"});
    QList<QByteArray> fonts{"<< /ProcSet [ /PDF /Text /ImageC]", "/XObject << ", ">>", "/Font << "};
    for (int k = 0; k < TPDFFont::kFontCount; ++k)
        fonts.append("/F" + num(k + 1) + " " + ref(firstFont + k) + " ");
    fonts << ">>" << ">>";
    object(fonts);
    object({"<< /Type /Page", "/Parent " + ref(pages),
            "/MediaBox [ 0 0 " + num(PageWidth) + " " + num(PageHeight) + "]", "/Contents " + ref(kContents),
            "/Resources " + ref(resources), ">>"});
    const int catalog = object({"<< /Type /Catalog", "/Pages " + ref(pages), "/Outlines " + ref(outlines), ">>"});

    const qint64 xref = m_out.size();
    const int count = int(m_offsets.size());
    line("xref");
    line("0 " + num(count + 1));
    line("0000000000 65535 f");
    for (const qint64 offset : m_offsets)
        line(num(offset).rightJustified(10, '0') + " 00000 n");
    line("trailer");
    line("<< /Size " + num(count + 1));
    line("/Root " + ref(catalog));
    line("/Info " + ref(kInfo));
    line(">>");
    line("startxref");
    line(num(xref));
    line("%%EOF");

    return TextFile::writeBytes(OutputFile, m_out, error);
}
