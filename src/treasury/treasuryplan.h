#pragma once
// The treasury plan: a forecast typed by the user, per year eleven lines of
// expected expenses and eleven of expected receipts, each with a label and a
// whole amount per month. Its file stands beside the member file, one cell
// per line:
//
//   characters 1-4 year, 5 row ("1" to "B"), 6 column ("0" label, "1" to "C"
//   January to December), 7 "1" expenses or "2" receipts, then the text.
//
// Lines that do not read as a cell are left in the file as they are.

#include <QString>
#include <QStringList>

#include <array>

class TreasuryPlan
{
public:
    enum Side { Expenses = 0, Receipts = 1 };
    static constexpr int kLines = 11;       // rows 1 to 11
    static constexpr int kColumns = 13;     // label, then January to December
    static constexpr int kMaxDigits = 9;    // of a typed amount

    // club.adh gives club.pdt; none for a store never saved.
    static QString fileName(const QString &memberFile);

    explicit TreasuryPlan(int year = 2000);

    // Charge: the plan file's lines, when it exists, then the year read. False
    // with *error set when it exists and cannot be read.
    bool load(const QString &file, QString *error);
    // Sauve: the year shown written when edited, then the file replaced when
    // any year was edited since loading. False with *error set when the file
    // cannot be written (the edits stay in memory).
    bool save(const QString &file, QString *error);

    int year() const { return m_year; }
    // Writes the year if edited, moves `delta` years and reads the new one.
    void changeYear(int delta);
    void readYear();   // LitAn
    void writeYear();  // EcritAn, when the year shown was edited

    // Row 1 to 11, column 0 to 12.
    QString cell(Side side, int row, int column) const { return m_cells[side][row - 1][size_t(column)]; }
    // A cell edited by the user; amount columns take only up to nine digits
    // (false, nothing changed, for anything else).
    bool setCell(Side side, int row, int column, const QString &text);
    static bool isAmountText(const QString &text);

    // Recalcul: the sum of the month's cells; a cell that is not a whole
    // number counts 0.
    qint64 total(Side side, int month) const;
    std::array<qint64, 12> totals(Side side) const;

    bool changed() const { return m_changed; }
    bool anyChanged() const { return m_anyChanged; }
    const QStringList &lines() const { return m_lines; }

private:
    struct Cell
    {
        Side side;
        int row;
        int column;
    };
    bool parseLine(const QString &line, Cell *cell) const;

    QStringList m_lines;
    int m_year;
    std::array<std::array<std::array<QString, kColumns>, kLines>, 2> m_cells;
    bool m_changed = false;
    bool m_anyChanged = false;
};
