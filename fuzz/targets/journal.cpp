// A journal: each month it names is read as the journal window reads it, the
// general ledger and the annual result are made from it; a month written back
// reads again as it was shown, and the months beside it do not change.

#include "support/fuzzsupport.h"

#include "core/formats.h"
#include "treasury/annualresult.h"
#include "treasury/journal.h"
#include "treasury/ledger.h"

#include <cstdio>
#include <set>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::setUp();
    RecordList journal;
    if (!journal.setBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))))
        return 0;
    // The months the lines name, a few of them.
    std::set<std::pair<int, int>> months;
    for (int i = 0; i < journal.size() && months.size() < 4; ++i) {
        const QByteArrayView v = journal.view(i);
        int year = 0, month = 0;
        if (v.size() >= 6 && Formats::parseInt(v.first(4), &year) && Formats::parseInt(midView(v, 4, 2), &month)
            && year >= Period::kFirstYear && year <= Period::kLastYear && month >= 1 && month <= 12
            && v[0] != ' ' && v[0] != '+' && v[0] != '-')
            months.emplace(year, month);
    }
    const QStringList chart = {QStringLiteral("60600  Achats"), QStringLiteral("70600  Prestations")};
    for (const auto &[year, month] : months) {
        const Period::YearMonth shown{year, month};
        JournalMonth read(shown);
        read.read(journal);
        const std::vector<JournalRow> rows = read.usedRows();
        Ledger::LitMois(journal, shown, rows.empty() ? QString() : rows.front()[ColAccount]);
        AnnualResult::compute(journal, chart, year);
        yearRows(journal, year);

        // Written back (a mark switched on and off makes the month changed;
        // a mark cell holding anything else than the mark is made the mark).
        if (rows.empty() || !(rows[0][ColMark].isEmpty() || rows[0][ColMark] == JournalMonth::markText()))
            continue;
        RecordList written = journal;
        read.toggleMark(0);
        read.toggleMark(0);
        Fuzz::require(read.write(written), "a changed month was not written");
        JournalMonth again(shown);
        again.read(written);
        const std::vector<JournalRow> reread = again.usedRows();
        if (reread != rows) {
            for (const auto *shown : {&rows, &reread})
                for (const JournalRow &r : *shown)
                    std::fprintf(stderr, "%s\n", qPrintable(QStringList(r.begin(), r.end()).join(QStringLiteral(" | "))));
            Fuzz::require(false, "a month written reads back otherwise");
        }
        for (const auto &[otherYear, otherMonth] : months) {
            if (otherYear == year && otherMonth == month)
                continue;
            JournalMonth before({otherYear, otherMonth}), after({otherYear, otherMonth});
            before.read(journal);
            after.read(written);
            Fuzz::require(before.usedRows() == after.usedRows(), "writing a month changes another");
        }
    }
    return 0;
}
