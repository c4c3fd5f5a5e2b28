#pragma once
// A settings dialog closed by "Annuler" or "OK": what it holds is handed back
// only after "OK". Escape and the window's close button count as "Annuler".

#include <QDialog>

class QBoxLayout;
class QPushButton;

class OkCancelDialog : public QDialog
{
    Q_OBJECT
public:
    bool isAccepted() const { return m_accepted; }

public slots:
    void reject() override;

protected:
    explicit OkCancelDialog(QWidget *parent);
    // The row of "Annuler" (Button1) and "OK" (Button2) at the end of layout.
    void addButtons(QBoxLayout *layout);

private:
    void ok();

    bool m_accepted = false;
};
