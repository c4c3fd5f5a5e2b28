#pragma once
// The association's letterhead: seven lines printed at the top of letters,
// receipts and lists.

#include "settings/ui/okcanceldialog.h"

#include <QStringList>

#include <array>

class QLabel;
class QLineEdit;

class TSociete : public OkCancelDialog
{
    Q_OBJECT
public:
    explicit TSociete(QWidget *parent = nullptr);

    // Header lines 1 to 7 (indexes 0 to 6) into Edit1 to Edit7.
    void Init(const QStringList &lines);
    // Line 1 is emptied; only after "OK" do the seven edits replace the lines.
    // The list is brought to seven lines.
    void Result(QStringList &lines) const;

    QLineEdit *edit(int k) const { return m_edits[size_t(k - 1)]; }

private:
    QLabel *m_title = nullptr;
    std::array<QLineEdit *, 7> m_edits{};
};
