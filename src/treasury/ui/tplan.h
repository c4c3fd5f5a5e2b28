#pragma once
// The chart of accounts editor: a number and a label sent with Enter or
// "Valider" append an account, or replace the one picked in the list; Delete
// removes the picked one; "Plan type associatif" adds the starter accounts
// the chart lacks. The list as it stands at closing becomes the chart.

#include "core/recordlist.h"
#include "treasury/chart.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

class TPlan : public QDialog
{
    Q_OBJECT
public:
    explicit TPlan(QWidget *parent = nullptr);

    void Init(const RecordList &chart);
    // The chart takes the list, sorted.
    void Result(RecordList &chart) const;

    void Envoi();
    void Supprime();
    void Edit1Exit();
    // "Plan type associatif"; the number of accounts added.
    int addStarter();

    QLineEdit *numberEdit() const { return m_number; }
    QLineEdit *labelEdit() const { return m_label; }
    QListWidget *list() const { return m_list; }
    QToolButton *sendButton() const { return m_send; }
    QPushButton *starterButton() const { return m_starter; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    ChartEdit state() const;
    void apply(const ChartEdit &s);

    QLineEdit *m_number = nullptr;
    QLineEdit *m_label = nullptr;
    QToolButton *m_send = nullptr;
    QPushButton *m_starter = nullptr;
    QListWidget *m_list = nullptr;
    bool m_applying = false;
};
