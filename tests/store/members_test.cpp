// Member blocks in the store: numbering, renumbering after a deletion, and a
// block that lost its closing tag.

#include "store/recordstore.h"
#include "support/fakedialogs.h"
#include "support/recordpages.h"

#include <gtest/gtest.h>

namespace {

// A member block: number and name, the other fixed lines plain.
QStringList member(int n, const QString &number, const QString &name = "Nom")
{
    QStringList fixed{number, "M.", name};
    fixed.resize(13);
    fixed << "01/01/1900" << QString() << "01/01/2027" << "0";
    return block(n, fixed);
}

class MembersStore : public VelmoraTest
{
protected:
    void setLines(const QStringList &lines)
    {
        store.MemberLines().setStringList(lines);
        store.state(Kind::Member).count = store.countTags(Kind::Member);
    }
    QString nameOf(int n) const
    {
        const auto data = store.readBlock(Kind::Member, n);
        return data ? data->fixed.value(2) : "<none>";
    }

    RecordStore store;
};

TEST_F(MembersStore, NumbersFollowTheHighestWholeNumberOfTheirOwnKindFrom10001)
{
    EXPECT_EQ(store.Numerom(), 10001);
    EXPECT_EQ(store.NextMemberNumber, 10001);

    // The largest counts, not the last; a damaged number is passed over
    // instead of stopping the numbering, and nothing is said.
    setLines(member(0, "10099x") + member(1, "10007") + member(2, "10001") + member(3, "") + member(4, "42"));
    store.PartnerLines().setStringList(partnerBlock(0, "10050", "Alpha"));
    EXPECT_EQ(store.Numerom(), 10008);
    EXPECT_TRUE(dialogs().calls.isEmpty());
    // Partners and activities count their own codes.
    EXPECT_EQ(store.Numerop(), 10051);
    EXPECT_EQ(store.Numeroa(), 10001);

    // Deleting the highest member frees its number.
    store.state(Kind::Member).current = 1;
    store.Supprime(Kind::Member);
    EXPECT_EQ(store.Numerom(), 10002);
}

TEST_F(MembersStore, RenumberedTagsKeepTheirPlacesInTheList)
{
    // Blocks out of order, with a placeholder line between them.
    setLines(member(2, "10003", "C") + QStringList{" "} + member(0, "10001", "A") + member(1, "10002", "B"));
    store.state(Kind::Member).current = 0;
    store.Supprime(Kind::Member);
    const QStringList l = store.lines(Kind::Member).toStringList();
    EXPECT_EQ(l.first(), RecordStore::openTag(1));
    EXPECT_EQ(l.at(19), " ");
    EXPECT_EQ(l.at(20), RecordStore::openTag(0));
    EXPECT_EQ(nameOf(0), "B");
    EXPECT_EQ(nameOf(1), "C");
    // The members keep their own numbers.
    EXPECT_EQ(store.readBlock(Kind::Member, 1)->fixed.value(0), "10003");
}

TEST_F(MembersStore, ABlockWithoutItsClosingTagEndsTheListAndIsClosedOnWriting)
{
    QStringList lines = member(0, "10001", "A");
    lines.removeLast();
    lines << "MEMOfin";
    setLines(lines);
    const auto data = store.readBlock(Kind::Member, 0);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->memo, QStringList{"fin"});
    store.writeBlock(Kind::Member, 0, *data);
    const QStringList l = store.lines(Kind::Member).toStringList();
    EXPECT_EQ(l.size(), 20);
    EXPECT_EQ(l.last(), RecordStore::closeTag(0));
}

} // namespace
