// What a page shows of a stored record, or of a new one.

#include "store/records.h"

#include "support/blocks.h"

using namespace MemberField;

TEST(Records, ANewMemberIsEmptyButForItsNumberItsDatesAndItsCategory)
{
    QStringList fixed(Count);
    fixed[Numero - 1] = "10001";
    fixed[Naissance - 1] = fixed[Echeance - 1] = "01/01/1900";
    fixed[Categorie - 1] = "0";
    EXPECT_EQ(Members::shown(std::nullopt, 10001).fixed, fixed);
}

TEST(Records, AMemberShowsEveryLineButDatesAndCategoriesItCannotUse)
{
    BlockData full = record(Kind::Member, {{Numero, "A12"}, {Titre, "Mlle"}, {Nom, "Lefèvre"}, {Email, "h@x.fr"},
                                           {Naissance, "12/07/1985"}, {Echeance, "31/12/2026"}, {Categorie, "2"}});
    full.memo = {"une", ""};
    full.rows = {{"01/02/2026", "Don", "15,50"}};
    full.kept = {"XYZ inconnue"};
    EXPECT_EQ(Members::shown(full, 10001), full);
    EXPECT_EQ(Members::category(full), 2);

    const QString blank = "  /  /    ", newDate = "01/01/1900";
    // Birth, renewal and category as stored, then as shown.
    const QList<QStringList> cases{{"", "1/1/202", "12", newDate, newDate, "0"},
                                   {blank, "01/01/20", "", blank, "01/01/20", "0"},
                                   {"x", blank, "3", "x", blank, "3"},
                                   {"05/06/1970", "02/02/2027", "7", "05/06/1970", "02/02/2027", "0"}};
    for (const QStringList &c : cases) {
        const BlockData shown =
            Members::shown(record(Kind::Member, {{Naissance, c[0]}, {Echeance, c[1]}, {Categorie, c[2]}}), 10042);
        EXPECT_EQ((QStringList{shown.field(Naissance), shown.field(Echeance), shown.field(Categorie)}), c.mid(3));
        EXPECT_EQ(Members::category(shown), c[5].toInt());
        EXPECT_EQ(shown.field(Numero), "10042") << "an empty number takes the next one";
    }
    // A block cut short shows empty lines past its end.
    BlockData cut;
    cut.fixed = {"10005", "M.", "Court"};
    EXPECT_EQ(Members::shown(cut, 1).fixed.mid(2, 3), (QStringList{"Court", "", ""}));
}

TEST(Records, PartnersAndActivitiesTakeTheNextCodeWhenTheirsIsEmpty)
{
    EXPECT_EQ(Partners::shown(std::nullopt, 10008).fixed, QStringList{"10008"} + QStringList(11));
    EXPECT_EQ(Partners::shown(record(Kind::Partner, {{2, "Sans code"}}), 10008).fixed.mid(0, 3),
              (QStringList{"10008", "Sans code", ""}));
    EXPECT_EQ(Partners::shown(record(Kind::Partner, {{1, "A-12"}}), 10008).field(1), "A-12");

    using namespace ActivityField;
    const QDateTime now(QDate(2026, 3, 15), QTime(10, 15, 30));
    const QStringList today{"15/03/2026", "10:15:30", "15/03/2026", "10:15:30"};
    EXPECT_EQ(Activities::shown(std::nullopt, 10004, now).fixed,
              QStringList{"10004"} + QStringList(4) + today + QStringList(5));
    // Dates and times as stored, then as shown: only their exact form is read.
    const QList<QStringList> cases{
        {"14/07/2026", "20:30:00", "15/07/2026", "01:00:00", "14/07/2026", "20:30:00", "15/07/2026", "01:00:00"},
        QStringList{"1/2/2026", "9:05", "", ""} + today,
        QStringList{"31/02/2026", "25:00:00", "2026-07-15", "20:30:00 "} + today};
    for (const QStringList &c : cases) {
        const BlockData shown = Activities::shown(
            record(Kind::Activity, {{Intitule, "Stage"}, {Debut, c[0]}, {DebutHeure, c[1]}, {Fin, c[2]}, {FinHeure, c[3]}}),
            10004, now);
        EXPECT_EQ(shown.fixed.mid(Debut - 1, 4), c.mid(4)) << c[0].toStdString();
        EXPECT_EQ(shown.fixed.mid(0, 2), (QStringList{"10004", "Stage"}));
    }
}
