#pragma once
// The general ledger: the entries of one account in one month, in the order
// the journal holds them, with their totals. It never changes the journal.

#include "core/recordlist.h"
#include "treasury/journal.h"

#include <vector>

namespace Ledger {

constexpr int kRows = JournalLine::kRows;

// The entries of the scanned month whose account cell starts with the
// account's five characters; none for an empty account.
std::vector<JournalRow> entries(const MonthScan &scan, const QString &account);
// LitMois: the month's entries of the account, as many as the grid shows.
std::vector<JournalRow> LitMois(const RecordList &journal, Period::YearMonth month, const QString &account);
// Every entry of the account in the year, month after month.
std::vector<JournalRow> yearEntries(const RecordList &journal, int year, const QString &account);

} // namespace Ledger
