// The bytes of a file as a record list: the lines and their tag marks are
// those of the text, and a list written and read again, or whose lines are
// rewritten from their own text, is the same to the byte; the tag positions
// it keeps across rewrites in place are those of its lines.

#include "support/fuzzsupport.h"

#include "core/recordlist.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::setUp();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    RecordList list;
    const bool taken = list.setBytes(bytes);
    Fuzz::require(taken == RecordList::canHold(bytes), "setBytes and canHold disagree");
    if (!taken)
        return 0;
    for (int i = 0; i < list.size(); ++i) {
        const QByteArrayView v = list.view(i);
        Fuzz::require(!v.contains('\r') && !v.contains('\n'), "a line holds a line break");
        Fuzz::require(list.isOpenTag(i) == v.startsWith("<BLOC"), "an opening tag is marked wrong");
        Fuzz::require(list.isCloseTag(i) == v.startsWith("</BLOC"), "a closing tag is marked wrong");
        Fuzz::require(list.isOpenTagAnyCase(i) == (v.size() >= 5 && QByteArrayView(v.data(), 5).compare("<BLOC", Qt::CaseInsensitive) == 0),
                      "an opening tag of any case is marked wrong");
    }
    const QByteArray written = list.toBytes();
    RecordList again;
    Fuzz::require(again.setBytes(written) && again == list && again.toBytes() == written,
                  "a list written reads back otherwise");
    // Every line rewritten from its own text, the last first.
    for (int i = list.size() - 1; i >= 0 && i >= list.size() - 50; --i)
        again.replace(i, again.at(i));
    Fuzz::require(again.toBytes() == written, "a line rewritten from its text changes");
    Fuzz::require(RecordList(list.toStringList()).toBytes() == written, "a list made from its lines differs");

    // Runs of three lines rewritten in place with the lines that follow them,
    // tags included: the tag positions and numbers the list keeps between
    // changes are those a fresh reading finds.
    for (int i = 0; i + 3 < list.size() && i < 60; i += 2) {
        (void)again.openTagNumbers();
        again.replaceRange(i, 3, {again.at(i + 1), again.at(i + 2), again.at(i + 3)});
        const RecordList fresh(again.toStringList());
        Fuzz::require(again.openTags() == fresh.openTags() && again.openTagNumbers() == fresh.openTagNumbers(),
                      "kept tag positions differ from the lines");
    }
    return 0;
}
