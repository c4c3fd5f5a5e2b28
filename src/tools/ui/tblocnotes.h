#pragma once
// "Bloc-notes": the one note pad shared by every member file, kept in the
// start folder, and printed as plain text.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

class TBlocnotes : public QDialog
{
    Q_OBJECT
public:
    explicit TBlocnotes(QWidget *parent = nullptr);

    // Loads the note when the file exists; false with a message in *error.
    bool Charge(const QString &path, QString *error);
    // Writes the note only when it changed; false with a message in *error.
    bool Sauve(const QString &path, QString *error);
    void Imprimer();

    QPlainTextEdit *memo() const { return m_memo; }
    QPushButton *printButton() const { return m_print; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QPlainTextEdit *m_memo = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_close = nullptr;
};
