#pragma once
// "Messages": the telephone message book of the open member file, one
// message shown at a time. The opener loads and saves the book.

#include "tools/messagebook.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TFicheMsg : public QDialog
{
    Q_OBJECT
public:
    explicit TFicheMsg(QWidget *parent = nullptr);

    // Both take the store's member file name; false with a message in *error.
    bool Charge(const QString &memberFile, QString *error);
    bool Sauve(const QString &memberFile, QString *error);

    MessageBook &book() { return m_book; }
    QLineEdit *field(int i) const { return m_fields[size_t(i)]; }
    QCheckBox *flag(int i) const { return m_flags[size_t(i)]; }
    QLabel *numberLabel() const { return m_number; }

    // The message as the window shows it.
    Message shown() const;
    void LitFiche();
    void Button2Click(); // "<"
    void Button3Click(); // ">"
    void Button4Click(); // "+"
    void Button5Click(); // "-"
    // Leaving an empty "Date" or "Heure" fills it with today's date or the time.
    void Edit5Exit();
    void Edit6Exit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    MessageBook m_book;
    std::array<QLineEdit *, Message::kFields> m_fields{};
    std::array<QCheckBox *, Message::kFlags> m_flags{};
    QLabel *m_number = nullptr;
    bool m_reading = false;
};
