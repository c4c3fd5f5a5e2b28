#include "find/search.h"

#include "support/blocks.h"

namespace {

using SearchFn = int (*)(const RecordStore &);

class SearchTest : public VelmoraTest
{
protected:
    int run(SearchFn search, const QString &typed)
    {
        dialogs().inputAnswers.push_back(typed);
        return search(store);
    }
    RecordStore store;
};

} // namespace

TEST_F(SearchTest, TheFirstBlockWhoseLineBeginsWithTheTextIsTheHit)
{
    // Block 0 ends after five lines: its line 9 would be the title of block 3.
    QStringList members{"DUPUIS", " ", RecordStore::openTag(0), "10001", "", "Court", "", "", RecordStore::closeTag(0)};
    members += member(3, "10004", "Dumas", {{2, "MME"}, {9, "01 45 ab"}});
    members += member(1, "10002", "Dupont");
    members += QStringList{"DURAND", RecordStore::openTag(2), "10003"};
    store.MemberLines() = RecordList(members);
    store.PartnerLines() = listOf({block(Kind::Partner, 0, {{1, "10001"}, {2, "Acme SA"}, {3, "Roux"}}),
                                   block(Kind::Partner, 1, {{1, "10002"}, {2, "Durand"}, {3, "Duval"}})});
    const struct
    {
        SearchFn search;
        const char *typed;
        int hit;
    } cases[] = {
        {Search::RechNom, "du", 3},        // case ignored, list order, the block's own number
        {Search::RechNom, "du", 3},        // the same again
        {Search::RechNom, "dup", 1},
        {Search::RechNom, "co", 0},
        {Search::RechNom, "dur", -1},      // a line outside any block
        {Search::RechNom, "mas", -1},      // not a prefix
        {Search::RechNom, "dumass", -1},   // longer than the field
        {Search::RechTel, "MME", -1},      // never a line of the next block
        {Search::RechTel, "01 45 ab", -1}, // the stored line is upper-cased, the typed text is not
        {Search::RechTel, "01 45 AB", 3},
        {Search::RechNum, "10003", 2},     // a block running past the list's end
        {Search::RechSoc, "acme", 0},
        {Search::RechNom2, "du", 1},
        {Search::RechNum2, "10002", 1},
        {Search::RechNom2, "dupont", -1},  // a member, not a partner
    };
    for (const auto &c : cases)
        EXPECT_EQ(run(c.search, c.typed), c.hit) << c.typed;
    EXPECT_EQ(dialogs().texts("message"),
              (QStringList{"Fiche DUR non trouvée", "Fiche MAS non trouvée", "Fiche DUMASS non trouvée",
                           "Fiche MME non trouvée", "Fiche 01 45 ab non trouvée", "Fiche DUPONT non trouvée"}));
    QStringList captions = dialogs().texts("input");
    captions.removeDuplicates();
    EXPECT_EQ(captions, (QStringList{"Rechercher nom|Nom|", "Rechercher téléphone|Téléphone|",
                                     "Rechercher numéro|Numéro|", "Rechercher société|Société|",
                                     "Rechercher code|Code|"}));
}

TEST_F(SearchTest, CancelledEmptyOrOnAnEmptyList)
{
    EXPECT_EQ(run(Search::RechNom, QString()), -1);
    EXPECT_EQ(run(Search::RechNom, ""), -1);
    EXPECT_TRUE(dialogs().texts("message").isEmpty());
    for (SearchFn search : {Search::RechNom, Search::RechTel, Search::RechNum, Search::RechSoc, Search::RechNom2,
                            Search::RechNum2})
        EXPECT_EQ(run(search, "x"), -1);
    EXPECT_EQ(dialogs().texts("message").size(), 6);
}
