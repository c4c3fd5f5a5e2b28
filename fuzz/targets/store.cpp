// A store of five files (the input cut at its NUL bytes: members, partners,
// activities, receipts, journal) is opened, every repair accepted; what the
// program then saves opens again without a question and holds the same
// records and journal.

#include "support/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::setUp();
    const QString dir = Fuzz::scratch();
    const Fuzz::Parts parts = Fuzz::split(data, size, 5);
    const char *extensions[] = {"adh", "par", "atv", "rcu", "jnl"};
    for (int i = 0; i < 5; ++i) {
        Fuzz::put(dir + "/s." + extensions[i], parts.bytes[i], i == 0 || parts.present[i]);
        // The save below replaces nothing, so it keeps no backup.
        Fuzz::put(dir + "/t." + extensions[i], QByteArray(), false);
    }

    RecordStore first;
    if (!first.Charge(dir + "/s.adh"))
        return 0;
    for (int k = 0; k < 4; ++k)
        Fuzz::require(RecordStore::isSound(first.lines(Kind(k))), "a list is not sound after opening");
    const auto before = Fuzz::records(first);
    first.markModified();
    QString error;
    Fuzz::require(first.Sauve(dir + "/t.adh", &error), "the store was not saved");

    Fuzz::resetDialogs();
    RecordStore again;
    Fuzz::require(again.Charge(dir + "/t.adh"), "the saved store does not open");
    Fuzz::require(Fuzz::dialogCalls() == 0, "the saved store asks a question when it opens");
    Fuzz::require(!again.TestModif(), "the saved store is repaired when it opens");
    Fuzz::require(Fuzz::records(again) == before, "the saved store holds other records");
    Fuzz::require(again.JournalLines == first.JournalLines, "the saved store holds another journal");
    return 0;
}
