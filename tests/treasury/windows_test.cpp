// The bookkeeping windows: each control runs its operation and shows the
// result. What the operations compute is checked by the logic tests.

#include "treasurytest.h"

#include "core/textfile.h"
#include "fiche/tfiche.h"
#include "treasury/ui/tbudget.h"
#include "treasury/ui/tcomptes.h"
#include "treasury/ui/tglivre.h"
#include "treasury/ui/tplan.h"
#include "treasury/ui/treasurywindows.h"
#include "treasury/ui/tresultat.h"
#include "treasury/ui/ttreso.h"

#include "support/fakeprinter.h"
#include "support/modal.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

const RecordList kChart(QStringList{"60600  Achats", "70600  Ventes"});

void showActive(QWidget *w)
{
    w->show();
    QApplication::setActiveWindow(w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
}

template <typename T>
void click(T *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

// A double click as the user makes it: a click, then the second press.
void doubleClick(QTableWidget *g, int row)
{
    const QPoint at = g->visualItemRect(g->item(row, 0)).center();
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, at);
}

class TreasuryWindows : public VelmoraTest
{
protected:
    QTemporaryDir dir;
    RecordList journal{entryLines("202603", 0, {"02/03/2026", "60600", "Papier", "   5,00"})};
};

} // namespace

TEST_F(TreasuryWindows, JournalInputLineEntersChangesAndDeletes)
{
    TBudget w;
    w.Init(journal, kChart);
    showActive(&w);
    EXPECT_EQ(w.captionLabel()->text(), "Mars 2026");
    EXPECT_EQ(w.cell(0, ColLabel), "Papier");
    EXPECT_EQ(w.expenseTotal()->text(), "5,00");

    // A short account becomes the chart's; the label comes from the chart.
    w.accountBox()->setFocus();
    QTest::keyClicks(w.accountBox(), "706");
    w.labelEdit()->setFocus();
    EXPECT_EQ(w.accountBox()->currentText(), "70600");
    w.expenseEdit()->setFocus();
    EXPECT_EQ(w.labelEdit()->text(), "Ventes");
    QTest::keyClicks(w.expenseEdit(), "0,5");
    w.receiptEdit()->setFocus();
    EXPECT_EQ(w.expenseEdit()->text(), ",50");

    // An amount that is not one is refused and nothing typed is lost.
    QTest::keyClicks(w.receiptEdit(), "4o");
    QTest::keyClick(w.receiptEdit(), Qt::Key_Return);
    EXPECT_EQ(dialogs().texts("error"), QStringList{"Montant non valide"});
    EXPECT_EQ(w.receiptEdit()->text(), "4o");
    EXPECT_EQ(w.labelEdit()->text(), "Ventes");
    w.receiptEdit()->clear();
    QTest::keyClick(w.receiptEdit(), Qt::Key_Return);
    EXPECT_EQ(w.cell(1, ColDate), "15/03/2026");
    EXPECT_EQ(w.cell(1, ColExpense).trimmed(), "0,50");
    EXPECT_EQ(w.expenseTotal()->text(), "5,50");
    EXPECT_EQ(w.balanceField()->text(), "-5,50");
    EXPECT_TRUE(w.labelEdit()->text().isEmpty());

    // An account the chart lacks is named, and what was typed stays.
    w.accountBox()->setFocus();
    QTest::keyClicks(w.accountBox(), "512");
    w.labelEdit()->setFocus();
    EXPECT_EQ(dialogs().texts("message"), QStringList{"Le compte 51200 n'existe pas"});
    EXPECT_EQ(w.accountBox()->currentText(), "512");
    EXPECT_TRUE(w.accountBox()->hasFocus());
    w.accountBox()->setEditText("");

    QTableWidget *g = w.grid();
    doubleClick(g, 0);
    EXPECT_EQ(w.labelEdit()->text(), "Papier");
    EXPECT_EQ(w.month().editedRow(), 0);
    g->setCurrentCell(1, 0);
    click(w.deleteButton());
    EXPECT_EQ(w.cell(1, ColLabel), "");
    EXPECT_EQ(w.month().editedRow(), -1);
    EXPECT_TRUE(w.labelEdit()->text().isEmpty());
    EXPECT_EQ(w.expenseTotal()->text(), "5,00");
    doubleClick(g, 5);
    EXPECT_EQ(w.month().editedRow(), -1);
}

TEST_F(TreasuryWindows, JournalMovesPrintsExportsAndHandsTheJournalBack)
{
    TBudget w;
    w.Init(journal, kChart);
    showActive(&w);
    w.grid()->setCurrentCell(0, 0);
    click(w.nextButton());
    EXPECT_EQ(w.captionLabel()->text(), "Avril 2026");
    QTest::keyClicks(w.receiptEdit(), "7");
    QTest::keyClick(w.receiptEdit(), Qt::Key_Return);
    click(w.deleteButton());
    EXPECT_EQ(w.month().count(), 1) << "no row of this month was picked";
    w.grid()->setCurrentCell(0, 0);
    click(w.deleteButton());
    QTest::keyClicks(w.receiptEdit(), "40");
    QTest::keyClick(w.receiptEdit(), Qt::Key_Return);
    QTest::keyClick(w.dateEdit(), Qt::Key_PageUp);
    EXPECT_EQ(w.captionLabel()->text(), "Mars 2026");

    click(w.printButton());
    ASSERT_EQ(FakePrinter::instance().jobs.size(), 1);
    EXPECT_TRUE(FakePrinter::instance().last().findText("Journal de Mars 2026"));

    const QString csv = dir.filePath("annee.csv");
    dialogs().saveAnswers = {csv};
    w.exportButton()->menu()->findChild<QAction *>("ExportYear")->trigger();
    QByteArray bytes;
    ASSERT_TRUE(TextFile::readBytes(csv, &bytes));
    EXPECT_EQ(bytes.count("\r\n"), 3) << bytes.toStdString();
    dialogs().saveAnswers = {csv};
    dialogs().okCancelAnswers = {false};
    w.exportButton()->menu()->findChild<QAction *>("ExportMonth")->trigger();
    EXPECT_EQ(dialogs().texts("okCancel"), QStringList{"Ce fichier existe déjà"});

    click(w.closeButton());
    RecordList back;
    w.Result(back);
    EXPECT_EQ(back.size(), 12);
    EXPECT_EQ(back.at(11).left(6), "202604");
}

TEST_F(TreasuryWindows, JournalKeepsItsTextsStorableMarksAndTellsOfEntriesLeftWaiting)
{
    QStringList full;
    for (int r = 0; r < 128; ++r)
        full += entryLines("202603", r, {"01/03/2026", "60600", "x", "1"});
    full += entryLines("202603", 999, {"02/03/2026", "70600", "attente", "", "5"});
    TBudget w;
    w.Init(RecordList(full), kChart);
    showActive(&w);
    EXPECT_EQ(dialogs().texts("message"),
              QStringList{"Le mois est complet : 1 écriture(s) en attente restent dans le journal."});
    w.labelEdit()->insert("Café €");
    w.labelEdit()->insert("\u6771");
    EXPECT_EQ(w.labelEdit()->text(), "Café €");

    QTableWidget *g = w.grid();
    const QPoint mark = g->visualItemRect(g->item(2, ColMark)).center();
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, mark);
    EXPECT_EQ(w.cell(2, ColMark), "") << "reconciliation is off until switched on";
    w.SetPointage(true);
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, mark);
    EXPECT_EQ(w.cell(2, ColMark), JournalMonth::markText());
    EXPECT_TRUE(w.month().changed());
}

TEST_F(TreasuryWindows, LedgerFollowsTheAccountChosenAndTheMonth)
{
    journal.append(JournalLine::compose("202603", 1, 1, "70600"));
    TGlivre w;
    w.Init(journal, kChart);
    showActive(&w);
    EXPECT_EQ(w.labelEdit()->text(), "Achats");
    EXPECT_EQ(w.cell(0, ColLabel), "Papier");
    QTest::keyClick(w.accountBox(), Qt::Key_Down);
    EXPECT_EQ(w.account(), "70600");
    EXPECT_EQ(w.labelEdit()->text(), "Ventes");
    EXPECT_EQ(w.cell(0, ColLabel), "");
    EXPECT_EQ(w.cell(0, ColAccount), "70600");
    QTest::keyClicks(w.accountBox(), "6");
    EXPECT_EQ(w.account(), "70600") << "the list is not typed in";
    QTest::keyClick(w.labelEdit(), Qt::Key_PageDown);
    EXPECT_EQ(w.captionLabel()->text(), "Avril 2026");
    EXPECT_EQ(w.rowCount(), 0);
    click(w.printButton());
    EXPECT_TRUE(FakePrinter::instance().last().findText("Totaux"));

    const QString csv = dir.filePath("ventes.csv");
    dialogs().saveAnswers = {csv};
    w.exportButton()->menu()->findChild<QAction *>("ExportYear")->trigger();
    QByteArray bytes;
    ASSERT_TRUE(TextFile::readBytes(csv, &bytes));
    EXPECT_TRUE(bytes.endsWith("\r\n;70600;;;;\r\n")) << bytes.toStdString();
}

TEST_F(TreasuryWindows, TreasuryPlanEditsRecalculatesChangesYearAndSaves)
{
    EXPECT_FALSE(openTreso(nullptr, QString()));
    EXPECT_EQ(dialogs().texts("message"), QStringList{"Enregistrez d'abord le fichier des adhérents."});

    const QString member = dir.filePath("club.adh");
    TTreso w;
    QString error;
    ASSERT_TRUE(w.Charge(member, &error));
    showActive(&w);
    EXPECT_EQ(w.captionLabel()->text(), "Plan de Trésorerie 2026");
    QTableWidget *g = w.grid(TreasuryPlan::Expenses);
    g->item(0, 1)->setText("120");
    g->item(1, 1)->setText("12a");
    EXPECT_EQ(g->item(1, 1)->text(), "");
    click(w.findChild<QToolButton *>("SpeedButton3"));
    EXPECT_EQ(w.totalLabel(TreasuryPlan::Expenses, 1)->text(), "120");
    QTest::keyClick(g, Qt::Key_PageUp);
    EXPECT_EQ(w.plan().year(), 2025);
    EXPECT_EQ(g->item(0, 1)->text(), "");
    click(w.findChild<QToolButton *>("SpeedButton4"));
    EXPECT_TRUE(FakePrinter::instance().jobs.last().landscape);
    ASSERT_TRUE(w.Sauve(member, &error));
    QStringList saved;
    ASSERT_TRUE(TextFile::readLines(dir.filePath("club.pdt"), &saved));
    EXPECT_EQ(saved, QStringList{"2026111120"});

    // A plan that cannot be written is named to the user.
    ASSERT_TRUE(QDir(dir.path()).mkdir("bloque.pdt"));
    whileOpen([&] { EXPECT_FALSE(openTreso(nullptr, dir.filePath("bloque.adh"))); }, [](QWidget *t) {
        static_cast<TTreso *>(t)->grid(TreasuryPlan::Receipts)->item(0, 0)->setText("Dons");
    });
    EXPECT_EQ(dialogs().texts("error"), QStringList{"Impossible d'écrire le fichier bloque.pdt."});
}

TEST_F(TreasuryWindows, ResultChartEditorAndAccountList)
{
    TResultat r;
    r.Init(journal, kChart);
    showActive(&r);
    EXPECT_EQ(r.captionLabel()->text(), "Résultat 2026");
    EXPECT_EQ(r.grid()->item(1, 0)->text(), "Achats");
    EXPECT_EQ(r.grid()->item(1, 1)->text(), "5,00");
    click(r.findChild<QPushButton *>("Button2"));
    EXPECT_EQ(r.captionLabel()->text(), "Résultat 2025");
    click(r.findChild<QPushButton *>("Button4"));
    EXPECT_TRUE(FakePrinter::instance().last().findText("Résultat 2025"));

    TPlan p;
    p.Init(RecordList(QStringList{"70600  Ventes"}));
    showActive(&p);
    QTest::keyClicks(p.numberEdit(), "6x1");
    EXPECT_EQ(p.numberEdit()->text(), "61");
    p.labelEdit()->setFocus();
    EXPECT_EQ(p.numberEdit()->text(), "61000");
    QTest::keyClicks(p.labelEdit(), "Sous-traitance");
    QTest::keyClick(p.labelEdit(), Qt::Key_Return);
    EXPECT_EQ(p.list()->item(1)->text(), "61000  Sous-traitance");
    click(p.starterButton());
    EXPECT_EQ(p.list()->count(), 2 + int(Chart::starterAccounts().size()) - 1);
    p.list()->setCurrentRow(0);
    QTest::keyClick(p.list(), Qt::Key_Delete);
    RecordList chart;
    p.Result(chart);
    EXPECT_EQ(chart.at(0), "51200  Banque");
    EXPECT_EQ(chart.size(), p.list()->count());

    QStringList many;
    for (int i = 0; i < 70; ++i)
        many.append(QString::number(60000 + i) + "  Compte " + QString::number(i));
    TComptes c;
    c.Init(RecordList(many));
    EXPECT_EQ(c.grid()->rowCount(), 70);
    EXPECT_EQ(c.grid()->item(69, 1)->text(), "Compte 69");
}

TEST_F(TreasuryWindows, RecordWindowOpenersHandBackTheJournalAndKeepTheChart)
{
    TFiche fiche;
    fiche.store().JournalLines = journal;
    fiche.store().markSaved();
    EXPECT_EQ(whileOpen([&] { fiche.Saisie(); }), "Journal");
    EXPECT_TRUE(fiche.TestModif());
    EXPECT_EQ(fiche.store().JournalLines, journal);
    whileOpen([&] { fiche.Plc(dir.path()); }, [](QWidget *w) { static_cast<TPlan *>(w)->addStarter(); });
    QStringList written;
    ASSERT_TRUE(TextFile::readLines(dir.filePath("Velmora.plc"), &written));
    EXPECT_EQ(written, fiche.ChartLines().toStringList());
    EXPECT_EQ(written.first(), "51200  Banque");
    fiche.FormActivate(dir.path());
    EXPECT_EQ(fiche.ChartLines().toStringList(), written);
    for (void (TFiche::*open)() : {&TFiche::VoirPlc, &TFiche::GrandLivre, &TFiche::ResAnnuel})
        whileOpen([&] { (fiche.*open)(); });
    fiche.Tresorerie();
    EXPECT_EQ(dialogs().texts("message"), QStringList{"Enregistrez d'abord le fichier des adhérents."});
}
