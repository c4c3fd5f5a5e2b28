// The bookkeeping printouts on a recording canvas: where things land, and
// pages that end before a row would cross the printable bottom.

#include "treasurytest.h"

#include "print/recordingcanvas.h"
#include "treasury/printouts.h"

namespace {

using Op = RecordingCanvas::Op;

std::vector<JournalRow> rows(int n)
{
    std::vector<JournalRow> out;
    for (int i = 0; i < n; ++i)
        out.push_back({"05/03/2001", "60600", "Ligne " + QString::number(i), "   0,10", "", ""});
    return out;
}

// Every text and line stays inside the printable height, and nothing but
// the page header is drawn above the first row.
void expectInside(const RecordingCanvas &c)
{
    for (const Op &op : c.ops())
        EXPECT_LE(std::max(op.y, op.y2) + (op.type == Op::Text ? c.textHeight(op.text) : 0), c.heightPx())
            << op.text.toStdString() << " on page " << op.page;
}

} // namespace

TEST(Printouts, JournalMonthWithItsMarginsTotalsAndBalance)
{
    RecordingCanvas c; // A4 at 600 dpi: 23 pixels per millimetre
    ASSERT_TRUE(Printouts::drawJournal(c, "Mars 2001", rows(3), false));
    const Op *title = c.findText("Journal de Mars 2001");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->x, 23 * 10);
    EXPECT_EQ(title->y, 23 * 5);
    EXPECT_TRUE(title->bold);
    const Op *head = c.findText("Dépenses");
    c.setFont("Arial", 8, true); // the titles' font
    EXPECT_EQ(head->x + c.textWidth("Dépenses"), 23 * 150);
    const Op *first = c.findText("Ligne 0");
    EXPECT_EQ(first->x, 23 * 80);
    EXPECT_EQ(first->y, 23 * 20);
    EXPECT_EQ(c.findText("Ligne 2")->y, 23 * 30);
    EXPECT_EQ(c.findText("0,30")->y, 23 * 40);
    EXPECT_EQ(c.findText("Solde")->y, 23 * 45);
    EXPECT_TRUE(c.findText("-0,30"));
    EXPECT_FALSE(c.findText("Totaux"));

    RecordingCanvas ledger;
    Printouts::drawJournal(ledger, "Mars 2001", rows(1), true);
    EXPECT_EQ(ledger.findText("Totaux")->x, 23 * 100);
    EXPECT_EQ(Printouts::journalJob(true).title, "Grand Livre");

    // A label too long for its column ends with an ellipsis 2 mm before the expense.
    std::vector<JournalRow> longer = rows(1);
    longer[0][ColLabel] = QString("Libellé ").repeated(30);
    RecordingCanvas cut;
    ASSERT_TRUE(Printouts::drawJournal(cut, "Mars 2001", longer, false));
    const Op label = cut.texts().at(8);
    cut.setFont("Arial", 8); // the rows' font
    EXPECT_TRUE(label.text.startsWith("Libellé Libellé") && label.text.endsWith("…")) << label.text.toStdString();
    EXPECT_LE(label.x + cut.textWidth(label.text), 23 * (150 - 2) - cut.textWidth("0,10"));
}

TEST(Printouts, PagesBreakBeforeARowWouldCrossTheBottom)
{
    RecordingCanvas c;
    ASSERT_TRUE(Printouts::drawJournal(c, "Mars 2001", rows(60), false));
    EXPECT_EQ(c.pageCount(), 2);
    expectInside(c);
    // Rows at 15 to 285 mm fit the first page (5 mm margin, 297 mm high).
    EXPECT_EQ(c.findText("Ligne 54")->page, 0);
    const Op *next = c.findText("Ligne 55");
    EXPECT_EQ(next->page, 1);
    EXPECT_EQ(next->y, 23 * 20);
    EXPECT_EQ(c.texts(1).first().text, "Journal de Mars 2001");

    // A page shorter than one band still ends.
    RecordingCanvas tiny(230, 230, 10, 10);
    EXPECT_TRUE(Printouts::drawJournal(tiny, "Mars 2001", rows(2), false));
    EXPECT_EQ(tiny.pageCount(), 4);
    RecordingCanvas refused;
    refused.refuseNewPageFrom(1);
    EXPECT_FALSE(Printouts::drawJournal(refused, "Mars 2001", rows(60), false));
}

TEST(Printouts, TreasuryPlanAndAnnualResult)
{
    TreasuryPlan plan(2002);
    plan.setCell(TreasuryPlan::Expenses, 1, 0, "Loyer");
    plan.setCell(TreasuryPlan::Expenses, 1, 1, "120");
    plan.setCell(TreasuryPlan::Receipts, 11, 12, "45");
    RecordingCanvas landscape(7016, 4960, 297, 210);
    ASSERT_TRUE(Printouts::drawPlan(landscape, plan));
    EXPECT_TRUE(Printouts::planJob().landscape);
    EXPECT_EQ(landscape.pageCount(), 1);
    const Op *title = landscape.findText("PLAN DE TRESORERIE 2002");
    EXPECT_EQ(title->x, 0);
    EXPECT_EQ(title->y, 0);
    EXPECT_EQ(landscape.findText("Loyer")->y, 23 * 20);
    EXPECT_EQ(landscape.findText("120")->x + landscape.textWidth("120"), 23 * 52);
    EXPECT_EQ(landscape.findText("Recettes")->y, 23 * 95);
    EXPECT_EQ(landscape.findText("45")->y, 23 * 155);
    EXPECT_EQ(landscape.texts().last().text, "45") << "the receipts total of December ends the page";
    EXPECT_EQ(landscape.texts().last().y, 23 * 165);

    RecordingCanvas portrait(4960, 2300, 210, 100);
    ASSERT_TRUE(Printouts::drawPlan(portrait, plan));
    EXPECT_EQ(portrait.pageCount(), 2);
    expectInside(portrait);

    QStringList lines = entryLines("202603", 0, {"05/03/2026", "60600", "a", "100"});
    const AnnualResult r = AnnualResult::compute(RecordList(lines), {}, 2026);
    RecordingCanvas c;
    ASSERT_TRUE(Printouts::drawResult(c, 2026, r));
    const Op *head = c.findText("Résultat 2026");
    EXPECT_EQ(head->pointSize, 12);
    EXPECT_EQ(head->x, 23 * 10);
    const Op *profit = c.findText("Résultat (Pertes)");
    EXPECT_EQ(profit->y, 23 * (20 + 5 * (int(r.lines.size()) - 1)));
    EXPECT_EQ(profit->pointSize, 8);
}
