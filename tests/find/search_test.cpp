#include "find/search.h"

#include "findtestutil.h"
#include "support/fakedialogs.h"

using namespace FindTest;

namespace {

class SearchTest : public VelmoraTest
{
protected:
    void SetUp() override
    {
        VelmoraTest::SetUp();
        store.MemberLines() = listOf({member(0, QStringLiteral("10001"), QStringLiteral("Martin"),
                                            {{9, QStringLiteral("01 45 ab")}}),
                                     member(1, QStringLiteral("10002"), QStringLiteral("Dupont"))});
    }

    int run(int (*search)(const RecordStore &), const QString &typed)
    {
        dialogs().inputAnswers.push_back(typed);
        return search(store);
    }
    QStringList messages() const { return FakeDialogs::instance().texts(QStringLiteral("message")); }

    RecordStore store;
};

} // namespace

TEST_F(SearchTest, CaseIgnoringPrefixMatchAndTheFirstBlockWins)
{
    EXPECT_EQ(run(Search::RechNom, QStringLiteral("du")), 1);
    EXPECT_EQ(run(Search::RechNom, QStringLiteral("du")), 1);
    EXPECT_EQ(run(Search::RechNum, QStringLiteral("1000")), 0);
    EXPECT_EQ(dialogs().texts(QStringLiteral("input")),
              (QStringList{QStringLiteral("Rechercher nom|Nom|"), QStringLiteral("Rechercher nom|Nom|"),
                           QStringLiteral("Rechercher numéro|Numéro|")}));
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(SearchTest, MissesAndCancels)
{
    store.MemberLines() = listOf({member(0, QStringLiteral("10001"), QStringLiteral("Martin"))});
    EXPECT_EQ(run(Search::RechNom, QString()), -1);
    EXPECT_EQ(run(Search::RechNom, QStringLiteral("")), -1);
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(run(Search::RechNom, QStringLiteral("du")), -1);
    EXPECT_EQ(run(Search::RechNom, QStringLiteral("tin")), -1);       // not a prefix
    EXPECT_EQ(run(Search::RechNom, QStringLiteral("martine")), -1);   // longer than the field
    EXPECT_EQ(messages(), (QStringList{QStringLiteral("Fiche DU non trouvée"), QStringLiteral("Fiche TIN non trouvée"),
                                       QStringLiteral("Fiche MARTINE non trouvée")}));
}

TEST_F(SearchTest, TelephoneTextIsTakenAsTyped)
{
    EXPECT_EQ(run(Search::RechTel, QStringLiteral("01 45 ab")), -1);
    EXPECT_EQ(run(Search::RechTel, QStringLiteral("01 45 AB")), 0);
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Fiche 01 45 ab non trouvée")});
    EXPECT_EQ(dialogs().texts(QStringLiteral("input")).first(), QStringLiteral("Rechercher téléphone|Téléphone|"));
}

TEST_F(SearchTest, EmptyListsAlwaysMiss)
{
    store = RecordStore();
    for (auto search : {Search::RechNom, Search::RechTel, Search::RechNum, Search::RechSoc, Search::RechNom2,
                        Search::RechNum2})
        EXPECT_EQ(run(search, QStringLiteral("x")), -1);
    EXPECT_EQ(messages().size(), 6);
}

TEST_F(SearchTest, StrayLinesAndCutBlocksNeverMatch)
{
    // Block 0 ends after five lines: its line 9 would be the title of block 1.
    QStringList lines{QStringLiteral("DUPUIS"), QStringLiteral(" "), RecordStore::openTag(0), QStringLiteral("10001"),
                      QString(), QStringLiteral("Court"), QString(), QString(), RecordStore::closeTag(0)};
    lines += member(3, QStringLiteral("10004"), QStringLiteral("Dumas"), {{2, QStringLiteral("MME")}});
    lines += QStringList{QStringLiteral("DURAND"), RecordStore::openTag(2), QStringLiteral("10003")};
    store.MemberLines() = RecordList(lines);
    EXPECT_EQ(run(Search::RechNom, QStringLiteral("du")), 3);   // found by its number, not its place
    EXPECT_EQ(run(Search::RechNom, QStringLiteral("dur")), -1);
    EXPECT_EQ(run(Search::RechTel, QStringLiteral("MME")), -1);
    EXPECT_EQ(run(Search::RechNom, QStringLiteral("co")), 0);
    EXPECT_EQ(run(Search::RechNum, QStringLiteral("10003")), 2);  // a block running past the list's end
}

TEST_F(SearchTest, PartnerSearchesScanThePartnerList)
{
    store.PartnerLines() =
        listOf({block(Kind::Partner, 0,
                      {{1, QStringLiteral("10001")}, {2, QStringLiteral("Acme SA")}, {3, QStringLiteral("Roux")}}),
                block(Kind::Partner, 1,
                      {{1, QStringLiteral("10002")}, {2, QStringLiteral("Durand")}, {3, QStringLiteral("Duval")}})});
    EXPECT_EQ(run(Search::RechNom2, QStringLiteral("du")), 1);
    EXPECT_EQ(run(Search::RechSoc, QStringLiteral("acme")), 0);
    EXPECT_EQ(run(Search::RechNum2, QStringLiteral("10002")), 1);
    EXPECT_EQ(run(Search::RechNom2, QStringLiteral("dupont")), -1);  // a member, not a partner
    EXPECT_EQ(dialogs().texts(QStringLiteral("input")).mid(1, 2),
              (QStringList{QStringLiteral("Rechercher société|Société|"), QStringLiteral("Rechercher code|Code|")}));
}
