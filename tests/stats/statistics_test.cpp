// Counting members by département and category, and summing turnovers.

#include "stats/departements.h"
#include "stats/statistics.h"

#include "support/blocks.h"

namespace {

// Member n numbered 10001 + n; one payment row per amount, one without an amount for a null one.
QStringList memberBlock(int n, const QString &cp, const QString &category = "0", const QStringList &amounts = {},
                        const QString &nom = "Nom")
{
    QStringList rows;
    for (const QString &a : amounts)
        rows.append(a.isNull() ? QStringLiteral("DATA01/02/2026\tSans montant") : "DATA01/02/2026\tCotisation\t" + a);
    return member(n, QString::number(10001 + n), nom,
                  {{MemberField::Prenom, "Prénom"}, {MemberField::Cp, cp}, {MemberField::Categorie, category}}, rows);
}

// "key|name|value" for each line, in the list's order.
QStringList shown(const StatList &list)
{
    QStringList out;
    for (const StatLine &l : list.lines())
        out.append(l.key + '|' + l.name + '|' + list.valueText(l));
    return out;
}

} // namespace

TEST(Statistics, DepartementsAndCategoriesCountWholeTrimmedCodes)
{
    const QStringList cps{"75011", "75002", "7", "13001", "", "97400", "2A004", "20000", "  75003", " "};
    const QStringList categories{"0", "0", "3", "1", "", "12"};
    QStringList lines;
    for (int i = 0; i < cps.size(); ++i)
        lines += memberBlock(i, cps[i], categories.value(i, "0"));
    EXPECT_EQ(shown(Statistics::departements(RecordList(lines))),
              QStringList({"75|Paris|3", "7||1", "13|Bouches-du-Rhônes|1", "97|Dom|1", "2A||1", "20|Corse|1"}));
    EXPECT_EQ(shown(Statistics::categories(RecordList(lines))),
              QStringList({"0|Membre actif|6", "3|Ancien membre|1", "1|Membre bienfaiteur|1", "12||1"}));
    ASSERT_EQ(Departements::entries().size(), 97);
    EXPECT_EQ(Departements::name("00"), "Armées");
    EXPECT_EQ(Departements::name("96"), "") << "no département between 95 and the Dom";
}

TEST(Statistics, BlocksCutShortLendNothingToTheNextBlock)
{
    // No closing tag and only three fixed lines: no postal code, category or rows of its own.
    const RecordList list(block(0, {"10001", "M.", "Court"}, false) + memberBlock(1, "13001", "2", {"4,00"}));
    EXPECT_EQ(shown(Statistics::departements(list)), QStringList({"13|Bouches-du-Rhônes|1"}));
    EXPECT_EQ(shown(Statistics::categories(list)), QStringList({"2|Membre honoraire|1"}));
    EXPECT_EQ(shown(Statistics::turnover(list, Kind::Member)),
              QStringList({"10001|Court |0,00", "10002|Nom Prénom|4,00"}));
}

TEST(Statistics, TurnoverSumsEveryRowInCentsAndNamesWhatItSkips)
{
    QStringList many; // more rows than the page's grid holds
    for (int i = 0; i < 70; ++i)
        many.append(i % 2 ? "0,10" : "0,20");
    const RecordList list(memberBlock(0, "", "0", {"10,00", "5,50", QString(), "   "}) + memberBlock(1, "", "0", {"10.50"})
                          + memberBlock(2, "", "0", {"dix", "2,00"}, "Durand") + memberBlock(3, "")
                          + memberBlock(4, "", "0", many));
    const StatList result = Statistics::turnover(list, Kind::Member);
    EXPECT_EQ(shown(result), QStringList({"10001|Nom Prénom|15,50", "10002|Nom Prénom|10,50", "10003|Durand Prénom|2,00",
                                          "10004|Nom Prénom|0,00", "10005|Nom Prénom|10,50"}));
    ASSERT_EQ(result.skipped.size(), 1);
    const QString message = Statistics::skippedMessage(result);
    EXPECT_TRUE(message.contains("10003 Durand Prénom : « dix »")) << message.toStdString();
}

TEST(Statistics, TurnoverOfPartnersAndActivitiesByTheirOwnFields)
{
    QStringList partner(PartnerField::Count), activity(ActivityField::Count);
    partner[0] = activity[0] = "10001";
    partner[PartnerField::Societe - 1] = activity[ActivityField::Intitule - 1] = "Randonnée";
    partner[PartnerField::Ville - 1] = "DATA\t\t99,00"; // a fixed field, not a row
    const QStringList rows{"DATA01/01/2026\tDon\t100,00", "DATA02/01/2026\tDon\t-20,25", "MEMODATA\t\t1,00"};
    for (const auto &[kind, fixed] : {qMakePair(Kind::Partner, partner), qMakePair(Kind::Activity, activity)})
        EXPECT_EQ(shown(Statistics::turnover(RecordList(block(0, fixed + rows)), kind)),
                  QStringList({"10001|Randonnée|79,75"}));
}

TEST(Statistics, LeadingZerosOfAnAmountAreNotCountedAsDigits)
{
    const RecordList list(memberBlock(0, "", "0", {"00000000000000000012.00", "0001234567890123456"}));
    const StatList result = Statistics::turnover(list, Kind::Member);
    EXPECT_EQ(shown(result), QStringList({"10001|Nom Prénom|12,00"}));
    EXPECT_EQ(result.skipped.size(), 1) << "sixteen digits after the zeros are still too many";
}

TEST(Statistics, WholeUnitsRoundHalvesToTheEvenOne)
{
    for (const auto &[cents, whole] : QList<QPair<qint64, qint64>>{{250, 2}, {350, 4}, {251, 3}, {-250, -2}, {-351, -4}})
        EXPECT_EQ(Statistics::roundHalfEven(cents), whole) << cents;
}

TEST(Statistics, SumsThatWouldOverflowAreSkippedNotWrapped)
{
    const RecordList list(memberBlock(0, "", "0", QStringList(200, "999999999999999,99")));
    const StatList result = Statistics::turnover(list, Kind::Member);
    // 92 of them fit in a 64-bit sum of cents.
    EXPECT_EQ(result.lines()[0].value, 92 * Q_INT64_C(99999999999999999));
    EXPECT_EQ(result.skipped.size(), 108);
    EXPECT_TRUE(Statistics::skippedMessage(result).endsWith(QStringLiteral("\net 88 autres.")));
}
