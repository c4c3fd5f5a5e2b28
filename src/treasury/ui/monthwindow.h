#pragma once
// What the journal and the general ledger windows share: a top panel with
// the month and the buttons to move, print, export and close; the grid of
// 128 entries; the totals and the balance under it. Page Up and Page Down
// move a month wherever the window routes them.

#include "treasury/journal.h"
#include "treasury/period.h"

#include <QDialog>

#include <vector>

class QBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QToolButton;

class MonthWindow : public QDialog
{
    Q_OBJECT
public:
    QLabel *captionLabel() const { return m_caption; }
    QTableWidget *grid() const { return m_grid; }
    QToolButton *previousButton() const { return m_previous; }
    QToolButton *nextButton() const { return m_next; }
    QToolButton *printButton() const { return m_print; }
    QToolButton *exportButton() const { return m_export; }
    QPushButton *closeButton() const { return m_close; }
    QLineEdit *expenseTotal() const { return m_expenses; }
    QLineEdit *receiptTotal() const { return m_receipts; }
    QLineEdit *balanceField() const { return m_balance; }

    // A cell's text as shown.
    QString cell(int row, int column) const;

    // The month moved by `delta`; the export of the month or of the year.
    virtual void moveMonth(int delta) = 0;
    virtual void Imprimer() = 0;
    virtual void exportRows(bool wholeYear) = 0;

protected:
    MonthWindow(const QString &objectName, const QString &title, QWidget *parent);

    // The panel's row of buttons, and the window's column under the panel.
    QBoxLayout *panelRow() const { return m_panelRow; }
    QBoxLayout *body() const { return m_body; }
    void placeGridAndTotals();

    void showCaption(const Period::YearMonth &shown);
    // Rows from the top; the others are emptied.
    void showRows(const std::vector<JournalRow> &rows);
    void showRow(int row, const JournalRow &cells);
    void showTotals(const Totals &totals);
    // Page Up and Page Down: true when the key was one of them (it is consumed).
    bool pageKey(QEvent *event);
    // Asks for the file, and whether to replace one, then writes it; the
    // user is told of a failure.
    static bool saveCsv(const std::vector<JournalRow> &rows, const QString &suggestedName);

private:
    QLabel *m_caption = nullptr;
    QBoxLayout *m_panelRow = nullptr;
    QBoxLayout *m_body = nullptr;
    QToolButton *m_previous = nullptr;
    QToolButton *m_next = nullptr;
    QToolButton *m_print = nullptr;
    QToolButton *m_export = nullptr;
    QPushButton *m_close = nullptr;
    QTableWidget *m_grid = nullptr;
    QLineEdit *m_expenses = nullptr;
    QLineEdit *m_receipts = nullptr;
    QLineEdit *m_balance = nullptr;
};
