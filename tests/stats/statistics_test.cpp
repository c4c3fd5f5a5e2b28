// Counting members by département and category, and summing turnovers.

#include "stats/statistics.h"
#include "statstestutil.h"

#include <gtest/gtest.h>

using namespace StatsTest;

namespace {

// "key|name|value" for each line, in the list's order.
QStringList shown(const StatList &list)
{
    QStringList out;
    for (const StatLine &l : list.lines())
        out.append(l.key + '|' + l.name + '|' + list.valueText(l));
    return out;
}

} // namespace

TEST(Statistics, DepartementsCountWholeCodesOfTrimmedPostalCodes)
{
    QList<Member> list;
    for (const char *cp : {"75011", "75002", "7", "13001", "", "97400", "2A004", "20000", "  75003", " "})
        list.append(Member{QString::fromLatin1(cp)});
    EXPECT_EQ(shown(Statistics::departements(members(list))),
              QStringList({"75|Paris|3", "7||1", "13|Bouches-du-Rhônes|1", "97|Dom|1", "2A||1", "20|Corse|1"}));
}

TEST(Statistics, CategoriesTakeTheNamesOfTheMemberPage)
{
    QList<Member> list;
    for (const char *cat : {"0", "0", "3", "1", "", "12"}) {
        Member m;
        m.category = QString::fromLatin1(cat);
        list.append(m);
    }
    EXPECT_EQ(shown(Statistics::categories(members(list))),
              QStringList({"0|Membre actif|2", "3|Ancien membre|1", "1|Membre bienfaiteur|1", "12||1"}));
}

TEST(Statistics, CumulAddsToTheLineOfTheSameCodeOnly)
{
    StatList list(StatKind::Departements);
    for (const char *code : {"75", " 7", "75 ", "", "  "})
        list.CumulDpt(QString::fromLatin1(code));
    EXPECT_EQ(shown(list), QStringList({"75|Paris|2", "7||1"}));
    StatList cats(StatKind::Categories);
    cats.CumulCat("2");
    EXPECT_EQ(shown(cats), QStringList({"2|Membre honoraire|1"}));
}

TEST(Statistics, BlocksCutShortLendNothingToTheNextBlock)
{
    // A member without its closing tag and with only three fixed lines, then a
    // whole one: the first has no postal code, category or rows of its own.
    QStringList lines{RecordStore::openTag(0), "10001", "M.", "Court"};
    Member whole{"13001", "2", {"4,00"}};
    lines += memberBlock(1, whole);
    const RecordList list(lines);
    EXPECT_EQ(shown(Statistics::departements(list)), QStringList({"13|Bouches-du-Rhônes|1"}));
    EXPECT_EQ(shown(Statistics::categories(list)), QStringList({"2|Membre honoraire|1"}));
    EXPECT_EQ(shown(Statistics::turnover(list, Kind::Member)), QStringList({"10001|Court |0,00", "10002|Nom Prénom|4,00"}));
}

TEST(Statistics, TurnoverSumsEveryRowInCentsAndNamesWhatItSkips)
{
    QList<Member> list(5);
    list[0].amounts = {"10,00", "5,50", QString(), "   "};
    list[1].amounts = {"10.50"};
    list[2].amounts = {"dix", "2,00"};
    list[2].nom = "Durand";
    list[3].amounts = {}; // no rows
    for (int i = 0; i < 70; ++i) // more rows than the page's grid holds
        list[4].amounts.append(i % 2 ? "0,10" : "0,20");
    const StatList result = Statistics::turnover(members(list), Kind::Member);
    EXPECT_EQ(shown(result), QStringList({"10001|Nom Prénom|15,50", "10002|Nom Prénom|10,50",
                                          "10003|Durand Prénom|2,00", "10004|Nom Prénom|0,00",
                                          "10005|Nom Prénom|10,50"}));
    ASSERT_EQ(result.skipped.size(), 1);
    const QString message = Statistics::skippedMessage(result);
    EXPECT_TRUE(message.contains("10003 Durand Prénom : « dix »")) << message.toStdString();
    EXPECT_TRUE(Statistics::skippedMessage(Statistics::turnover(members(list.mid(0, 2)), Kind::Member)).isEmpty());
}

TEST(Statistics, TurnoverOfPartnersAndActivitiesByTheirOwnFields)
{
    QStringList partner(PartnerField::Count);
    partner[PartnerField::Code - 1] = "10001";
    partner[PartnerField::Societe - 1] = "Boulangerie";
    // A fixed field that starts with the marker is not a row.
    partner[PartnerField::Ville - 1] = "DATA\t\t99,00";
    QStringList activity(ActivityField::Count);
    activity[ActivityField::Code - 1] = "10003";
    activity[ActivityField::Intitule - 1] = "Randonnée";
    const QStringList rows{"DATA01/01/2026\tDon\t100,00", "DATA02/01/2026\tDon\t-20,25", "MEMODATA\t\t1,00"};
    const RecordList partners(QStringList{RecordStore::openTag(0)} + partner + rows + QStringList{RecordStore::closeTag(0)});
    const RecordList activities(QStringList{RecordStore::openTag(0)} + activity + rows + QStringList{RecordStore::closeTag(0)});
    EXPECT_EQ(shown(Statistics::turnover(partners, Kind::Partner)), QStringList({"10001|Boulangerie|79,75"}));
    const StatList a = Statistics::turnover(activities, Kind::Activity);
    EXPECT_EQ(shown(a), QStringList({"10003|Randonnée|79,75"}));
    EXPECT_EQ(a.kind(), StatKind::TurnoverActivities);
}

TEST(Statistics, AmountsAreReadExactlyOrRefused)
{
    const QList<QPair<QString, qint64>> good{{"  12,5 ", 1250}, {"-3,25", -325}, {"+7", 700},   {"1,005", 101},
                                             {"-1,005", -101},  {"0,994", 99},   {",5", 50},    {"007.1", 710},
                                             {"000000000000000000012,00", 1200}};
    for (const auto &[text, cents] : good) {
        qint64 v = 0;
        EXPECT_TRUE(Statistics::parseCents(QStringView(text), &v)) << text.toStdString();
        EXPECT_EQ(v, cents) << text.toStdString();
    }
    for (const char *bad : {"dix", ",", "", "1.2.3", "1,2,3", "1e5", "12 000", "--1", "1 234", "1234567890123456"}) {
        qint64 v = 0;
        EXPECT_FALSE(Statistics::parseCents(QByteArrayView(bad), &v)) << bad;
    }
    EXPECT_EQ(Statistics::centsText(-5), "-0,05");
    EXPECT_EQ(Statistics::centsText(123456), "1234,56");
    EXPECT_EQ(Statistics::roundHalfEven(250), 2);
    EXPECT_EQ(Statistics::roundHalfEven(350), 4);
    EXPECT_EQ(Statistics::roundHalfEven(251), 3);
    EXPECT_EQ(Statistics::roundHalfEven(-250), -2);
    EXPECT_EQ(Statistics::roundHalfEven(-351), -4);
}

TEST(Statistics, SumsThatWouldOverflowAreSkippedNotWrapped)
{
    QList<Member> list(1);
    for (int i = 0; i < 200; ++i)
        list[0].amounts.append("999999999999999,99");
    const StatList result = Statistics::turnover(members(list), Kind::Member);
    // 92 of them fit in a 64-bit sum of cents.
    EXPECT_EQ(result.lines()[0].value, 92 * Q_INT64_C(99999999999999999));
    EXPECT_EQ(result.skipped.size(), 108);
    EXPECT_TRUE(Statistics::skippedMessage(result).endsWith(QStringLiteral("\net 88 autres.")));
}
