#pragma once
// Journal entries as a CSV file that a French spreadsheet opens directly:
// UTF-8 with a byte-order mark, semicolons, decimal commas, CR LF.

#include "treasury/journal.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace CsvExport {

// The header "Date;Compte;Libellé;Dépenses;Recettes;Pointage", then one line
// per entry (core/csv.h). Amounts that are numbers are written "0.00"
// without padding.
QByteArray bytes(const std::vector<JournalRow> &rows);
// A name to offer: "journal-2026-03.csv", "grand-livre-60600-2026.csv".
QString journalName(int year, int month = 0);
QString ledgerName(const QString &account, int year, int month = 0);

} // namespace CsvExport
