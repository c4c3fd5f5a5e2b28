#pragma once
// "Calendrier": a month grid, today selected at opening, stepped a month at a
// time.

#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;

class TCalendrier : public QDialog
{
    Q_OBJECT
public:
    explicit TCalendrier(QWidget *parent = nullptr);

    QCalendarWidget *calendar() const { return m_calendar; }
    QLabel *title() const { return m_title; }

    void BitBtn1Click(); // previous month
    void BitBtn2Click(); // next month

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Calendar1Change();

    QCalendarWidget *m_calendar = nullptr;
    QLabel *m_title = nullptr;
};
