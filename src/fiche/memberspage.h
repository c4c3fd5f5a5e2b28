#pragma once
// The members page: one member record, its remarks and its payments.

#include "fiche/recordpage.h"

#include <QStringList>

class DatedGrid;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;

class MembersPage : public RecordPage
{
    Q_OBJECT
public:
    explicit MembersPage(TFiche *fiche);

    // LitFiche: the block of the current member, or an empty page with the
    // next free number when the block does not exist yet.
    void readRecord() override;
    // EcritFiche: the page into the current member's block, when edited.
    void writeRecord() override;
    QWidget *firstField() const override;
    QWidget *appendField() const override;
    // Copier / Coller: the title and "Nom" to "Email".
    void copy() override;
    void paste() override;

    // The record as the page shows it, in block form.
    BlockData record() const;

    // The field holding fixed position 1 to 16 (a line edit, or the title's
    // editor for position 2); null for 17, the category.
    QLineEdit *field(int position) const;
    QComboBox *titleBox() const { return m_title; }
    QButtonGroup *categoryGroup() const { return m_categories; }
    int category() const;
    QPlainTextEdit *remarks() const { return m_remarks; }
    DatedGrid *payments() const { return m_payments; }


protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setTitle(const QString &text);
    void setCategory(int index);

    QLineEdit *m_number = nullptr;
    QComboBox *m_title = nullptr;
    QList<QLineEdit *> m_edits; // positions 3 to 13
    QLineEdit *m_birth = nullptr;
    QLineEdit *m_profession = nullptr;
    QLineEdit *m_renewal = nullptr;
    QGroupBox *m_categoryBox = nullptr;
    QButtonGroup *m_categories = nullptr;
    QPlainTextEdit *m_remarks = nullptr;
    DatedGrid *m_payments = nullptr;

    QStringList m_copied; // empty until something was copied
};
