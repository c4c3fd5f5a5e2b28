#include "find/lists.h"

#include "findtestutil.h"
#include "support/fakedialogs.h"

using namespace FindTest;

namespace {

QStringList receipt(int n, const QString &number, const QString &payer, const QString &payer2 = QString())
{
    return block(Kind::Receipt, n,
                 {{1, number}, {2, QStringLiteral("01/03/2026")}, {3, QStringLiteral("Chèque")},
                  {4, QStringLiteral("Reçu")}, {5, payer}, {6, payer2}, {7, QStringLiteral("75001 Paris")}},
                 {QStringLiteral("FACTCotisation\t25,00")});
}

QStringList retagged(QStringList b, int n)
{
    b.first() = RecordStore::openTag(n);
    b.last() = RecordStore::closeTag(n);
    return b;
}

class ListsTest : public VelmoraTest
{
};

} // namespace

TEST_F(ListsTest, GridGrowsByTenWhenARecordHasNoRow)
{
    for (const auto &[records, rows] : {std::pair{2, 20}, {19, 20}, {20, 30}, {25, 30}, {30, 40}}) {
        QList<QStringList> blocks;
        for (int i = 0; i < records; ++i)
            blocks.append(member(i, QString::number(10001 + i), QStringLiteral("N")));
        const Lists::GridRows grid = Lists::gridRows(listOf(blocks), *Lists::gridLayout(Kind::Member));
        EXPECT_EQ(grid.rowCount, rows) << records << " records";
        EXPECT_EQ(grid.rows.size(), records);
    }
}

TEST_F(ListsTest, EachKindShowsItsOwnLines)
{
    Fields f;
    for (int p = 1; p <= 14; ++p)
        f[p] = QString::number(p);
    const auto row = [&f](Kind k) {
        return Lists::gridRows(listOf({block(k, 7, f)}), *Lists::gridLayout(k)).rows.value(0);
    };
    EXPECT_EQ(row(Kind::Member), (QStringList{"0007", "1", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(row(Kind::Partner), (QStringList{"0007", "1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(row(Kind::Activity), (QStringList{"0007", "1", "2", "3", "5", "6", "8", "10", "11"}));
}

TEST_F(ListsTest, RowsFollowTheListAndCutBlocksShowOnlyTheirOwnLines)
{
    QStringList lines = member(2, QStringLiteral("10003"), QStringLiteral("Trois"));
    lines += QStringList{QStringLiteral(" "), RecordStore::openTag(0), QStringLiteral("10001"), QString(),
                         QStringLiteral("Court"), RecordStore::closeTag(0)};
    lines += member(1, QStringLiteral("10002"), QStringLiteral("Deux"));
    const Lists::GridRows grid = Lists::gridRows(RecordList(lines), *Lists::gridLayout(Kind::Member));
    ASSERT_EQ(grid.rows.size(), 3);
    EXPECT_EQ(grid.rows[1], (QStringList{"0000", "10001", "Court", "", "", "", "", "", ""}));
    EXPECT_EQ(grid.rows[2][0], QStringLiteral("0001"));
}

TEST_F(ListsTest, ReceiptItemsStopAtTheFirstMissingNumber)
{
    const QList<Lists::ReceiptItem> items = Lists::receiptItems(listOf(
        {receipt(1, QStringLiteral("NUMF202603002"), QStringLiteral("Jean Dupont"), QStringLiteral("1 rue Haute")),
         receipt(0, QStringLiteral("NUMR202603001"), QStringLiteral("Anne Roux")),
         receipt(3, QStringLiteral("NUMR202603004"), QStringLiteral("X"))}));
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0].text, QStringLiteral("202603001  01/03/2026  Chèque  Anne Roux  "));
    EXPECT_EQ(items[1].text, QStringLiteral("202603002  01/03/2026  Chèque  Jean Dupont  1 rue Haute"));
    EXPECT_EQ(items[1].block, 1);
}

TEST_F(ListsTest, ReceiptsAreNumberedInTheOrderShown)
{
    const QStringList a = receipt(0, QStringLiteral("NUMR1"), QStringLiteral("A"));
    const QStringList b = receipt(1, QStringLiteral("NUMR2"), QStringLiteral("B"));
    const QStringList c = receipt(2, QStringLiteral("NUMR3"), QStringLiteral("C"));
    const QStringList e = receipt(4, QStringLiteral("NUMR5"), QStringLiteral("E"));
    RecordStore store;
    store.ReceiptLines() = listOf({c, a, e, b});
    store.state(Kind::Receipt).current = 2;   // C is shown

    EXPECT_EQ(Lists::applyReceiptOrder(store, {2, 0, 1}, 0), 0);
    EXPECT_TRUE(store.StoreModified);
    // Blocks keep their place in the list; only their tags change.
    EXPECT_EQ(store.ReceiptLines().toStringList(),
              listOf({retagged(c, 0), retagged(a, 1), e, retagged(b, 2)}).toStringList());
    EXPECT_EQ(store.state(Kind::Receipt).current, 0);

    // No selection: -1, and the order still applies.
    EXPECT_EQ(Lists::applyReceiptOrder(store, {1, 0, 2}, -1), -1);
    EXPECT_EQ(blockOf(store.ReceiptLines(), 0), retagged(a, 0));
    EXPECT_EQ(store.state(Kind::Receipt).current, 1);

    store.StoreModified = false;
    const RecordList before = store.ReceiptLines();
    EXPECT_EQ(Lists::applyReceiptOrder(store, {0, 1, 2}, 2), 2);
    EXPECT_FALSE(store.StoreModified);
    EXPECT_EQ(store.ReceiptLines(), before);
}
