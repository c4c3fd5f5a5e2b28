#pragma once
// The layout the loan and investment windows share: three amount fields and
// a duration above a five-column table with a totals row. A subclass names
// the fields and computes; the window shows the result.

#include "tools/schedule.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QSpinBox;
class QTableWidget;
class QToolButton;

class ScheduleWindow : public QDialog
{
    Q_OBJECT
public:
    QLineEdit *edit(int i) const { return m_edits[i]; } // Edit1 to Edit3, from 0
    QSpinBox *duration() const { return m_duration; }
    QTableWidget *grid() const { return m_grid; }
    QToolButton *computeButton() const { return m_compute; }

    // "Calculer".
    void Button2Click();
    // Empties the table.
    void Raz();

protected:
    struct Layout
    {
        QString objectName;
        QString caption;
        QString labels[3]; // the three fields, "Durée" standing after the second
        QString lastHeading;
    };
    ScheduleWindow(QWidget *parent, const Layout &layout);
    virtual Schedule::Result compute() const = 0;

    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void showTable(const Schedule::Table &table);

    QLineEdit *m_edits[3] = {};
    QSpinBox *m_duration = nullptr;
    QTableWidget *m_grid = nullptr;
    QToolButton *m_compute = nullptr;
};
