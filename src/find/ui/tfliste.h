#pragma once
// The grid windows listing members, partners or activities; a double click
// on a row picks its record.

#include "core/recordlist.h"
#include "find/lists.h"
#include "store/recordstore.h"

#include <QDialog>

class QFrame;
class QPushButton;
class QTableWidget;

class TFListeBase : public QDialog
{
    Q_OBJECT
public:
    // Fills the grid from the kind's record list.
    void Init(const RecordList &lines);
    // -1 when nothing was picked, else the record number of the picked row.
    int Result() const { return m_result; }

    QTableWidget *grid() const { return m_grid; }

public slots:
    void done(int r) override;

protected:
    TFListeBase(Kind kind, QWidget *parent);
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void placeButton();
    void setRowCount(int rows);

    const Lists::GridLayout &m_layout;
    QFrame *m_panel = nullptr;
    QPushButton *m_close = nullptr;
    QTableWidget *m_grid = nullptr;
    bool m_picked = false;
    int m_result = -1;
};

class TFListe : public TFListeBase
{
    Q_OBJECT
public:
    explicit TFListe(QWidget *parent = nullptr) : TFListeBase(Kind::Member, parent) {}
};

class TFListe2 : public TFListeBase
{
    Q_OBJECT
public:
    explicit TFListe2(QWidget *parent = nullptr) : TFListeBase(Kind::Partner, parent) {}
};

class TFListe3 : public TFListeBase
{
    Q_OBJECT
public:
    explicit TFListe3(QWidget *parent = nullptr) : TFListeBase(Kind::Activity, parent) {}
};
