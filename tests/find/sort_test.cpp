#include "find/sort.h"

#include "core/collation.h"
#include "support/blocks.h"

namespace {

// The list expected when the blocks are numbered from 0000 in the given order.
QStringList renumbered(const QList<QStringList> &blocks)
{
    QStringList out;
    for (int j = 0; j < blocks.size(); ++j)
        out += QStringList{RecordStore::openTag(j)} + blocks[j].mid(1, blocks[j].size() - 2)
               + QStringList{RecordStore::closeTag(j)};
    return out;
}

using SortTest = StoreTest;

} // namespace

TEST(CollationTest, FrenchOrderWithoutLetterCase)
{
    EXPECT_EQ(Collation::compare("ALAIN", "alain"), 0);
    EXPECT_LT(Collation::compare("élodie", "Emile"), 0); // not after z
    EXPECT_NE(Collation::compare("cote", "côte"), 0);
    EXPECT_LT(Collation::compare("10002", "9999"), 0);   // text, not numbers
}

TEST_F(SortTest, MembersByNameOrTownKeepTheirLinesWhole)
{
    const QStringList data{"DATA01/02/2026\tCotisation\t25,00", "MEMOa\tb"};
    const QStringList bernard = member(0, "10001", "Bernard", {{8, "Lyon"}}, data);
    const QStringList alain = member(1, "10002", "alain", {{8, "Brest"}}, data);
    const QStringList claude = member(2, "10003", "Claude");
    store.MemberLines() = listOf({bernard, alain, claude});
    store.state(Kind::Member).count = 3;
    Sort::Trier(store, 1);
    EXPECT_EQ(store.MemberLines().toStringList(), renumbered({alain, bernard, claude}));
    EXPECT_EQ(store.state(Kind::Member).count, 3);
    EXPECT_TRUE(store.TestModif());
    Sort::Trier(store, 3); // by town; no town sorts first
    EXPECT_EQ(store.MemberLines().toStringList(), renumbered({claude, alain, bernard}));
}

TEST_F(SortTest, EqualKeysAreOrderedByTheFollowingLinesAsText)
{
    const QStringList a = member(0, "9999", "Martin");
    const QStringList b = member(1, "10002", "martin");
    const QStringList c = member(2, "10002", "Martin", {{4, "Anne"}});
    const QStringList d = member(3, "10002", "Martin", {{4, "Anne"}}, {"MEMOx"});
    store.MemberLines() = listOf({d, a, c, b});
    Sort::Trier(store, 1);
    EXPECT_EQ(store.MemberLines().toStringList(), renumbered({b, c, d, a}));
}

TEST_F(SortTest, PartnersSortByCompanyOnTheirOwnList)
{
    const QStringList p0 = block(Kind::Partner, 0, {{2, "Zèbre"}});
    const QStringList p1 = block(Kind::Partner, 1, {{2, "éditions Morel"}});
    const QStringList p2 = block(Kind::Partner, 2, {{2, "Atelier"}});
    store.PartnerLines() = listOf({p0, p1, p2});
    store.MemberLines() = listOf({member(0, "2", "z"), member(1, "1", "a")});
    const RecordList members = store.MemberLines();
    Sort::Trier2(store, 1);
    EXPECT_EQ(store.PartnerLines().toStringList(), renumbered({p2, p1, p0}));
    EXPECT_EQ(store.MemberLines(), members);
}

TEST_F(SortTest, StrayLinesGoAndUnclosedBlocksStay)
{
    const QStringList b = member(1, "10002", "B");
    QStringList unclosed = member(0, "10001", "C");
    unclosed.removeLast();
    store.MemberLines() = RecordList(QStringList{"stray"} + unclosed + b + QStringList{" "});
    store.state(Kind::Member).count = 3; // the last one appended and never filled in
    store.state(Kind::Member).current = 2;
    Sort::Trier(store, 1);
    EXPECT_EQ(store.MemberLines().toStringList(), renumbered({b, unclosed + QStringList{QString()}}));
    EXPECT_EQ(store.state(Kind::Member).count, 2);
    EXPECT_EQ(store.state(Kind::Member).current, 1);

    RecordStore empty;
    Sort::Trier(empty, 1);
    EXPECT_TRUE(empty.MemberLines().isEmpty());
    EXPECT_EQ(empty.state(Kind::Member).count, 0);
}
