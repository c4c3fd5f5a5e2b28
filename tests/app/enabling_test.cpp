// Which commands the frame offers at start, with a store open and on each
// page; the ticks of the selections; the routing of page commands.

#include "app/apptest.h"
#include "app/ui/tmainform.h"
#include "fiche/tfiche.h"

#include <QAction>

#include <tuple>

namespace {

// The enabling table, row by row: the commands of a row and their values at
// start, after Valide, and after Valide1 to Valide4 ('-': left as it was).
const QList<std::pair<QStringList, const char *>> kTable = {
    {{"SaveItem", "SaveItemTool", "Enregistrersous1", "Imprimer1", "Exporter1"}, "01----"},
    {{"Copier1", "Coller1", "Copier1Tool", "Coller1Tool"}, "01----"},
    {{"Premier1Tool", "Prcdent1Tool", "Suivant1Tool", "Dernier1Tool"}, "01----"},
    {{"Nouvellefiche1Tool"}, "11----"},
    {{"Imprimerfiche1Tool", "Enveloppecourante1Tool"}, "01----"},
    {{"Rechercher1", "Recherchertlphone1", "Recherchernumro1", "Trer1"}, "011000"},
    {{"Recherchernom1", "Recherchercode1"}, "000100"},
    {{"Recherchernom2", "Trier1"}, "0-0100"},
    {{"Adhrents1", "Adhrents1Tool"}, "100111"},
    {{"Partenaires1", "Partenaires1Tool"}, "111011"},
    {{"Activits1"}, "111101"},
    {{"Activits1Tool"}, "111100"},
    {{"Reus1"}, "1-1110"},
    {{"Prcdent1", "Suivant1", "Premier1", "Dernier1", "Nouvellefiche1", "Supprimerfiche1", "Listedeadhrents1",
      "Imprimerfiche1"}, "011110"},
    {{"Cartedadhrent1", "Cartedadhrent2", "Cartedadhrent1Tool"}, "011000"},
    {{"Prcdent1R", "Suivant1R", "Premier1R", "Dernier1R", "Supprimerreu1", "Imprimerreu1", "ListedesreusF21",
      "Supprimerligne1"}, "0-0001"},
    {{"Nouveaureu1"}, "1-1001"},
    {{"touteslesfiches1", "Codepostal1", "Ville1", "Rappeldecotisaiton1"}, "011000"},
    {{"Touteslesfiches2", "Codepostal2", "Ville2"}, "0-0100"},
    {{"Plancomptable1", "Listedescomptes1", "Saisiedescritures1", "Voircomptes1", "Plandetrsorerie1",
      "Rsultatannuel1"}, "01----"},
    {{"Traitementdetexte1", "Enveloppecourante1", "Planning1", "Messages1", "Statsdpartements1", "Statscatgories1",
      "StatCAadhrents1", "StatsCApartenaires1", "StatsCAactivits1", "Emprunts1", "Placement1"}, "01----"},
};

// Commands that every state leaves available (the receipt button is named by
// no row).
const QStringList kAlwaysEnabled{
    "Nouveau1", "OpenItem", "Importer1", "Miseenpage1", "Configurerimprimante1", "Apercuavantimpression1",
    "ExitItem", "Association1",
    "Bureau1", "Typesdactivit1", "Ouvrirautomatiquemrnt1", "Calendrier1", "Calculatrice1", "Horloge1",
    "Euroconversion1", "Blocnotes1", "Pselettres1", "Dpartements1", "HContents", "HSearch", "HowToUse", "About1",
    "Reus1Tool"};

using EnablingTest = AppTest;

TEST_F(EnablingTest, EachColumnSetsItsCommandsAndLeavesTheOthers)
{
    TMainForm form;
    // Column 0 is the state at start; each other column is applied over all
    // commands on, then all off, so that '-' is seen to leave both alone.
    const auto expectColumn = [&](int c, bool before) {
        for (const auto &row : kTable)
            for (const QString &name : row.first) {
                const char v = row.second[c];
                ASSERT_NE(form.action(name), nullptr) << qPrintable(name);
                EXPECT_EQ(form.action(name)->isEnabled(), v == '-' ? before : v == '1')
                    << qPrintable(name) << " column " << c << " from " << before;
            }
        for (const QString &name : kAlwaysEnabled)
            EXPECT_TRUE(form.action(name)->isEnabled()) << qPrintable(name) << " column " << c;
    };
    expectColumn(0, true);
    void (TMainForm::*const columns[])() = {&TMainForm::Valide, &TMainForm::Valide1, &TMainForm::Valide2,
                                            &TMainForm::Valide3, &TMainForm::Valide4};
    for (int c = 1; c < 6; ++c)
        for (bool before : {true, false}) {
            for (const auto &row : kTable)
                for (const QString &name : row.first)
                    form.action(name)->setEnabled(before);
            (form.*columns[c - 1])();
            expectColumn(c, before);
        }
}

TEST_F(EnablingTest, PageCommandsBringThePageForwardAndApplyItsColumn)
{
    TMainForm form;
    form.Valide();
    // The command, the page it shows, and the menu item its column disables.
    const std::tuple<const char *, Kind, const char *> pages[] = {
        {"Partenaires1", Kind::Partner, "Partenaires1"}, {"Reus1Tool", Kind::Receipt, "Reus1"},
        {"Activits1", Kind::Activity, "Activits1"}, {"Adhrents1Tool", Kind::Member, "Adhrents1"}};
    for (const auto &[command, kind, own] : pages) {
        trigger(form, command);
        EXPECT_EQ(form.fiche()->shownKind(), kind) << command;
        EXPECT_FALSE(form.action(own)->isEnabled()) << command;
    }
    // Deleting a receipt line is offered while the receipt grid is being edited.
    emit form.fiche()->receiptGridActiveChanged(true);
    EXPECT_TRUE(form.action("Supprimerligne1")->isEnabled());
    emit form.fiche()->receiptGridActiveChanged(false);
    EXPECT_FALSE(form.action("Supprimerligne1")->isEnabled());
}

TEST_F(EnablingTest, NewRecordAndOpeningGiveTheStoreCommandsOfThePageShown)
{
    writeMembers(path("club.adh"), {"Martin"});
    TMainForm form;
    const int before = form.fiche()->store().state(Kind::Member).count;
    trigger(form, "Nouvellefiche1Tool");
    EXPECT_EQ(form.fiche()->store().state(Kind::Member).count, before + 1);
    EXPECT_TRUE(form.action("SaveItem")->isEnabled());
    EXPECT_TRUE(form.action("Rechercher1")->isEnabled());

    // Opened on the partner page: that page stays, with its commands.
    trigger(form, "Partenaires1");
    form.fiche()->store().markSaved();
    open(form, path("club.adh"));
    EXPECT_EQ(form.fiche()->shownKind(), Kind::Partner);
    EXPECT_TRUE(form.action("Adhrents1")->isEnabled());
    EXPECT_FALSE(form.action("Rechercher1")->isEnabled());
    EXPECT_TRUE(form.action("Recherchernom1")->isEnabled());
    EXPECT_TRUE(form.action("SaveItem")->isEnabled());
}

TEST_F(EnablingTest, EachSelectionItemTicksAloneInItsMenuAndSelectsItsMode)
{
    TMainForm form;
    const RecordStore &store = form.fiche()->store();
    const QStringList all{"touteslesfiches1", "Codepostal1", "Ville1", "Rappeldecotisaiton1",
                          "Touteslesfiches2", "Codepostal2", "Ville2"};
    // The item, its selection mode, whether it selects members. Choosing the
    // ticked item again keeps it ticked.
    const std::tuple<const char *, int, bool> items[] = {
        {"Codepostal1", 2, true},      {"Ville1", 3, true},      {"Rappeldecotisaiton1", 4, true},
        {"touteslesfiches1", 1, true}, {"touteslesfiches1", 1, true}, {"Codepostal2", 2, false},
        {"Ville2", 3, false},          {"Touteslesfiches2", 1, false}, {"Touteslesfiches2", 1, false}};
    dialogs().inputAnswers = {"75001", "paris", "30", "33000", "lyon"};
    for (const auto &[item, mode, members] : items) {
        members ? form.Valide1() : form.Valide2();
        trigger(form, item);
        EXPECT_EQ(members ? store.MemberSelection : store.PartnerSelection, mode) << item;
        QStringList ticked;
        for (const QString &name : all)
            if (form.action(name)->isChecked())
                ticked << name;
        EXPECT_EQ(ticked, (members ? QStringList{item, "Touteslesfiches2"} : QStringList{"touteslesfiches1", item}))
            << item;
    }
}

TEST_F(EnablingTest, AutomaticOpeningItemTogglesTheSetting)
{
    TMainForm form;
    QAction *a = form.action("Ouvrirautomatiquemrnt1");
    QString name;
    for (bool expected : {true, false}) {
        a->trigger();
        EXPECT_EQ(a->isChecked(), expected);
        bool autoOpen = !expected;
        form.fiche()->GetIni(&autoOpen, &name);
        EXPECT_EQ(autoOpen, expected);
    }
}

TEST_F(EnablingTest, DeletingARecordAsksFirst)
{
    writeMembers(path("club.adh"), {"Martin", "Durand"});
    TMainForm form;
    open(form, path("club.adh"));
    dialogs().okCancelAnswers = {false, true, false};
    trigger(form, "Supprimerfiche1");
    EXPECT_EQ(form.fiche()->store().state(Kind::Member).count, 2);
    trigger(form, "Supprimerfiche1");
    EXPECT_EQ(form.fiche()->store().state(Kind::Member).count, 1);

    trigger(form, "Reus1");
    trigger(form, "Supprimerreu1");
    EXPECT_EQ(dialogs().texts("okCancel"),
              (QStringList{"Confirmer suppression de la fiche ?", "Confirmer suppression de la fiche ?",
                           "Confirmer suppression du reçu ?"}));
}

} // namespace
