// The receipts page's own rules: new receipts, the line grid's keys and
// totals, deleting lines and receipts.

#include "support/recordpages.h"

#include <QSignalSpy>

namespace {

BlockData receipt(const QString &payer, const QList<QStringList> &rows = {})
{
    return BlockData{{"NUMR202603001", "10/03/2026", "Espèces", "Reçu", payer, "", "", ""}, {}, rows, {}};
}

class ReceiptsPageTest : public FicheTest
{
protected:
    void SetUp() override
    {
        FicheTest::SetUp();
        showFiche();
        fiche->Recus();
        page = fiche->receiptsPage();
    }
    KindState &receipts() { return state(Kind::Receipt); }
    QString stored(int n, int line) { return store().readBlock(Kind::Receipt, n)->fixed.value(line); }
    // Receipts stored as blocks 0, 1, 2 ... in list order, the first one shown.
    void storeReceipts(const QList<BlockData> &blocks)
    {
        QStringList lines;
        for (int n = 0; n < blocks.size(); ++n)
            lines += RecordStore::blockLines(Kind::Receipt, n, blocks[n]);
        load(Kind::Receipt, lines);
    }

    QTableWidget *grid() const { return page->grid(); }
    QWidget *focus() const { return QApplication::focusWidget(); }
    // The cursor to a cell, whose editor takes the keys.
    void enterCell(int row, int column)
    {
        grid()->setFocus();
        grid()->setCurrentCell(row, column);
        ASSERT_TRUE(qobject_cast<QLineEdit *>(focus()) && grid()->isAncestorOf(focus())) << "the cell editor is open";
    }
    void type(const QString &text, QWidget *w = nullptr)
    {
        if (w)
            w->setFocus();
        QTest::keyClicks(focus(), text);
    }
    void key(Qt::Key k) { QTest::keyClick(focus(), k); }
    QString cell(int row, int column) const { return page->cellText(row, column); }
    QPoint cursor() const { return {grid()->currentRow(), grid()->currentColumn()}; }

    ReceiptsPage *page = nullptr;
};

TEST_F(ReceiptsPageTest, ShowsAStoredReceiptAndFollowsTheWindowSize)
{
    fiche->resize(1100, 760);
    QApplication::processEvents();
    EXPECT_EQ(page->findChild<QWidget *>("Panel4")->x(), page->width() - 314);
    EXPECT_EQ(page->findChild<QWidget *>("Panel6")->height(), page->height() - 190);
    EXPECT_EQ(grid()->columnWidth(1), 120);
    EXPECT_EQ(grid()->columnWidth(0), page->width() - 164);

    // The number without its kind, the kind from the list, the amounts as totalled.
    storeReceipts({BlockData{{"NUMA  202602004 ", "01/02/2026", "Mandat", "Avoir     ", "Mairie", "", "", ""},
                             {},
                             {{"Location salle", "100"}, {"Ménage forfait", "abc"}}, {}}});
    EXPECT_EQ(QStringList({page->numberEdit()->text(), page->kindCombo()->currentText(), cell(0, 1), cell(1, 1),
                           page->wordsLabel()->text()}),
              QStringList({"202602004", "Avoir     ", fiche->Rset("100,00", 90), "abc", "Cent Euros -  zéro Cts"}));
    EXPECT_EQ(page->ReceiptLineCount(), 3);
    EXPECT_FALSE(receipts().edited || store().TestModif());
    type("Place", page->payerEdit(1));
    fiche->EcritRecu();
    EXPECT_EQ(stored(0, 0), "NUMA202602004");
}

TEST_F(ReceiptsPageTest, NewReceiptsOfANewStoreStartAtBlockZero)
{
    EXPECT_EQ(page->numberEdit()->text(), "202603001");
    page->Button2Click();
    page->Button2Click();
    EXPECT_EQ(receipts().current, 0) << "a receipt never written is not skipped";
    EXPECT_EQ(focus(), page->payerEdit(0));
    type("Durand");
    fiche->EcritRecu();
    EXPECT_EQ(stored(0, 0), "NUMR202603001");
    EXPECT_EQ(receipts().count, 1);

    storeReceipts({});
    BlockData m;
    m.fixed = QStringList{"10001", "", "Dupont", "Jean", "3 rue Haute", "", "45000", "Orléans"} + QStringList(9);
    store().writeBlock(Kind::Member, 0, m);
    page->NouvRecu();
    EXPECT_EQ(receipts().current, 0);
    EXPECT_EQ(page->payerEdit(0)->text() + '|' + page->payerEdit(3)->text(), "Dupont Jean|45000 Orléans");
    EXPECT_EQ(focus(), page->payerEdit(0));
    EXPECT_FALSE(receipts().edited) << "kept only once the user changes it";

    enterCell(0, 0);
    type("Cotisation");
    page->NouvRecu();
    EXPECT_EQ(receipts().current, 1);
    EXPECT_EQ(page->numberEdit()->text(), "202603002");
    EXPECT_EQ(page->ReceiptLineCount(), 0) << "no line of the receipt shown before stays in use";
    EXPECT_EQ(stored(0, 4), "Dupont Jean");
}

TEST_F(ReceiptsPageTest, TypingLinesTotalsThemAndMovesDown)
{
    QSignalSpy spy(fiche.get(), &TFiche::receiptGridActiveChanged);
    enterCell(0, 0);
    EXPECT_TRUE(page->ReceiptGridActive());
    type("Cotisation");
    EXPECT_TRUE(receipts().edited && store().TestModif());
    key(Qt::Key_Tab);
    type("10.5");
    EXPECT_EQ(cell(0, 1), "10,5");
    key(Qt::Key_Return);
    EXPECT_EQ(cell(0, 1), fiche->Rset("10,50", 90));
    EXPECT_EQ(cursor(), QPoint(1, 0));

    type("Don");
    key(Qt::Key_Tab);
    type("2");
    key(Qt::Key_Tab); // acts as Enter in the amount
    EXPECT_EQ(QStringList({page->euroLabel()->text(), page->francLabel()->text(), page->wordsLabel()->text()}),
              QStringList({"12,50", "81,99", "Douze Euros -  cinquante Cts"}));
    EXPECT_EQ(cursor(), QPoint(2, 0));
    EXPECT_EQ(page->ReceiptLineCount(), 2);

    page->payerEdit(0)->setFocus();
    EXPECT_FALSE(page->ReceiptGridActive());
    EXPECT_EQ(spy, (QList<QVariantList>{{true}, {false}}));
}

TEST_F(ReceiptsPageTest, ADesignationTakesAt41Characters)
{
    enterCell(0, 0);
    type(QString(45, 'a'));
    EXPECT_EQ(cell(0, 0).size(), 41);
    auto *editor = qobject_cast<QLineEdit *>(focus());
    editor->selectAll();
    editor->insert(QString(60, 'b'));
    EXPECT_EQ(cell(0, 0), QString(41, 'b')) << "pasting too";

    storeReceipts({receipt("A", {{QString(50, 'x'), "1"}})});
    enterCell(0, 0);
    type("y");
    EXPECT_EQ(cell(0, 0), QString(50, 'x')) << "a longer stored text is neither cut nor lengthened";
}

TEST_F(ReceiptsPageTest, EnterStopsMovingDownOnceTwentyLinesAreInUse)
{
    for (int row : {18, 19}) {
        enterCell(row, 1);
        type("1");
        key(Qt::Key_Return);
    }
    EXPECT_EQ(page->ReceiptLineCount(), 20);
    EXPECT_EQ(cursor(), QPoint(19, 0));
    enterCell(5, 1);
    key(Qt::Key_Return);
    EXPECT_EQ(cursor(), QPoint(5, 0));
    EXPECT_EQ(page->euroLabel()->text(), "2,00");
}

TEST_F(ReceiptsPageTest, SupLigne1DeletesTheLineOfTheCursorInTheGridOnly)
{
    storeReceipts({receipt("A", {{"Ligne un", "1"}, {"Ligne deux", "2"}, {"Ligne trois", "3"}})});
    grid()->setCurrentCell(1, 0);
    page->payerEdit(0)->setFocus();
    page->SupLigne1();
    EXPECT_EQ(cell(1, 0), "Ligne deux");
    EXPECT_FALSE(receipts().edited);

    enterCell(1, 1);
    page->SupLigne1();
    EXPECT_EQ(cell(1, 0) + '|' + cell(2, 0), "Ligne trois|");
    EXPECT_EQ(page->ReceiptLineCount(), 3);
    EXPECT_TRUE(receipts().edited && store().TestModif());
}

TEST_F(ReceiptsPageTest, MovingOnWritesTheReceiptBackAndDeletingClosesTheGap)
{
    // Alone in the store, the receipt is written back without being read again.
    type("Martin", page->payerEdit(0));
    fiche->Suivant();
    EXPECT_EQ(stored(0, 4), "Martin");
    type("Rue", page->payerEdit(1));
    fiche->Dernier();
    EXPECT_EQ(stored(0, 5), "Rue");
    EXPECT_EQ(store().countTags(Kind::Receipt), 1);

    // The record window's keys work from a line too.
    storeReceipts({receipt("A"), receipt("B"), receipt("C")});
    fiche->Suivant();
    enterCell(0, 0);
    type("Adhesion 2026");
    key(Qt::Key_PageUp);
    EXPECT_EQ(receipts().current, 0);
    EXPECT_EQ(store().readBlock(Kind::Receipt, 1)->rows.value(0).value(0), "Adhesion 2026");

    fiche->Suivant();
    page->SupRecu();
    EXPECT_EQ(receipts().count, 2);
    EXPECT_EQ(page->payerEdit(0)->text() + stored(1, 4), "CC");
    page->SupRecu();
    EXPECT_EQ(receipts().current, 0);
    EXPECT_EQ(page->payerEdit(0)->text(), "A");
}

} // namespace
