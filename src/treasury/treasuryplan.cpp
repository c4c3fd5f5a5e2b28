#include "treasury/treasuryplan.h"

#include "core/formats.h"
#include "core/textfile.h"
#include "store/recordstore.h"
#include "treasury/period.h"

#include <algorithm>

namespace {

constexpr int kHeader = 7;
// More digits than this could overflow the sum of a column.
constexpr int kMaxCountedDigits = 17;

bool allDigits(const QString &t, int max)
{
    if (t.size() > max)
        return false;
    for (QChar c : t)
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
    return true;
}

} // namespace

QString TreasuryPlan::fileName(const QString &memberFile)
{
    return RecordStore::withExtension(memberFile, QStringLiteral("pdt"));
}

TreasuryPlan::TreasuryPlan(int year) : m_year(Period::clampYear(year)) {}

bool TreasuryPlan::parseLine(const QString &line, Cell *cell) const
{
    if (line.size() < kHeader || !line.startsWith(QString::number(m_year)))
        return false;
    const int row = Formats::hexDigit(line.at(4).unicode());
    const int column = Formats::hexDigit(line.at(5).unicode());
    if (row < 1 || row > kLines || column < 0 || column >= kColumns)
        return false;
    *cell = {line.at(6) == QLatin1Char('1') ? Expenses : Receipts, row, column};
    return true;
}

bool TreasuryPlan::load(const QString &file, QString *error)
{
    m_lines.clear();
    if (TextFile::exists(file) && !TextFile::readLines(file, &m_lines, error))
        return false;
    m_anyChanged = false;
    readYear();
    return true;
}

bool TreasuryPlan::save(const QString &file, QString *error)
{
    writeYear();
    if (!m_anyChanged)
        return true;
    if (!TextFile::writeLines(file, m_lines, error))
        return false;
    m_anyChanged = false;
    return true;
}

void TreasuryPlan::changeYear(int delta)
{
    writeYear();
    m_year = Period::stepYear(m_year, delta);
    readYear();
}

void TreasuryPlan::readYear()
{
    for (auto &side : m_cells)
        for (auto &row : side)
            row.fill(QString());
    Cell c;
    for (const QString &line : m_lines)
        if (parseLine(line, &c))
            m_cells[c.side][c.row - 1][size_t(c.column)] = line.mid(kHeader).trimmed();
    m_changed = false;
}

void TreasuryPlan::writeYear()
{
    if (!m_changed)
        return;
    Cell c;
    m_lines.erase(std::remove_if(m_lines.begin(), m_lines.end(), [&](const QString &l) { return parseLine(l, &c); }),
                  m_lines.end());
    const QString year = QString::number(m_year);
    const QString hex = QStringLiteral("0123456789ABC");
    for (const Side side : {Expenses, Receipts})
        for (int r = 1; r <= kLines; ++r)
            for (int col = 0; col < kColumns; ++col) {
                const QString text = cell(side, r, col).trimmed();
                if (!text.isEmpty())
                    m_lines.append(year + hex.at(r) + hex.at(col) + QLatin1Char(side == Expenses ? '1' : '2') + text);
            }
    m_changed = false;
    m_anyChanged = true;
}

bool TreasuryPlan::isAmountText(const QString &text)
{
    return allDigits(text, kMaxDigits);
}

bool TreasuryPlan::setCell(Side side, int row, int column, const QString &text)
{
    if (row < 1 || row > kLines || column < 0 || column >= kColumns)
        return false;
    if (column > 0 && !isAmountText(text.trimmed()))
        return false;
    QString &cell = m_cells[side][row - 1][size_t(column)];
    if (cell == text)
        return true;
    cell = text;
    m_changed = true;
    return true;
}

qint64 TreasuryPlan::total(Side side, int month) const
{
    qint64 sum = 0;
    for (int r = 1; r <= kLines; ++r) {
        const QString t = cell(side, r, month).trimmed();
        if (!t.isEmpty() && allDigits(t, kMaxCountedDigits))
            sum += t.toLongLong();
    }
    return sum;
}

std::array<qint64, 12> TreasuryPlan::totals(Side side) const
{
    std::array<qint64, 12> out{};
    for (int m = 1; m <= 12; ++m)
        out[size_t(m - 1)] = total(side, m);
    return out;
}
