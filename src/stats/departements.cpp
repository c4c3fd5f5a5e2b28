#include "stats/departements.h"

#include <QHash>

namespace Departements {

const QStringList &entries()
{
    static const QStringList list{
        QStringLiteral("00 Armées"),
        QStringLiteral("01 Ain"),
        QStringLiteral("02 Aisne"),
        QStringLiteral("03 Allier"),
        QStringLiteral("04 Alpes de Hte Provence"),
        QStringLiteral("05 Hautes-Alpes"),
        QStringLiteral("06 Alpes maritimes"),
        QStringLiteral("07 Ardèche"),
        QStringLiteral("08 Ardennes"),
        QStringLiteral("09 Ariège"),
        QStringLiteral("10 Aube"),
        QStringLiteral("11 Aude"),
        QStringLiteral("12 Aveyron"),
        QStringLiteral("13 Bouches-du-Rhônes"),
        QStringLiteral("14 Calvados"),
        QStringLiteral("15 Cantal"),
        QStringLiteral("16 Charente"),
        QStringLiteral("17 Charente maritime"),
        QStringLiteral("18 Cher"),
        QStringLiteral("19 Corrèze"),
        QStringLiteral("20 Corse"),
        QStringLiteral("21 Côte d'or"),
        QStringLiteral("22 Côtes d'Armor"),
        QStringLiteral("23 Creuse"),
        QStringLiteral("24 Dordogne"),
        QStringLiteral("25 Doubs"),
        QStringLiteral("26 Drôme"),
        QStringLiteral("27 Eure"),
        QStringLiteral("28 Eure-et-Loir"),
        QStringLiteral("29 Finistère"),
        QStringLiteral("30 Gard"),
        QStringLiteral("31 Haute-Garonne"),
        QStringLiteral("32 Gers"),
        QStringLiteral("33 Gironde"),
        QStringLiteral("34 Hérault"),
        QStringLiteral("35 Ile-et-Villaine"),
        QStringLiteral("36 Indre"),
        QStringLiteral("37 Indre-et-Loire"),
        QStringLiteral("38 Isère"),
        QStringLiteral("39 Jura"),
        QStringLiteral("40 Landes"),
        QStringLiteral("41 Loir-et-Cher"),
        QStringLiteral("42 Loire"),
        QStringLiteral("43 Haute-Loire"),
        QStringLiteral("44 Loire-Atlantique"),
        QStringLiteral("45 Loiret"),
        QStringLiteral("46 Lot"),
        QStringLiteral("47 Lot-et-Garonne"),
        QStringLiteral("48 Lozère"),
        QStringLiteral("49 Maine-et-Loire"),
        QStringLiteral("50 Manche"),
        QStringLiteral("51 Marne"),
        QStringLiteral("52 Haute-Marne"),
        QStringLiteral("53 Mayenne"),
        QStringLiteral("54 Meurthe-et-Moselle"),
        QStringLiteral("55 Meuse"),
        QStringLiteral("56 Morbihan"),
        QStringLiteral("57 Moselle"),
        QStringLiteral("58 Nièvre"),
        QStringLiteral("59 Nord"),
        QStringLiteral("60 Oise"),
        QStringLiteral("61 Orne"),
        QStringLiteral("62 Pas-de-Calais"),
        QStringLiteral("63 Puy-de-Dôme"),
        QStringLiteral("64 Pyrénées-Atlantiques"),
        QStringLiteral("65 Hautes-Pyrénées"),
        QStringLiteral("66 Pyrénées-orientales"),
        QStringLiteral("67 Bas-Rhin"),
        QStringLiteral("68 Haut-Rhin"),
        QStringLiteral("69 Rhône"),
        QStringLiteral("70 Haute-Saône"),
        QStringLiteral("71 Saône-et-Loire"),
        QStringLiteral("72 Sarthe"),
        QStringLiteral("73 Savoie"),
        QStringLiteral("74 Haute-Savoie"),
        QStringLiteral("75 Paris"),
        QStringLiteral("76 Seine-maritime"),
        QStringLiteral("77 Seine-et-Marne"),
        QStringLiteral("78 Yvelines"),
        QStringLiteral("79 Deux-Sèvres"),
        QStringLiteral("80 Somme"),
        QStringLiteral("81 Tarn"),
        QStringLiteral("82 Tarn-et-Garonne"),
        QStringLiteral("83 Var"),
        QStringLiteral("84 Vaucluse"),
        QStringLiteral("85 Vendée"),
        QStringLiteral("86 Vienne"),
        QStringLiteral("87 Haute-Vienne"),
        QStringLiteral("88 Vosges"),
        QStringLiteral("89 Yonne"),
        QStringLiteral("90 Territoire de Belfort"),
        QStringLiteral("91 Essonne"),
        QStringLiteral("92 Hauts-de-Seine"),
        QStringLiteral("93 Seine-Saint-Denis"),
        QStringLiteral("94 Val-de-Marne"),
        QStringLiteral("95 Val-d'Oise"),
        QStringLiteral("97 Dom"),
    };
    return list;
}

QString name(const QString &code)
{
    static const QHash<QString, QString> byCode = [] {
        QHash<QString, QString> h;
        for (const QString &e : entries())
            h.insert(e.left(2), e.mid(3));
        return h;
    }();
    return byCode.value(code);
}

} // namespace Departements
