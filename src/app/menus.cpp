#include "app/menus.h"

namespace {

MenuItemDef item(const char *name, const QString &caption, const QString &hint = QString())
{
    MenuItemDef d;
    d.name = QString::fromLatin1(name);
    d.caption = caption;
    d.hint = hint;
    return d;
}

MenuItemDef check(const char *name, const QString &caption, bool checked = false)
{
    MenuItemDef d = item(name, caption);
    d.checkable = true;
    d.checked = checked;
    return d;
}

MenuItemDef twin(const char *name, const QString &caption, const char *handler)
{
    MenuItemDef d = item(name, caption);
    d.handler = QString::fromLatin1(handler);
    return d;
}

MenuItemDef separator()
{
    return MenuItemDef();
}

// A navigation caption: the command, a run of spaces, then its key, so that
// the keys line up in the menu as the user knows them.
QString keyed(const QString &caption, int spaces, const char *key)
{
    return caption + QString(spaces, QLatin1Char(' ')) + QString::fromLatin1(key);
}

QList<MenuDef> buildMenus()
{
    MenuItemDef print = item("Imprimer1", QStringLiteral("&Imprimer"));
    print.items = {item("Listing1", QStringLiteral("&Liste adhérents")),
                   item("Listepartenaires1", QStringLiteral("Liste &partenaires")),
                   item("Enveloppes1", QStringLiteral("&Enveloppes"))};

    return {
        {QStringLiteral("Fichier1"), QStringLiteral("&Fichier"),
         {item("Nouveau1", QStringLiteral("&Nouveau")),
          item("OpenItem", QStringLiteral("&Ouvrir...")),
          item("SaveItem", QStringLiteral("&Enregistrer")),
          item("Enregistrersous1", QStringLiteral("Enregistrer &sous...")),
          separator(),
          item("Miseenpage1", QStringLiteral("&Mise en page")),
          item("Configurerimprimante1", QStringLiteral("&Configurer imprimante...")),
          print,
          check("Apercuavantimpression1", QStringLiteral("Aperçu avant impressi&on")),
          separator(),
          item("Importer1", QStringLiteral("I&mporter...")),
          item("Exporter1", QStringLiteral("E&xporter...")),
          separator(),
          item("ExitItem", QStringLiteral("&Quitter"))}},
        {QStringLiteral("Edition1"), QStringLiteral("&Edition"),
         {item("Copier1", QStringLiteral("C&opier")),
          item("Coller1", QStringLiteral("Co&ller")),
          separator(),
          item("Rechercher1", QStringLiteral("Rechercher &nom...")),
          item("Recherchertlphone1", QStringLiteral("Rechercher télé&phone...")),
          item("Recherchernumro1", QStringLiteral("&Rechercher numéro...")),
          item("Trer1", QStringLiteral("&Trier...")),
          separator(),
          item("Recherchernom1", QStringLiteral("Rechercher &société...")),
          item("Recherchercode1", QStringLiteral("Rechercher &code...")),
          item("Recherchernom2", QStringLiteral("Rechercher &nom")),
          item("Trier1", QStringLiteral("Tr&ier"))}},
        {QStringLiteral("Base1"), QStringLiteral("&Base"),
         {item("Adhrents1", QStringLiteral("&Adhérents")),
          item("Partenaires1", QStringLiteral("Parte&naires")),
          item("Activits1", QStringLiteral("A&ctivités")),
          item("Reus1", QStringLiteral("&Reçus")),
          separator(),
          item("Prcdent1", keyed(QStringLiteral("&Précédent"), 12, "PgUp")),
          item("Suivant1", keyed(QStringLiteral("&Suivant"), 18, "PgDn")),
          item("Premier1", QStringLiteral("Pre&mier")),
          item("Dernier1", QStringLiteral("&Dernier")),
          separator(),
          item("Nouvellefiche1", QStringLiteral("&Nouvelle fiche")),
          item("Supprimerfiche1", QStringLiteral("S&upprimer fiche")),
          item("Listedeadhrents1", keyed(QStringLiteral("&Liste"), 26, "F2")),
          separator(),
          item("Imprimerfiche1", QStringLiteral("&Imprimer fiche")),
          item("Cartedadhrent1", QStringLiteral("C&arte d'adhérent")),
          item("Cartedadhrent2", QStringLiteral("Carte d'ad&hérent PDF"))}},
        {QStringLiteral("Recus1"), QStringLiteral("&Recus"),
         {twin("Prcdent1R", keyed(QStringLiteral("&Précédent"), 13, "PgUp"), "Prcdent1"),
          twin("Suivant1R", keyed(QStringLiteral("&Suivant"), 19, "PgDn"), "Suivant1"),
          twin("Premier1R", QStringLiteral("P&remier"), "Premier1"),
          twin("Dernier1R", QStringLiteral("&Dernier"), "Dernier1"),
          separator(),
          item("Nouveaureu1", QStringLiteral("&Nouveau reçu")),
          item("Supprimerreu1", QStringLiteral("&Supprimer reçu")),
          item("Imprimerreu1", QStringLiteral("&Imprimer reçu")),
          item("ListedesreusF21", keyed(QStringLiteral("&Liste des reçus"), 8, "F2")),
          separator(),
          item("Supprimerligne1", QStringLiteral("S&upprimer ligne"))}},
        {QStringLiteral("Slection1"), QStringLiteral("&Sélection"),
         {check("touteslesfiches1", QStringLiteral("&Toutes les fiches"), true),
          check("Codepostal1", QStringLiteral("&Code postal")),
          check("Ville1", QStringLiteral("&Ville")),
          check("Rappeldecotisaiton1", QStringLiteral("&Rappel de cotisaton")),
          separator(),
          check("Touteslesfiches2", QStringLiteral("To&utes les fiches"), true),
          check("Codepostal2", QStringLiteral("Co&de postal")),
          check("Ville2", QStringLiteral("V&ille"))}},
        {QStringLiteral("Trsorerie1"), QStringLiteral("&Trésorerie"),
         {item("Plancomptable1", QStringLiteral("&Plan comptable")),
          item("Listedescomptes1", QStringLiteral("&Liste des comptes")),
          separator(),
          item("Saisiedescritures1", QStringLiteral("&Journal")),
          item("Voircomptes1", QStringLiteral("&Grand livre")),
          item("Plandetrsorerie1", QStringLiteral("Plan de &trésorerie")),
          item("Rsultatannuel1", QStringLiteral("&Résultat annuel"))}},
        {QStringLiteral("Outils1"), QStringLiteral("&Outils"),
         {item("Traitementdetexte1", QStringLiteral("&Traitement de texte")),
          item("Enveloppecourante1", QStringLiteral("&Enveloppe courante")),
          item("Planning1", QStringLiteral("&Planning")),
          item("Messages1", QStringLiteral("&Messages")),
          separator(),
          item("Statsdpartements1", QStringLiteral("&Stats départements")),
          item("Statscatgories1", QStringLiteral("Stats &catégories")),
          item("StatCAadhrents1", QStringLiteral("Stats CA &adhérents ")),
          item("StatsCApartenaires1", QStringLiteral("Stats CA pa&rtenaires")),
          item("StatsCAactivits1", QStringLiteral("Stats CA acti&vités")),
          separator(),
          item("Emprunts1", QStringLiteral("E&mprunts"), QStringLiteral("Calcul des intérêts")),
          item("Placement1", QStringLiteral("P&lacement"),
               QStringLiteral("Calcul du rapport d'un placement"))}},
        {QStringLiteral("Paramtres1"), QStringLiteral("&Paramètres"),
         {item("Association1", QStringLiteral("&Association"), QStringLiteral("En tête association")),
          item("Bureau1", QStringLiteral("&Bureau"), QStringLiteral("Le bureau")),
          item("Typesdactivit1", QStringLiteral("&Types d'activités"),
               QStringLiteral("Définir les types d'activité")),
          separator(),
          check("Ouvrirautomatiquemrnt1", QStringLiteral("&Ouvrir automatiquement"))}},
        {QStringLiteral("Utilitaires1"), QStringLiteral("&Utilitaires"),
         {item("Calendrier1", QStringLiteral("&Calendrier"), QStringLiteral("Calendrier")),
          item("Calculatrice1", QStringLiteral("C&alculatrice"), QStringLiteral("Calculatrice")),
          item("Horloge1", QStringLiteral("&Horloge"), QStringLiteral("Horloge")),
          item("Euroconversion1", QStringLiteral("&Euro conversion"), QStringLiteral("convertisseur euro")),
          item("Blocnotes1", QStringLiteral("&Bloc-notes"), QStringLiteral("Bloc notes")),
          item("Pselettres1", QStringLiteral("&Pèse lettres"), QStringLiteral("Pèse lettres")),
          item("Dpartements1", QStringLiteral("&Départements"), QStringLiteral("Liste des départements"))}},
        {QStringLiteral("Aide1"), QStringLiteral("&Aide"),
         {item("HContents", QStringLiteral("&Index")),
          item("HSearch", QStringLiteral("&Rechercher...")),
          item("HowToUse", QStringLiteral("&Utiliser l\"aide")),
          separator(),
          item("About1", QStringLiteral("&A propos"))}},
    };
}

ToolDef tool(const char *name, const QString &hint, const char *handler, const char *glyph)
{
    return {QString::fromLatin1(name), hint, QString::fromLatin1(handler), QString::fromLatin1(glyph)};
}

QList<ToolDef> buildTools()
{
    const ToolDef bar;
    return {
        tool("SaveItemTool", QStringLiteral("Enregistrer"), "SaveItem", "save"),
        tool("OpenItemTool", QStringLiteral("Ouvrir"), "OpenItem", "open"),
        tool("Nouveau1Tool", QStringLiteral("Nouveau fichier"), "Nouveau1", "newfile"),
        bar,
        tool("Copier1Tool", QStringLiteral("Copier"), "Copier1", "copy"),
        tool("Coller1Tool", QStringLiteral("Coller"), "Coller1", "paste"),
        bar,
        tool("Premier1Tool", QStringLiteral("Premier"), "Premier1", "first"),
        tool("Prcdent1Tool", QStringLiteral("Précédent"), "Prcdent1", "previous"),
        tool("Suivant1Tool", QStringLiteral("Suivant"), "Suivant1", "next"),
        tool("Dernier1Tool", QStringLiteral("Dernier"), "Dernier1", "last"),
        tool("Nouvellefiche1Tool", QStringLiteral("Nouvelle fiche"), "Nouvellefiche1", "newrecord"),
        bar,
        tool("Imprimerfiche1Tool", QStringLiteral("Imprimer fiche"), "Imprimerfiche1", "printrecord"),
        tool("Enveloppecourante1Tool", QStringLiteral("Imprimer enveloppe"), "Enveloppecourante1", "envelope"),
        bar,
        tool("Adhrents1Tool", QStringLiteral("Adhérents"), "Adhrents1", "members"),
        bar,
        tool("Partenaires1Tool", QStringLiteral("Partenaires"), "Partenaires1", "partners"),
        tool("Activits1Tool", QStringLiteral("Activités"), "Activits1", "activities"),
        tool("Cartedadhrent1Tool", QStringLiteral("Imprimer carte d'adhérent"), "Cartedadhrent1", "card"),
        tool("Reus1Tool", QStringLiteral("Reçus"), "Reus1", "receipts"),
    };
}

} // namespace

const QList<MenuDef> &Menus::mainMenus()
{
    static const QList<MenuDef> menus = buildMenus();
    return menus;
}

const QList<ToolDef> &Menus::toolButtons()
{
    static const QList<ToolDef> tools = buildTools();
    return tools;
}

const QStringList &Menus::commandsToCome()
{
    // Every command is carried now; a command added to the menus before its
    // window exists goes here.
    static const QStringList commands;
    return commands;
}
