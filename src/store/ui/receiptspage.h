#pragma once

#include "store/ui/recordpage.h"

class ReceiptsPage : public RecordPage
{
    Q_OBJECT
public:
    explicit ReceiptsPage(TFiche *fiche);

    void readRecord() override;
    void writeRecord() override;
    QWidget *firstField() const override;

    // A new receipt filled from the member shown ("&Nouveau reçu").
    void NouvRecu();
    // A new empty receipt (button "Créer").
    void Button2Click();
    // Deletes the current receipt (after the frame's confirmation).
    void SupRecu();
    // Deletes the grid row holding the cursor.
    void SupLigne1();
    // Totals, franc total and the total in words.
    void Calculef();
};
