#pragma once
// Writes a text document as rich text (RTF) that common word processors
// open as intended: a Windows-1252 header with font and colour tables, the
// page, then each paragraph opened by \pard with its bullet or number, its
// alignment, indents, spacing and tab stops, and its runs of text. Characters
// of Windows-1252 are written as \'hh, every other one as \uN with a "?" for
// readers that know no Unicode: nothing typed is lost. The reader reads back
// exactly what this writes, so a file saved, opened and saved again is the
// same to the byte.

#include "tools/letterformat.h"

#include <QByteArray>

class QTextDocument;

namespace RtfWriter {

QByteArray write(const QTextDocument &doc, const Letter::Page &page = Letter::Page());

} // namespace RtfWriter
