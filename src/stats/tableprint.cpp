#include "stats/tableprint.h"

#include "core/clock.h"
#include "core/formats.h"

#include <QColor>

#include <algorithm>
#include <numeric>

namespace TablePrint {

namespace {

constexpr int kCellInset = 10;
constexpr int kValueColumn = StatTable::kColumns - 1;

class Printer
{
public:
    Printer(Canvas &canvas, const StatTable::Row &titles, const TablePrintLayout &layout, const QString &header)
        : c(canvas), m_layout(layout), m_header(header), m_titles(titles),
          m_date(QStringLiteral("Imprimé le ") + Formats::date(Clock::today()))
    {
        c.setFont(layout.fontFamily, layout.pointSize);
        m_lineHeight = std::max(1, c.textHeight(m_date) * 3 / 2);
        m_left = c.widthPx() / 25;
        m_top = c.heightPx() / 25;
        m_right = c.widthPx() - m_left;
        m_bottom = c.heightPx() - m_top;
        const int total = std::accumulate(layout.columnWidths.begin(), layout.columnWidths.end(), 0);
        const int scale = total > 0 ? std::max(1, c.widthPx() / total) : 1;
        int x = m_left;
        for (int col = 0; col < StatTable::kColumns; ++col) {
            m_columns[size_t(col)] = x;
            x += std::max(0, layout.columnWidths[size_t(col)]) * scale;
        }
        m_tableEnd = x;
    }

    bool rowFits() const { return m_y + m_lineHeight <= m_bottom; }

    void pageHeader()
    {
        c.setFont(m_layout.fontFamily, m_layout.pointSize, true);
        if (!m_header.isEmpty())
            c.textOut(m_left, m_top, m_header);
        c.textOut(m_right - c.textWidth(m_date), m_top, m_date);
        m_y = m_top + m_lineHeight;
        c.setBrushColor(QColor(0xC0, 0xC0, 0xC0));
        c.fillRect(QRect(m_left, m_y, m_right - m_left, m_lineHeight));
        across();
        row(m_titles);
        c.setBrushColor(Qt::white);
        c.setFont(m_layout.fontFamily, m_layout.pointSize);
    }

    void row(const StatTable::Row &cells)
    {
        for (int col = 0; col < StatTable::kColumns; ++col) {
            const QString &text = cells[size_t(col)];
            if (text.isEmpty())
                continue;
            const int x = col == kValueColumn ? m_tableEnd - kCellInset - c.textWidth(text)
                                              : m_columns[size_t(col)] + kCellInset;
            c.textOut(x, m_y + kCellInset, text);
        }
        m_y += m_lineHeight;
        across();
    }

    void verticals()
    {
        for (const int x : m_columns)
            line(x, m_top + m_lineHeight, x, m_y);
        line(m_right, m_top + m_lineHeight, m_right, m_y);
    }

private:
    void across() { line(m_left, m_y, m_right, m_y); }
    void line(int x1, int y1, int x2, int y2)
    {
        c.moveTo(x1, y1);
        c.lineTo(x2, y2);
    }

    Canvas &c;
    const TablePrintLayout &m_layout;
    QString m_header;
    StatTable::Row m_titles;
    QString m_date;
    int m_lineHeight = 1;
    int m_left = 0, m_top = 0, m_right = 0, m_bottom = 0;
    std::array<int, StatTable::kColumns> m_columns{};
    int m_tableEnd = 0;
    int m_y = 0;
};

} // namespace

QString jobTitle()
{
    return QStringLiteral("Statistiques employés au ") + Formats::date(Clock::today());
}

bool print(Canvas &canvas, const StatTable &table, const TablePrintLayout &layout, const QString &header,
           int rowCount)
{
    Printer p(canvas, table.titles, layout, header);
    p.pageHeader();
    const int rows = std::clamp(rowCount, 0, int(table.rows.size()));
    int onPage = 0;
    for (int r = 0; r < rows; ++r) {
        // At least one row per page, so that a page too small for more still ends.
        if (onPage > 0 && !p.rowFits()) {
            p.verticals();
            if (!canvas.newPage())
                return false;
            p.pageHeader();
            onPage = 0;
        }
        p.row(table.rows[r]);
        ++onPage;
    }
    p.verticals();
    return true;
}

} // namespace TablePrint
