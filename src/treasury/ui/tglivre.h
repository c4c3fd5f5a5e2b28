#pragma once
// The general ledger: one account's entries of one month, read-only. The
// account is chosen from the chart's list only.

#include "core/recordlist.h"
#include "treasury/ui/monthwindow.h"

#include <QStringList>

class QComboBox;

class TGlivre : public MonthWindow
{
    Q_OBJECT
public:
    explicit TGlivre(QWidget *parent = nullptr);

    // The window's own copies; the first account is chosen.
    void Init(const RecordList &journal, const RecordList &chart);

    Period::YearMonth shown() const { return m_shown; }
    QString account() const;
    int rowCount() const { return int(m_rows.size()); }

    void LitMois();
    void moveMonth(int delta) override;
    void Imprimer() override;
    void exportRows(bool wholeYear) override;
    // An account chosen in the list.
    void ComboBox1Change();

    QComboBox *accountBox() const { return m_account; }
    QLineEdit *labelEdit() const { return m_label; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void showLabel();

    RecordList m_journal;
    QStringList m_chart;
    Period::YearMonth m_shown;
    std::vector<JournalRow> m_rows;
    QComboBox *m_account = nullptr;
    QLineEdit *m_label = nullptr;
};
