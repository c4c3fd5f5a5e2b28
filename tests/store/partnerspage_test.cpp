// The partners page: fields to block and back through the store files, codes,
// appending and deleting, the keys, and the partners' own copy buffer.

#include "core/cp1252.h"
#include "core/textfile.h"
#include "store/ui/datedgrid.h"
#include "store/ui/partnerspage.h"
#include "store/ui/tfiche.h"
#include "support/fakedialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

QString open(int n) { return QStringLiteral("<BLOC%1>").arg(n, 4, 10, QLatin1Char('0')); }
QString close(int n) { return QStringLiteral("</BLOC%1>").arg(n, 4, 10, QLatin1Char('0')); }

// A partner block written by hand: code, company, town, the other fixed lines
// empty, then the given "MEMO" and "DATA" lines.
QStringList partner(int n, const QString &code, const QString &company, const QString &town = QString(),
                    const QStringList &extra = {})
{
    QStringList l{open(n), code, company};
    for (int p = 3; p <= 12; ++p)
        l << (p == 8 ? town : QString());
    return l + extra + QStringList{close(n)};
}

QByteArray fileBytes(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += Cp1252::encode(l) + "\r\n";
    return out;
}

// What the user does: text put in through the field's own editing, which
// runs its validator and tells the page.
void typeInto(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    edit->insert(text);
}

class PartnersPageTest : public VelmoraTest
{
protected:
    void SetUp() override
    {
        VelmoraTest::SetUp();
        fiche = std::make_unique<TFiche>();
        fiche->Partenaires();
        // Leaving the members page of a new store may write its member: the
        // tests start from an unchanged store.
        fiche->store().StoreModified = false;
    }
    void TearDown() override
    {
        fiche.reset();
        VelmoraTest::TearDown();
    }

    PartnersPage *page() const { return fiche->partnersPage(); }
    QLineEdit *edit(const char *name) const
    {
        auto *e = page()->findChild<QLineEdit *>(QLatin1String(name));
        EXPECT_NE(e, nullptr) << name;
        return e;
    }
    RecordStore &store() { return fiche->store(); }
    KindState &partners() { return store().state(Kind::Partner); }

    // Partner blocks put straight into the list, as a loaded file would be.
    void setPartners(const QStringList &lines)
    {
        store().PartnerLines().setStringList(lines);
        partners().count = store().countTags(Kind::Partner);
        partners().current = 0;
        fiche->LitPartenaire();
    }
    QString companyOf(int block) const
    {
        const auto data = fiche->store().readBlock(Kind::Partner, block);
        return data ? data->fixed.value(1) : QStringLiteral("<none>");
    }

    std::unique_ptr<TFiche> fiche;
};

// ---- Round trip ------------------------------------------------------------------

TEST_F(PartnersPageTest, EveryFieldGoesToThePartnerFileAndComesBack)
{
    const QStringList values{QStringLiteral("Boulangerie Lefèvre"), QStringLiteral("Lefèvre"),
                             QStringLiteral("Hélène"),              QStringLiteral("12 rue des Ormes"),
                             QStringLiteral("Bât. B"),              QStringLiteral("44000"),
                             QStringLiteral("Nantes"),              QStringLiteral("02 40 00 00 00"),
                             QStringLiteral("02 40 00 00 01"),      QStringLiteral("www.lefevre.fr"),
                             QStringLiteral("h@lefevre.fr")};
    EXPECT_EQ(edit("Edit16")->text(), QStringLiteral("10001"));
    for (int p = 2; p <= 12; ++p)
        typeInto(page()->field(p), values[p - 2]);
    page()->remarks()->insertPlainText(QStringLiteral("Fournisseur du gala\nRemise 5 % — à revoir"));
    DatedGrid *grid = page()->datedGrid();
    grid->picker()->setDate(QDate(2026, 3, 2));
    typeInto(grid->labelEdit(), QStringLiteral("Don"));
    typeInto(grid->amountEdit(), QStringLiteral("150"));
    grid->okButton()->click();

    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("club.adh"));
    ASSERT_TRUE(fiche->Sauve(name));

    QStringList expected{open(0), QStringLiteral("10001")};
    expected += values;
    expected << QStringLiteral("MEMOFournisseur du gala") << QStringLiteral("MEMORemise 5 % — à revoir")
             << QStringLiteral("DATA02/03/2026\tDon\t150,00") << close(0);
    QByteArray bytes;
    ASSERT_TRUE(TextFile::readBytes(dir.filePath(QStringLiteral("club.par")), &bytes));
    EXPECT_EQ(bytes, fileBytes(expected));

    TFiche other;
    ASSERT_TRUE(other.Charge(name));
    other.Partenaires();
    PartnersPage *reread = other.partnersPage();
    EXPECT_EQ(reread->field(1)->text(), QStringLiteral("10001"));
    for (int p = 2; p <= 12; ++p)
        EXPECT_EQ(reread->field(p)->text(), values[p - 2]) << "position " << p;
    EXPECT_EQ(reread->remarks()->toPlainText(), QStringLiteral("Fournisseur du gala\nRemise 5 % — à revoir"));
    EXPECT_EQ(reread->datedGrid()->row(0),
              (QStringList{QStringLiteral("02/03/2026"), QStringLiteral("Don"), QStringLiteral("150,00")}));
    EXPECT_EQ(reread->datedGrid()->row(1), (QStringList{QString(), QString(), QString()}));
    EXPECT_FALSE(other.store().StoreModified);
    EXPECT_FALSE(other.store().state(Kind::Partner).edited);
}

TEST_F(PartnersPageTest, APastedLineBreakDoesNotSplitTheBlock)
{
    typeInto(page()->field(2), QStringLiteral("Ligne un\nLigne deux"));
    typeInto(page()->field(8), QStringLiteral("Nantes"));
    fiche->EcritPartenaire();
    const auto block = store().readBlock(Kind::Partner, 0);
    ASSERT_TRUE(block);
    EXPECT_EQ(block->fixed.value(1), QStringLiteral("Ligne un Ligne deux"));
    EXPECT_EQ(block->fixed.value(7), QStringLiteral("Nantes"));
    EXPECT_EQ(store().PartnerLines().size(), 14);
}

// ---- Codes and flags ---------------------------------------------------------------

TEST_F(PartnersPageTest, CodesFollowTheHighestPartnerCodeOnly)
{
    // Members with higher numbers do not move the partner codes.
    store().MemberLines().setStringList({open(0), QStringLiteral("10050"), QStringLiteral("M."), close(0)});
    store().state(Kind::Member).count = 1;
    fiche->LitPartenaire();
    EXPECT_EQ(page()->field(1)->text(), QStringLiteral("10001"));

    setPartners(partner(0, QStringLiteral("10001"), QStringLiteral("Alpha"))
                + partner(1, QStringLiteral("10007"), QStringLiteral("Beta"))
                + partner(2, QString(), QStringLiteral("Sans code")));
    fiche->Dernier();
    EXPECT_EQ(page()->field(2)->text(), QStringLiteral("Sans code"));
    EXPECT_EQ(page()->field(1)->text(), QStringLiteral("10008"));
    fiche->Ajout();
    EXPECT_EQ(partners().current, 3);
    EXPECT_EQ(page()->field(1)->text(), QStringLiteral("10008"));
    EXPECT_TRUE(page()->field(2)->text().isEmpty());
}

TEST_F(PartnersPageTest, TypingMarksThePartnerAndTheStoreAndReadingClearsIt)
{
    setPartners(partner(0, QStringLiteral("10001"), QStringLiteral("Alpha"))
                + partner(1, QStringLiteral("10002"), QStringLiteral("Beta")));
    EXPECT_FALSE(partners().edited);
    EXPECT_FALSE(store().StoreModified);

    // Even the code, which has no input filter, counts as typing.
    typeInto(page()->field(1), QStringLiteral("A-12"));
    EXPECT_EQ(page()->field(1)->text(), QStringLiteral("A-12"));
    EXPECT_TRUE(partners().edited);
    EXPECT_TRUE(store().StoreModified);

    fiche->LitPartenaire();
    EXPECT_FALSE(partners().edited);

    store().StoreModified = false;
    page()->remarks()->insertPlainText(QStringLiteral("x"));
    EXPECT_TRUE(partners().edited);
    EXPECT_TRUE(store().StoreModified);
}

// ---- Keys -----------------------------------------------------------------------

TEST_F(PartnersPageTest, NavigationKeysWorkFromThePartnerFields)
{
    setPartners(partner(0, QStringLiteral("10001"), QStringLiteral("Alpha"))
                + partner(1, QStringLiteral("10002"), QStringLiteral("Beta"))
                + partner(2, QStringLiteral("10003"), QStringLiteral("Gamma")));
    QTest::keyClick(page()->field(5), Qt::Key_PageDown);
    EXPECT_EQ(page()->field(2)->text(), QStringLiteral("Beta"));
    QTest::keyClick(page()->remarks(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(page()->field(2)->text(), QStringLiteral("Gamma"));
    QTest::keyClick(page()->field(12), Qt::Key_PageUp);
    EXPECT_EQ(page()->field(2)->text(), QStringLiteral("Beta"));
    QTest::keyClick(page()->field(2), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(page()->field(2)->text(), QStringLiteral("Alpha"));
    // Home alone stays in the field.
    QTest::keyClick(page()->field(2), Qt::Key_Home);
    EXPECT_EQ(partners().current, 0);
}

// ---- Appending and deleting ------------------------------------------------------------

TEST_F(PartnersPageTest, AnAppendedPartnerIsWrittenOnlyOnceTypedInto)
{
    setPartners(partner(0, QStringLiteral("10001"), QStringLiteral("Alpha")));
    fiche->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fiche.get()));
    fiche->Ajout();
    EXPECT_EQ(partners().count, 2);
    EXPECT_EQ(partners().current, 1);
    EXPECT_EQ(page()->field(1)->text(), QStringLiteral("10002"));
    EXPECT_EQ(QApplication::focusWidget(), edit("Edit17"));

    fiche->Premier();
    EXPECT_FALSE(store().readBlock(Kind::Partner, 1));

    fiche->Dernier();
    typeInto(page()->field(2), QStringLiteral("Delta"));
    fiche->Premier();
    EXPECT_EQ(companyOf(1), QStringLiteral("Delta"));
    EXPECT_EQ(store().readBlock(Kind::Partner, 1)->fixed.value(0), QStringLiteral("10002"));
}

TEST_F(PartnersPageTest, DeletingClosesTheGapAndShowsTheNextPartner)
{
    setPartners(partner(0, QStringLiteral("10001"), QStringLiteral("Alpha"))
                + partner(1, QStringLiteral("10002"), QStringLiteral("Beta"))
                + partner(2, QStringLiteral("10003"), QStringLiteral("Gamma")));
    fiche->Suivant();
    fiche->Supprime();
    EXPECT_EQ(partners().count, 2);
    EXPECT_EQ(partners().current, 1);
    EXPECT_EQ(page()->field(2)->text(), QStringLiteral("Gamma"));
    EXPECT_EQ(page()->field(1)->text(), QStringLiteral("10003"));
    EXPECT_EQ(companyOf(0), QStringLiteral("Alpha"));
    EXPECT_FALSE(store().readBlock(Kind::Partner, 2));
    EXPECT_TRUE(store().StoreModified);

    fiche->Supprime();
    EXPECT_EQ(partners().current, 0);
    EXPECT_EQ(page()->field(2)->text(), QStringLiteral("Alpha"));
}

// ---- Copy and paste ----------------------------------------------------------------

TEST_F(PartnersPageTest, PasteGivesTheCopiedTextsAndTheNextCode)
{
    setPartners(partner(0, QStringLiteral("10001"), QStringLiteral("Alpha"), QStringLiteral("Brest")));
    // Nothing copied yet: the partner is left alone.
    fiche->Coller();
    EXPECT_EQ(page()->field(1)->text(), QStringLiteral("10001"));
    EXPECT_EQ(page()->field(2)->text(), QStringLiteral("Alpha"));
    EXPECT_FALSE(partners().edited);

    typeInto(page()->field(12), QStringLiteral("contact@alpha.fr"));
    fiche->Copier();
    fiche->Ajout();
    store().StoreModified = false;
    partners().edited = false;
    fiche->Coller();
    EXPECT_EQ(page()->field(1)->text(), QStringLiteral("10002"));
    EXPECT_EQ(page()->field(2)->text(), QStringLiteral("Alpha"));
    EXPECT_EQ(page()->field(8)->text(), QStringLiteral("Brest"));
    EXPECT_EQ(page()->field(12)->text(), QStringLiteral("contact@alpha.fr"));
    EXPECT_TRUE(partners().edited);
    EXPECT_TRUE(store().StoreModified);
    fiche->Premier();
    EXPECT_EQ(companyOf(1), QStringLiteral("Alpha"));
    EXPECT_EQ(store().readBlock(Kind::Partner, 1)->fixed.value(0), QStringLiteral("10002"));
}

TEST_F(PartnersPageTest, ThePartnerBufferIsNotTheMemberBuffer)
{
    setPartners(partner(0, QStringLiteral("10001"), QStringLiteral("Alpha"), QStringLiteral("Brest")));
    fiche->Copier();

    fiche->Adherents();
    QWidget *members = fiche->page(Kind::Member);
    auto *name = members->findChild<QLineEdit *>(QStringLiteral("Edit2"));
    auto *town = members->findChild<QLineEdit *>(QStringLiteral("Edit7"));
    ASSERT_TRUE(name && town);
    typeInto(name, QStringLiteral("Dupont"));
    typeInto(town, QStringLiteral("Paris"));
    fiche->Copier();
    fiche->Ajout();
    fiche->Coller();
    EXPECT_EQ(name->text(), QStringLiteral("Dupont"));
    EXPECT_EQ(town->text(), QStringLiteral("Paris"));

    fiche->Partenaires();
    fiche->Ajout();
    fiche->Coller();
    EXPECT_EQ(page()->field(2)->text(), QStringLiteral("Alpha"));
    EXPECT_EQ(page()->field(8)->text(), QStringLiteral("Brest"));
}

} // namespace
