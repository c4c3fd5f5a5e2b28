// The frame's menus, tool bar and status bar as the user sees them.

#include "app/apptest.h"
#include "app/ui/tmainform.h"
#include "store/ui/tfiche.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

#include <utility>

namespace {

using Items = QList<std::pair<QString, QString>>; // object name, caption ("-": separator)

QStringList texts(const QList<QAction *> &actions, bool withSeparators)
{
    QStringList out;
    for (QAction *a : actions) {
        if (a->isSeparator()) {
            if (withSeparators)
                out << QStringLiteral("-");
        } else {
            out << a->text();
        }
    }
    return out;
}

QMenu *menuNamed(TMainForm &form, const QString &caption)
{
    for (QAction *a : form.menuBar()->actions())
        if (a->text() == caption)
            return a->menu();
    return nullptr;
}

void expectItems(TMainForm &form, const QString &menuCaption, const Items &expected)
{
    QMenu *menu = menuNamed(form, menuCaption);
    ASSERT_NE(menu, nullptr) << menuCaption.toStdString();
    QStringList names;
    QStringList captions;
    for (QAction *a : menu->actions()) {
        if (a->isSeparator())
            continue;
        names << a->objectName();
        captions << a->text();
    }
    QStringList wantNames;
    QStringList wantCaptions;
    for (const auto &e : expected) {
        wantNames << e.first;
        wantCaptions << e.second;
    }
    EXPECT_EQ(captions, wantCaptions) << menuCaption.toStdString();
    EXPECT_EQ(names, wantNames) << menuCaption.toStdString();
}

class MenusTest : public AppTest
{
};

TEST_F(MenusTest, MenuBarHoldsTheTenMenusInOrder)
{
    TMainForm form;
    EXPECT_EQ(texts(form.menuBar()->actions(), false),
              (QStringList{"&Fichier", "&Edition", "&Base", "&Recus", "&Sélection", "&Trésorerie",
                           "&Outils", "&Paramètres", "&Utilitaires", "&Aide"}));
}

TEST_F(MenusTest, FileMenuWithSeparatorsAndPrintSubmenu)
{
    TMainForm form;
    QMenu *file = menuNamed(form, QStringLiteral("&Fichier"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(texts(file->actions(), true),
              (QStringList{"&Nouveau", "&Ouvrir...", "&Enregistrer", "Enregistrer &sous...", "-",
                           "&Mise en page", "&Configurer imprimante...", "&Imprimer", "-",
                           "I&mporter...", "E&xporter...", "-", "&Quitter"}));
    expectItems(form, QStringLiteral("&Fichier"),
                {{"Nouveau1", "&Nouveau"},
                 {"OpenItem", "&Ouvrir..."},
                 {"SaveItem", "&Enregistrer"},
                 {"Enregistrersous1", "Enregistrer &sous..."},
                 {"Miseenpage1", "&Mise en page"},
                 {"Configurerimprimante1", "&Configurer imprimante..."},
                 {"Imprimer1", "&Imprimer"},
                 {"Importer1", "I&mporter..."},
                 {"Exporter1", "E&xporter..."},
                 {"ExitItem", "&Quitter"}});
    QAction *print = form.action(QStringLiteral("Imprimer1"));
    ASSERT_NE(print, nullptr);
    ASSERT_NE(print->menu(), nullptr);
    EXPECT_EQ(texts(print->menu()->actions(), true),
              (QStringList{"&Liste adhérents", "Liste &partenaires", "&Enveloppes"}));
    EXPECT_NE(form.action(QStringLiteral("Listing1")), nullptr);
    EXPECT_NE(form.action(QStringLiteral("Listepartenaires1")), nullptr);
    EXPECT_NE(form.action(QStringLiteral("Enveloppes1")), nullptr);
}

TEST_F(MenusTest, EditBaseAndReceiptMenus)
{
    TMainForm form;
    expectItems(form, QStringLiteral("&Edition"),
                {{"Copier1", "C&opier"},
                 {"Coller1", "Co&ller"},
                 {"Rechercher1", "Rechercher &nom..."},
                 {"Recherchertlphone1", "Rechercher télé&phone..."},
                 {"Recherchernumro1", "&Rechercher numéro..."},
                 {"Trer1", "&Trier..."},
                 {"Recherchernom1", "Rechercher &société..."},
                 {"Recherchercode1", "Rechercher &code..."},
                 {"Recherchernom2", "Rechercher &nom"},
                 {"Trier1", "Tr&ier"}});
    expectItems(form, QStringLiteral("&Base"),
                {{"Adhrents1", "&Adhérents"},
                 {"Partenaires1", "Parte&naires"},
                 {"Activits1", "A&ctivités"},
                 {"Reus1", "&Reçus"},
                 {"Prcdent1", "&Précédent            PgUp"},
                 {"Suivant1", "&Suivant                  PgDn"},
                 {"Premier1", "Pre&mier"},
                 {"Dernier1", "&Dernier"},
                 {"Nouvellefiche1", "&Nouvelle fiche"},
                 {"Supprimerfiche1", "S&upprimer fiche"},
                 {"Listedeadhrents1", "&Liste                          F2"},
                 {"Imprimerfiche1", "&Imprimer fiche"},
                 {"Cartedadhrent1", "C&arte d'adhérent"},
                 {"Cartedadhrent2", "Carte d'ad&hérent PDF"}});
    expectItems(form, QStringLiteral("&Recus"),
                {{"Prcdent1R", "&Précédent             PgUp"},
                 {"Suivant1R", "&Suivant                   PgDn"},
                 {"Premier1R", "P&remier"},
                 {"Dernier1R", "&Dernier"},
                 {"Nouveaureu1", "&Nouveau reçu"},
                 {"Supprimerreu1", "&Supprimer reçu"},
                 {"Imprimerreu1", "&Imprimer reçu"},
                 {"ListedesreusF21", "&Liste des reçus        F2"},
                 {"Supprimerligne1", "S&upprimer ligne"}});
}

TEST_F(MenusTest, SelectionTreasuryAndToolMenus)
{
    TMainForm form;
    expectItems(form, QStringLiteral("&Sélection"),
                {{"touteslesfiches1", "&Toutes les fiches"},
                 {"Codepostal1", "&Code postal"},
                 {"Ville1", "&Ville"},
                 {"Rappeldecotisaiton1", "&Rappel de cotisaton"},
                 {"Touteslesfiches2", "To&utes les fiches"},
                 {"Codepostal2", "Co&de postal"},
                 {"Ville2", "V&ille"}});
    expectItems(form, QStringLiteral("&Trésorerie"),
                {{"Plancomptable1", "&Plan comptable"},
                 {"Listedescomptes1", "&Liste des comptes"},
                 {"Saisiedescritures1", "&Journal"},
                 {"Voircomptes1", "&Grand livre"},
                 {"Plandetrsorerie1", "Plan de &trésorerie"},
                 {"Rsultatannuel1", "&Résultat annuel"}});
    expectItems(form, QStringLiteral("&Outils"),
                {{"Traitementdetexte1", "&Traitement de texte"},
                 {"Enveloppecourante1", "&Enveloppe courante"},
                 {"Planning1", "&Planning"},
                 {"Messages1", "&Messages"},
                 {"Statsdpartements1", "&Stats départements"},
                 {"Statscatgories1", "Stats &catégories"},
                 {"StatCAadhrents1", "Stats CA &adhérents "},
                 {"StatsCApartenaires1", "Stats CA pa&rtenaires"},
                 {"StatsCAactivits1", "Stats CA acti&vités"},
                 {"Emprunts1", "E&mprunts"},
                 {"Placement1", "P&lacement"}});
}

TEST_F(MenusTest, SettingsUtilitiesAndHelpMenusWithTheirHints)
{
    TMainForm form;
    expectItems(form, QStringLiteral("&Paramètres"),
                {{"Association1", "&Association"},
                 {"Bureau1", "&Bureau"},
                 {"Typesdactivit1", "&Types d'activités"},
                 {"Ouvrirautomatiquemrnt1", "&Ouvrir automatiquement"}});
    expectItems(form, QStringLiteral("&Utilitaires"),
                {{"Calendrier1", "&Calendrier"},
                 {"Calculatrice1", "C&alculatrice"},
                 {"Horloge1", "&Horloge"},
                 {"Euroconversion1", "&Euro conversion"},
                 {"Blocnotes1", "&Bloc-notes"},
                 {"Pselettres1", "&Pèse lettres"},
                 {"Dpartements1", "&Départements"}});
    expectItems(form, QStringLiteral("&Aide"),
                {{"HContents", "&Index"},
                 {"HSearch", "&Rechercher..."},
                 {"HowToUse", "&Utiliser l\"aide"},
                 {"About1", "&A propos"}});

    const QList<std::pair<const char *, QString>> hints = {
        {"Association1", "En tête association"},
        {"Bureau1", "Le bureau"},
        {"Typesdactivit1", "Définir les types d'activité"},
        {"Calendrier1", "Calendrier"},
        {"Calculatrice1", "Calculatrice"},
        {"Horloge1", "Horloge"},
        {"Euroconversion1", "convertisseur euro"},
        {"Blocnotes1", "Bloc notes"},
        {"Pselettres1", "Pèse lettres"},
        {"Dpartements1", "Liste des départements"},
        {"Emprunts1", "Calcul des intérêts"},
        {"Placement1", "Calcul du rapport d'un placement"},
    };
    for (const auto &h : hints) {
        QAction *a = form.action(QString::fromLatin1(h.first));
        ASSERT_NE(a, nullptr) << h.first;
        EXPECT_EQ(a->statusTip(), h.second) << h.first;
    }
}

TEST_F(MenusTest, OnlyQuitHasAShortcutAndAltXClosesTheFrame)
{
    TMainForm form;
    QAction *quit = form.action(QStringLiteral("ExitItem"));
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(quit->shortcut(), QKeySequence(QStringLiteral("Alt+X")));
    for (QAction *a : form.findChildren<QAction *>())
        if (a != quit)
            EXPECT_TRUE(a->shortcut().isEmpty()) << a->objectName().toStdString() << a->text().toStdString();

    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    // The record window cannot be closed on its own.
    QTest::keyClick(form.fiche(), Qt::Key_F4, Qt::ControlModifier);
    form.ficheWindow()->close();
    EXPECT_TRUE(form.ficheWindow()->isVisible());
    QTest::keyClick(&form, Qt::Key_X, Qt::AltModifier);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(MenusTest, ToolBarButtonsInOrderKnownByTheirHints)
{
    TMainForm form;
    auto *bar = form.findChild<QToolBar *>(QStringLiteral("ToolBar1"));
    ASSERT_NE(bar, nullptr);
    QStringList hints;
    for (QAction *a : bar->actions()) {
        if (a->isSeparator()) {
            hints << QStringLiteral("|");
            continue;
        }
        hints << a->toolTip();
        EXPECT_EQ(a->statusTip(), a->toolTip());
        EXPECT_FALSE(a->icon().isNull()) << a->toolTip().toStdString();
        // A button is not the menu item: its enabling differs.
        for (QMenu *menu : form.menuBar()->findChildren<QMenu *>())
            EXPECT_FALSE(menu->actions().contains(a)) << a->toolTip().toStdString();
    }
    EXPECT_EQ(hints, (QStringList{"Enregistrer", "Ouvrir", "Nouveau fichier", "|", "Copier", "Coller", "|",
                                  "Premier", "Précédent", "Suivant", "Dernier", "Nouvelle fiche", "|",
                                  "Imprimer fiche", "Imprimer enveloppe", "|", "Adhérents", "|",
                                  "Partenaires", "Activités", "Imprimer carte d'adhérent", "Reçus"}));
}

TEST_F(MenusTest, SelectionAllItemsStartTicked)
{
    TMainForm form;
    const QStringList checkable{"touteslesfiches1", "Codepostal1", "Ville1", "Rappeldecotisaiton1",
                                "Touteslesfiches2", "Codepostal2", "Ville2", "Ouvrirautomatiquemrnt1"};
    for (const QString &name : checkable) {
        QAction *a = form.action(name);
        ASSERT_NE(a, nullptr) << name.toStdString();
        EXPECT_TRUE(a->isCheckable()) << name.toStdString();
        const bool ticked = name == QStringLiteral("touteslesfiches1") || name == QStringLiteral("Touteslesfiches2");
        EXPECT_EQ(a->isChecked(), ticked) << name.toStdString();
    }
}

TEST_F(MenusTest, HintsGoToTheFirstPanelAndTheClockStays)
{
    TMainForm form;
    form.show();
    QAction *bureau = form.action(QStringLiteral("Bureau1"));
    bureau->showStatusText(&form);
    EXPECT_EQ(form.hintPanel()->text(), QStringLiteral("Le bureau"));
    EXPECT_TRUE(form.clockPanel()->isVisible());
    form.action(QStringLiteral("Premier1Tool"))->showStatusText(&form);
    EXPECT_EQ(form.hintPanel()->text(), QStringLiteral("Premier"));
}

} // namespace
