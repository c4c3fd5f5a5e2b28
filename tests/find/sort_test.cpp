#include "find/sort.h"

#include "core/collation.h"
#include "findtestutil.h"
#include "support/fakedialogs.h"

using namespace FindTest;

namespace {

// The list expected when the blocks are numbered from 0000 in the given order.
QStringList renumbered(const QList<QStringList> &blocks)
{
    QStringList out;
    for (int j = 0; j < blocks.size(); ++j) {
        QStringList b = blocks[j];
        b.first() = RecordStore::openTag(j);
        b.last() = RecordStore::closeTag(j);
        out += b;
    }
    return out;
}

class SortTest : public VelmoraTest
{
protected:
    RecordStore store;
};

} // namespace

TEST(CollationTest, FrenchOrderWithoutLetterCase)
{
    EXPECT_EQ(Collation::compare(QStringLiteral("ALAIN"), QStringLiteral("alain")), 0);
    EXPECT_LT(Collation::compare(QStringLiteral("élodie"), QStringLiteral("Emile")), 0);  // not after z
    EXPECT_LT(Collation::compare(QStringLiteral("Émile"), QStringLiteral("zoé")), 0);
    EXPECT_NE(Collation::compare(QStringLiteral("cote"), QStringLiteral("côte")), 0);
    EXPECT_LT(Collation::compare(QStringLiteral("10002"), QStringLiteral("9999")), 0);    // text, not numbers
}

TEST_F(SortTest, ByNameIgnoresCaseAndKeepsDataLinesWhole)
{
    const QStringList data{QStringLiteral("DATA01/02/2026\tCotisation\t25,00"), QStringLiteral("MEMOa\tb")};
    const QStringList bernard =
        member(0, QStringLiteral("10001"), QStringLiteral("Bernard"), {{8, QStringLiteral("Lyon")}}, data);
    const QStringList alain =
        member(1, QStringLiteral("10002"), QStringLiteral("alain"), {{8, QStringLiteral("Brest")}}, data);
    const QStringList claude = member(2, QStringLiteral("10003"), QStringLiteral("Claude"));
    store.MemberLines() = listOf({bernard, alain, claude});
    store.state(Kind::Member).count = 3;
    Sort::Trier(store, 1);
    EXPECT_EQ(store.MemberLines().toStringList(), renumbered({alain, bernard, claude}));
    EXPECT_EQ(store.state(Kind::Member).count, 3);
    EXPECT_TRUE(store.StoreModified);
    Sort::Trier(store, 3);  // by town; no town sorts first
    EXPECT_EQ(store.MemberLines().toStringList(), renumbered({claude, alain, bernard}));
}

TEST_F(SortTest, EqualKeysAreOrderedByTheFollowingLinesAsText)
{
    const QStringList a = member(0, QStringLiteral("9999"), QStringLiteral("Martin"));
    const QStringList b = member(1, QStringLiteral("10002"), QStringLiteral("martin"));
    const QStringList c = member(2, QStringLiteral("10002"), QStringLiteral("Martin"), {{4, QStringLiteral("Anne")}});
    const QStringList d = member(3, QStringLiteral("10002"), QStringLiteral("Martin"), {{4, QStringLiteral("Anne")}},
                                 {QStringLiteral("MEMOx")});
    store.MemberLines() = listOf({d, a, c, b});
    Sort::Trier(store, 1);
    EXPECT_EQ(store.MemberLines().toStringList(), renumbered({b, c, d, a}));
}

TEST_F(SortTest, PartnersSortByCompanyOnTheirOwnList)
{
    const QStringList p0 = block(Kind::Partner, 0, {{2, QStringLiteral("Zèbre")}});
    const QStringList p1 = block(Kind::Partner, 1, {{2, QStringLiteral("éditions Morel")}});
    const QStringList p2 = block(Kind::Partner, 2, {{2, QStringLiteral("Atelier")}});
    store.PartnerLines() = listOf({p0, p1, p2});
    store.MemberLines() = listOf(
        {member(0, QStringLiteral("2"), QStringLiteral("z")), member(1, QStringLiteral("1"), QStringLiteral("a"))});
    const RecordList members = store.MemberLines();
    Sort::Trier2(store, 1);
    EXPECT_EQ(store.PartnerLines().toStringList(), renumbered({p2, p1, p0}));
    EXPECT_EQ(store.MemberLines(), members);
}

TEST_F(SortTest, StrayLinesGoAndUnclosedBlocksStay)
{
    const QStringList b = member(1, QStringLiteral("10002"), QStringLiteral("B"));
    QStringList unclosed = member(0, QStringLiteral("10001"), QStringLiteral("C"));
    unclosed.removeLast();
    const QStringList lines = QStringList{QStringLiteral("stray")} + unclosed + b + QStringList{QStringLiteral(" ")};
    store.MemberLines() = RecordList(lines);
    store.state(Kind::Member).count = 3;   // the last one appended and never filled in
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
