#include "treasury/ledger.h"

#include "core/cp1252.h"

namespace Ledger {

std::vector<JournalRow> entries(const MonthScan &scan, const QString &account)
{
    std::vector<JournalRow> out;
    if (account.isEmpty())
        return out;
    const QByteArray wanted = Cp1252::encode(account);
    for (const JournalEntry &e : scan.entries)
        if (e.cells[ColAccount].first(std::min<qsizetype>(5, e.cells[ColAccount].size())) == wanted)
            out.push_back(e.texts());
    return out;
}

std::vector<JournalRow> LitMois(const RecordList &journal, Period::YearMonth month, const QString &account)
{
    std::vector<JournalRow> rows = entries(scanMonth(journal, month), account);
    if (rows.size() > size_t(kRows))
        rows.resize(size_t(kRows));
    return rows;
}

std::vector<JournalRow> yearEntries(const RecordList &journal, int year, const QString &account)
{
    std::vector<JournalRow> out;
    for (const MonthScan &scan : scanYear(journal, year)) {
        const std::vector<JournalRow> rows = entries(scan, account);
        out.insert(out.end(), rows.begin(), rows.end());
    }
    return out;
}

} // namespace Ledger
