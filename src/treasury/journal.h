#pragma once
// The journal: one line per cell of a month's grid, keyed by the month.
//
//   characters 1-4 year, 5-6 month, 7-9 row ("000" to "127", or "999" for an
//   entry still waiting to be taken into its month), 10 column ("0" to "5"),
//   then the cell text.
//
// A month as the journal window holds it (JournalMonth) is read from those
// lines and written back in their place. Whatever it cannot read stays in the
// journal exactly as it was.

#include "core/money.h"
#include "core/recordlist.h"
#include "treasury/period.h"

#include <QDate>
#include <QString>

#include <array>
#include <cstring>
#include <optional>
#include <vector>

namespace JournalLine {

constexpr int kRows = 128;
constexpr int kColumns = 6;
constexpr int kPendingRow = 999;
constexpr int kPendingLast = 4;   // the column that closes a pending entry
constexpr int kKeyLength = 6;
constexpr int kTextStart = 10;

enum class Type { Cell, Pending, Unreadable };

struct Parsed
{
    Type type = Type::Unreadable;
    int row = 0;
    int column = 0;
    QByteArrayView text;
};

// A line whose key was already matched: a grid cell (row below 128, column
// below 6), a pending cell (row 999, column below 5), or neither.
Parsed parse(QByteArrayView line);
QString compose(const QString &key, int row, int column, const QString &text);

// The key of a line packed in one number, 0 for a line shorter than a key;
// comparing numbers is the cheapest way to find a month's lines.
inline quint64 packedKey(QByteArrayView line)
{
    if (line.size() < kKeyLength)
        return 0;
    quint32 head = 0;
    quint16 tail = 0;
    std::memcpy(&head, line.data(), 4);
    std::memcpy(&tail, line.data() + 4, 2);
    return (quint64(tail) << 32 | head) | (quint64(1) << 48);
}

} // namespace JournalLine

// Where the months are in a journal: runs of consecutive lines that share a
// key. The journal window keeps it up to date through its own writes, so
// that showing another month reads that month's lines only.
class MonthIndex
{
public:
    bool isFor(const RecordList &journal) const { return m_generation == journal.generation(); }
    // One pass over the journal.
    void build(const RecordList &journal);
    // The lines of a key, in journal order.
    template <typename F>
    void forEachLine(quint64 key, F f) const
    {
        for (const Run &r : m_runs)
            if (r.key == key)
                for (int i = r.start; i < r.start + r.length; ++i)
                    f(i);
    }
    // After the sorted lines `removed` (all of one key) were taken out of the
    // journal and `count` lines of that key appended from line `first`.
    void update(const std::vector<int> &removed, quint64 key, int first, int count, const RecordList &journal);

private:
    struct Run
    {
        quint64 key;
        int start;
        int length;
    };
    std::vector<Run> m_runs;
    quint64 m_generation = ~quint64(0);
};

enum JournalColumn { ColDate = 0, ColAccount = 1, ColLabel = 2, ColExpense = 3, ColReceipt = 4, ColMark = 5 };

using JournalRow = std::array<QString, JournalLine::kColumns>;

struct Totals
{
    Money::Cents expenses = 0;
    Money::Cents receipts = 0;
    Money::Cents balance() const { return receipts - expenses; }
};

// Each expense and receipt cell added to its sum; an empty cell or one that
// is not a number adds nothing.
Totals totalsOf(const std::vector<JournalRow> &rows);

// One entry of a month as the journal holds it; the cells view the journal's
// bytes and are valid until it changes.
struct JournalEntry
{
    int row = -1;   // the grid row, or -1 for a pending entry
    std::array<QByteArrayView, JournalLine::kColumns> cells;

    JournalRow texts() const;
};

// The readable lines of one month: its entries in the order the journal gives
// them (a stored row from its first line, a pending entry from its closing
// line), which lines make them, and the pending entries that are complete.
struct MonthScan
{
    std::vector<JournalEntry> entries;
    // Lines of the stored rows.
    std::vector<int> cellLines;
    // Lines of the complete pending entries, the k-th entry's ending before
    // pendingEnds[k].
    std::vector<int> pendingLines;
    std::vector<int> pendingEnds;

    int pendingCount() const { return int(pendingEnds.size()); }
    // The lines of the first k complete pending entries added to `lines`.
    void appendPendingLines(int k, std::vector<int> *lines) const;
    // The stored rows in row order (empty ones left out), then the pending
    // entries: the month as the journal window shows it.
    std::vector<JournalRow> rows() const;
};

// With an index made for this journal, only the month's own lines are read.
MonthScan scanMonth(const RecordList &journal, Period::YearMonth month, const MonthIndex *index = nullptr);
// Calls f(month - 1, line index, line) for each line keyed by a month of the
// year, in journal order.
template <typename F>
void forEachYearLine(const RecordList &journal, int year, F f)
{
    const quint32 head = quint32(JournalLine::packedKey(Period::monthKey(year, 1).toLatin1()));
    const int n = journal.size();
    for (int i = 0; i < n; ++i) {
        const QByteArrayView line = journal.view(i);
        if (quint32(JournalLine::packedKey(line)) != head)
            continue;
        const char m1 = line[4], m2 = line[5];
        const int month = (m1 - '0') * 10 + (m2 - '0');
        if (m1 < '0' || m1 > '1' || m2 < '0' || m2 > '9' || month < 1 || month > 12)
            continue;
        f(month - 1, i, line);
    }
}

// All twelve months of a year in one pass; index 0 is January.
std::array<MonthScan, 12> scanYear(const RecordList &journal, int year);
// Every entry of the year, month after month, as each month shows it.
std::vector<JournalRow> yearRows(const RecordList &journal, int year);

// What was typed on the journal's input line.
struct EntryInput
{
    QString date;
    QString account;
    QString label;
    QString expense;
    QString receipt;
};

class JournalMonth
{
public:
    static constexpr int kRows = JournalLine::kRows;
    static const QString &markText(); // "×"

    explicit JournalMonth(Period::YearMonth shown = {2000, 1});

    Period::YearMonth shown() const { return m_shown; }
    QString key() const { return Period::monthKey(m_shown.year, m_shown.month); }

    // LitMois: the month's cells into the grid, then the complete pending
    // entries that fit after the used rows, amounts written "0.00".
    void read(const RecordList &journal);
    // EcritMois, when the month changed: the lines the month was read from
    // (the pending entries taken included) are removed, the used rows are
    // appended. Lines it did not read stay where they are. False when
    // nothing was to be written.
    bool write(RecordList &journal);
    // Writes the month, moves `delta` months and reads the new one.
    void move(RecordList &journal, int delta);

    const JournalRow &row(int r) const { return m_rows[size_t(r)]; }
    // Rows up to the last one holding anything.
    int count() const { return m_count; }
    std::vector<JournalRow> usedRows() const;
    bool changed() const { return m_changed; }
    // Pending entries left in the journal because the month had no room.
    int pendingLeft() const { return m_pendingLeft; }
    Totals totals() const;

    enum class Entered { Stored, NoAmount, BadAmount, Full };
    // Enter on the input line: both amounts empty asks for one; an amount that
    // is not a number, or a 129th entry, stores nothing. An empty date takes
    // today's. The entry replaces the row being changed, or is added; the rows
    // are then sorted by day.
    Entered enter(const EntryInput &input, const QDate &today);
    // A double click: the row's cells for the input line (amounts trimmed),
    // and the next entry replaces it. Nothing for a row past the used ones.
    std::optional<EntryInput> beginChange(int row);
    int editedRow() const { return m_edited; }
    void endChange() { m_edited = -1; }
    // "Supprimer écriture": the row's entry removed and the rows below moved
    // up; ends any change. False for a row past the used ones.
    bool remove(int row);
    // Rows ordered by the day of their date (its first two characters); the
    // entries of one day keep their order, rows holding nothing go last.
    void Tri();
    // The reconciliation mark of a used row switched on or off.
    bool toggleMark(int row);

private:
    void clear();
    void recount();
    std::vector<int> linesToRemove(const RecordList &journal) const;

    Period::YearMonth m_shown;
    std::vector<JournalRow> m_rows;
    int m_count = 0;
    int m_edited = -1;
    bool m_changed = false;
    int m_pendingTaken = 0;
    int m_pendingLeft = 0;
    // The lines the shown month was read from, and the journal they index.
    std::vector<int> m_readLines;
    quint64 m_readGeneration = ~quint64(0);
    MonthIndex m_index;
};
