#pragma once
// The statistics windows: a ranked grid of one statistic, with buttons to
// print it, chart it and export it.

#include "stats/stattable.h"
#include "stats/tableprint.h"

#include <QDialog>

class QTableWidget;

class TStatsBase : public QDialog
{
    Q_OBJECT
public:
    QTableWidget *grid() const { return m_grid; }
    const StatTable &table() const { return m_table; }
    // Result lines shown.
    int rowCount() const { return m_rowCount; }
    // The grid's font and column widths, for the printout.
    TablePrintLayout printLayout() const;

    // "Imprimer": the table on the printer, one page after another.
    void Imprimer();
    // "Graphique": the bar chart of the last rows.
    void Graphique();
    // "Exporter": the table as a CSV file the user names.
    void Exporter();

protected:
    TStatsBase(const QString &caption, const QString &keyTitle, const QString &nameTitle, const QString &valueTitle,
               QWidget *parent);
    // Sorts the result list and shows it, ranked.
    void fill(const StatList &list);

private:
    void setRows(int rows);

    QString m_keyTitle;
    QString m_nameTitle;
    QString m_valueTitle;
    QTableWidget *m_grid = nullptr;
    StatTable m_table;
    int m_rowCount = 0;
};

// "Statistiques sur les départements"
class TStatsD : public TStatsBase
{
    Q_OBJECT
public:
    explicit TStatsD(QWidget *parent = nullptr);
    void Init(const StatList &list) { fill(list); }
};

// "Statistiques sur les catégories"
class TStatsC : public TStatsBase
{
    Q_OBJECT
public:
    explicit TStatsC(QWidget *parent = nullptr);
    void Init(const StatList &list) { fill(list); }
};

// "Statistiques sur les CA " and what the turnover is of.
class TStatsCa : public TStatsBase
{
    Q_OBJECT
public:
    explicit TStatsCa(QWidget *parent = nullptr);
    void Init(const StatList &list, const QString &suffix);
};

// Shows a statistic in its window, modal, after one message naming the
// amounts it could not count.
void openStatistic(QWidget *parent, const StatList &list);
