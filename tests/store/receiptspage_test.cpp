#include "core/textfile.h"
#include "store/ui/receiptspage.h"
#include "store/ui/tfiche.h"

#include "support/fakedialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

BlockData receipt(const QString &payer, const QList<QStringList> &rows = {})
{
    return BlockData{{QStringLiteral("NUMR202603001"), QStringLiteral("10/03/2026"), QStringLiteral("Espèces"),
                      QStringLiteral("Reçu"), payer, QString(), QString(), QString()},
                     {},
                     rows};
}

class ReceiptsPageTest : public VelmoraTest
{
protected:
    void SetUp() override
    {
        VelmoraTest::SetUp();
        fiche = std::make_unique<TFiche>();
        fiche->resize(1000, 700);
        fiche->show();
        fiche->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fiche.get()));
        fiche->Recus();
        page = fiche->receiptsPage();
    }
    void TearDown() override
    {
        fiche.reset();
        VelmoraTest::TearDown();
    }

    RecordStore &store() { return fiche->store(); }
    KindState &receipts() { return store().state(Kind::Receipt); }

    // Receipts stored as blocks 0, 1, 2 ... in list order, the first one shown.
    void storeReceipts(const QList<BlockData> &blocks)
    {
        QStringList lines;
        for (int n = 0; n < blocks.size(); ++n)
            lines += RecordStore::blockLines(Kind::Receipt, n, blocks[n]);
        receipts().lines.setStringList(lines);
        receipts().count = int(blocks.size());
        receipts().current = 0;
        store().StoreModified = false;
        fiche->LitRecu();
    }
    QStringList payersInListOrder()
    {
        QStringList out;
        const RecordList &l = receipts().lines;
        for (int i = 0; i + 5 < l.size(); ++i)
            if (l.at(i).startsWith(QLatin1String("<BLOC")))
                out << l.at(i + 5);
        return out;
    }

    QTableWidget *grid() const { return page->grid(); }
    QWidget *focus() const { return QApplication::focusWidget(); }
    void enterCell(int row, int column)
    {
        grid()->setFocus();
        grid()->setCurrentCell(row, column);
        ASSERT_TRUE(qobject_cast<QLineEdit *>(focus()) && grid()->isAncestorOf(focus())) << "the cell editor is open";
    }
    void type(const QString &text) { QTest::keyClicks(focus(), text); }
    void key(Qt::Key k) { QTest::keyClick(focus(), k); }
    QString cell(int row, int column) const { return page->cellText(row, column); }
    void expectCursor(int row, int column)
    {
        EXPECT_EQ(grid()->currentRow(), row);
        EXPECT_EQ(grid()->currentColumn(), column);
    }

    std::unique_ptr<TFiche> fiche;
    ReceiptsPage *page = nullptr;
};

TEST_F(ReceiptsPageTest, NamesItsComponents)
{
    EXPECT_EQ(page->objectName(), QStringLiteral("TabSheet4"));
    for (const char *name : {"MaskEdit3", "DateTimePicker8", "ComboBox4", "ComboBox5", "Panel4", "Edit40", "Edit41",
                             "Edit42", "Edit43", "Panel6", "StringGrid4", "Label49", "Label50", "Label52", "Button2",
                             "Button4"})
        EXPECT_NE(page->findChild<QWidget *>(QLatin1String(name)), nullptr) << name;
    EXPECT_EQ(page->numberEdit()->inputMask(), QStringLiteral("#########;_"));
    EXPECT_EQ(page->kindCombo()->itemText(2), QStringLiteral("Avoir     "));
    EXPECT_EQ(grid()->horizontalHeaderItem(0)->text(), QStringLiteral("Désignation"));
    EXPECT_EQ(grid()->rowCount(), 63);
}

TEST_F(ReceiptsPageTest, FollowsTheSizeOfTheWindow)
{
    fiche->resize(1100, 760);
    QApplication::processEvents();
    EXPECT_EQ(page->findChild<QFrame *>(QStringLiteral("Panel4"))->x(), page->width() - 314);
    EXPECT_EQ(page->findChild<QFrame *>(QStringLiteral("Panel6"))->height(), page->height() - 190);
    EXPECT_EQ(grid()->columnWidth(1), 120);
    EXPECT_EQ(grid()->columnWidth(0), page->width() - 164);
}

TEST_F(ReceiptsPageTest, ReadsAStoredReceipt)
{
    BlockData b{{QStringLiteral("NUMA  202602004 "), QStringLiteral("01/02/2026"), QStringLiteral("Mandat"),
                 QStringLiteral("Avoir     "), QStringLiteral("Mairie"), QString(), QString(),
                 QStringLiteral("45000 Orléans")},
                {},
                {{QStringLiteral("Location salle"), QStringLiteral("100")},
                 {QStringLiteral("Ménage forfait"), QStringLiteral("abc")}}};
    storeReceipts({b});
    EXPECT_EQ(page->numberEdit()->text(), QStringLiteral("202602004"));
    EXPECT_EQ(page->datePicker()->date(), QDate(2026, 2, 1));
    EXPECT_EQ(page->modeCombo()->currentText(), QStringLiteral("Mandat"));
    EXPECT_EQ(page->kindCombo()->currentIndex(), 2);
    EXPECT_EQ(page->payerEdit(3)->text(), QStringLiteral("45000 Orléans"));
    EXPECT_EQ(cell(0, 1), fiche->Rset(QStringLiteral("100,00"), 90));
    EXPECT_EQ(cell(1, 1), QStringLiteral("abc"));
    EXPECT_EQ(page->ReceiptLineCount(), 3);
    EXPECT_EQ(page->francLabel()->text(), QStringLiteral("655,96"));
    EXPECT_EQ(page->wordsLabel()->text(), QStringLiteral("Cent Euros -  zéro Cts"));
    EXPECT_FALSE(receipts().edited);
    EXPECT_FALSE(store().StoreModified);

    page->payerEdit(1)->setFocus();
    type(QStringLiteral("Place"));
    fiche->EcritRecu();
    const BlockData back = *store().readBlock(Kind::Receipt, 0);
    EXPECT_EQ(back.fixed[0], QStringLiteral("NUMA202602004"));
    EXPECT_EQ(back.fixed[3], QStringLiteral("Avoir     "));
    EXPECT_EQ(back.fixed[5], QStringLiteral("Place")) << "a changed payer is written back";
}

TEST_F(ReceiptsPageTest, CreerInANewStoreGivesBlockZero)
{
    EXPECT_EQ(page->numberEdit()->text(), QStringLiteral("202603001"));
    page->Button2Click();
    page->Button2Click();
    EXPECT_EQ(receipts().current, 0) << "a receipt never written is not skipped";
    EXPECT_EQ(focus(), page->payerEdit(0));
    type(QStringLiteral("Durand"));
    fiche->EcritRecu();
    EXPECT_EQ(store().readBlock(Kind::Receipt, 0)->fixed[0], QStringLiteral("NUMR202603001"));
    EXPECT_EQ(receipts().count, 1);
}

TEST_F(ReceiptsPageTest, NouvRecuFillsThePayerFromTheMemberShown)
{
    BlockData m;
    m.fixed = QStringList(17, QString());
    m.fixed[2] = QStringLiteral("Dupont");
    m.fixed[3] = QStringLiteral("Jean");
    m.fixed[4] = QStringLiteral("3 rue Haute");
    m.fixed[6] = QStringLiteral("45000");
    m.fixed[7] = QStringLiteral("Orléans");
    store().writeBlock(Kind::Member, 0, m);

    page->NouvRecu();
    EXPECT_EQ(receipts().current, 0);
    EXPECT_EQ(page->payerEdit(0)->text(), QStringLiteral("Dupont Jean"));
    EXPECT_EQ(page->payerEdit(1)->text(), QStringLiteral("3 rue Haute"));
    EXPECT_EQ(page->payerEdit(3)->text(), QStringLiteral("45000 Orléans"));
    EXPECT_EQ(focus(), page->payerEdit(0));
    EXPECT_FALSE(receipts().edited) << "kept only once the user changes it";

    enterCell(0, 0);
    type(QStringLiteral("Cotisation"));
    page->NouvRecu();
    EXPECT_EQ(receipts().current, 1);
    EXPECT_EQ(page->numberEdit()->text(), QStringLiteral("202603002"));
    EXPECT_EQ(page->ReceiptLineCount(), 0) << "no line of the receipt shown before stays in use";
    EXPECT_EQ(store().readBlock(Kind::Receipt, 0)->fixed[4], QStringLiteral("Dupont Jean"));
}

TEST_F(ReceiptsPageTest, TypingLinesTotalsThemAndMovesDown)
{
    QSignalSpy spy(fiche.get(), &TFiche::receiptGridActiveChanged);
    enterCell(0, 0);
    EXPECT_TRUE(page->ReceiptGridActive());
    type(QStringLiteral("Cotisation"));
    EXPECT_TRUE(receipts().edited);
    EXPECT_TRUE(store().StoreModified);
    key(Qt::Key_Tab);
    expectCursor(0, 1);
    type(QStringLiteral("10.5"));
    EXPECT_EQ(cell(0, 1), QStringLiteral("10,5"));
    key(Qt::Key_Return);
    EXPECT_EQ(cell(0, 1), fiche->Rset(QStringLiteral("10,50"), 90));
    expectCursor(1, 0);

    type(QStringLiteral("Don"));
    key(Qt::Key_Tab);
    type(QStringLiteral("2"));
    key(Qt::Key_Tab); // acts as Enter in the amount
    EXPECT_EQ(page->euroLabel()->text(), QStringLiteral("12,50"));
    EXPECT_EQ(page->francLabel()->text(), QStringLiteral("81,99"));
    EXPECT_EQ(page->wordsLabel()->text(), QStringLiteral("Douze Euros -  cinquante Cts"));
    expectCursor(2, 0);
    EXPECT_EQ(page->ReceiptLineCount(), 2);

    page->payerEdit(0)->setFocus();
    EXPECT_FALSE(page->ReceiptGridActive());
    ASSERT_EQ(spy.count(), 2);
    EXPECT_TRUE(spy.at(0).at(0).toBool());
    EXPECT_FALSE(spy.at(1).at(0).toBool());
}

TEST_F(ReceiptsPageTest, ADesignationTakesAt41Characters)
{
    enterCell(0, 0);
    type(QString(45, QLatin1Char('a')));
    EXPECT_EQ(cell(0, 0).size(), 41);
    auto *editor = qobject_cast<QLineEdit *>(focus());
    editor->selectAll();
    editor->insert(QString(60, QLatin1Char('b')));
    EXPECT_EQ(cell(0, 0), QString(41, QLatin1Char('b'))) << "pasting too";

    const QString stored(50, QLatin1Char('x'));
    storeReceipts({receipt(QStringLiteral("A"), {{stored, QStringLiteral("1")}})});
    enterCell(0, 0);
    type(QStringLiteral("y"));
    EXPECT_EQ(cell(0, 0), stored) << "a longer stored text is neither cut nor lengthened";
}

TEST_F(ReceiptsPageTest, EnterStopsMovingDownOnceTwentyLinesAreInUse)
{
    enterCell(18, 1);
    type(QStringLiteral("1"));
    key(Qt::Key_Return);
    expectCursor(19, 0);
    enterCell(19, 1);
    type(QStringLiteral("1"));
    key(Qt::Key_Return);
    EXPECT_EQ(page->ReceiptLineCount(), 20);
    expectCursor(19, 0);

    enterCell(5, 1);
    key(Qt::Key_Return);
    expectCursor(5, 0);
    EXPECT_EQ(page->euroLabel()->text(), QStringLiteral("2,00"));
}

TEST_F(ReceiptsPageTest, SupLigne1DeletesTheLineOfTheCursorInTheGridOnly)
{
    storeReceipts({receipt(QStringLiteral("A"), {{QStringLiteral("Ligne un"), QStringLiteral("1")},
                                                {QStringLiteral("Ligne deux"), QStringLiteral("2")},
                                                {QStringLiteral("Ligne trois"), QStringLiteral("3")}})});
    grid()->setCurrentCell(1, 0);
    page->payerEdit(0)->setFocus();
    page->SupLigne1();
    EXPECT_EQ(cell(1, 0), QStringLiteral("Ligne deux"));
    EXPECT_FALSE(receipts().edited);

    enterCell(1, 1);
    page->SupLigne1();
    EXPECT_EQ(cell(1, 0), QStringLiteral("Ligne trois"));
    EXPECT_EQ(cell(2, 0), QString());
    EXPECT_EQ(page->ReceiptLineCount(), 3);
    EXPECT_TRUE(receipts().edited);
    EXPECT_TRUE(store().StoreModified);
}

TEST_F(ReceiptsPageTest, WritingAReceiptBackMovesItsBlockToTheEnd)
{
    storeReceipts({receipt(QStringLiteral("A")), receipt(QStringLiteral("B")), receipt(QStringLiteral("C"))});
    fiche->Suivant();
    EXPECT_EQ(payersInListOrder(), (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    enterCell(0, 0);
    type(QStringLiteral("Adhesion 2026"));
    key(Qt::Key_PageUp); // the record window's keys work from a line too
    EXPECT_EQ(receipts().current, 0);
    EXPECT_EQ(payersInListOrder(), (QStringList{QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("B")}));
    EXPECT_EQ(store().readBlock(Kind::Receipt, 1)->rows.value(0).value(0), QStringLiteral("Adhesion 2026"));
}

TEST_F(ReceiptsPageTest, NextAndLastWithoutASecondReceiptOnlyWriteBack)
{
    page->payerEdit(0)->setFocus();
    type(QStringLiteral("Martin"));
    fiche->Suivant();
    EXPECT_EQ(receipts().count, 1);
    EXPECT_EQ(store().readBlock(Kind::Receipt, 0)->fixed[4], QStringLiteral("Martin"));
    EXPECT_TRUE(receipts().edited) << "not read again";

    page->payerEdit(1)->setFocus();
    type(QStringLiteral("Rue"));
    fiche->Dernier();
    EXPECT_EQ(receipts().current, 0);
    EXPECT_EQ(store().readBlock(Kind::Receipt, 0)->fixed[5], QStringLiteral("Rue"));
    EXPECT_EQ(store().countTags(Kind::Receipt), 1);
}

TEST_F(ReceiptsPageTest, SupRecuDeletesTheReceiptAndClosesTheGap)
{
    storeReceipts({receipt(QStringLiteral("A")), receipt(QStringLiteral("B")), receipt(QStringLiteral("C"))});
    fiche->Suivant();
    page->SupRecu();
    EXPECT_TRUE(store().StoreModified);
    EXPECT_EQ(receipts().count, 2);
    EXPECT_EQ(page->payerEdit(0)->text(), QStringLiteral("C"));
    EXPECT_EQ(store().readBlock(Kind::Receipt, 1)->fixed[4], QStringLiteral("C"));
    page->SupRecu();
    EXPECT_EQ(receipts().current, 0);
    EXPECT_EQ(page->payerEdit(0)->text(), QStringLiteral("A"));
}

TEST_F(ReceiptsPageTest, RowsOfNineAndTenCharactersSurviveSavingAndLoading)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("club.adh"));
    page->payerEdit(0)->setFocus();
    type(QStringLiteral("Durand"));
    page->setCellText(0, 0, QStringLiteral("Dons")); // 9 characters after "FACT"
    page->setCellText(0, 1, QStringLiteral("1234"));
    page->setCellText(1, 0, QStringLiteral("Adhé")); // 10 characters after "FACT"
    page->setCellText(1, 1, QStringLiteral("12,50"));
    page->setReceiptLineCount(2);
    ASSERT_TRUE(fiche->Sauve(name));

    QByteArray bytes;
    QString error;
    ASSERT_TRUE(TextFile::readBytes(dir.filePath(QStringLiteral("club.rcu")), &bytes, &error));
    EXPECT_TRUE(bytes.contains("FACTDons\t1234\r\nFACTAdh\xe9\t12,50\r\n"));

    TFiche other;
    ASSERT_TRUE(other.Charge(name));
    other.Recus();
    ReceiptsPage *back = other.receiptsPage();
    EXPECT_EQ(back->cellText(0, 0), QStringLiteral("Dons"));
    EXPECT_EQ(back->cellText(1, 0), QStringLiteral("Adhé"));
    EXPECT_EQ(back->ReceiptLineCount(), 3);
    EXPECT_EQ(back->euroLabel()->text(), QStringLiteral("1246,50"));
}

} // namespace
