// An import file (members when the first byte is even, partners otherwise)
// is imported into an empty store; the store stays sound, and saved and
// opened again it holds the same records.

#include "support/fuzzsupport.h"

#include "find/exchange.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::setUp();
    const QString dir = Fuzz::scratch();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const Kind kind = size > 0 && (data[0] & 1) ? Kind::Partner : Kind::Member;

    RecordStore store;
    Exchange::importLines(store, kind, Exchange::decodeLines(bytes));
    for (int k = 0; k < 4; ++k)
        Fuzz::require(RecordStore::isSound(store.lines(Kind(k))), "an import leaves a list unsound");
    if (!store.TestModif())
        return 0;
    for (const char *extension : {"adh", "par", "atv", "rcu", "jnl"})
        Fuzz::put(dir + "/i." + extension, QByteArray(), false);
    const auto before = Fuzz::records(store);
    QString error;
    Fuzz::require(store.Sauve(dir + "/i.adh", &error), "the imported store was not saved");
    Fuzz::resetDialogs();
    RecordStore again;
    Fuzz::require(again.Charge(dir + "/i.adh"), "the imported store does not open");
    Fuzz::require(Fuzz::dialogCalls() == 0 && !again.TestModif(), "the imported store is repaired when it opens");
    Fuzz::require(Fuzz::records(again) == before, "the imported store holds other records once saved");
    return 0;
}
