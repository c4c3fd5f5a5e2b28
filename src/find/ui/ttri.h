#pragma once
// The sort dialogs: which line the records are sorted by.

#include <QDialog>
#include <QStringList>

class QButtonGroup;

class TTri : public QDialog
{
    Q_OBJECT
public:
    // The members' dialog: "Numéro", "Nom", "Code postal", "Ville".
    explicit TTri(QWidget *parent = nullptr);

    // -1 when the dialog was left by "Anuler", Escape or the close box, else
    // the index of the item checked.
    int Result() const;

protected:
    TTri(const QStringList &items, QWidget *parent);

private:
    QButtonGroup *m_group = nullptr;
    bool m_ok = false;
};

// The partners' dialog: "Code", "Société", "Code postal", "Ville".
class TTri2 : public TTri
{
    Q_OBJECT
public:
    explicit TTri2(QWidget *parent = nullptr);
};
