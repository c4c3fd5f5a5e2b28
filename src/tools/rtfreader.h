#pragma once
// Reads rich text (RTF) as common word processors write it into a text
// document: fonts, sizes, styles, colours, alignment, indents, spacing, tab
// stops, bullets and numbering. What the editor cannot show (pictures, tables
// as such, headers, footers, notes) is skipped and reported; a table's cells
// become tab-separated text. Damaged input gives what could be read; nothing
// in the bytes can make the reader fail.

#include "tools/letterformat.h"

#include <QByteArray>
#include <QString>

class QTextDocument;

struct RtfReadReport
{
    // False when the bytes were not rich text: they were read as plain text.
    bool rtf = true;
    bool pictures = false;
    bool tables = false;
    bool headersFooters = false;
    bool notes = false;
    // The paper and margins the file gives, A4 with 2 cm margins otherwise.
    Letter::Page page;

    // The one notice naming what will not be kept when saving; empty when
    // everything is kept.
    QString notice() const;
};

namespace RtfReader {

// Replaces the document's content with what the bytes hold.
RtfReadReport read(const QByteArray &bytes, QTextDocument *doc);

} // namespace RtfReader
