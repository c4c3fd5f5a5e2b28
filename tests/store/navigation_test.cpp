// The four moves, the filtered walks over postal code, town and renewal date,
// and the selection input boxes.

#include "store/recordstore.h"
#include "support/fakedialogs.h"

#include <gtest/gtest.h>

namespace {

QString open(int n) { return QStringLiteral("<BLOC%1>").arg(n, 4, 10, QLatin1Char('0')); }
QString close(int n) { return QStringLiteral("</BLOC%1>").arg(n, 4, 10, QLatin1Char('0')); }

struct Member
{
    QString cp = QStringLiteral("75001");
    QString town = QStringLiteral("Paris");
    QString renewal = QStringLiteral("01/01/2030");
};

QStringList memberBlock(int n, const Member &m)
{
    QStringList l{open(n), QString::number(10001 + n), QStringLiteral("M."), QStringLiteral("Nom%1").arg(n),
                  QString(), QString(), QString(), m.cp, m.town};
    for (int p = 9; p <= 13; ++p)
        l << QString();
    l << QStringLiteral("01/01/1980") << QString() << m.renewal << QStringLiteral("0") << close(n);
    return l;
}

QStringList partnerBlock(int n, const QString &cp, const QString &town)
{
    QStringList l{open(n), QString::number(10001 + n), QStringLiteral("Société"), QString(), QString(),
                  QString(), QString(), cp, town, QString(), QString(), QString(), QString(), close(n)};
    return l;
}

class Navigation : public VelmoraTest
{
protected:
    // Blocks are placed in the list in the given order of block numbers.
    void setMembers(const QList<Member> &members, const QList<int> &order = {})
    {
        QStringList lines;
        for (int i = 0; i < members.size(); ++i) {
            const int n = order.isEmpty() ? i : order[i];
            lines += memberBlock(n, members[n]);
            lines << QStringLiteral(" ");
        }
        store.MemberLines().setStringList(lines);
        store.state(Kind::Member).count = int(members.size());
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

using M = Move;

TEST_F(Navigation, UnfilteredMovesStayWithinTheRecords)
{
    setMembers(QList<Member>(3));
    EXPECT_EQ(walk({M::Next, M::Next, M::Next, M::Previous, M::Last, M::First, M::Previous}),
              (QList<int>{1, 2, 2, 1, 2, 0, 0}));

    // An empty store stays on block 0 whatever the move.
    setMembers({});
    current() = 0;
    EXPECT_EQ(walk({M::Next, M::Last, M::Previous}), (QList<int>{0, 0, 0}));

    // A selection other than 2, 3 or 4 moves through every record.
    setMembers({Member{QStringLiteral("1")}, Member{QStringLiteral("2")}});
    store.MemberSelection = 9;
    store.MemberCpFilter = QStringLiteral("2");
    current() = 0;
    EXPECT_EQ(walk({M::Next, M::First}), (QList<int>{1, 0}));
}

TEST_F(Navigation, PostalCodeWalkVisitsTheSharedCodeInBlockOrder)
{
    Member shared{QStringLiteral("69001")};
    Member other{QStringLiteral("13001")};
    // Block 2 stands first in the list: the walk goes by block number.
    setMembers({shared, other, shared}, {2, 1, 0});
    store.MemberSelection = 2;
    store.MemberCpFilter = QStringLiteral("69001");
    current() = 1;
    EXPECT_EQ(walk({M::First, M::Next, M::Next, M::Previous, M::Previous, M::Last}),
              (QList<int>{0, 2, 2, 0, 0, 2}));
}

TEST_F(Navigation, PostalCodeIsComparedExactly)
{
    setMembers({Member{QStringLiteral("2a004")}, Member{QStringLiteral("2A004 ")}, Member{QStringLiteral("2A004")}});
    store.MemberCpFilter = QStringLiteral("2A004");
    EXPECT_TRUE(store.CpPremier());
    EXPECT_EQ(current(), 2);
    EXPECT_FALSE(store.CpPrecedent());
    EXPECT_EQ(current(), 2);
}

TEST_F(Navigation, TownWalkComparesInCapitalsOfAToZOnly)
{
    const auto town = [](const char *t) { return Member{QStringLiteral("0"), QString::fromUtf8(t)}; };
    setMembers({town("Lyon"), town("Paris"), town("PARIS"), town("paris"), town("Orléans"), town("ORLÉANS"),
                town("orléans")});
    dialogs().inputAnswers = {QStringLiteral("paris"), QStringLiteral("Orléans")};

    store.SetSel(3);
    EXPECT_EQ(store.MemberTownFilter, QStringLiteral("PARIS"));
    current() = 0;
    EXPECT_EQ(walk({M::First, M::Next, M::Next, M::Next, M::Last}), (QList<int>{1, 2, 3, 3, 3}));

    store.SetSel(3);
    EXPECT_EQ(store.MemberTownFilter, QStringLiteral("ORLéANS"));
    EXPECT_EQ(walk({M::First, M::Next, M::Next}), (QList<int>{4, 6, 6}));
}

TEST_F(Navigation, RenewalWalkFindsDueAndPastDatesOnly)
{
    // Today is 15/03/2026.
    const auto due = [](const QString &d) { return Member{QStringLiteral("0"), QStringLiteral("X"), d}; };
    setMembers({due(QStringLiteral("14/04/2026")),   // 30 days ahead: not less than 30
                due(QStringLiteral("25/03/2026")),   // 10 days ahead
                due(QStringLiteral("  /  /    ")),   // erased
                due(QStringLiteral("29/04/2026")),   // 45 days ahead
                due(QStringLiteral("01/01/2026")),   // past
                due(QStringLiteral("31/02/2026")),   // not a date
                due(QStringLiteral("13/04/2026"))}); // 29 days ahead
    store.MemberSelection = 4;
    store.RenewalDays = 30;
    current() = 3;
    EXPECT_EQ(walk({M::First, M::Previous, M::Next, M::Next, M::Next, M::Next, M::Last, M::Previous}),
              (QList<int>{1, 1, 4, 6, 6, 6, 6, 4}));
    EXPECT_TRUE(dialogs().calls.isEmpty());
}

TEST_F(Navigation, NoMatchLeavesTheIndexWhereItWas)
{
    setMembers(QList<Member>(4));
    store.MemberCpFilter = QStringLiteral("99999");
    store.MemberTownFilter = QStringLiteral("NULLE PART");
    store.RenewalDays = 0;
    current() = 2;
    for (int selection : {2, 3, 4}) {
        store.MemberSelection = selection;
        EXPECT_EQ(walk({M::First, M::Next, M::Previous, M::Last}), (QList<int>{2, 2, 2, 2})) << selection;
    }
}

TEST_F(Navigation, PartnerWalksTestTheirOwnPostalCodeAndTown)
{
    store.PartnerLines().setStringList(partnerBlock(0, QStringLiteral("33000"), QStringLiteral("Bordeaux"))
                                       + partnerBlock(1, QStringLiteral("75001"), QStringLiteral("Paris"))
                                       + partnerBlock(2, QStringLiteral("33000"), QStringLiteral("BORDEAUX")));
    store.state(Kind::Partner).count = 3;
    store.PartnerCpFilter = QStringLiteral("75001");
    store.PartnerSelection = 2;
    EXPECT_EQ(walk({M::Next, M::Last, M::First}, Kind::Partner), (QList<int>{1, 1, 1}));

    store.PartnerTownFilter = QStringLiteral("BORDEAUX");
    store.PartnerSelection = 3;
    EXPECT_EQ(walk({M::Last, M::Previous, M::Previous}, Kind::Partner), (QList<int>{2, 0, 0}));

    // Partners have no renewal selection.
    store.PartnerSelection = 4;
    EXPECT_EQ(walk({M::Next, M::Next, M::Next}, Kind::Partner), (QList<int>{1, 2, 2}));
}

TEST_F(Navigation, ReceiptsMoveForwardOnlyWithTwoOrMore)
{
    EXPECT_FALSE(store.move(Kind::Receipt, M::Next));
    EXPECT_FALSE(store.move(Kind::Receipt, M::Last));
    store.state(Kind::Receipt).count = 1;
    EXPECT_FALSE(store.move(Kind::Receipt, M::Next));
    EXPECT_FALSE(store.move(Kind::Receipt, M::Last));
    EXPECT_EQ(current(Kind::Receipt), 0);
    EXPECT_TRUE(store.move(Kind::Receipt, M::First));
    EXPECT_TRUE(store.move(Kind::Receipt, M::Previous));

    store.state(Kind::Receipt).count = 3;
    EXPECT_TRUE(store.move(Kind::Receipt, M::Next));
    EXPECT_EQ(current(Kind::Receipt), 1);
    EXPECT_TRUE(store.move(Kind::Receipt, M::Last));
    EXPECT_EQ(current(Kind::Receipt), 2);
}

// ---- Selection input boxes -------------------------------------------------------------

TEST_F(Navigation, PostalCodeSelectionAsksAndCancelGoesBackToAll)
{
    store.MemberCpFilter = QStringLiteral("75001");
    dialogs().inputAnswers = {QStringLiteral("69002"), QString()};
    store.SetSel(2);
    EXPECT_EQ(store.MemberSelection, 2);
    EXPECT_EQ(store.MemberCpFilter, QStringLiteral("69002"));
    store.SetSel(2);
    EXPECT_EQ(store.MemberSelection, 1);
    EXPECT_EQ(store.MemberCpFilter, QStringLiteral("69002"));
    EXPECT_EQ(dialogs().texts(QStringLiteral("input")),
              (QStringList{QStringLiteral("Filtre Code postal|Code postal|75001"),
                           QStringLiteral("Filtre Code postal|Code postal|69002")}));
}

TEST_F(Navigation, TownSelectionCancelKeepsTheFilter)
{
    store.MemberTownFilter = QStringLiteral("LYON");
    dialogs().inputAnswers = {QString()};
    store.SetSel(3);
    EXPECT_EQ(store.MemberSelection, 1);
    EXPECT_EQ(store.MemberTownFilter, QStringLiteral("LYON"));
    EXPECT_EQ(dialogs().texts(QStringLiteral("input")), QStringList{QStringLiteral("Filtre Ville|Ville|LYON")});
}

TEST_F(Navigation, RenewalSelectionKeepsTheLastWholeNumber)
{
    dialogs().inputAnswers = {QStringLiteral("30"), QStringLiteral("trente"), QString()};
    store.SetSel(4);
    EXPECT_EQ(store.MemberSelection, 4);
    EXPECT_EQ(store.RenewalDays, 30);
    store.SetSel(4);
    EXPECT_EQ(store.MemberSelection, 4);
    EXPECT_EQ(store.RenewalDaysText, QStringLiteral("trente"));
    EXPECT_EQ(store.RenewalDays, 30);
    store.SetSel(4);
    EXPECT_EQ(store.MemberSelection, 1);
    EXPECT_EQ(store.RenewalDays, 30);
    EXPECT_EQ(dialogs().texts(QStringLiteral("input")).first(),
              QStringLiteral("Renouvellement de cotisation|Nombre de jours|"));

    store.SetSel(1);
    EXPECT_EQ(store.MemberSelection, 1);
    EXPECT_EQ(dialogs().calls.size(), 3);
}

TEST_F(Navigation, PartnerSelectionUsesItsOwnFilters)
{
    store.MemberCpFilter = QStringLiteral("11111");
    dialogs().inputAnswers = {QStringLiteral("33000"), QStringLiteral("bordeaux"), QString()};
    store.SetPart(2);
    store.SetPart(3);
    EXPECT_EQ(store.PartnerSelection, 3);
    EXPECT_EQ(store.PartnerCpFilter, QStringLiteral("33000"));
    EXPECT_EQ(store.PartnerTownFilter, QStringLiteral("BORDEAUX"));
    EXPECT_EQ(store.MemberCpFilter, QStringLiteral("11111"));
    store.SetPart(2);
    EXPECT_EQ(store.PartnerSelection, 1);
    EXPECT_EQ(store.MemberSelection, 0);
    EXPECT_EQ(dialogs().texts(QStringLiteral("input")).value(1), QStringLiteral("Filtre Ville|Ville|"));
}

} // namespace
