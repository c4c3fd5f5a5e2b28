// The frame's menus, tool bar and status bar as the user sees them.

#include "app/apptest.h"
#include "app/ui/tmainform.h"
#include "fiche/tfiche.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

#include <utility>

namespace {

// Each menu, left to right, with its items as "name=caption". Separators ("-")
// are checked only in the menus whose list shows them.
const QList<std::pair<QString, QStringList>> kMenus = {
    {"&Fichier",
     {"Nouveau1=&Nouveau", "OpenItem=&Ouvrir...", "SaveItem=&Enregistrer", "Enregistrersous1=Enregistrer &sous...",
      "-", "Miseenpage1=&Mise en page", "Configurerimprimante1=&Configurer imprimante...", "Imprimer1=&Imprimer",
      "Apercuavantimpression1=Aperçu avant impressi&on",
      "-", "Importer1=I&mporter...", "Exporter1=E&xporter...", "-", "ExitItem=&Quitter"}},
    {"&Edition",
     {"Copier1=C&opier", "Coller1=Co&ller", "Rechercher1=Rechercher &nom...",
      "Recherchertlphone1=Rechercher télé&phone...", "Recherchernumro1=&Rechercher numéro...", "Trer1=&Trier...",
      "Recherchernom1=Rechercher &société...", "Recherchercode1=Rechercher &code...",
      "Recherchernom2=Rechercher &nom", "Trier1=Tr&ier"}},
    {"&Base",
     {"Adhrents1=&Adhérents", "Partenaires1=Parte&naires", "Activits1=A&ctivités", "Reus1=&Reçus",
      "Prcdent1=&Précédent            PgUp", "Suivant1=&Suivant                  PgDn", "Premier1=Pre&mier",
      "Dernier1=&Dernier", "Nouvellefiche1=&Nouvelle fiche", "Supprimerfiche1=S&upprimer fiche",
      "Listedeadhrents1=&Liste                          F2", "Imprimerfiche1=&Imprimer fiche",
      "Cartedadhrent1=C&arte d'adhérent", "Cartedadhrent2=Carte d'ad&hérent PDF"}},
    {"&Recus",
     {"Prcdent1R=&Précédent             PgUp", "Suivant1R=&Suivant                   PgDn", "Premier1R=P&remier",
      "Dernier1R=&Dernier", "Nouveaureu1=&Nouveau reçu", "Supprimerreu1=&Supprimer reçu",
      "Imprimerreu1=&Imprimer reçu", "ListedesreusF21=&Liste des reçus        F2",
      "Supprimerligne1=S&upprimer ligne"}},
    {"&Sélection",
     {"touteslesfiches1=&Toutes les fiches", "Codepostal1=&Code postal", "Ville1=&Ville",
      "Rappeldecotisaiton1=&Rappel de cotisaton", "Touteslesfiches2=To&utes les fiches",
      "Codepostal2=Co&de postal", "Ville2=V&ille"}},
    {"&Trésorerie",
     {"Plancomptable1=&Plan comptable", "Listedescomptes1=&Liste des comptes", "Saisiedescritures1=&Journal",
      "Voircomptes1=&Grand livre", "Plandetrsorerie1=Plan de &trésorerie", "Rsultatannuel1=&Résultat annuel"}},
    {"&Outils",
     {"Traitementdetexte1=&Traitement de texte", "Enveloppecourante1=&Enveloppe courante", "Planning1=&Planning",
      "Messages1=&Messages", "Statsdpartements1=&Stats départements", "Statscatgories1=Stats &catégories",
      "StatCAadhrents1=Stats CA &adhérents ", "StatsCApartenaires1=Stats CA pa&rtenaires",
      "StatsCAactivits1=Stats CA acti&vités", "Emprunts1=E&mprunts", "Placement1=P&lacement"}},
    {"&Paramètres",
     {"Association1=&Association", "Bureau1=&Bureau", "Typesdactivit1=&Types d'activités",
      "Ouvrirautomatiquemrnt1=&Ouvrir automatiquement"}},
    {"&Utilitaires",
     {"Calendrier1=&Calendrier", "Calculatrice1=C&alculatrice", "Horloge1=&Horloge",
      "Euroconversion1=&Euro conversion", "Blocnotes1=&Bloc-notes", "Pselettres1=&Pèse lettres",
      "Dpartements1=&Départements"}},
    {"&Aide", {"HContents=&Index", "HSearch=&Rechercher...", "HowToUse=&Utiliser l\"aide", "About1=&A propos"}},
};

const QStringList kPrintSubmenu{"Listing1=&Liste adhérents", "Listepartenaires1=Liste &partenaires",
                                "Enveloppes1=&Enveloppes"};

const QStringList kHints{
    "Association1=En tête association", "Bureau1=Le bureau", "Typesdactivit1=Définir les types d'activité",
    "Calendrier1=Calendrier", "Calculatrice1=Calculatrice", "Horloge1=Horloge",
    "Euroconversion1=convertisseur euro", "Blocnotes1=Bloc notes", "Pselettres1=Pèse lettres",
    "Dpartements1=Liste des départements", "Emprunts1=Calcul des intérêts",
    "Placement1=Calcul du rapport d'un placement"};

QStringList describe(const QList<QAction *> &actions, bool withSeparators)
{
    QStringList out;
    for (QAction *a : actions)
        if (!a->isSeparator())
            out << a->objectName() + "=" + a->text();
        else if (withSeparators)
            out << "-";
    return out;
}

using MenusTest = AppTest;

TEST_F(MenusTest, MenusItemsHintsAndTicksAsListed)
{
    TMainForm form;
    QStringList bar;
    QStringList shown;
    for (const auto &m : kMenus)
        bar << m.first;
    const QList<QAction *> menus = form.menuBar()->actions();
    for (QAction *m : menus)
        shown << m->text();
    EXPECT_EQ(shown, bar);

    for (int i = 0; i < kMenus.size() && i < menus.size(); ++i) {
        ASSERT_NE(menus[i]->menu(), nullptr) << qPrintable(bar[i]);
        const bool separators = kMenus[i].second.contains("-");
        EXPECT_EQ(describe(menus[i]->menu()->actions(), separators), kMenus[i].second) << qPrintable(bar[i]);
    }
    QMenu *print = form.action("Imprimer1")->menu();
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(describe(print->actions(), true), kPrintSubmenu);

    for (const QString &h : kHints) {
        QAction *a = form.action(h.section('=', 0, 0));
        ASSERT_NE(a, nullptr) << qPrintable(h);
        EXPECT_EQ(a->statusTip(), h.section('=', 1)) << qPrintable(h);
    }

    // The selections and the automatic opening carry ticks; only "all" starts ticked.
    const QStringList ticked{"touteslesfiches1", "Touteslesfiches2"};
    for (const QString &name : ticked + QStringList{"Codepostal1", "Ville1", "Rappeldecotisaiton1", "Codepostal2",
                                                     "Ville2", "Ouvrirautomatiquemrnt1"}) {
        EXPECT_TRUE(form.action(name)->isCheckable()) << qPrintable(name);
        EXPECT_EQ(form.action(name)->isChecked(), ticked.contains(name)) << qPrintable(name);
    }
}

TEST_F(MenusTest, ToolBarButtonsInOrderKnownByTheirHints)
{
    TMainForm form;
    auto *bar = form.findChild<QToolBar *>("ToolBar1");
    ASSERT_NE(bar, nullptr);
    QStringList hints;
    for (QAction *a : bar->actions())
        hints << (a->isSeparator() ? "|" : a->icon().isNull() ? "no picture" : a->toolTip());
    EXPECT_EQ(hints, (QStringList{"Enregistrer", "Ouvrir", "Nouveau fichier", "|", "Copier", "Coller", "|",
                                  "Premier", "Précédent", "Suivant", "Dernier", "Nouvelle fiche", "|",
                                  "Imprimer fiche", "Imprimer enveloppe", "|", "Adhérents", "|",
                                  "Partenaires", "Activités", "Imprimer carte d'adhérent", "Reçus"}));
}

TEST_F(MenusTest, HintsGoToTheFirstPanelAndOnlyAltXClosesTheFrame)
{
    TMainForm form;
    QAction *quit = form.action("ExitItem");
    EXPECT_EQ(quit->shortcut(), QKeySequence("Alt+X"));
    for (QAction *a : form.findChildren<QAction *>())
        if (a != quit) {
            EXPECT_TRUE(a->shortcut().isEmpty()) << qPrintable(a->objectName());
        }

    form.show();
    for (const auto &[name, hint] : {std::pair{"Bureau1", "Le bureau"}, std::pair{"Premier1Tool", "Premier"}}) {
        form.action(name)->showStatusText(&form);
        EXPECT_EQ(form.hintPanel()->text(), hint);
    }
    EXPECT_TRUE(form.clockPanel()->isVisible());
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    // The record window cannot be closed on its own.
    QTest::keyClick(form.fiche(), Qt::Key_F4, Qt::ControlModifier);
    form.ficheWindow()->close();
    EXPECT_TRUE(form.ficheWindow()->isVisible());
    QTest::keyClick(&form, Qt::Key_X, Qt::AltModifier);
    EXPECT_FALSE(form.isVisible());
}

} // namespace
