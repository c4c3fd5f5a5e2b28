#pragma once
// The partners page: one partner (a company or other body the association
// deals with) at a time, its remarks and its dated amounts.

#include "fiche/recordpage.h"

#include <QStringList>

#include <array>

class DatedGrid;
class QLineEdit;
class QPlainTextEdit;

class PartnersPage : public RecordPage
{
    Q_OBJECT
public:
    explicit PartnersPage(TFiche *fiche);

    // LitPartenaire and EcritPartenaire.
    void readRecord() override;
    void writeRecord() override;
    // The record as the page shows it.
    BlockData record() const;
    QWidget *firstField() const override;
    // Copy and paste of "Société" to "Email", in a buffer of the partners' own.
    void copy() override;
    void paste() override;

    // "Code", then "Société" to "Email" in block order.
    QLineEdit *field(int position) const { return m_fields[size_t(position - 1)]; }
    QPlainTextEdit *remarks() const { return m_memo; }
    DatedGrid *datedGrid() const { return m_grid; }

    static constexpr int kFixedLines = PartnerField::Count;

private:
    std::array<QLineEdit *, kFixedLines> m_fields{};
    QPlainTextEdit *m_memo = nullptr;
    DatedGrid *m_grid = nullptr;
    // Empty until the first copy: pasting then leaves the partner alone.
    QStringList m_buffer;
};
