// Member blocks in the store: numbering, appending, deleting and renumbering,
// and blocks that must survive a read and a write-back unchanged.

#include "core/recordlist.h"
#include "store/recordstore.h"
#include "support/fakedialogs.h"

#include <gtest/gtest.h>

namespace {

QString open(int n) { return QStringLiteral("<BLOC%1>").arg(n, 4, 10, QLatin1Char('0')); }
QString close(int n) { return QStringLiteral("</BLOC%1>").arg(n, 4, 10, QLatin1Char('0')); }

// A member block written by hand: number, name, the rest of the fixed lines
// plain, then the given extra lines.
QStringList member(int n, const QString &number, const QString &name, const QStringList &extra = {})
{
    QStringList l{open(n), number, QStringLiteral("M."), name};
    for (int p = 4; p <= 13; ++p)
        l << QString();
    l << QStringLiteral("01/01/1900") << QString() << QStringLiteral("01/01/2027") << QStringLiteral("0");
    return l + extra + QStringList{close(n)};
}

class MembersStore : public VelmoraTest
{
protected:
    void setLines(const QStringList &lines)
    {
        store.MemberLines().setStringList(lines);
        store.state(Kind::Member).count = store.countTags(Kind::Member);
    }
    // n members numbered 10001, 10002 ... named "Nom0", "Nom1" ...
    void setMembers(int n)
    {
        QStringList lines;
        for (int i = 0; i < n; ++i)
            lines += member(i, QString::number(10001 + i), QStringLiteral("Nom%1").arg(i));
        setLines(lines);
    }
    QString nameOf(int block) const
    {
        const auto data = store.readBlock(Kind::Member, block);
        return data ? data->fixed.value(2) : QStringLiteral("<none>");
    }
    int tagCount(const QString &tag) const
    {
        return store.lines(Kind::Member).toStringList().count(tag);
    }

    RecordStore store;
};

// ---- Numbering ---------------------------------------------------------------------

TEST_F(MembersStore, NumberingStartsAt10001AndFollowsTheHighestNumber)
{
    EXPECT_EQ(store.Numerom(), 10001);
    EXPECT_EQ(store.NextMemberNumber, 10001);

    // The highest stands first: the largest number counts, not the last one.
    setLines(member(0, QStringLiteral("10007"), QStringLiteral("A")) + member(1, QStringLiteral("10001"), QStringLiteral("B")));
    EXPECT_EQ(store.Numerom(), 10008);
}

TEST_F(MembersStore, NumberingSkipsNumbersThatAreNotWholeNumbers)
{
    setLines(member(0, QStringLiteral("10005"), QStringLiteral("A")) + member(1, QStringLiteral("10099x"), QStringLiteral("B"))
             + member(2, QString(), QStringLiteral("C")) + member(3, QStringLiteral("42"), QStringLiteral("D")));
    EXPECT_EQ(store.Numerom(), 10006);
    EXPECT_TRUE(dialogs().calls.isEmpty());
}

TEST_F(MembersStore, DeletingTheHighestMemberFreesItsNumber)
{
    setMembers(3);
    store.state(Kind::Member).current = 2;
    store.Supprime(Kind::Member);
    EXPECT_EQ(store.Numerom(), 10003);
}

// ---- Appending ---------------------------------------------------------------------

TEST_F(MembersStore, AppendingAddsAPlaceholderAndMakesTheNewRecordCurrent)
{
    setMembers(10);
    ASSERT_TRUE(store.Ajout(Kind::Member));
    EXPECT_EQ(store.state(Kind::Member).count, 11);
    EXPECT_EQ(store.state(Kind::Member).current, 10);
    const RecordList &l = store.lines(Kind::Member);
    EXPECT_EQ(l.at(l.size() - 1), QStringLiteral(" "));
    // The block itself exists only once the page is written back.
    EXPECT_FALSE(store.readBlock(Kind::Member, 10).has_value());
    EXPECT_EQ(store.countTags(Kind::Member), 10);
}

TEST_F(MembersStore, AppendingToAFullStoreSaysSoAndChangesNothing)
{
    setMembers(2);
    store.state(Kind::Member).count = RecordStore::kMaxRecords;
    store.state(Kind::Member).current = 1;
    const int lines = store.lines(Kind::Member).size();
    EXPECT_FALSE(store.Ajout(Kind::Member));
    EXPECT_EQ(dialogs().texts(QStringLiteral("message")), QStringList{QStringLiteral("Le fichier est plein")});
    EXPECT_EQ(store.state(Kind::Member).count, RecordStore::kMaxRecords);
    EXPECT_EQ(store.state(Kind::Member).current, 1);
    EXPECT_EQ(store.lines(Kind::Member).size(), lines);

    // The 9,999th record itself is still accepted.
    store.state(Kind::Member).count = RecordStore::kMaxRecords - 1;
    EXPECT_TRUE(store.Ajout(Kind::Member));
    EXPECT_EQ(store.state(Kind::Member).current, 9998);
}

// ---- Deleting and renumbering ------------------------------------------------------

TEST_F(MembersStore, DeletingMember3Of10ClosesTheGap)
{
    setMembers(10);
    store.state(Kind::Member).current = 3;
    store.Supprime(Kind::Member);

    EXPECT_TRUE(store.StoreModified);
    EXPECT_EQ(store.state(Kind::Member).count, 9);
    EXPECT_EQ(store.state(Kind::Member).current, 3);
    for (int n = 0; n < 9; ++n) {
        EXPECT_EQ(tagCount(open(n)), 1) << n;
        EXPECT_EQ(tagCount(close(n)), 1) << n;
    }
    EXPECT_EQ(tagCount(open(9)), 0);
    EXPECT_EQ(tagCount(close(9)), 0);
    // Blocks close up; the members keep their own numbers.
    EXPECT_EQ(nameOf(2), QStringLiteral("Nom2"));
    EXPECT_EQ(nameOf(3), QStringLiteral("Nom4"));
    EXPECT_EQ(nameOf(8), QStringLiteral("Nom9"));
    EXPECT_EQ(store.readBlock(Kind::Member, 3)->fixed.value(0), QStringLiteral("10005"));
}

TEST_F(MembersStore, RenumberedTagsKeepTheirPlaces)
{
    // Blocks in any order, with placeholder lines between them.
    setLines(member(2, QStringLiteral("10003"), QStringLiteral("C")) + QStringList{QStringLiteral(" ")}
             + member(0, QStringLiteral("10001"), QStringLiteral("A")) + member(1, QStringLiteral("10002"), QStringLiteral("B")));
    store.state(Kind::Member).current = 0;
    store.Supprime(Kind::Member);
    const QStringList l = store.lines(Kind::Member).toStringList();
    EXPECT_EQ(l.first(), open(1));
    EXPECT_EQ(l.at(19), QStringLiteral(" "));
    EXPECT_EQ(l.at(20), open(0));
    EXPECT_EQ(nameOf(0), QStringLiteral("B"));
    EXPECT_EQ(nameOf(1), QStringLiteral("C"));
}

TEST_F(MembersStore, DeletingTheOnlyMemberKeepsTheCountAtOne)
{
    setMembers(1);
    store.Supprime(Kind::Member);
    EXPECT_EQ(store.state(Kind::Member).count, 1);
    EXPECT_EQ(store.state(Kind::Member).current, 0);
    EXPECT_EQ(store.findBlock(Kind::Member, 0), -1);
    EXPECT_TRUE(store.StoreModified);
    EXPECT_EQ(store.Numerom(), 10001);
}

TEST_F(MembersStore, DeletingTheLastMemberShowsTheOneBefore)
{
    setMembers(3);
    store.state(Kind::Member).current = 2;
    store.Supprime(Kind::Member);
    EXPECT_EQ(store.state(Kind::Member).count, 2);
    EXPECT_EQ(store.state(Kind::Member).current, 1);
    EXPECT_EQ(nameOf(1), QStringLiteral("Nom1"));
}

// ---- Blocks read and written back ---------------------------------------------------

TEST_F(MembersStore, AMemberWithoutRemarksOrPaymentsIsNineteenLines)
{
    BlockData data;
    for (int p = 1; p <= 17; ++p)
        data.fixed << QStringLiteral("f%1").arg(p);
    data.rows = QList<QStringList>(RecordStore::kGridRows, QStringList{QString(), QString(), QString()});
    store.writeBlock(Kind::Member, 0, data);
    const QStringList l = store.lines(Kind::Member).toStringList();
    ASSERT_EQ(l.size(), 19);
    EXPECT_EQ(l.first(), QStringLiteral("<BLOC0000>"));
    EXPECT_EQ(l.at(17), QStringLiteral("f17"));
    EXPECT_EQ(l.last(), QStringLiteral("</BLOC0000>"));
    EXPECT_EQ(store.state(Kind::Member).count, 1);
    EXPECT_TRUE(store.StoreModified);
}

TEST_F(MembersStore, FullGridAndLongRemarksSurviveARoundTripThroughTheFile)
{
    BlockData data;
    for (int p = 1; p <= 17; ++p)
        data.fixed << QStringLiteral("Élément %1 €").arg(p);
    data.memo << QString(5000, QLatin1Char('x')) << QString() << QStringLiteral("Reçu œuvre");
    for (int r = 0; r < RecordStore::kGridRows; ++r)
        data.rows << QStringList{QStringLiteral("01/02/2026"), QStringLiteral("Cotisation %1").arg(r),
                                 QStringLiteral("%1,50").arg(r)};
    store.writeBlock(Kind::Member, 0, data);
    store.writeBlock(Kind::Member, 1, data);

    RecordStore other;
    other.MemberLines().setBytes(store.lines(Kind::Member).toBytes());
    EXPECT_EQ(other.readBlock(Kind::Member, 0), data);
    EXPECT_EQ(other.readBlock(Kind::Member, 1), data);
}

TEST_F(MembersStore, GridLinesWithMoreOrFewerTabsAreKept)
{
    const QString more = QStringLiteral("DATA01/01/2026\tA\tB\t3,00");
    const QString fewer = QStringLiteral("DATA02/01/2026\tSeul");
    setLines(member(0, QStringLiteral("10001"), QStringLiteral("A"), {more, fewer, QStringLiteral("DATA03/01/2026")}));

    const auto data = store.readBlock(Kind::Member, 0);
    ASSERT_TRUE(data);
    ASSERT_EQ(data->rows.size(), 3);
    EXPECT_EQ(data->rows[0], (QStringList{QStringLiteral("01/01/2026"), QStringLiteral("A"), QStringLiteral("B\t3,00")}));
    EXPECT_EQ(data->rows[1], (QStringList{QStringLiteral("02/01/2026"), QStringLiteral("Seul"), QString()}));
    EXPECT_EQ(data->rows[2], (QStringList{QStringLiteral("03/01/2026"), QString(), QString()}));

    store.writeBlock(Kind::Member, 0, *data);
    const QStringList l = store.lines(Kind::Member).toStringList();
    EXPECT_EQ(l.at(18), more);
    EXPECT_EQ(l.at(19), fewer + QLatin1Char('\t'));
    EXPECT_EQ(l.at(20), QStringLiteral("DATA03/01/2026\t\t"));
    EXPECT_EQ(l.at(21), close(0));
}

TEST_F(MembersStore, ABlockCutShortNeverTakesTheNextBlocksLines)
{
    const QStringList cut{open(0), QStringLiteral("10001"), QStringLiteral("Mme"), QStringLiteral("Court"), close(0)};
    const QStringList next = member(1, QStringLiteral("10002"), QStringLiteral("Suivant"), {QStringLiteral("MEMOnote")});
    setLines(cut + next);

    const auto data = store.readBlock(Kind::Member, 0);
    ASSERT_TRUE(data);
    ASSERT_EQ(data->fixed.size(), 17);
    EXPECT_EQ(data->fixed[2], QStringLiteral("Court"));
    for (int p = 3; p < 17; ++p)
        EXPECT_TRUE(data->fixed[p].isEmpty()) << p;
    EXPECT_TRUE(data->memo.isEmpty());

    store.writeBlock(Kind::Member, 0, *data);
    const QStringList l = store.lines(Kind::Member).toStringList();
    EXPECT_EQ(l.mid(19), next);
    EXPECT_EQ(nameOf(1), QStringLiteral("Suivant"));
}

TEST_F(MembersStore, ABlockWithoutItsClosingTagEndsTheList)
{
    QStringList lines = member(0, QStringLiteral("10001"), QStringLiteral("A"));
    lines.removeLast();
    lines << QStringLiteral("MEMOfin");
    setLines(lines);
    const auto data = store.readBlock(Kind::Member, 0);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->memo, QStringList{QStringLiteral("fin")});
    store.writeBlock(Kind::Member, 0, *data);
    const QStringList l = store.lines(Kind::Member).toStringList();
    EXPECT_EQ(l.size(), 20);
    EXPECT_EQ(l.last(), close(0));
}

} // namespace
