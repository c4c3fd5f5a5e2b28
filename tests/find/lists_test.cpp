#include "find/lists.h"

#include "support/blocks.h"

namespace {

QStringList receipt(int n, const QString &number, const QString &payer, const QString &payer2 = QString())
{
    return block(Kind::Receipt, n,
                 {{1, number}, {2, "01/03/2026"}, {3, "Chèque"}, {4, "Reçu"}, {5, payer}, {6, payer2}, {7, "Paris"}},
                 {"FACTCotisation\t25,00"});
}

QStringList retagged(QStringList b, int n)
{
    b.first() = RecordStore::openTag(n);
    b.last() = RecordStore::closeTag(n);
    return b;
}

Lists::GridRows rowsOf(const RecordList &lines, Kind kind = Kind::Member)
{
    return Lists::gridRows(lines, *Lists::gridLayout(kind));
}

using ListsTest = VelmoraTest;

} // namespace

TEST_F(ListsTest, GridGrowsByTenWhenARecordHasNoRow)
{
    for (const auto &[records, rows] : {std::pair{2, 20}, {19, 20}, {20, 30}, {25, 30}, {30, 40}}) {
        QList<QStringList> blocks;
        for (int i = 0; i < records; ++i)
            blocks.append(member(i, QString::number(10001 + i), "N"));
        const Lists::GridRows grid = rowsOf(listOf(blocks));
        EXPECT_EQ(grid.rowCount, rows) << records << " records";
        EXPECT_EQ(grid.rows.size(), records);
    }
}

TEST_F(ListsTest, RowsShowEachKindsLinesInListOrder)
{
    Fields f;
    for (int p = 1; p <= 14; ++p)
        f[p] = QString::number(p);
    EXPECT_EQ(rowsOf(listOf({block(Kind::Member, 7, f)})).rows.value(0),
              (QStringList{"0007", "1", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(rowsOf(listOf({block(Kind::Partner, 7, f)}), Kind::Partner).rows.value(0),
              (QStringList{"0007", "1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(rowsOf(listOf({block(Kind::Activity, 7, f)}), Kind::Activity).rows.value(0),
              (QStringList{"0007", "1", "2", "3", "5", "6", "8", "10", "11"}));

    // A block cut short shows only its own lines.
    QStringList lines = member(2, "10003", "Trois");
    lines += QStringList{" ", RecordStore::openTag(0), "10001", "", "Court", RecordStore::closeTag(0)};
    lines += member(1, "10002", "Deux");
    const Lists::GridRows grid = rowsOf(RecordList(lines));
    ASSERT_EQ(grid.rows.size(), 3);
    EXPECT_EQ(grid.rows[1], (QStringList{"0000", "10001", "Court", "", "", "", "", "", ""}));
    EXPECT_EQ(grid.rows[2][0], "0001");
}

TEST_F(ListsTest, ReceiptItemsStopAtTheFirstMissingNumber)
{
    const QList<Lists::ReceiptItem> items =
        Lists::receiptItems(listOf({receipt(1, "NUMF202603002", "Jean Dupont", "1 rue Haute"),
                                    receipt(0, "NUMR202603001", "Anne Roux"), receipt(3, "NUMR202603004", "X")}));
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0].text, "202603001  01/03/2026  Chèque  Anne Roux  ");
    EXPECT_EQ(items[1].text, "202603002  01/03/2026  Chèque  Jean Dupont  1 rue Haute");
    EXPECT_EQ(items[1].block, 1);
}

TEST_F(ListsTest, ReceiptsAreNumberedInTheOrderShown)
{
    const QStringList a = receipt(0, "NUMR1", "A"), b = receipt(1, "NUMR2", "B"), c = receipt(2, "NUMR3", "C"),
                      e = receipt(4, "NUMR5", "E");
    RecordStore store;
    store.ReceiptLines() = listOf({c, a, e, b});
    store.state(Kind::Receipt).current = 2; // C is shown

    EXPECT_EQ(Lists::applyReceiptOrder(store, {2, 0, 1}, 0), 0);
    EXPECT_TRUE(store.TestModif());
    // Blocks keep their place in the list; only their tags change.
    EXPECT_EQ(store.ReceiptLines().toStringList(),
              listOf({retagged(c, 0), retagged(a, 1), e, retagged(b, 2)}).toStringList());
    EXPECT_EQ(store.state(Kind::Receipt).current, 0);

    // No selection: -1, and the order still applies.
    EXPECT_EQ(Lists::applyReceiptOrder(store, {1, 0, 2}, -1), -1);
    EXPECT_EQ(blockOf(store.ReceiptLines(), 0), retagged(a, 0));
    EXPECT_EQ(store.state(Kind::Receipt).current, 1);

    store.markSaved();
    const RecordList before = store.ReceiptLines();
    EXPECT_EQ(Lists::applyReceiptOrder(store, {0, 1, 2}, 2), 2);
    EXPECT_FALSE(store.TestModif());
    EXPECT_EQ(store.ReceiptLines(), before);
}
