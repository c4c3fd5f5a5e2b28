#include "treasury/journal.h"

#include "core/cp1252.h"
#include "core/formats.h"

#include <algorithm>
#include <cstring>

namespace JournalLine {

namespace {

bool digit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

Parsed parse(QByteArrayView line)
{
    Parsed p;
    if (line.size() < kTextStart)
        return p;
    const char *d = line.data() + kKeyLength;
    if (!digit(d[0]) || !digit(d[1]) || !digit(d[2]) || !digit(d[3]))
        return p;
    p.row = (d[0] - '0') * 100 + (d[1] - '0') * 10 + (d[2] - '0');
    p.column = d[3] - '0';
    p.text = line.sliced(kTextStart);
    if (p.row == kPendingRow && p.column <= kPendingLast)
        p.type = Type::Pending;
    else if (p.row < kRows && p.column < kColumns)
        p.type = Type::Cell;
    return p;
}

QString compose(const QString &key, int row, int column, const QString &text)
{
    return key + QString::number(row).rightJustified(3, QLatin1Char('0')) + QString::number(column) + text;
}

} // namespace JournalLine

using namespace JournalLine;

Totals totalsOf(const std::vector<JournalRow> &rows)
{
    Totals t;
    for (const JournalRow &r : rows) {
        t.expenses += Money::valueOr0(r[ColExpense]);
        t.receipts += Money::valueOr0(r[ColReceipt]);
    }
    return t;
}

JournalRow JournalEntry::texts() const
{
    JournalRow r;
    for (int c = 0; c < kColumns; ++c)
        r[size_t(c)] = Cp1252::decode(cells[size_t(c)]);
    return r;
}

namespace {

bool holdsSomething(const JournalRow &r)
{
    return std::any_of(r.begin(), r.end(), [](const QString &s) { return !s.isEmpty(); });
}

// Feeds one month's lines, in journal order, into its scan.
class MonthReader
{
public:
    explicit MonthReader(MonthScan &out) : m_out(out)
    {
        m_rowEntry.fill(-1);
        m_out.entries.reserve(kRows);
        m_out.cellLines.reserve(kRows * kColumns);
    }

    void take(int index, const Parsed &p)
    {
        switch (p.type) {
        case Type::Cell: {
            int &e = m_rowEntry[size_t(p.row)];
            if (e < 0) {
                e = int(m_out.entries.size());
                m_out.entries.push_back(JournalEntry{p.row, {}});
            }
            m_out.entries[size_t(e)].cells[size_t(p.column)] = p.text;
            m_out.cellLines.push_back(index);
            break;
        }
        case Type::Pending:
            m_pending.cells[size_t(p.column)] = p.text;
            m_pendingLines.push_back(index);
            if (p.column == kPendingLast) {
                m_out.entries.push_back(m_pending);
                m_out.pendingLines.insert(m_out.pendingLines.end(), m_pendingLines.begin(), m_pendingLines.end());
                m_out.pendingEnds.push_back(int(m_out.pendingLines.size()));
                m_pending = JournalEntry{};
                m_pendingLines.clear();
            }
            break;
        case Type::Unreadable:
            break;
        }
    }

private:
    MonthScan &m_out;
    std::array<int, kRows> m_rowEntry;
    // The pending entry being read; one without its closing line is never taken.
    JournalEntry m_pending;
    std::vector<int> m_pendingLines;
};

} // namespace

void MonthScan::appendPendingLines(int k, std::vector<int> *lines) const
{
    if (k > 0)
        lines->insert(lines->end(), pendingLines.begin(), pendingLines.begin() + pendingEnds[size_t(k - 1)]);
}

std::vector<JournalRow> MonthScan::rows() const
{
    std::vector<const JournalEntry *> stored, pending;
    for (const JournalEntry &e : entries)
        (e.row >= 0 ? stored : pending).push_back(&e);
    std::stable_sort(stored.begin(), stored.end(),
                     [](const JournalEntry *a, const JournalEntry *b) { return a->row < b->row; });
    std::vector<JournalRow> out;
    out.reserve(entries.size());
    for (const auto *list : {&stored, &pending})
        for (const JournalEntry *e : *list) {
            JournalRow r = e->texts();
            if (holdsSomething(r))
                out.push_back(r);
        }
    return out;
}

MonthScan scanMonth(const RecordList &journal, Period::YearMonth month, const MonthIndex *index)
{
    MonthScan scan;
    MonthReader reader(scan);
    const quint64 key = packedKey(Period::monthKey(month.year, month.month).toLatin1());
    if (index && index->isFor(journal)) {
        index->forEachLine(key, [&](int i) { reader.take(i, parse(journal.view(i))); });
        return scan;
    }
    const int n = journal.size();
    for (int i = 0; i < n; ++i) {
        const QByteArrayView line = journal.view(i);
        if (packedKey(line) == key)
            reader.take(i, parse(line));
    }
    return scan;
}

std::array<MonthScan, 12> scanYear(const RecordList &journal, int year)
{
    std::array<MonthScan, 12> scans;
    std::vector<MonthReader> readers;
    readers.reserve(12);
    for (MonthScan &s : scans)
        readers.emplace_back(s);
    forEachYearLine(journal, year,
                    [&](int month, int i, QByteArrayView line) { readers[size_t(month)].take(i, parse(line)); });
    return scans;
}

std::vector<JournalRow> yearRows(const RecordList &journal, int year)
{
    std::vector<JournalRow> out;
    for (const MonthScan &scan : scanYear(journal, year)) {
        const std::vector<JournalRow> rows = scan.rows();
        out.insert(out.end(), rows.begin(), rows.end());
    }
    return out;
}

// ---- MonthIndex ---------------------------------------------------------------

void MonthIndex::build(const RecordList &journal)
{
    m_runs.clear();
    const int n = journal.size();
    for (int i = 0; i < n; ++i) {
        const quint64 k = packedKey(journal.view(i));
        if (!m_runs.empty() && m_runs.back().key == k)
            ++m_runs.back().length;
        else
            m_runs.push_back({k, i, 1});
    }
    m_generation = journal.generation();
}

void MonthIndex::update(const std::vector<int> &removed, quint64 key, int first, int count, const RecordList &journal)
{
    std::vector<Run> runs;
    runs.reserve(m_runs.size() + 1);
    for (const Run &r : m_runs) {
        const auto before = std::lower_bound(removed.begin(), removed.end(), r.start);
        const auto inside = std::lower_bound(before, removed.end(), r.start + r.length);
        const int length = r.length - int(inside - before);
        if (length > 0)
            runs.push_back({r.key, r.start - int(before - removed.begin()), length});
    }
    if (count > 0)
        runs.push_back({key, first, count});
    m_runs = std::move(runs);
    m_generation = journal.generation();
}

// ---- JournalMonth -------------------------------------------------------------

const QString &JournalMonth::markText()
{
    static const QString mark = QStringLiteral("×");
    return mark;
}

JournalMonth::JournalMonth(Period::YearMonth shown) : m_shown(shown), m_rows(kRows) {}

void JournalMonth::clear()
{
    for (JournalRow &r : m_rows)
        for (QString &c : r)
            c.clear();
    m_count = 0;
}

void JournalMonth::recount()
{
    int last = kRows - 1;
    while (last >= 0 && !holdsSomething(m_rows[size_t(last)]))
        --last;
    m_count = last + 1;
}

void JournalMonth::read(const RecordList &journal)
{
    if (!m_index.isFor(journal))
        m_index.build(journal);
    const MonthScan scan = scanMonth(journal, m_shown, &m_index);
    clear();
    for (const JournalEntry &e : scan.entries)
        if (e.row >= 0)
            for (int c = 0; c < kColumns; ++c)
                if (!e.cells[size_t(c)].isNull())
                    m_rows[size_t(e.row)][size_t(c)] = Cp1252::decode(e.cells[size_t(c)]);
    recount();
    m_readLines = scan.cellLines;

    // Pending entries that fit take the rows after the used ones; the others
    // stay pending in the journal.
    m_pendingTaken = std::min(scan.pendingCount(), kRows - m_count);
    m_pendingLeft = scan.pendingCount() - m_pendingTaken;
    int k = 0;
    for (const JournalEntry &e : scan.entries) {
        if (e.row >= 0)
            continue;
        if (k == m_pendingTaken)
            break;
        JournalRow r = e.texts();
        for (const int c : {ColExpense, ColReceipt}) {
            QString stored;
            if (!r[size_t(c)].isEmpty() && Money::normalize(r[size_t(c)], &stored))
                r[size_t(c)] = stored;
        }
        // A pending entry of five empty cells is no entry, as for the ledger
        // (MonthScan::rows); it goes with the month's next write.
        if (holdsSomething(r))
            m_rows[size_t(m_count++)] = r;
        ++k;
    }
    scan.appendPendingLines(m_pendingTaken, &m_readLines);
    m_readGeneration = journal.generation();
    m_changed = false;
    m_edited = -1;
}

std::vector<int> JournalMonth::linesToRemove(const RecordList &journal) const
{
    std::vector<int> lines;
    if (journal.generation() == m_readGeneration) {
        lines = m_readLines;
    } else {
        // The journal changed under the month: find its lines again.
        const MonthScan scan = scanMonth(journal, m_shown, &m_index);
        lines = scan.cellLines;
        scan.appendPendingLines(std::min(m_pendingTaken, scan.pendingCount()), &lines);
    }
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return lines;
}

bool JournalMonth::write(RecordList &journal)
{
    if (!m_changed)
        return false;
    const bool indexed = m_index.isFor(journal);
    const std::vector<int> lines = linesToRemove(journal);
    // Whole runs at a time, from the end, so that the indexes before stay good.
    for (size_t end = lines.size(); end > 0;) {
        size_t begin = end - 1;
        while (begin > 0 && lines[begin - 1] + 1 == lines[begin])
            --begin;
        journal.replaceRange(lines[begin], int(end - begin), {});
        end = begin;
    }
    const QByteArray k = key().toLatin1();
    const int first = journal.size();
    QByteArray line;
    for (int r = 0; r < m_count; ++r)
        for (int c = 0; c < kColumns; ++c) {
            const QString &text = m_rows[size_t(r)][size_t(c)];
            line.resize(kTextStart + text.size());
            char *d = line.data();
            std::memcpy(d, k.constData(), kKeyLength);
            d[6] = char('0' + r / 100);
            d[7] = char('0' + r / 10 % 10);
            d[8] = char('0' + r % 10);
            d[9] = char('0' + c);
            Cp1252::encodeInto(text, d + kTextStart);
            journal.appendRaw(line);
        }
    const int count = journal.size() - first;
    if (indexed)
        m_index.update(lines, packedKey(k), first, count, journal);
    m_readLines.resize(size_t(count));
    for (int i = 0; i < count; ++i)
        m_readLines[size_t(i)] = first + i;
    m_readGeneration = journal.generation();
    m_pendingTaken = 0;
    m_changed = false;
    return true;
}

void JournalMonth::move(RecordList &journal, int delta)
{
    write(journal);
    m_shown = m_shown.step(delta);
    read(journal);
}

std::vector<JournalRow> JournalMonth::usedRows() const
{
    return std::vector<JournalRow>(m_rows.begin(), m_rows.begin() + m_count);
}

Totals JournalMonth::totals() const
{
    return totalsOf(m_rows);
}

JournalMonth::Entered JournalMonth::enter(const EntryInput &input, const QDate &today)
{
    if (input.expense.trimmed().isEmpty() && input.receipt.trimmed().isEmpty())
        return Entered::NoAmount;
    QString amounts[2];
    const QString *typed[2] = {&input.expense, &input.receipt};
    for (int i = 0; i < 2; ++i)
        if (!typed[i]->trimmed().isEmpty() && !Money::normalize(*typed[i], &amounts[i]))
            return Entered::BadAmount;
    int r = m_edited;
    if (r < 0 || r >= m_count) {
        if (m_count >= kRows)
            return Entered::Full;
        r = m_count++;
    }
    JournalRow &row = m_rows[size_t(r)];
    row[ColDate] = input.date.trimmed().isEmpty() ? Formats::date(today) : input.date;
    row[ColAccount] = input.account;
    row[ColLabel] = input.label;
    row[ColExpense] = amounts[0];
    row[ColReceipt] = amounts[1];
    Tri();
    m_changed = true;
    m_edited = -1;
    return Entered::Stored;
}

std::optional<EntryInput> JournalMonth::beginChange(int row)
{
    if (row < 0 || row >= m_count)
        return std::nullopt;
    m_edited = row;
    const JournalRow &r = m_rows[size_t(row)];
    return EntryInput{r[ColDate], r[ColAccount], r[ColLabel], r[ColExpense].trimmed(), r[ColReceipt].trimmed()};
}

bool JournalMonth::remove(int row)
{
    if (row < 0 || row >= m_count)
        return false;
    m_rows.erase(m_rows.begin() + row);
    m_rows.emplace_back();
    recount();
    m_changed = true;
    m_edited = -1;
    return true;
}

void JournalMonth::Tri()
{
    const auto day = [](const JournalRow &r) { return r[ColDate].left(2); };
    std::stable_sort(m_rows.begin(), m_rows.begin() + m_count, [&](const JournalRow &a, const JournalRow &b) {
        const bool ea = !holdsSomething(a), eb = !holdsSomething(b);
        if (ea != eb)
            return eb;
        return !ea && day(a) < day(b);
    });
    recount();
}

bool JournalMonth::toggleMark(int row)
{
    if (row < 0 || row >= m_count)
        return false;
    QString &mark = m_rows[size_t(row)][ColMark];
    mark = mark.isEmpty() ? markText() : QString();
    m_changed = true;
    return true;
}
