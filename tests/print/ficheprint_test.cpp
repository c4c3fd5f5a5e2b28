// The record window's printing commands: what they take from the pages, the
// print dialog's range, the envelope request, the receipt button, the page
// set-up dialog and the PDF card.

#include "fiche/memberspage.h"
#include "fiche/receiptspage.h"
#include "print/ui/tmpage.h"
#include "support/fakeprinter.h"
#include "support/modal.h"
#include "support/recordpages.h"
#include "core/textfile.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

QStringList memberBlock(int n, const QString &name)
{
    QStringList fixed(MemberField::Count);
    fixed[MemberField::Numero - 1] = QString::number(10001 + n);
    fixed[MemberField::Titre - 1] = "Mme";
    fixed[MemberField::Nom - 1] = name;
    fixed[MemberField::Prenom - 1] = "Anne";
    fixed[MemberField::Categorie - 1] = "0";
    return block(n, fixed);
}

class FichePrintTest : public FicheTest
{
protected:
    FakePrinter &printer() { return FakePrinter::instance(); }
    void loadMembers(int count)
    {
        QStringList lines;
        for (int n = 0; n < count; ++n)
            lines << memberBlock(n, QStringLiteral("Nom%1").arg(n));
        load(Kind::Member, lines);
    }
};

} // namespace

TEST_F(FichePrintTest, SheetCardAndEnvelopeTakeTheFieldsAsShown)
{
    loadMembers(1);
    fiche->settings().Header = {"Club", "", "", "", "", "", ""};
    fiche->settings().EnvOrientation = 1;
    fiche->settings().EnvGuide = 100;
    typeInto(fiche->membersPage()->field(MemberField::Nom), "Martin");
    fiche->ImpFiche();
    fiche->Carte();
    fiche->ImpEnv();
    ASSERT_EQ(printer().jobs.size(), 3);
    EXPECT_TRUE(printer().canvases[0]->findText("Martin"));
    EXPECT_TRUE(printer().canvases[1]->findText("Mme Martin Anne"));
    EXPECT_TRUE(printer().canvases[1]->findText("Membre actif"));
    EXPECT_EQ(dialogs().texts("message"), QStringList{"Insérez une enveloppe dans l'imprimante"});
    EXPECT_TRUE(printer().jobs[2].landscape);
    EXPECT_EQ(printer().last().findText("Mme Martin Anne")->y, 23 * 153);
    // Printing leaves the record as it was stored.
    EXPECT_EQ(stored(Kind::Member, 0, MemberField::Nom), "Nom0");

    // The activities page prints nothing and asks nothing.
    fiche->Activites();
    fiche->ImpFiche();
    fiche->ImpEnv();
    fiche->Carte();
    fiche->CartePdf();
    EXPECT_EQ(printer().jobs.size(), 3);
    EXPECT_EQ(dialogs().calls.size(), 1);
}

TEST_F(FichePrintTest, ListsAndEnvelopesForTheRecordsChosen)
{
    loadMembers(5);
    typeInto(fiche->membersPage()->field(MemberField::Nom), "Shown");
    dialogs().printRangeAnswers = {{0, 0}, {3, 5}, {1, 5, false}};
    fiche->Imprime();
    ASSERT_EQ(printer().jobs.size(), 1);
    EXPECT_TRUE(printer().jobs[0].landscape);
    EXPECT_TRUE(printer().last().findText("Shown Anne"));
    EXPECT_TRUE(printer().last().findText("Nom4 Anne"));
    fiche->Enveloppes();
    EXPECT_EQ(printer().last().pageCount(), 3);
    EXPECT_EQ(printer().last().texts(0)[4].text, "Mme Nom2 Anne");
    fiche->Imprime();
    EXPECT_EQ(printer().jobs.size(), 2);
    EXPECT_EQ(dialogs().texts("printRange"), QStringList(3, "5"));

    // No partner: no dialog, no page.
    fiche->Imprime2();
    EXPECT_EQ(dialogs().texts("printRange").size(), 3);
    EXPECT_EQ(printer().jobs.size(), 2);
}

TEST_F(FichePrintTest, ReceiptButtonPrintsTheReceiptTotalledAndReportsFailures)
{
    fiche->Recus();
    ReceiptsPage *page = fiche->receiptsPage();
    for (int r = 0; r < 30; ++r) {
        page->setCellText(r, 0, QStringLiteral("Ligne %1").arg(r + 1));
        page->setCellText(r, 1, "2,5");
    }
    page->setReceiptLineCount(30);
    page->payerEdit(0)->setText("Payeur");
    page->printButton()->click();
    ASSERT_EQ(printer().jobs.size(), 1);
    EXPECT_EQ(printer().jobs[0].title, "Reçu");
    EXPECT_EQ(printer().last().pageCount(), 2);
    EXPECT_EQ(printer().last().findText("75,00 Euros")->page, 1);
    EXPECT_EQ(page->euroLabel()->text(), "75,00");
    EXPECT_EQ(page->cellText(0, 1).trimmed(), "2,50");

    // The record-sheet command prints the receipt too; a refused page is told.
    printer().refuseNewPageFrom = 1;
    fiche->ImpFiche();
    EXPECT_EQ(dialogs().texts("error"), QStringList{pageFailedText()});
    printer().available = false;
    fiche->ImpEnv();
    EXPECT_EQ(dialogs().texts("error").last(), noPrinterText());
    EXPECT_EQ(dialogs().texts("message"), QStringList{"Insérez une enveloppe dans l'imprimante"});
}

TEST_F(FichePrintTest, PageSetUpStoresOnlyWhatOkChose)
{
    SettingsFiles &s = fiche->settings();
    s.PaperType = 7;
    bool defaults = false;
    {
        ModalWatcher watcher([&](QWidget *w) {
            EXPECT_EQ(w->windowTitle(), "Mise en page");
            defaults = w->findChild<QRadioButton *>()->isChecked();
            w->findChild<QCheckBox *>("CheckBox1")->setChecked(true);
            w->close();
        });
        fiche->ParM();
    }
    EXPECT_TRUE(defaults);
    EXPECT_EQ(QList<int>({s.PaperType, s.EnvOrientation, s.EnvGuide}), QList<int>({7, 0, 0}));

    ModalWatcher ok([](QWidget *w) {
        w->findChild<QGroupBox *>("RadioGroup1")->findChildren<QRadioButton *>()[1]->setChecked(true);
        w->findChild<QCheckBox *>("CheckBox1")->setChecked(true);
        w->findChild<QPushButton *>("Button2")->click();
    });
    fiche->ParM();
    EXPECT_EQ(QList<int>({s.PaperType, s.EnvOrientation, s.EnvGuide}), QList<int>({1, 0, 100}));

    TMPage dialog;
    dialog.Init(1, 1, true);
    EXPECT_TRUE(dialog.findChild<QCheckBox *>("CheckBox1")->isChecked());
    int paper = 0, orientation = 0;
    bool guide = false;
    dialog.Result(&paper, &orientation, &guide);
    EXPECT_EQ(orientation, -1);
}

TEST_F(FichePrintTest, CardAsPdfAsksBeforeReplacingAFile)
{
    loadMembers(1);
    QTemporaryDir dir;
    const QString file = dir.filePath("carte.pdf");
    ASSERT_TRUE(TextFile::writeBytes(file, "ancien"));
    dialogs().saveAnswers = {file, file};
    dialogs().okCancelAnswers = {false, true};
    fiche->CartePdf();
    QByteArray bytes;
    TextFile::readBytes(file, &bytes);
    EXPECT_EQ(bytes, "ancien");
    fiche->CartePdf();
    TextFile::readBytes(file, &bytes);
    EXPECT_TRUE(bytes.startsWith("%PDF-1.4") && bytes.contains("/Size 23"));
    EXPECT_EQ(dialogs().texts("save"), QStringList(2, "Fichier pdf (*.pdf)"));
}
