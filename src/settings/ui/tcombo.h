#pragma once
// A list editor: type a text and send it with Enter or "Valider" to append it,
// or to replace the item picked in the list; Delete removes the picked item.
// There is no cancel: the list as it stands when the window closes is kept.

#include "settings/typelist.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

class TCombo : public QDialog
{
    Q_OBJECT
public:
    explicit TCombo(QWidget *parent = nullptr);

    // The list box takes the items in order; the edit is emptied.
    void Init(const QStringList &items);
    // The items of the list box, in order.
    void Result(QStringList &items) const;

    void Envoi();
    void Supprime();

    QLabel *label() const { return m_label; }
    QLineEdit *edit() const { return m_edit; }
    QListWidget *list() const { return m_list; }
    QToolButton *sendButton() const { return m_send; }
    QPushButton *closeButton() const { return m_close; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    TypeList state() const;
    void apply(const TypeList &s);
    void onSelectionChanged();

    QPushButton *m_close = nullptr;
    QLabel *m_label = nullptr;
    QLineEdit *m_edit = nullptr;
    QToolButton *m_send = nullptr;
    QListWidget *m_list = nullptr;
    bool m_applying = false;
};
