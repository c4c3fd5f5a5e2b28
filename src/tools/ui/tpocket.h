#pragma once
// "Calculatrice": a pocket calculator worked with its buttons or the keyboard.

#include "tools/pocketcalculator.h"

#include <QDialog>
#include <QHash>

class QLabel;
class QPushButton;

class TPocket : public QDialog
{
    Q_OBJECT
public:
    explicit TPocket(QWidget *parent = nullptr);

    PocketCalculator &calculator() { return m_calc; }
    QLabel *display() const { return m_display; }
    // The button of a calculator key ('0'..'9', ',', '=', '+', '-', '*', '/',
    // 'x', 's', 'C').
    QPushButton *button(QChar key) const { return m_buttons.value(key); }

    // Presses a button; a failed operation shows its message.
    void press(QChar key);
    // "C", and the state of a window just opened.
    void FormActivate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    PocketCalculator m_calc;
    QLabel *m_display = nullptr;
    QHash<QChar, QPushButton *> m_buttons;
};
