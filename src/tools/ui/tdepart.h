#pragma once
// "Départements": the list of départements the statistics use, for reading.

#include <QDialog>

class QListWidget;

class TDepart : public QDialog
{
    Q_OBJECT
public:
    explicit TDepart(QWidget *parent = nullptr);
    QListWidget *list() const { return m_list; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QListWidget *m_list = nullptr;
};
