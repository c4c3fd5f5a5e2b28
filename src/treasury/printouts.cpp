#include "treasury/printouts.h"

#include "print/mmcanvas.h"

namespace {

const QString kArial = QStringLiteral("Arial");

// The text cut, with an ellipsis, to fit in `maxPx`.
QString fit(const Canvas &canvas, const QString &text, int maxPx)
{
    if (maxPx <= 0 || canvas.textWidth(text) <= maxPx)
        return text;
    const QString ellipsis = QStringLiteral("…");
    return TextFit::cut(canvas, text, maxPx - canvas.textWidth(ellipsis)) + ellipsis;
}

} // namespace

PageFlow::PageFlow(Canvas &canvas, const Placement &placement, int leftMm, int topMm, int firstRowMm)
    : m_canvas(canvas), m_place(placement), m_left(leftMm), m_top(topMm), m_firstRow(firstRowMm), m_y(firstRowMm)
{
}

void PageFlow::startWith(std::function<void()> header)
{
    m_header = std::move(header);
    m_header();
}

bool PageFlow::room(int heightMm)
{
    // A page too short for a single band still takes one, or nothing would end.
    if (m_y <= m_firstRow || m_top + m_y + heightMm <= m_canvas.heightMm())
        return true;
    if (!m_canvas.newPage())
        return false;
    if (m_header)
        m_header();
    m_y = m_firstRow;
    return true;
}

void PageFlow::textAt(int xMm, int yMm, const QString &text)
{
    m_canvas.textOut(x(xMm), y(yMm), text);
}

void PageFlow::textRightAt(int xMm, int yMm, const QString &text)
{
    m_canvas.textOut(x(xMm) - m_canvas.textWidth(text), y(yMm), text);
}

void PageFlow::lineAt(int yMm, int fromMm, int toMm)
{
    m_canvas.moveTo(x(fromMm), y(yMm));
    m_canvas.lineTo(x(toMm), y(yMm));
}

namespace Printouts {

bool drawJournal(Canvas &canvas, const QString &caption, const std::vector<JournalRow> &rows, bool ledger)
{
    const auto place = Placement::of(canvas);
    if (!place)
        return false;
    constexpr int kExpenseEnd = 140, kReceiptEnd = 180, kLabel = 70, kTotalsWord = 90;
    canvas.setFont(kArial, 10);
    PageFlow flow(canvas, *place, 10, 5, 15);
    flow.startWith([&] {
        canvas.setFont(kArial, 10, true);
        flow.textAt(0, 0, QStringLiteral("Journal de ") + caption);
        canvas.setFont(kArial, 8, true);
        flow.textAt(0, 7, QStringLiteral("Date"));
        flow.textAt(22, 7, QStringLiteral("Compte"));
        flow.textAt(kLabel, 7, QStringLiteral("Libellé"));
        flow.textRightAt(kExpenseEnd, 7, QStringLiteral("Dépenses"));
        flow.textRightAt(kReceiptEnd, 7, QStringLiteral("Recettes"));
        canvas.setFont(kArial, 8);
        flow.lineAt(12, 0, kReceiptEnd);
    });

    for (const JournalRow &r : rows) {
        if (!flow.room(kRowPitch))
            return false;
        const QString expense = r[ColExpense].trimmed();
        const QString receipt = r[ColReceipt].trimmed();
        flow.text(0, r[ColDate]);
        flow.text(24, r[ColAccount]);
        const int labelEnd = flow.x(kExpenseEnd) - canvas.textWidth(expense) - place->x(2);
        flow.text(kLabel, fit(canvas, r[ColLabel], labelEnd - flow.x(kLabel)));
        flow.textRight(kExpenseEnd, expense);
        flow.textRight(kReceiptEnd, receipt);
        flow.advance(kRowPitch);
    }
    // The closing line stays with the sums below it.
    if (!flow.room(2 * kRowPitch))
        return false;
    flow.line(0, kReceiptEnd);
    flow.advance(kRowPitch);
    if (ledger)
        flow.text(kTotalsWord, QStringLiteral("Totaux"));
    // The sums the window shows under the same rows.
    const Totals sums = totalsOf(rows);
    flow.textRight(kExpenseEnd, Money::format(sums.expenses));
    flow.textRight(kReceiptEnd, Money::format(sums.receipts));
    flow.advance(kRowPitch);
    if (!flow.room(kRowPitch))
        return false;
    flow.text(kTotalsWord, QStringLiteral("Solde"));
    flow.textRight(kReceiptEnd, Money::format(sums.balance()));
    return true;
}

PrintJob journalJob(bool ledger)
{
    return PrintJob{ledger ? QStringLiteral("Grand Livre") : QStringLiteral("Journal"), false};
}

bool drawPlan(Canvas &canvas, const TreasuryPlan &plan)
{
    const auto place = Placement::of(canvas);
    if (!place)
        return false;
    static const int cellX[12] = {40, 53, 68, 81, 94, 107, 120, 133, 146, 159, 172, 185};
    static const int titleX[12] = {45, 58, 73, 86, 99, 112, 125, 138, 151, 164, 177, 190};
    static const char *const titles[12] = {"Jan", "Fév", "Mar", "Avr", "Mai", "Jun",
                                           "Jul", "Aou", "Sep", "Oct", "Nov", "Déc"};
    constexpr int kWidth = 270, kCellWidth = 12;
    PageFlow flow(canvas, *place, 0, 0, 10);
    flow.startWith([&] {
        canvas.setFont(kArial, 10, true);
        flow.textAt(0, 0, QStringLiteral("PLAN DE TRESORERIE ") + QString::number(plan.year()));
        canvas.setFont(kArial, 10);
        flow.lineAt(5, 0, kWidth);
    });

    for (const TreasuryPlan::Side side : {TreasuryPlan::Expenses, TreasuryPlan::Receipts}) {
        if (side == TreasuryPlan::Receipts) {
            flow.line(0, kWidth);
            flow.advance(2 * kRowPitch);
        }
        // The title row and its line below.
        if (!flow.room(2 * kRowPitch))
            return false;
        flow.text(0, side == TreasuryPlan::Expenses ? QStringLiteral("Dépenses") : QStringLiteral("Recettes"));
        for (int m = 0; m < 12; ++m)
            flow.text(titleX[m], QString::fromUtf8(titles[m]));
        flow.advance(kRowPitch);
        flow.line(0, kWidth);
        flow.advance(kRowPitch);
        for (int r = 1; r <= TreasuryPlan::kLines; ++r) {
            if (!flow.room(kRowPitch))
                return false;
            flow.text(0, plan.cell(side, r, 0));
            for (int m = 0; m < 12; ++m)
                flow.textRight(cellX[m] + kCellWidth, plan.cell(side, r, m + 1).trimmed());
            flow.advance(kRowPitch);
        }
        if (!flow.room(2 * kRowPitch))
            return false;
        flow.line(0, kWidth);
        flow.advance(kRowPitch);
        flow.text(0, QStringLiteral("TOTAL"));
        const std::array<qint64, 12> totals = plan.totals(side);
        for (int m = 0; m < 12; ++m)
            flow.textRight(cellX[m] + kCellWidth, QString::number(totals[size_t(m)]));
        flow.advance(kRowPitch);
    }
    return true;
}

PrintJob planJob()
{
    return PrintJob{QStringLiteral("Plan de trésorerie"), true};
}

bool drawResult(Canvas &canvas, int year, const AnnualResult &result)
{
    const auto place = Placement::of(canvas);
    if (!place)
        return false;
    constexpr int kAmountEnd = 125;
    canvas.setFont(kArial, 12);
    PageFlow flow(canvas, *place, 10, 5, 15);
    flow.startWith([&] {
        canvas.setFont(kArial, 12, true);
        flow.textAt(0, 0, QStringLiteral("Résultat ") + QString::number(year));
        canvas.setFont(kArial, 8);
        flow.lineAt(12, 0, 180);
    });
    for (const ResultLine &l : result.lines) {
        if (!flow.room(kRowPitch))
            return false;
        flow.text(0, l.label);
        flow.textRight(kAmountEnd, l.amount.trimmed());
        flow.advance(kRowPitch);
    }
    return true;
}

PrintJob resultJob()
{
    return PrintJob{QStringLiteral("Résultat annuel"), false};
}

} // namespace Printouts
