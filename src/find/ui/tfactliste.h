#pragma once
// The receipt list: the receipts in number order, which the user may reorder
// with the arrow buttons and pick one of.

#include "core/recordlist.h"
#include "store/recordstore.h"

#include <QDialog>
#include <QList>

class QListWidget;
class QPushButton;
class QToolButton;

class TFactListe : public QDialog
{
    Q_OBJECT
public:
    explicit TFactListe(QWidget *parent = nullptr);

    void Init(const RecordList &receiptLines);
    // After the window closed: numbers the receipts in the order shown (the
    // store is marked modified when that order changed) and gives the number
    // of the selected receipt, or -1.
    int Result(RecordStore &store) const;

    // Block numbers of the items in the order shown.
    QList<int> order() const;
    // The selected item's row, or -1.
    int selectedRow() const;

    QListWidget *list() const { return m_list; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void moveSelected(int step);

    QListWidget *m_list = nullptr;
    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
    QPushButton *m_close = nullptr;
};
