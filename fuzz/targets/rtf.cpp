// A letter's bytes, rich text or not: read, written, read and written again,
// the two writings are the same to the byte.

#include "support/fuzzsupport.h"

#include "tools/rtfreader.h"
#include "tools/rtfwriter.h"

#include <QTextDocument>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::setUp();
    QTextDocument doc;
    const RtfReadReport report = RtfReader::read(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), &doc);
    report.notice();
    const QByteArray once = RtfWriter::write(doc, report.page);
    QTextDocument again;
    const RtfReadReport second = RtfReader::read(once, &again);
    Fuzz::require(second.rtf, "what was written is not read as rich text");
    Fuzz::require(RtfWriter::write(again, second.page) == once, "a letter written twice differs");
    return 0;
}
