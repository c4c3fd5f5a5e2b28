// A message book: every message is read; saved and loaded again, the book
// holds the same messages.

#include "support/fuzzsupport.h"

#include "tools/messagebook.h"

#include <vector>

namespace {

std::vector<Message> all(MessageBook &book)
{
    std::vector<Message> out;
    while (book.index() > 0)
        book.previous(book.current());
    for (int i = 0; i < book.count(); ++i) {
        out.push_back(book.current());
        book.next(book.current());
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::setUp();
    const QString in = Fuzz::scratch() + "/m.oms", out = Fuzz::scratch() + "/n.oms";
    Fuzz::put(in, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    Fuzz::put(out, QByteArray(), false);
    MessageBook book;
    if (!book.Charge(in))
        return 0;
    const std::vector<Message> messages = all(book);
    Fuzz::require(book.Sauve(out, book.current()), "the book was not saved");
    MessageBook again;
    Fuzz::require(again.Charge(out), "the saved book does not load");
    Fuzz::require(all(again) == messages, "the saved book holds other messages");
    return 0;
}
