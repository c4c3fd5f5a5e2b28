#pragma once
// A small writer of one-page PDF 1.4 files: text in the fourteen standard
// fonts and straight lines, the page contents compressed with zlib. The whole
// file is built in memory; EndDoc writes it in one piece, through a temporary
// file and a rename, so that a failed write leaves any older file whole.
//
// Positions are points from the top left corner of the page, y downwards.
// Text is written as Windows-1252 bytes, which the fonts' "WinAnsiEncoding"
// shows as they are.

#include <QByteArray>
#include <QList>
#include <QString>

// One of the fourteen standard fonts and its size in points.
class TPDFFont
{
public:
    static constexpr int kFontCount = 14;

    int Index() const { return m_index; }
    // False, with the font unchanged, for an index outside 0 to 13.
    bool setIndex(int index);
    int Size = 12;

    // "Helvetica", "Helvetica-Bold" ... "ZapfDingbats", by index.
    static QByteArray baseFont(int index);

private:
    quint8 m_index = 4; // Courier
};

class TPrintPDF
{
public:
    TPrintPDF();

    int PageWidth = 612;
    int PageHeight = 792;
    bool Compress = true;
    int LineWidth = 1;
    TPDFFont Font;
    QString OutputFile;
    QString Title, Keywords, Subject;
    QString Producer, Author, Creator;

    void BeginDoc();
    void TextOut(int x, int y, const QString &text);
    void DrawLine(int x1, int y1, int x2, int y2);
    // The four sides, as four lines.
    void DrawRectangle(int x1, int y1, int x2, int y2);
    // Completes the document and writes it to OutputFile, replacing it. False
    // with a French message in *error when the file cannot be written; the
    // document stays available in bytes().
    bool EndDoc(QString *error = nullptr);

    // The document as EndDoc completed it.
    const QByteArray &bytes() const { return m_out; }

    // A text as the bytes of a PDF string, without its parentheses: "(", ")"
    // and "\" escaped.
    static QByteArray literal(const QString &text);

private:
    void line(const QByteArray &text);
    void contentLine(const QByteArray &text);
    // Starts the next object where the file now ends; its number.
    int openObject();
    // A whole object; its number.
    int object(const QList<QByteArray> &lines);

    QByteArray m_out;
    QByteArray m_content;
    QList<qint64> m_offsets; // m_offsets[k - 1]: where object k starts
};
