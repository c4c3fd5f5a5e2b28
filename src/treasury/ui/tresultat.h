#pragma once
// The annual result of one year, read-only: charge accounts, receipts
// accounts, their totals and the profit or loss; "Précédent" and "Suivant"
// change the year.

#include "core/recordlist.h"
#include "treasury/annualresult.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;
class QTableWidget;

class TResultat : public QDialog
{
    Q_OBJECT
public:
    explicit TResultat(QWidget *parent = nullptr);

    void Init(const RecordList &journal, const RecordList &chart);
    int year() const { return m_year; }
    const AnnualResult &result() const { return m_result; }

    void LitAn();
    void changeYear(int delta);
    void Imprimer();

    QTableWidget *grid() const { return m_grid; }
    QLabel *captionLabel() const { return m_caption; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    RecordList m_journal;
    QStringList m_chart;
    int m_year;
    AnnualResult m_result;
    QTableWidget *m_grid = nullptr;
    QLabel *m_caption = nullptr;
};
