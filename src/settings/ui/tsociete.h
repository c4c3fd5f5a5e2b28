#pragma once
// The association's letterhead: seven lines printed at the top of letters,
// receipts and lists.

#include <QDialog>
#include <QStringList>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

class TSociete : public QDialog
{
    Q_OBJECT
public:
    explicit TSociete(QWidget *parent = nullptr);

    // Header lines 1 to 7 (indexes 0 to 6) into Edit1 to Edit7.
    void Init(const QStringList &lines);
    // Line 1 is emptied; only after "OK" do the seven edits replace the lines.
    // The list is brought to seven lines.
    void Result(QStringList &lines) const;

    bool isAccepted() const { return m_accepted; }
    QLineEdit *edit(int k) const { return m_edits[size_t(k - 1)]; }

public slots:
    void reject() override;

private:
    void ok();

    bool m_accepted = false;
    QLabel *m_title = nullptr;
    std::array<QLineEdit *, 7> m_edits{};
    QPushButton *m_cancel = nullptr;
    QPushButton *m_ok = nullptr;
};
