#pragma once
// "Euro convertisseur": francs to euros and back on a small keypad.

#include "tools/euroconverter.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TEurof : public QDialog
{
    Q_OBJECT
public:
    explicit TEurof(QWidget *parent = nullptr);

    EuroConverter &converter() { return m_converter; }
    QLabel *typedLabel() const { return m_typed; }
    QLabel *resultLabel() const { return m_result; }
    QLineEdit *rateEdit() const { return m_rate; }
    QRadioButton *toEuros() const { return m_toEuros; }
    QRadioButton *toFrancs() const { return m_toFrancs; }

    // A key typed on the window, "=" or "Fermer".
    void FormKeyPress(QChar key);
    void SpinButton1UpClick();
    void SpinButton1DownClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void refresh();

    EuroConverter m_converter;
    QLabel *m_typed = nullptr;
    QLabel *m_result = nullptr;
    QLineEdit *m_rate = nullptr;
    QRadioButton *m_toEuros = nullptr;
    QRadioButton *m_toFrancs = nullptr;
    QPushButton *m_equals = nullptr;
};
