#include "find/lists.h"

#include "find/blockscan.h"

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

const GridLayout kMembers = makeLayout(QStringLiteral("Liste des adhérents"),
                                       {"Nom", "Prénom", "Adresse1", "Adresse2", "C.P.", "Ville", "Téléphone"},
                                       {3, 4, 5, 6, 7, 8, 9}, {64, 211, 221, 198, 198, 184, 53, 176, 115});

const GridLayout kPartners = makeLayout(QStringLiteral("Liste des partenaires"),
                                        {"Société", "Nom", "Prénom", "Adresse", "Adresse", "C.P.", "Ville"},
                                        {2, 3, 4, 5, 6, 7, 8}, {64, 211, 221, 198, 198, 184, 159, 57, 115});

const GridLayout kActivities = makeLayout(QStringLiteral("Liste des activités"),
                                          {"Activité", "Type", "Partenaire", "Début", "Fin", "Prix HT", "Prix TTC"},
                                          {2, 3, 5, 6, 8, 10, 11}, {64, 211, 221, 198, 198, 94, 88, 99, 96});

// The first opening tag of each number, as the record window finds blocks:
// the whole line compared with letter case ignored.
QHash<int, int> firstBlockIndexes(const RecordList &lines)
{
    QHash<int, int> found;
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines.isOpenTagAnyCase(i) || lines.length(i) != 10)
            continue;
        const QByteArrayView v = lines.view(i);
        if (v[9] != '>')
            continue;
        const int n = BlockScan::blockNumber(v);
        if (n >= 0 && !found.contains(n))
            found.insert(n, i);
    }
    return found;
}

// Index of the closing tag of the block opening at i, or -1 when it has none.
int closingIndex(const RecordList &lines, int i)
{
    const int n = BlockScan::blockNumber(lines.view(i));
    const QByteArray close = RecordStore::closeTag(n).toLatin1();
    for (int j = i + 1; j < lines.size(); ++j) {
        if (lines.isCloseTagAnyCase(j)
            && lines.view(j).compare(QByteArrayView(close), Qt::CaseInsensitive) == 0)
            return j;
        if (lines.isOpenTag(j))
            return -1;
    }
    return -1;
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
    int deepest = 0;
    for (int c = 1; c < kColumns; ++c)
        deepest = std::max(deepest, layout.lines[size_t(c)]);
    GridRows out;
    int r = 0;
    out.rows.reserve(int(lines.openTags().size()));
    for (const int i : lines.openTags()) {
        const QByteArrayView v = lines.view(i);
        ++r;
        if (r >= out.rowCount)
            out.rowCount = r + 10;
        const int span = BlockScan::span(lines, i, deepest);
        QStringList cells;
        cells.reserve(kColumns);
        const QByteArrayView number = midView(v, 5, 4);
        cells.append(QString::fromLatin1(number.data(), number.size()));
        for (int c = 1; c < kColumns; ++c)
            cells.append(BlockScan::line(lines, i, layout.lines[size_t(c)], span));
        out.rows.append(cells);
    }
    return out;
}

QList<ReceiptItem> receiptItems(const RecordList &lines)
{
    const QHash<int, int> blocks = firstBlockIndexes(lines);
    const QString gap = QStringLiteral("  ");
    QList<ReceiptItem> items;
    for (int n = 0;; ++n) {
        const auto it = blocks.constFind(n);
        if (it == blocks.constEnd())
            break;
        const int i = it.value();
        const int span = BlockScan::span(lines, i, 6);
        ReceiptItem item;
        item.block = n;
        item.text = BlockScan::line(lines, i, 1, span).mid(4) + gap + BlockScan::line(lines, i, 2, span) + gap
                    + BlockScan::line(lines, i, 3, span) + gap + BlockScan::line(lines, i, 5, span) + gap
                    + BlockScan::line(lines, i, 6, span);
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
    const QHash<int, int> blocks = firstBlockIndexes(lines);
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
        moves.append({it.value(), closingIndex(lines, it.value()), i});
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
        store.StoreModified = true;
        const int shown = order.indexOf(s.current);
        if (shown >= 0)
            s.current = shown;
    }
    if (selectedRow < 0 || selectedRow >= order.size())
        return -1;
    return renumbered ? selectedRow : order[selectedRow];
}

} // namespace Lists
