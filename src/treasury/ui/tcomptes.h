#pragma once
// The chart of accounts as a read-only list: number and label, one row each.

#include "core/recordlist.h"

#include <QDialog>

class QTableWidget;

class TComptes : public QDialog
{
    Q_OBJECT
public:
    explicit TComptes(QWidget *parent = nullptr);

    void Init(const RecordList &chart);
    QTableWidget *grid() const { return m_grid; }

private:
    QTableWidget *m_grid = nullptr;
};
