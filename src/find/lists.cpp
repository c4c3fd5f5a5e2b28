#include "find/lists.h"

#include "store/blockindex.h"

#include <QHash>

namespace Lists {

namespace {

// Every list starts with the block number, hidden, and the record number
// under an empty header; the captions and block lines of the seven other
// columns are the kind's own.
GridLayout makeLayout(const QString &caption, const std::array<const char *, kColumns - 2> &headers,
                      const std::array<int, kColumns - 2> &lines, const std::array<int, kColumns> &widths)
{
    GridLayout layout{caption, {}, {0, 1}, widths};
    for (size_t c = 0; c < headers.size(); ++c) {
        layout.headers[c + 2] = QString::fromUtf8(headers[c]);
        layout.lines[c + 2] = lines[c];
    }
    return layout;
}

using namespace MemberField;
const GridLayout kMembers = makeLayout(QStringLiteral("Liste des adhérents"),
                                       {"Nom", "Prénom", "Adresse1", "Adresse2", "C.P.", "Ville", "Téléphone"},
                                       {Nom, Prenom, Adresse1, Adresse2, Cp, Ville, Telephone},
                                       {64, 211, 221, 198, 198, 184, 53, 176, 115});

const GridLayout kPartners = makeLayout(
    QStringLiteral("Liste des partenaires"), {"Société", "Nom", "Prénom", "Adresse", "Adresse", "C.P.", "Ville"},
    {PartnerField::Societe, PartnerField::Nom, PartnerField::Prenom, PartnerField::Adresse1, PartnerField::Adresse2,
     PartnerField::Cp, PartnerField::Ville},
    {64, 211, 221, 198, 198, 184, 159, 57, 115});

const GridLayout kActivities = makeLayout(
    QStringLiteral("Liste des activités"), {"Activité", "Type", "Partenaire", "Début", "Fin", "Prix HT", "Prix TTC"},
    {ActivityField::Intitule, ActivityField::Type, ActivityField::PartnerName, ActivityField::Debut, ActivityField::Fin,
     ActivityField::PrixHT, ActivityField::PrixTTC},
    {64, 211, 221, 198, 198, 94, 88, 99, 96});

// The first block of each number, as the record window finds blocks: only
// a whole tag names a block that can be found.
QHash<int, BlockRef> firstBlocks(const RecordList &lines)
{
    QHash<int, BlockRef> found;
    BlockIndex(lines).forEachWholeTag([&](int line, int n) {
        if (!found.contains(n))
            found.insert(n, BlockRef(&lines, line, n));
        return true;
    });
    return found;
}

} // namespace

const GridLayout *gridLayout(Kind kind)
{
    switch (kind) {
    case Kind::Member: return &kMembers;
    case Kind::Partner: return &kPartners;
    case Kind::Activity: return &kActivities;
    case Kind::Receipt: break;
    }
    return nullptr;
}

GridRows gridRows(const RecordList &lines, const GridLayout &layout)
{
    GridRows out;
    int r = 0;
    out.rows.reserve(int(lines.openTags().size()));
    BlockIndex(lines).forEach([&](const BlockRef &b) {
        ++r;
        if (r >= out.rowCount)
            out.rowCount = r + 10;
        QStringList cells;
        cells.reserve(kColumns);
        const QByteArrayView number = midView(lines.view(b.open()), 5, 4);
        cells.append(QString::fromLatin1(number.data(), number.size()));
        for (int c = 1; c < kColumns; ++c)
            cells.append(b.text(layout.lines[size_t(c)]));
        out.rows.append(cells);
    });
    return out;
}

QList<ReceiptItem> receiptItems(const RecordList &lines)
{
    const QHash<int, BlockRef> blocks = firstBlocks(lines);
    const QString gap = QStringLiteral("  ");
    QList<ReceiptItem> items;
    for (int n = 0;; ++n) {
        const auto it = blocks.constFind(n);
        if (it == blocks.constEnd())
            break;
        const BlockRef &b = it.value();
        ReceiptItem item;
        item.block = n;
        item.text = b.text(ReceiptField::Numero).mid(4) + gap + b.text(ReceiptField::Date) + gap
                    + b.text(ReceiptField::Mode) + gap + b.text(ReceiptField::Payer1) + gap
                    + b.text(ReceiptField::Payer2);
        items.append(item);
    }
    return items;
}

bool renumberReceipts(RecordList &lines, const QList<int> &order)
{
    bool changed = false;
    for (int i = 0; i < order.size(); ++i)
        changed = changed || order[i] != i;
    if (!changed)
        return false;
    // Every position is looked up before any tag changes, since the new
    // numbers are the old numbers of other blocks.
    const QHash<int, BlockRef> blocks = firstBlocks(lines);
    struct Move
    {
        int open;
        int close;
        int number;
    };
    QList<Move> moves;
    for (int i = 0; i < order.size(); ++i) {
        const auto it = blocks.constFind(order[i]);
        // A number given to some blocks and not to others would be held twice.
        if (it == blocks.constEnd())
            return false;
        const BlockRef &b = it.value();
        moves.append({b.open(), b.closed() ? b.end() - 1 : -1, i});
    }
    for (const Move &m : moves) {
        lines.replace(m.open, RecordStore::openTag(m.number));
        if (m.close >= 0)
            lines.replace(m.close, RecordStore::closeTag(m.number));
    }
    return true;
}

int applyReceiptOrder(RecordStore &store, const QList<int> &order, int selectedRow)
{
    KindState &s = store.state(Kind::Receipt);
    const bool renumbered = renumberReceipts(s.lines, order);
    if (renumbered) {
        store.markModified();
        const int shown = order.indexOf(s.current);
        if (shown >= 0)
            s.current = shown;
    }
    if (selectedRow < 0 || selectedRow >= order.size())
        return -1;
    return renumbered ? selectedRow : order[selectedRow];
}

} // namespace Lists
