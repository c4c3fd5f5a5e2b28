#pragma once
// The journal, one month at a time: the input line adds an entry with Enter
// or replaces the one double-clicked, "Supprimer écriture" removes the
// selected one; the month is written back into the window's copy of the
// journal before another is shown and when the window closes.

#include "core/recordlist.h"
#include "treasury/ui/monthwindow.h"

#include <QStringList>

class QComboBox;

class TBudget : public MonthWindow
{
    Q_OBJECT
public:
    explicit TBudget(QWidget *parent = nullptr);

    // The window's own copies of the journal and the chart.
    void Init(const RecordList &journal, const RecordList &chart);
    // The journal with the month shown written back.
    void Result(RecordList &journal);

    const JournalMonth &month() const { return m_month; }

    void LitMois();
    void EcritMois();
    void moveMonth(int delta) override;
    void Imprimer() override;
    void exportRows(bool wholeYear) override;
    // Enter on the input line.
    void enterEntry();
    // A double click on a row.
    void changeRow(int row);
    // "Supprimer écriture" on the selected row.
    void deleteSelected();
    void Raz();
    // Reconciliation mode: single cells, and a click on the last column
    // switches its mark.
    void SetPointage(bool on);

    QLineEdit *dateEdit() const { return m_date; }
    QComboBox *accountBox() const { return m_account; }
    QLineEdit *labelEdit() const { return m_label; }
    QLineEdit *expenseEdit() const { return m_expense; }
    QLineEdit *receiptEdit() const { return m_receipt; }
    QToolButton *deleteButton() const { return m_delete; }

    // The date field's text, empty when no digit was typed.
    QString dateText() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    // What follows the reading of a month: inputs emptied, grid and totals
    // shown, and the user told of entries left waiting.
    void monthRead();
    void refresh();
    void leaveDate();
    void leaveAccount();
    void leaveLabel();
    void leaveExpense();

    RecordList m_journal;
    QStringList m_chart;
    JournalMonth m_month;
    bool m_read = false;
    bool m_pointage = false;
    bool m_asking = false;

    QLineEdit *m_date = nullptr;
    QComboBox *m_account = nullptr;
    QLineEdit *m_label = nullptr;
    QLineEdit *m_expense = nullptr;
    QLineEdit *m_receipt = nullptr;
    QToolButton *m_delete = nullptr;
};
