#include "find/ui/listwindows.h"
#include "find/ui/tfactliste.h"
#include "find/ui/tfliste.h"
#include "find/ui/ttri.h"

#include "support/blocks.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

void doubleClickRow(QTableWidget *grid, int row)
{
    const QPoint at = grid->visualRect(grid->model()->index(row, 2)).center();
    // The first click of a double click, then the press reported as a double click.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
}

void click(QWidget *window, const char *name)
{
    auto *b = window->findChild<QAbstractButton *>(QString::fromLatin1(name));
    ASSERT_NE(b, nullptr) << name;
    QTest::mouseClick(b, Qt::LeftButton);
}

using WindowsTest = VelmoraTest;

} // namespace

TEST_F(WindowsTest, SortDialogGivesTheItemOnlyThroughOK)
{
    // OK, Annuler, Escape, the window closed.
    const std::function<void(TTri &)> ways[] = {[](TTri &d) { click(&d, "Button2"); }, [](TTri &d) { click(&d, "Button1"); },
                                                [](TTri &d) { QTest::keyClick(&d, Qt::Key_Escape); },
                                                [](TTri &d) { d.close(); }};
    for (int way = 0; way < 4; ++way) {
        TTri dialog;
        const QList<QRadioButton *> radios = dialog.findChildren<QRadioButton *>();
        ASSERT_EQ(radios.size(), 4);
        EXPECT_TRUE(radios[0]->isChecked());
        dialog.show();
        radios[2]->click();
        ways[way](dialog);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.Result(), way == 0 ? 2 : -1) << "way " << way;
    }
}

TEST_F(WindowsTest, GridPicksOnADoubleClickOnly)
{
    const RecordList lines = listOf({member(0, "10001", "Martin"), member(5, "10006", "Dupont")});
    TFListe window;
    window.Init(lines);
    QTableWidget *grid = window.findChild<QTableWidget *>("StringGrid1");
    EXPECT_EQ(grid->item(2, 2)->text(), "Dupont");
    EXPECT_EQ(grid->rowCount(), 20);
    EXPECT_GT(grid->columnWidth(1), grid->fontMetrics().horizontalAdvance("1000001")) << "codes show whole";
    window.show();
    EXPECT_TRUE(window.isMaximized());
    EXPECT_EQ(window.findChild<QPushButton *>("Button1")->x(), window.width() - 100);
    doubleClickRow(grid, 2);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.Result(), 5);

    TFListe2 closed;
    closed.Init(lines);
    closed.show();
    closed.grid()->selectRow(1);
    click(&closed, "Button1");
    EXPECT_FALSE(closed.isVisible());
    EXPECT_EQ(closed.Result(), -1);

    // Through the opener, modally: an empty row picks nothing.
    QTimer::singleShot(0, [] {
        if (auto *w = qobject_cast<TFListeBase *>(QApplication::activeModalWidget()))
            doubleClickRow(w->grid(), 4);
    });
    EXPECT_EQ(openListe(nullptr, Kind::Activity, lines), -1);
}

TEST_F(WindowsTest, ReceiptListReordersAndEscapeKeepsTheCurrentReceipt)
{
    RecordStore store;
    store.ReceiptLines() = listOf({block(Kind::Receipt, 0, {{1, "NUMR202603001"}, {2, "01/03/2026"}, {5, "A"}}),
                                   block(Kind::Receipt, 1, {{1, "NUMR202603002"}, {3, "Chèque"}, {5, "B"}})});
    store.state(Kind::Receipt).current = 1;
    const RecordList before = store.ReceiptLines();

    TFactListe escaped;
    escaped.Init(store.ReceiptLines());
    EXPECT_EQ(escaped.list()->item(1)->text(), "202603002    Chèque  B  ");
    escaped.show();
    escaped.list()->setCurrentRow(0);
    QTest::keyClick(escaped.list(), Qt::Key_Escape);
    EXPECT_FALSE(escaped.isVisible());
    EXPECT_EQ(escaped.Result(store), -1);
    EXPECT_TRUE(store.ReceiptLines() == before && !store.TestModif());

    TFactListe moved;
    moved.Init(store.ReceiptLines());
    moved.show();
    moved.list()->setCurrentRow(1);
    click(&moved, "SpeedButton1");
    click(&moved, "SpeedButton1"); // already at the top
    EXPECT_EQ(moved.order(), (QList<int>{1, 0}));
    QTest::keyClick(moved.list(), Qt::Key_Return);
    EXPECT_FALSE(moved.isVisible());
    EXPECT_EQ(moved.Result(store), 0);
    EXPECT_EQ(blockOf(store.ReceiptLines(), 0).value(5), "B");

    TFactListe fermer;
    fermer.Init(store.ReceiptLines());
    fermer.show();
    fermer.list()->setCurrentRow(0);
    click(&fermer, "SpeedButton2");
    click(&fermer, "Button1");
    EXPECT_EQ(fermer.Result(store), 1);
    EXPECT_EQ(blockOf(store.ReceiptLines(), 1).value(5), "B");
}
