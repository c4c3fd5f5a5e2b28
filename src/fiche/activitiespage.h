#pragma once
// The activities page: one dated activity at a time, with its type, the
// partner that runs it, its prices, places and sales, remarks and dated
// amounts.

#include "fiche/recordpage.h"

class DatedGrid;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QTimeEdit;

class ActivitiesPage : public RecordPage
{
    Q_OBJECT
public:
    explicit ActivitiesPage(TFiche *fiche);

    // LitActivite and EcritActivite.
    void readRecord() override;
    void writeRecord() override;
    QWidget *firstField() const override;
    // The activity types and the partner choice list, as they stand now.
    void aboutToShow() override;

    // The "Partenaire" items: code and company of every partner block.
    void InitPartenaires();
    // Focus leaving "Partenaire": a chosen "code company" item is split into
    // the code and the partner name.
    void ComboBox3Exit();
    // Focus leaving a price field: two decimals, right-aligned.
    void priceExit(QLineEdit *edit);

    QComboBox *typeBox() const { return m_type; }
    QComboBox *partnerBox() const { return m_partner; }
    QLineEdit *partnerName() const { return m_partnerName; }
    DatedGrid *datedGrid() const { return m_grid; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_code = nullptr;
    QLineEdit *m_title = nullptr;
    QComboBox *m_type = nullptr;
    QComboBox *m_partner = nullptr;
    QLineEdit *m_partnerName = nullptr;
    QDateEdit *m_startDate = nullptr;
    QTimeEdit *m_startTime = nullptr;
    QDateEdit *m_endDate = nullptr;
    QTimeEdit *m_endTime = nullptr;
    QLineEdit *m_priceHT = nullptr;
    QLineEdit *m_priceTTC = nullptr;
    QLineEdit *m_vat = nullptr;
    QLineEdit *m_places = nullptr;
    QLineEdit *m_sold = nullptr;
    QPlainTextEdit *m_memo = nullptr;
    DatedGrid *m_grid = nullptr;
};
