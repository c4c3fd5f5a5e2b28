#pragma once
// The layout of the bookkeeping printouts, drawn on a canvas in whole
// millimetres. Each starts a new page, with its header again, before a row
// would cross the bottom of the printable area. Each returns false when the
// device cannot be placed on or refused a page.

#include "print/canvas.h"
#include "print/printing.h"
#include "treasury/annualresult.h"
#include "treasury/journal.h"
#include "treasury/treasuryplan.h"

#include <functional>
#include <vector>

// Rows going down the page from a margin; a page is full when the next band
// would cross its bottom.
class PageFlow
{
public:
    PageFlow(Canvas &canvas, const Placement &placement, int leftMm, int topMm, int firstRowMm);

    // The header of every page, drawn at once on the first.
    void startWith(std::function<void()> header);

    int x(int mm) const { return m_place.x(mm + m_left); }
    int y(int mm) const { return m_place.y(mm + m_top); }
    int at() const { return m_y; }
    void advance(int mm) { m_y += mm; }
    // Room for a band of `heightMm` at the current row: a new page with its
    // header when the band would cross the bottom of a page already holding
    // rows. False when the device refused the page.
    bool room(int heightMm);

    // At the current row, or at a given height (headers).
    void text(int xMm, const QString &text) { textAt(xMm, m_y, text); }
    void textAt(int xMm, int yMm, const QString &text);
    // Text ending at xMm.
    void textRight(int xMm, const QString &text) { textRightAt(xMm, m_y, text); }
    void textRightAt(int xMm, int yMm, const QString &text);
    void line(int fromMm, int toMm) { lineAt(m_y, fromMm, toMm); }
    void lineAt(int yMm, int fromMm, int toMm);

private:
    Canvas &m_canvas;
    Placement m_place;
    int m_left, m_top, m_firstRow;
    std::function<void()> m_header;
    int m_y;
};

namespace Printouts {

constexpr int kRowPitch = 5;

// The month of the journal, or of the ledger (which adds "Totaux" before the
// sums). caption: "Mars 2001".
bool drawJournal(Canvas &canvas, const QString &caption, const std::vector<JournalRow> &rows, bool ledger);
PrintJob journalJob(bool ledger);

// The year shown of the treasury plan; 270 mm wide, landscape.
bool drawPlan(Canvas &canvas, const TreasuryPlan &plan);
PrintJob planJob();

bool drawResult(Canvas &canvas, int year, const AnnualResult &result);
PrintJob resultJob();

} // namespace Printouts
