// A treasury plan file: every year it could show is read; saved and loaded
// again, the plan shows the same cells.

#include "support/fuzzsupport.h"

#include "treasury/treasuryplan.h"

namespace {

bool sameYear(const TreasuryPlan &a, const TreasuryPlan &b)
{
    for (const auto side : {TreasuryPlan::Expenses, TreasuryPlan::Receipts})
        for (int row = 1; row <= TreasuryPlan::kLines; ++row)
            for (int column = 0; column < TreasuryPlan::kColumns; ++column)
                if (a.cell(side, row, column) != b.cell(side, row, column))
                    return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::setUp();
    const QString in = Fuzz::scratch() + "/p.pdt", out = Fuzz::scratch() + "/q.pdt";
    Fuzz::put(in, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    Fuzz::put(out, QByteArray(), false);
    // The year shown from the first byte, around the years files hold.
    const int year = 1995 + (size > 0 ? data[0] % 40 : 0);
    TreasuryPlan plan(year);
    QString error;
    if (!plan.load(in, &error))
        return 0;
    plan.totals(TreasuryPlan::Expenses);
    plan.totals(TreasuryPlan::Receipts);
    plan.changeYear(1);
    plan.changeYear(-1);
    // An edit that changes nothing, so that the save writes.
    const QString label = plan.cell(TreasuryPlan::Expenses, 1, 0);
    plan.setCell(TreasuryPlan::Expenses, 1, 0, label + QStringLiteral("x"));
    plan.setCell(TreasuryPlan::Expenses, 1, 0, label);
    Fuzz::require(plan.save(out, &error), "the plan was not saved");
    TreasuryPlan again(year);
    Fuzz::require(again.load(out, &error), "the saved plan does not load");
    Fuzz::require(sameYear(plan, again), "the saved plan shows other cells");
    return 0;
}
