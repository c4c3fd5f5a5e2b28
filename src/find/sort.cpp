#include "find/sort.h"

#include "core/collation.h"
#include "store/blockindex.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

struct Record
{
    int first = 0;  // index of the record's line 1
    int size = 0;   // lines between the tags
    // Sort keys of the key line and of line 1, made once per record: most
    // comparisons end on one of them.
    std::optional<QCollatorSortKey> key;
    std::optional<QCollatorSortKey> line1;
};

} // namespace

int Sort::keyLine(Kind kind, int key)
{
    static constexpr int memberLines[] = {MemberField::Numero, MemberField::Nom, MemberField::Cp, MemberField::Ville};
    static constexpr int partnerLines[] = {PartnerField::Code, PartnerField::Societe, PartnerField::Cp,
                                           PartnerField::Ville};
    if (key < 0 || key > 3)
        return -1;
    if (kind == Kind::Member)
        return memberLines[key];
    if (kind == Kind::Partner)
        return partnerLines[key];
    return -1;
}

int Sort::sortBlocks(RecordList &lines, int keyLine)
{
    // A block whose closing tag is missing ends where the next block opens,
    // so that no record is lost and the rebuilt block is whole.
    std::vector<Record> records;
    BlockIndex(lines).forEach([&](const BlockRef &b) {
        Record r;
        r.first = b.open() + 1;
        r.size = b.span();
        r.key = Collation::sortKey(b.text(keyLine));
        if (r.size >= 1)
            r.line1 = Collation::sortKey(b.text(1));
        records.push_back(std::move(r));
    });

    std::stable_sort(records.begin(), records.end(), [&lines](const Record &a, const Record &b) {
        int c = a.key->compare(*b.key);
        if (c != 0)
            return c < 0;
        const int common = std::min(a.size, b.size);
        if (common >= 1) {
            c = a.line1->compare(*b.line1);
            if (c != 0)
                return c < 0;
        }
        for (int x = 1; x < common; ++x) {
            const QByteArrayView va = lines.view(a.first + x);
            const QByteArrayView vb = lines.view(b.first + x);
            if (va == vb)
                continue;
            c = Collation::compare(lines.at(a.first + x), lines.at(b.first + x));
            if (c != 0)
                return c < 0;
        }
        return a.size < b.size;
    });

    RecordList sorted;
    for (size_t j = 0; j < records.size(); ++j) {
        const Record &r = records[j];
        sorted.append(RecordStore::openTag(int(j)));
        for (int x = 0; x < r.size; ++x)
            sorted.appendRaw(lines.view(r.first + x));
        sorted.append(RecordStore::closeTag(int(j)));
    }
    lines = sorted;
    return int(records.size());
}

void Sort::sortKind(RecordStore &store, Kind kind, int key)
{
    const int line = keyLine(kind, key);
    if (line < 0)
        return;
    KindState &s = store.state(kind);
    s.count = sortBlocks(s.lines, line);
    // Records appended but never filled in have no block and are gone after
    // the sort: the current index must name a record that can exist, or a
    // later write-back would reuse a number past the count.
    s.current = std::max(0, std::min(s.current, s.count - 1));
    store.markModified();
}

void Sort::Trier(RecordStore &store, int key)
{
    sortKind(store, Kind::Member, key);
}

void Sort::Trier2(RecordStore &store, int key)
{
    sortKind(store, Kind::Partner, key);
}
