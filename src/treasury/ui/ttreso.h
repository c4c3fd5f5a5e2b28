#pragma once
// The treasury plan of one year: an expenses grid and a receipts grid of
// eleven lines, each a label and twelve whole monthly amounts, with the
// monthly totals under each grid. Page Up and Page Down change the year.

#include "treasury/treasuryplan.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class QToolButton;

class TTreso : public QDialog
{
    Q_OBJECT
public:
    explicit TTreso(QWidget *parent = nullptr);

    // The plan file of the member file read and the year shown; false with
    // *error set when the file exists and cannot be read.
    bool Charge(const QString &memberFile, QString *error);
    // The plan file written when a year was edited; false with *error set.
    bool Sauve(const QString &memberFile, QString *error);

    const TreasuryPlan &plan() const { return m_plan; }
    void changeYear(int delta);
    void Recalcul();
    void Imp();

    QTableWidget *grid(TreasuryPlan::Side side) const { return m_grids[side]; }
    // Total field of a month (1 to 12): Label4 ... Label27.
    QLabel *totalLabel(TreasuryPlan::Side side, int month) const { return m_totals[side][size_t(month - 1)]; }
    QLabel *captionLabel() const { return m_caption; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void LitAn();
    void cellEdited(TreasuryPlan::Side side, QTableWidgetItem *item);

    TreasuryPlan m_plan;
    std::array<QTableWidget *, 2> m_grids{};
    std::array<std::array<QLabel *, 12>, 2> m_totals{};
    QLabel *m_caption = nullptr;
    bool m_filling = false;
};
