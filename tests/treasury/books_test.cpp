// The chart, the ledger, the annual result, the treasury plan and the CSV
// export.

#include "treasurytest.h"

#include "core/textfile.h"
#include "treasury/annualresult.h"
#include "treasury/chart.h"
#include "treasury/csvexport.h"
#include "treasury/ledger.h"
#include "treasury/treasuryplan.h"

#include <QTemporaryDir>

namespace {

QStringList column(const std::vector<JournalRow> &rows, int c)
{
    QStringList out;
    for (const JournalRow &r : rows)
        out.append(r[size_t(c)]);
    return out;
}

QStringList texts(const AnnualResult &r)
{
    QStringList out;
    for (const ResultLine &l : r.lines)
        out.append(l.label + "|" + l.amount);
    return out;
}

const QStringList kChart{"60600  Achats", "60610  Fournitures", "70600  Ventes", "75600  Cotisations"};

} // namespace

TEST(Chart, CompletesNumbersAndEditsWithoutReplacingAccounts)
{
    EXPECT_EQ(Chart::padNumber(""), "0000");
    const Chart::Completion shortOne = Chart::complete(kChart, "706");
    EXPECT_TRUE(shortOne.exists);
    EXPECT_EQ(shortOne.account, "70600");
    const Chart::Completion missing = Chart::complete(kChart, "708");
    EXPECT_EQ(missing.account, "708");
    EXPECT_EQ(Chart::missingText(missing.padded), "Le compte 70800 n'existe pas");

    ChartEdit e;
    e.items = {"51200  Compte courant", "70000  Ventes"};
    e.number = "601";
    e.Edit1Exit();
    e.label = "Achats  de  bureau";
    e.Envoi();
    EXPECT_EQ(e.items.last(), "60100  Achats  de  bureau");
    e.select(2);
    EXPECT_EQ(e.label, "Achats  de  bureau");
    e.label = "Bureau";
    e.Envoi();
    EXPECT_EQ(e.items.size(), 3);
    EXPECT_EQ(e.items.at(2), "60100  Bureau");
    const int added = e.addStarter();
    EXPECT_EQ(added, int(Chart::starterAccounts().size()) - 1);
    EXPECT_EQ(e.items.first(), "51200  Compte courant") << "an account already there keeps its label";
    EXPECT_EQ(e.addStarter(), 0);
    e.select(0);
    e.Supprime();
    EXPECT_EQ(Chart::findNumber(e.items, "51200"), -1);
}

TEST(Ledger, ListsTheAccountsEntriesInJournalOrderWithTheirTotals)
{
    QStringList lines = entryLines("202603", 0, {"03/03/2026", "60600", "Papier", "  10,00"});
    lines += entryLines("202603", 1, {"10/03/2026", "70600", "Vente", "", "  99,00"});
    lines += entryLines("202603", 2, {"20/03/2026", "60600", "Encre", "  2,50", "  1,00"});
    lines += entryLines("202603", 3, {"21/03/2026", "606", "Court", "  7,00"});
    lines += entryLines("202603", 999, {"25/03/2026", "60600", "Attente", "4"});
    lines += entryLines("202604", 0, {"01/04/2026", "60600", "Avril", "  1,00"});
    const RecordList journal(lines);
    const std::vector<JournalRow> march = Ledger::LitMois(journal, {2026, 3}, "60600");
    EXPECT_EQ(column(march, ColLabel), (QStringList{"Papier", "Encre", "Attente"}));
    const Totals t = totalsOf(march);
    EXPECT_EQ(t.expenses, 1650);
    EXPECT_EQ(t.receipts, 100);
    EXPECT_TRUE(Ledger::LitMois(journal, {2026, 3}, "").empty());
    EXPECT_EQ(column(Ledger::yearEntries(journal, 2026, "60600"), ColLabel),
              (QStringList{"Papier", "Encre", "Attente", "Avril"}));
}

TEST(AnnualResult, TotalsEachWholeAccountOfTheYear)
{
    QStringList lines = entryLines("202601", 0, {"05/01/2026", "60600", "a", "  100,00"});
    lines += entryLines("202602", 0, {"05/02/2026", "60600", "b", "50"});
    lines += entryLines("202603", 0, {"05/03/2026", "606", "court", "20,00"});
    lines += entryLines("202603", 1, {"06/03/2026", "60610", "vide", ""});
    lines += entryLines("202603", 2, {"07/03/2026", "70600", "vente", "", "400,00"});
    lines += entryLines("202603", 3, {"08/03/2026", "70600", "dépense sur 7", "99,00", ""});
    lines += entryLines("202603", 4, {"09/03/2026", "51200", "banque", "", "1000"});
    lines += entryLines("202603", 5, {"10/03/2026", "60600", "pas un nombre", "douze"});
    lines += entryLines("202512", 0, {"31/12/2025", "60600", "autre année", "999"});
    lines += entryLines("202604", 999, {"01/04/2026", "75600", "attente", "", "30"});
    const RecordList journal(lines);
    const AnnualResult r = AnnualResult::compute(journal, kChart, 2026);
    EXPECT_EQ(texts(r), (QStringList{"Résultat|      Dépenses", "606|20,00", "Achats|150,00", "Fournitures|0,00",
                                     "|-------------------", "Total des dépenses|170,00", "|",
                                     "Résultat|        Recettes", "Ventes|400,00", "Cotisations|30,00",
                                     "|------------------", "Total des Recettes|430,00", "|",
                                     "Résultat (Bénéfices)|260,00"}));

    // Without any receipt account the expenses are still totalled.
    const AnnualResult loss = AnnualResult::compute(journal, kChart, 2025);
    EXPECT_EQ(texts(loss).mid(1, 4),
              (QStringList{"Achats|999,00", "|-------------------", "Total des dépenses|999,00", "|"}));
    EXPECT_EQ(texts(loss).last(), "Résultat (Pertes)|999,00");
    EXPECT_EQ(texts(AnnualResult::compute(journal, kChart, 2024)).last(), "Résultat (Bénéfices)|0,00");
}

TEST(TreasuryPlan, KeepsEveryEditedYearAndTheLinesItCannotRead)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("club.pdt");
    QString error;
    TreasuryPlan unedited(2002);
    ASSERT_TRUE(unedited.load(file, &error));
    ASSERT_TRUE(unedited.save(file, &error));
    EXPECT_FALSE(TextFile::exists(file)) << "a plan nobody edited is not written";
    const QStringList original{"2002101Loyer", "2002111500", "20020Z1bad column", "2002C11row C", "2001111old", "x"};
    ASSERT_TRUE(TextFile::writeLines(file, original));

    TreasuryPlan plan(2002);
    ASSERT_TRUE(plan.load(file, &error));
    EXPECT_EQ(plan.cell(TreasuryPlan::Expenses, 1, 0), "Loyer");
    EXPECT_EQ(plan.total(TreasuryPlan::Expenses, 1), 500);

    EXPECT_FALSE(plan.setCell(TreasuryPlan::Expenses, 1, 2, "1234567890"));
    EXPECT_FALSE(plan.setCell(TreasuryPlan::Expenses, 1, 2, "12a"));
    EXPECT_FALSE(plan.changed());
    plan.setCell(TreasuryPlan::Expenses, 1, 1, "120");
    plan.setCell(TreasuryPlan::Expenses, 1, 2, "80");
    plan.setCell(TreasuryPlan::Expenses, 2, 1, "30");
    plan.setCell(TreasuryPlan::Receipts, 10, 12, "7");
    plan.setCell(TreasuryPlan::Receipts, 3, 0, "   ");
    EXPECT_EQ(plan.totals(TreasuryPlan::Expenses)[0], 150);
    EXPECT_EQ(plan.totals(TreasuryPlan::Expenses)[1], 80);
    EXPECT_EQ(plan.totals(TreasuryPlan::Expenses)[2], 0);
    plan.changeYear(-1);
    EXPECT_EQ(plan.year(), 2001);
    EXPECT_EQ(plan.cell(TreasuryPlan::Expenses, 1, 1), "old");
    EXPECT_EQ(plan.total(TreasuryPlan::Expenses, 1), 0) << "a cell that is not a number counts 0";
    plan.changeYear(1);
    plan.changeYear(-1);
    plan.setCell(TreasuryPlan::Receipts, 1, 0, "Cotisations");
    plan.changeYear(1);
    ASSERT_TRUE(plan.save(file, &error));

    QStringList saved;
    ASSERT_TRUE(TextFile::readLines(file, &saved));
    for (const char *kept : {"20020Z1bad column", "2002C11row C", "x"})
        EXPECT_TRUE(saved.contains(kept)) << kept;
    EXPECT_TRUE(saved.contains("2002AC27"));
    EXPECT_FALSE(saved.join("|").contains("20023")) << "a label of spaces is not stored";
    TreasuryPlan again(2001);
    ASSERT_TRUE(again.load(file, &error));
    EXPECT_EQ(again.cell(TreasuryPlan::Receipts, 1, 0), "Cotisations");
    again.changeYear(1);
    EXPECT_EQ(again.cell(TreasuryPlan::Expenses, 1, 1), "120");
    EXPECT_EQ(again.cell(TreasuryPlan::Expenses, 1, 0), "Loyer");
}

TEST(CsvExport, WritesWhatAFrenchSpreadsheetOpens)
{
    const std::vector<JournalRow> rows{{"05/03/2026", "60600", "Papier; encre \"noire\"", "   12,50", "", "×"},
                                       {"06/03/2026", "70600", "Don", "", "3.5", ""},
                                       {"07/03/2026", "70600", "Douteux", "", " douze ", ""}};
    const QByteArray bytes = CsvExport::bytes(rows);
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(QString::fromUtf8(bytes.mid(3)).split("\r\n"),
              (QStringList{"Date;Compte;Libellé;Dépenses;Recettes;Pointage",
                           "05/03/2026;60600;\"Papier; encre \"\"noire\"\"\";12,50;;×", "06/03/2026;70600;Don;;3,50;",
                           "07/03/2026;70600;Douteux;;douze;", ""}));
}
