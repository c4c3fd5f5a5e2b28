#pragma once
// "Graphique": the bar chart of a statistic's last values.

#include "stats/chart.h"

#include <QDialog>

class QPainter;

class TGraph : public QDialog
{
    Q_OBJECT
public:
    explicit TGraph(QWidget *parent = nullptr);

    // The value texts, in display order; only the last 32 are charted.
    void Init(const QStringList &values);
    const QList<qint64> &values() const { return m_values; }
    // Draws the chart on the drawing area; run by each of its paints.
    void DrawChart(QPainter &painter) const;

private:
    QList<qint64> m_values;
};
