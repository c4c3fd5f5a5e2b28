#include "app/enabling.h"

namespace {

// Columns: at start, Valide, members, partners, activities, receipts.
// Commands named nowhere here are always available: "&Nouveau", "&Ouvrir...",
// "I&mporter...", "&Quitter", the page and printer set-up and the print
// preview's tick ("&Mise en page", "&Configurer imprimante...", "Aperçu avant
// impressi&on"), and the items of Paramètres, Utilitaires and Aide.
const char16_t *const kRows[][2] = {
    {u"SaveItem", u"01····"},
    {u"SaveItemTool", u"01····"},
    {u"Enregistrersous1", u"01····"},
    {u"Imprimer1", u"01····"},
    {u"Exporter1", u"01····"},
    {u"Copier1", u"01····"},
    {u"Coller1", u"01····"},
    {u"Copier1Tool", u"01····"},
    {u"Coller1Tool", u"01····"},
    {u"Premier1Tool", u"01····"},
    {u"Prcdent1Tool", u"01····"},
    {u"Suivant1Tool", u"01····"},
    {u"Dernier1Tool", u"01····"},
    {u"Nouvellefiche1Tool", u"11····"},
    {u"Imprimerfiche1Tool", u"01····"},
    {u"Enveloppecourante1Tool", u"01····"},

    {u"Rechercher1", u"011000"},
    {u"Recherchertlphone1", u"011000"},
    {u"Recherchernumro1", u"011000"},
    {u"Trer1", u"011000"},
    {u"Recherchernom1", u"000100"},
    {u"Recherchercode1", u"000100"},
    {u"Recherchernom2", u"0·0100"},
    {u"Trier1", u"0·0100"},

    {u"Adhrents1", u"100111"},
    {u"Adhrents1Tool", u"100111"},
    {u"Partenaires1", u"111011"},
    {u"Partenaires1Tool", u"111011"},
    {u"Activits1", u"111101"},
    {u"Activits1Tool", u"111100"},
    {u"Reus1", u"1·1110"},

    {u"Prcdent1", u"011110"},
    {u"Suivant1", u"011110"},
    {u"Premier1", u"011110"},
    {u"Dernier1", u"011110"},
    {u"Nouvellefiche1", u"011110"},
    {u"Supprimerfiche1", u"011110"},
    {u"Listedeadhrents1", u"011110"},
    {u"Imprimerfiche1", u"011110"},
    {u"Cartedadhrent1", u"011000"},
    {u"Cartedadhrent2", u"011000"},
    {u"Cartedadhrent1Tool", u"011000"},

    {u"Prcdent1R", u"0·0001"},
    {u"Suivant1R", u"0·0001"},
    {u"Premier1R", u"0·0001"},
    {u"Dernier1R", u"0·0001"},
    {u"Supprimerreu1", u"0·0001"},
    {u"Imprimerreu1", u"0·0001"},
    {u"ListedesreusF21", u"0·0001"},
    {u"Supprimerligne1", u"0·0001"},
    {u"Nouveaureu1", u"1·1001"},

    {u"touteslesfiches1", u"011000"},
    {u"Codepostal1", u"011000"},
    {u"Ville1", u"011000"},
    {u"Rappeldecotisaiton1", u"011000"},
    {u"Touteslesfiches2", u"0·0100"},
    {u"Codepostal2", u"0·0100"},
    {u"Ville2", u"0·0100"},

    {u"Plancomptable1", u"01····"},
    {u"Listedescomptes1", u"01····"},
    {u"Saisiedescritures1", u"01····"},
    {u"Voircomptes1", u"01····"},
    {u"Plandetrsorerie1", u"01····"},
    {u"Rsultatannuel1", u"01····"},

    {u"Traitementdetexte1", u"01····"},
    {u"Enveloppecourante1", u"01····"},
    {u"Planning1", u"01····"},
    {u"Messages1", u"01····"},
    {u"Statsdpartements1", u"01····"},
    {u"Statscatgories1", u"01····"},
    {u"StatCAadhrents1", u"01····"},
    {u"StatsCApartenaires1", u"01····"},
    {u"StatsCAactivits1", u"01····"},
    {u"Emprunts1", u"01····"},
    {u"Placement1", u"01····"},
};

QList<Enabling::Row> buildTable()
{
    QList<Enabling::Row> rows;
    for (const auto &r : kRows)
        rows.append({QString::fromUtf16(r[0]), QString::fromUtf16(r[1])});
    return rows;
}

} // namespace

const QList<Enabling::Row> &Enabling::table()
{
    static const QList<Row> rows = buildTable();
    return rows;
}

QChar Enabling::value(const QString &name, Column column)
{
    for (const Row &r : table())
        if (r.name == name)
            return r.values.at(column);
    return kUntouched;
}

void Enabling::apply(Column column, const std::function<void(const QString &, bool)> &set)
{
    for (const Row &r : table()) {
        const QChar v = r.values.at(column);
        if (v != kUntouched)
            set(r.name, v == QLatin1Char('1'));
    }
}
