// The partners page: fields to block and back, codes, appending and deleting,
// the keys, and the partners' own copy buffer.

#include "fiche/datedgrid.h"
#include "fiche/memberspage.h"
#include "fiche/partnerspage.h"
#include "support/recordpages.h"

#include <gtest/gtest.h>

#include <QDateEdit>
#include <QPlainTextEdit>
#include <QToolButton>

namespace {

class PartnersPageTest : public FicheTest
{
protected:
    void SetUp() override
    {
        FicheTest::SetUp();
        fiche->Partenaires();
        // Leaving the members page of a new store may write its member: the
        // tests start from an unchanged store.
        store().markSaved();
    }

    PartnersPage *page() const { return fiche->partnersPage(); }
    QLineEdit *field(int position) const { return page()->field(position); }
    KindState &partners() { return state(Kind::Partner); }
    // Partners "Alpha", "Beta", "Gamma" of Brest, coded 10001, 10002, 10003.
    void loadPartners(int n)
    {
        const QStringList names{"Alpha", "Beta", "Gamma"};
        QStringList lines;
        for (int i = 0; i < n; ++i)
            lines += partnerBlock(i, QString::number(10001 + i), names[i], "Brest");
        load(Kind::Partner, lines);
    }
    QString companyOf(int n) { return stored(Kind::Partner, n, 2); }
};

TEST_F(PartnersPageTest, EveryFieldGoesToTheBlockAndComesBack)
{
    const QStringList values{"A-12",    "Boulangerie Lefèvre", "Lefèvre",        "Hélène",
                             "12 rue des Ormes", "Bât. B", "44000", "Nantes", "02 40 00 00 00",
                             "02 40 00 00 01", "www.lefevre.fr", "h@lefevre.fr"};
    const QString memo = "Fournisseur du gala\nRemise 5 % — à revoir";
    EXPECT_EQ(fiche->findChild<QLineEdit *>("Edit16")->text(), "10001");
    // The code has no input filter, and typing in it is typing too.
    typeInto(field(1), values[0]);
    EXPECT_TRUE(partners().edited && store().TestModif());
    partners().edited = false;
    store().markSaved();
    page()->remarks()->insertPlainText(memo);
    EXPECT_TRUE(partners().edited && store().TestModif());
    for (int p = 2; p <= 12; ++p)
        typeInto(field(p), values[p - 1]);
    DatedGrid *grid = page()->datedGrid();
    grid->picker()->setDate(QDate(2026, 3, 2));
    typeInto(grid->labelEdit(), "Don");
    typeInto(grid->amountEdit(), "150");
    grid->okButton()->click();

    fiche->EcritPartenaire();
    const QStringList written = block(0, values + QStringList{"MEMOFournisseur du gala", "MEMORemise 5 % — à revoir",
                                                              "DATA02/03/2026\tDon\t150,00"});
    EXPECT_EQ(store().PartnerLines().toStringList(), written);

    // Read into an emptied page.
    load(Kind::Partner, {});
    load(Kind::Partner, written);
    for (int p = 1; p <= 12; ++p)
        EXPECT_EQ(field(p)->text(), values[p - 1]) << "position " << p;
    EXPECT_EQ(page()->remarks()->toPlainText(), memo);
    EXPECT_EQ(page()->datedGrid()->row(0), (QStringList{"02/03/2026", "Don", "150,00"}));
    EXPECT_FALSE(partners().edited);
}

TEST_F(PartnersPageTest, APastedLineBreakDoesNotSplitTheBlock)
{
    typeInto(field(2), "Ligne un\nLigne deux");
    fiche->EcritPartenaire();
    EXPECT_EQ(companyOf(0), "Ligne un Ligne deux");
    EXPECT_EQ(store().PartnerLines().size(), 14);
}

TEST_F(PartnersPageTest, AnAppendedPartnerIsWrittenOnlyOnceTypedInto)
{
    load(Kind::Partner, partnerBlock(0, "10001", "Alpha") + partnerBlock(1, "10007", "Beta")
                            + partnerBlock(2, "", "Sans code"));
    showFiche();
    // A partner without a code is shown with the next one.
    fiche->Dernier();
    EXPECT_EQ(field(2)->text(), "Sans code");
    EXPECT_EQ(field(1)->text(), "10008");
    fiche->Ajout();
    EXPECT_EQ(partners().count, 4);
    EXPECT_EQ(partners().current, 3);
    EXPECT_EQ(field(1)->text(), "10008");
    EXPECT_TRUE(field(2)->text().isEmpty());
    EXPECT_TRUE(field(2)->hasFocus());

    fiche->Premier();
    EXPECT_FALSE(store().readBlock(Kind::Partner, 3));
    fiche->Dernier();
    typeInto(field(2), "Delta");
    fiche->Premier();
    EXPECT_EQ(companyOf(3), "Delta");
    EXPECT_EQ(stored(Kind::Partner, 3, 1), "10008");
}

TEST_F(PartnersPageTest, KeysMoveAndDeletingClosesTheGap)
{
    loadPartners(3);
    QTest::keyClick(field(5), Qt::Key_PageDown);
    EXPECT_EQ(field(2)->text(), "Beta");
    QTest::keyClick(page()->remarks(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(field(2)->text(), "Gamma");
    QTest::keyClick(field(12), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(field(2)->text(), "Alpha");
    for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp})
        QTest::keyClick(field(2), key);
    EXPECT_EQ(field(2)->text(), "Beta");

    fiche->Supprime();
    EXPECT_EQ(partners().count, 2);
    EXPECT_EQ(field(2)->text(), "Gamma");
    EXPECT_EQ(field(1)->text(), "10003");
    EXPECT_EQ(companyOf(0), "Alpha");
    EXPECT_FALSE(store().readBlock(Kind::Partner, 2));
    EXPECT_TRUE(store().TestModif());
    fiche->Supprime();
    EXPECT_EQ(partners().current, 0);
    EXPECT_EQ(field(2)->text(), "Alpha");
}

TEST_F(PartnersPageTest, PasteGivesTheCopiedTextsAndTheNextCodeFromItsOwnBuffer)
{
    loadPartners(1);
    // Nothing copied yet: the partner is left alone.
    fiche->Coller();
    EXPECT_EQ(field(2)->text(), "Alpha");
    EXPECT_FALSE(partners().edited);

    typeInto(field(12), "contact@alpha.fr");
    fiche->Copier();
    // A member copied and pasted in between leaves the partner buffer alone.
    fiche->Adherents();
    typeInto(fiche->membersPage()->field(3), "Dupont");
    fiche->Copier();
    fiche->Ajout();
    fiche->Coller();
    EXPECT_EQ(fiche->membersPage()->field(3)->text(), "Dupont");

    fiche->Partenaires();
    fiche->Ajout();
    store().markSaved();
    fiche->Coller();
    EXPECT_TRUE(partners().edited && store().TestModif());
    fiche->Premier();
    QStringList expected = partnerBlock(1, "10002", "Alpha", "Brest").mid(1, 12);
    expected[11] = "contact@alpha.fr";
    EXPECT_EQ(store().readBlock(Kind::Partner, 1)->fixed, expected);
    // Pasted onto a partner that exists, the texts take a new code too.
    fiche->Coller();
    EXPECT_EQ(field(1)->text(), "10003");
}

} // namespace
