#pragma once
// The bureau: the financial year's dates and the eight officers with their
// telephones.

#include "settings/ui/okcanceldialog.h"

#include <QStringList>

#include <array>

class QDateEdit;
class QLineEdit;

class TBureau : public OkCancelDialog
{
    Q_OBJECT
public:
    explicit TBureau(QWidget *parent = nullptr);

    // Bureau lines 0 to 8: the year's dates into the two pickers (today's date
    // where the line gives none that can be read), names and telephones into
    // Edit1..Edit8 and Edit9..Edit16.
    void Init(const QStringList &lines);
    // Line 1 is emptied; only after "OK" are the nine lines rebuilt from the
    // dialog. The list is brought to nine lines.
    void Result(QStringList &lines) const;

    QDateEdit *startPicker() const { return m_start; }
    QDateEdit *endPicker() const { return m_end; }
    // Name edit k (1 to 8) and its telephone edit.
    QLineEdit *nameEdit(int k) const { return m_names[size_t(k - 1)]; }
    QLineEdit *phoneEdit(int k) const { return m_phones[size_t(k - 1)]; }

private:
    QDateEdit *m_start = nullptr;
    QDateEdit *m_end = nullptr;
    std::array<QLineEdit *, 8> m_names{};
    std::array<QLineEdit *, 8> m_phones{};
};
