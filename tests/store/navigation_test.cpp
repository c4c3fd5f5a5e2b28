// The four moves, the filtered walks over postal code, town and renewal date,
// and the selection input boxes.

#include "support/blocks.h"

namespace {

using M = Move;

class Navigation : public VelmoraTest
{
protected:
    // Members with these postal codes, towns and renewal dates ("" for the
    // default), blocks placed in the list in the given order of numbers.
    void setMembers(const QList<QStringList> &members, const QList<int> &order = {})
    {
        QStringList lines;
        for (int i = 0; i < members.size(); ++i) {
            const int n = order.isEmpty() ? i : order[i];
            const QStringList m = members[n];
            lines += member(n, QString::number(10001 + n), "Nom",
                            {{7, m.value(0, "75001")}, {8, m.value(1, "Paris")}, {16, m.value(2, "01/01/2030")}})
                     << " ";
        }
        setList(store, Kind::Member, lines);
    }
    int &current(Kind k = Kind::Member) { return store.state(k).current; }
    // The indexes reached by a series of moves.
    QList<int> walk(const QList<Move> &moves, Kind k = Kind::Member)
    {
        QList<int> seen;
        for (Move m : moves) {
            store.move(k, m);
            seen << current(k);
        }
        return seen;
    }

    RecordStore store;
};

TEST_F(Navigation, UnfilteredMovesStayWithinTheRecords)
{
    setMembers(QList<QStringList>(3));
    EXPECT_EQ(walk({M::Next, M::Next, M::Next, M::Previous, M::Last, M::First, M::Previous}),
              (QList<int>{1, 2, 2, 1, 2, 0, 0}));
    setMembers({});
    EXPECT_EQ(walk({M::Next, M::Last, M::Previous}), (QList<int>{0, 0, 0}));

    // Receipts go forward only when there are two or more.
    for (int count : {0, 1}) {
        store.state(Kind::Receipt).count = count;
        EXPECT_FALSE(store.move(Kind::Receipt, M::Next) || store.move(Kind::Receipt, M::Last)) << count;
        EXPECT_EQ(current(Kind::Receipt), 0) << count;
    }
    store.state(Kind::Receipt).count = 3;
    EXPECT_EQ(walk({M::Next, M::Last, M::Previous}, Kind::Receipt), (QList<int>{1, 2, 1}));
}

TEST_F(Navigation, PostalCodeAndTownWalksVisitTheExactTextInBlockOrder)
{
    // Block 2 stands first in the list: the walk goes by block number.
    setMembers({{"69001"}, {"13001"}, {"69001"}}, {2, 1, 0});
    store.MemberSelection = 2;
    store.MemberCpFilter = "69001";
    current() = 1;
    EXPECT_EQ(walk({M::First, M::Next, M::Next, M::Previous, M::Previous, M::Last}), (QList<int>{0, 2, 2, 0, 0, 2}));
    setMembers({{"2a004"}, {"2A004 "}, {"2A004"}});
    store.MemberCpFilter = "2A004";
    EXPECT_EQ(walk({M::First, M::Previous, M::Next}), (QList<int>{2, 2, 2}));

    // Towns compare in capitals of A to Z only.
    QList<QStringList> members;
    for (const char *town : {"Lyon", "Paris", "PARIS", "paris", "Orléans", "ORLÉANS", "orléans"})
        members.append({"0", QString::fromUtf8(town)});
    setMembers(members);
    dialogs().inputAnswers = {"paris", "Orléans"};
    store.SetSel(3);
    EXPECT_EQ(store.MemberTownFilter, "PARIS");
    EXPECT_EQ(walk({M::First, M::Next, M::Next, M::Next, M::Last}), (QList<int>{1, 2, 3, 3, 3}));
    store.SetSel(3);
    EXPECT_EQ(store.MemberTownFilter, "ORLéANS");
    EXPECT_EQ(walk({M::First, M::Next, M::Next}), (QList<int>{4, 6, 6}));
}

TEST_F(Navigation, RenewalWalkFindsDueAndPastDatesOnlyAndNoMatchLeavesTheIndex)
{
    // Today is 15/03/2026: 30 days ahead is not less than 30, 10 days ahead,
    // erased, 45 days ahead, past, not a date (passed over quietly), 29 days ahead.
    QList<QStringList> members;
    for (const char *date :
         {"14/04/2026", "25/03/2026", "  /  /    ", "29/04/2026", "01/01/2026", "31/02/2026", "13/04/2026"})
        members.append({"0", "X", date});
    setMembers(members);
    store.MemberSelection = 4;
    store.RenewalDays = 30;
    current() = 3;
    EXPECT_EQ(walk({M::First, M::Previous, M::Next, M::Next, M::Next, M::Next, M::Last, M::Previous}),
              (QList<int>{1, 1, 4, 6, 6, 6, 6, 4}));
    EXPECT_TRUE(dialogs().calls.isEmpty());

    setMembers(QList<QStringList>(4));
    store.MemberCpFilter = "99999";
    store.MemberTownFilter = "NULLE PART";
    store.RenewalDays = 0;
    current() = 2;
    for (int selection : {2, 3, 4}) {
        store.MemberSelection = selection;
        EXPECT_EQ(walk({M::First, M::Next, M::Previous, M::Last}), (QList<int>{2, 2, 2, 2})) << selection;
    }
}

TEST_F(Navigation, PartnerWalksTestTheirOwnPostalCodeAndTown)
{
    setList(store, Kind::Partner,
            partnerBlock(0, "10001", "A", "Bordeaux")
                + block(Kind::Partner, 1, {{1, "10002"}, {2, "B"}, {7, "75001"}, {8, "Paris"}})
                + partnerBlock(2, "10003", "C", "BORDEAUX"));
    store.PartnerCpFilter = "75001";
    store.PartnerSelection = 2;
    EXPECT_EQ(walk({M::Next, M::Last, M::First}, Kind::Partner), (QList<int>{1, 1, 1}));
    store.PartnerTownFilter = "BORDEAUX";
    store.PartnerSelection = 3;
    EXPECT_EQ(walk({M::Last, M::Previous, M::Previous}, Kind::Partner), (QList<int>{2, 0, 0}));
    // Partners have no renewal selection.
    store.PartnerSelection = 4;
    EXPECT_EQ(walk({M::Next, M::Next, M::Next}, Kind::Partner), (QList<int>{1, 2, 2}));
}

TEST_F(Navigation, SelectionsAskForTheirFilterAndCancelGoesBackToAll)
{
    store.MemberCpFilter = "75001";
    store.MemberTownFilter = "LYON";
    dialogs().inputAnswers = {"69002", QString(), QString(), "30", "trente", QString()};
    QList<int> selections;
    for (int mode : {2, 2, 3, 4, 4, 4, 1}) {
        store.SetSel(mode);
        selections << store.MemberSelection;
    }
    EXPECT_EQ(selections, (QList<int>{2, 1, 1, 4, 4, 1, 1}));
    // A cancelled box keeps the filter it showed; the days keep the last whole number.
    EXPECT_EQ(store.MemberCpFilter + store.MemberTownFilter, "69002LYON");
    EXPECT_EQ(store.RenewalDays, 30);
    const QString days = "Renouvellement de cotisation|Nombre de jours|";
    EXPECT_EQ(dialogs().texts("input"),
              (QStringList{"Filtre Code postal|Code postal|75001", "Filtre Code postal|Code postal|69002",
                           "Filtre Ville|Ville|LYON", days, days + "30", days + "trente"}));

    // The partners' selection has filters of its own.
    dialogs().inputAnswers = {"33000", "bordeaux", QString()};
    for (int mode : {2, 3})
        store.SetPart(mode);
    EXPECT_EQ(store.PartnerSelection, 3);
    EXPECT_EQ(store.PartnerCpFilter + store.PartnerTownFilter, "33000BORDEAUX");
    store.SetPart(2);
    EXPECT_EQ(store.PartnerSelection, 1);
    EXPECT_EQ(store.MemberCpFilter, "69002");
    EXPECT_EQ(store.MemberSelection, 1);
    EXPECT_EQ(dialogs().texts("input").mid(6), (QStringList{"Filtre Code postal|Code postal|", "Filtre Ville|Ville|",
                                                            "Filtre Code postal|Code postal|33000"}));
}

} // namespace
