// The record window's printing commands: what they take from the pages, the
// print dialog's range, the envelope request, the receipt button, the page
// set-up dialog.

#include "fiche/memberspage.h"
#include "fiche/receiptspage.h"
#include "print/printtest.h"
#include "support/fakeprinter.h"
#include "support/modal.h"
#include "support/recordpages.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

class FichePrintTest : public FicheTest
{
protected:
    FakePrinter &printer() { return FakePrinter::instance(); }
};

} // namespace

TEST_F(FichePrintTest, SheetCardAndEnvelopeTakeTheFieldsAsShown)
{
    load(Kind::Member, memberList(1));
    fiche->settings().EnvOrientation = 1;
    fiche->settings().EnvGuide = 100;
    typeInto(fiche->membersPage()->field(MemberField::Nom), "Martin");
    fiche->ImpFiche();
    fiche->Carte();
    fiche->ImpEnv();
    ASSERT_EQ(printer().jobs.size(), 3);
    EXPECT_TRUE(printer().canvases[0]->findText("Martin"));
    EXPECT_TRUE(printer().canvases[1]->findText("Mme Martin Anne") && printer().canvases[1]->findText("Membre actif"));
    EXPECT_EQ(dialogs().texts("message"), QStringList{"Insérez une enveloppe dans l'imprimante"});
    EXPECT_TRUE(printer().jobs[2].landscape);
    EXPECT_EQ(printer().last().findText("Mme Martin Anne")->y, 23 * 153);
    // Printing leaves the record as it was stored.
    EXPECT_EQ(stored(Kind::Member, 0, MemberField::Nom), "Nom0 ");

    // The activities page prints nothing and asks nothing.
    fiche->Activites();
    for (void (TFiche::*command)() : {&TFiche::ImpFiche, &TFiche::ImpEnv, &TFiche::Carte, &TFiche::CartePdf})
        (fiche.get()->*command)();
    EXPECT_EQ(printer().jobs.size(), 3);
    EXPECT_EQ(dialogs().calls.size(), 1);
}

TEST_F(FichePrintTest, ListsAndEnvelopesForTheRecordsChosen)
{
    load(Kind::Member, memberList(5));
    fiche->settings().EnvGuide = 100;
    typeInto(fiche->membersPage()->field(MemberField::Nom), "Shown");
    dialogs().printRangeAnswers = {{0, 0}, {3, 5}, {1, 5, false}};
    fiche->Imprime();
    ASSERT_EQ(printer().jobs.size(), 1);
    EXPECT_TRUE(printer().jobs[0].landscape);
    EXPECT_TRUE(printer().last().findText("Shown Anne") && printer().last().findText("Nom4 Anne"));
    fiche->Enveloppes();
    EXPECT_EQ(printer().last().pageCount(), 3);
    // One envelope a page from the first record chosen, every line as low as the guide takes it.
    EXPECT_EQ(printer().last().texts(0)[4].text, "Mme Nom2  Anne");
    EXPECT_EQ(printer().last().texts(2)[4].y, 23 * 153);
    fiche->Imprime();
    EXPECT_EQ(printer().jobs.size(), 2);
    // No partner: no dialog, no page.
    fiche->Imprime2();
    EXPECT_EQ(dialogs().texts("printRange"), QStringList(3, "5"));
    EXPECT_EQ(printer().jobs.size(), 2);
}

TEST_F(FichePrintTest, ReceiptButtonPrintsTheReceiptTotalledAndFailuresAreTold)
{
    fiche->Recus();
    ReceiptsPage *page = fiche->receiptsPage();
    for (int r = 0; r < 30; ++r) {
        page->setCellText(r, 0, QStringLiteral("Ligne %1").arg(r + 1));
        page->setCellText(r, 1, "2,5");
    }
    page->setReceiptLineCount(30);
    page->printButton()->click();
    ASSERT_EQ(printer().jobs.size(), 1);
    EXPECT_EQ(printer().last().pageCount(), 2);
    EXPECT_EQ(printer().last().findText("75,00 Euros")->page, 1);
    EXPECT_EQ(page->euroLabel()->text() + page->cellText(0, 1).trimmed(), "75,002,50");

    // The record-sheet command prints the receipt too; what fails is told.
    printer().refuseNewPageFrom = 1;
    fiche->ImpFiche();
    printer().widthMm = 0;
    fiche->Button4Click();
    printer().available = false;
    fiche->ImpEnv();
    EXPECT_EQ(dialogs().texts("error"), QStringList({pageFailedText(), noAreaText(), noPrinterText()}));
}

TEST_F(FichePrintTest, PageSetUpStoresOnlyWhatOkChose)
{
    SettingsFiles &s = fiche->settings();
    s.PaperType = 7;
    bool defaults = false;
    {
        ModalWatcher closeBox([&](QWidget *w) {
            defaults = w->windowTitle() == "Mise en page" && w->findChild<QRadioButton *>()->isChecked();
            w->findChild<QCheckBox *>("CheckBox1")->setChecked(true);
            w->close();
        });
        fiche->ParM();
    }
    EXPECT_TRUE(defaults);
    EXPECT_EQ(QList<int>({s.PaperType, s.EnvOrientation, s.EnvGuide}), QList<int>({7, 0, 0}));

    ModalWatcher ok([](QWidget *w) {
        w->findChild<QWidget *>("RadioGroup2")->findChildren<QRadioButton *>()[1]->setChecked(true);
        w->findChild<QCheckBox *>("CheckBox1")->setChecked(true);
        w->findChild<QPushButton *>("Button2")->click();
    });
    fiche->ParM();
    EXPECT_EQ(QList<int>({s.PaperType, s.EnvOrientation, s.EnvGuide}), QList<int>({0, 1, 100}));
}
