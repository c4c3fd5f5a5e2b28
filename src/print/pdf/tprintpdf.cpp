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
    m_scratch.append(text);
    m_scratch.append("\r\n");
}

void TPrintPDF::contentLine(const QByteArray &text)
{
    m_content.append(text);
    m_content.append("\r\n");
}

void TPrintPDF::closeObject()
{
    m_offset += m_scratch.size();
    m_offsets.append(m_offset);
    m_out.append(m_scratch);
    m_scratch.clear();
}

int TPrintPDF::openObject()
{
    ++m_lastObject;
    line(num(m_lastObject) + " 0 obj");
    return m_lastObject;
}

void TPrintPDF::simpleObject(const QList<QByteArray> &lines)
{
    openObject();
    for (const QByteArray &l : lines)
        line(l);
    line("endobj");
    closeObject();
}

void TPrintPDF::BeginDoc()
{
    m_out.clear();
    m_scratch.clear();
    m_content.clear();
    m_offsets.clear();
    m_fontObjects.clear();
    m_contentObjects.clear();
    m_lastObject = 0;
    m_pageCount = 1;

    line("%PDF-1.4");
    m_out = m_scratch;
    m_scratch.clear();
    m_offset = m_out.size();
    m_offsets.append(m_offset);

    const QByteArray created = Clock::now().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
    simpleObject({"<<", "/Producer (" + literal(Producer) + ")", "/Author (" + literal(Author) + ")",
                  "/CreationDate (D:" + created + ")", "/Creator (" + literal(Creator) + ")",
                  "/Keywords (" + literal(Keywords) + ")", "/Subject (" + literal(Subject) + ")",
                  "/Title (" + literal(Title) + ")", "/ModDate ()", ">>"});

    // The page's content stream stays open in the scratch buffer until EndDoc.
    const int contents = openObject();
    m_contentObjects.append(contents);
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
    m_scratch.append(data);
    line("endstream");
    line("endobj");
    closeObject();
    // The stream's length, as object 3 on its own.
    openObject();
    line(num(data.size()));
    line("endobj");
    closeObject();

    m_outlinesObject = m_lastObject + 1;
    simpleObject({"<< /Type /Outlines", "/Count 0", ">>"});
    for (int k = 0; k < TPDFFont::kFontCount; ++k) {
        m_fontObjects.append(m_lastObject + 1);
        simpleObject({"<< /Type /Font", "/Subtype /Type1", "/Name /F" + num(k + 1),
                      "/BaseFont /" + TPDFFont::baseFont(k), "/Encoding /WinAnsiEncoding", ">>"});
    }
    m_pagesObject = m_lastObject + 1;
    m_resourcesObject = m_pagesObject + 1;
    const int firstPage = m_resourcesObject + 1;
    QList<QByteArray> pages{"<< /Type /Pages", "/Kids ["};
    for (int p = 0; p < m_pageCount; ++p)
        pages.append(ref(firstPage + p));
    pages << "]" << "/Count " + num(m_pageCount) << ">>";
    simpleObject(pages);

    QList<QByteArray> resources{"<< /ProcSet [ /PDF /Text /ImageC]", "/XObject << ", ">>", "/Font << "};
    for (int k = 0; k < TPDFFont::kFontCount; ++k)
        resources.append("/F" + num(k + 1) + " " + ref(m_fontObjects[k]) + " ");
    resources << ">>" << ">>";
    simpleObject(resources);

    for (int p = 0; p < m_pageCount; ++p)
        simpleObject({"<< /Type /Page", "/Parent " + ref(m_pagesObject),
                      "/MediaBox [ 0 0 " + num(PageWidth) + " " + num(PageHeight) + "]",
                      "/Contents " + ref(m_contentObjects[p]), "/Resources " + ref(m_resourcesObject), ">>"});
    m_catalogObject = m_lastObject + 1;
    simpleObject({"<< /Type /Catalog", "/Pages " + ref(m_pagesObject), "/Outlines " + ref(m_outlinesObject), ">>"});

    // The offset list ends with where the table starts.
    const qint64 xref = m_offsets.last();
    line("xref");
    line("0 " + num(m_lastObject + 1));
    line("0000000000 65535 f");
    for (int k = 0; k < m_lastObject; ++k)
        line(QByteArray::number(m_offsets[k]).rightJustified(10, '0') + " 00000 n");
    line("trailer");
    line("<< /Size " + num(m_lastObject + 1));
    line("/Root " + ref(m_catalogObject));
    line("/Info 1 0 R");
    line(">>");
    line("startxref");
    line(num(xref));
    line("%%EOF");
    m_out.append(m_scratch);
    m_scratch.clear();

    return TextFile::writeBytes(OutputFile, m_out, error);
}
