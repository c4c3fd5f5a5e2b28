#pragma once
// "Horloge": the time and date, each second; "Set" stops them for the user to
// step a part up or down, and a second "Set" sets the computer's clock.

#include "tools/clocksetting.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

class THorloge : public QDialog
{
    Q_OBJECT
public:
    explicit THorloge(QWidget *parent = nullptr);

    QLabel *timeLabel() const { return m_time; }
    QLabel *dateLabel() const { return m_date; }
    QRadioButton *partButton(ClockSetting::Part p) const { return m_parts[int(p)]; }
    QPushButton *setButton() const { return m_set; }
    QTimer *timer() const { return m_timer; }
    bool setting() const { return m_setting; }

    void Timer1Timer();
    void SpinButton1UpClick();
    void SpinButton1DownClick();
    void Button2Click(); // "Set"
    // Sets the computer's clock to what is shown, once the user confirms.
    void Modifie();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    ClockSetting::Part part() const;
    void stepShown(int delta);

    QLabel *m_time = nullptr;
    QLabel *m_date = nullptr;
    QRadioButton *m_parts[5] = {};
    QPushButton *m_set = nullptr;
    QTimer *m_timer = nullptr;
    bool m_setting = false;
};
