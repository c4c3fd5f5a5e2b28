// The bookkeeping on a journal of ten years of full months (128 entries
// each, 92,160 lines), each operation against the least work any of them
// does: one pass over the journal's lines reading each line's key.
//
// Usage: bench_treasury         (prints the figures)

#include "benchutil.h"

#include "treasury/annualresult.h"
#include "treasury/journal.h"
#include "treasury/ledger.h"
#include "treasury/treasuryplan.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kFirstYear = 2016;
constexpr int kYears = 10;
constexpr int kRuns = 100;

const char *const kAccounts[] = {"60600", "61300", "62600", "70600", "75600"};

RecordList makeJournal()
{
    QStringList lines;
    lines.reserve(kYears * 12 * 128 * 6);
    for (int y = kFirstYear; y < kFirstYear + kYears; ++y)
        for (int m = 1; m <= 12; ++m) {
            const QString key = Period::monthKey(y, m);
            for (int r = 0; r < 128; ++r) {
                const QString account = QString::fromLatin1(kAccounts[r % 5]);
                const bool receipt = account.startsWith(QLatin1Char('7'));
                const QString amount = Money::format(100 + r * 37).rightJustified(16, QLatin1Char(' '));
                const QString cells[] = {QStringLiteral("%1/%2/%3").arg(r % 28 + 1, 2, 10, QLatin1Char('0'))
                                             .arg(m, 2, 10, QLatin1Char('0')).arg(y),
                                         account, QStringLiteral("Écriture numéro %1").arg(r),
                                         receipt ? QString() : amount, receipt ? amount : QString(), QString()};
                for (int c = 0; c < 6; ++c)
                    lines.append(JournalLine::compose(key, r, c, cells[c]));
            }
        }
    return RecordList(lines);
}

void row(const char *name, double ms, double floor)
{
    const double ratio = floor > 0 ? ms / floor : 0;
    std::printf("%-34s %10.3f %8.2f  %s\n", name, ms, ratio, ratio <= 2.0 ? "ok" : "OVER 2x");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    RecordList journal = makeJournal();
    const QStringList chart{"60600  Achats", "61300  Locations", "62600  Frais postaux", "70600  Prestations",
                            "75600  Cotisations"};

    JournalMonth month({2021, 6});
    month.read(journal);
    int step = 1;
    size_t ledgerRows = 0;
    Money::Cents result = 0;
    int matched = 0;

    // A plan of ten full years; each change of year writes the edited one.
    QTemporaryDir dir;
    TreasuryPlan plan(kFirstYear);
    plan.load(dir.filePath(QStringLiteral("club.pdt")), nullptr);
    for (int y = 0; y < kYears; ++y) {
        for (const TreasuryPlan::Side side : {TreasuryPlan::Expenses, TreasuryPlan::Receipts})
            for (int r = 1; r <= TreasuryPlan::kLines; ++r)
                for (int c = 0; c < TreasuryPlan::kColumns; ++c)
                    plan.setCell(side, r, c, c == 0 ? QStringLiteral("Ligne %1").arg(r) : QString::number(r * c));
        plan.changeYear(1);
    }
    int toggle = 0;
    int planStep = 1;

    struct Measure
    {
        const char *name;
        std::function<void()> timed;
        std::function<void()> prepare;
        double best = 1e300;
    };
    std::vector<Measure> measures{
        // The floor: every line's key read once.
        {"one pass over the lines (floor)",
         [&] {
             const quint64 key = JournalLine::packedKey("202106");
             int n = 0;
             for (int i = 0; i < journal.size(); ++i)
                 n += JournalLine::packedKey(journal.view(i)) == key;
             matched = n;
         },
         {}},
        // The month shown was changed: it is written back, the next one read.
        {"month change (write and read)",
         [&] {
             month.move(journal, step);
             step = -step;
         },
         [&] { month.toggleMark(0); }},
        {"ledger refill",
         [&] { ledgerRows = Ledger::LitMois(journal, {2021, 6}, QStringLiteral("60600")).size(); }, {}},
        {"annual result",
         [&] {
             const AnnualResult r = AnnualResult::compute(journal, chart, 2021);
             result = r.receipts - r.expenses;
         },
         {}},
        {"plan year change (write and read)",
         [&] {
             plan.changeYear(planStep);
             planStep = -planStep;
         },
         [&] { plan.setCell(TreasuryPlan::Expenses, 1, 1, QString::number(++toggle % 2)); }},
    };
    // Taken in turns, so that a busy moment of the machine weighs on all alike.
    for (int run = 0; run < kRuns; ++run)
        for (Measure &m : measures)
            m.best = std::min(m.best, Bench::bestOf(1, m.timed, m.prepare));

    std::printf("journal: %d lines, %d of the measured month, %zu ledger rows, result %s, plan %lld lines\n",
                journal.size(), matched, ledgerRows, qPrintable(Money::format(result)),
                static_cast<long long>(plan.lines().size()));
    std::printf("%-34s %10s %8s\n", "operation (best of 100)", "ms", "x floor");
    for (const Measure &m : measures)
        row(m.name, m.best, measures.front().best);
    return 0;
}
