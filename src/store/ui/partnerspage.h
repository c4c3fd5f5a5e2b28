#pragma once

#include "store/ui/recordpage.h"

class PartnersPage : public RecordPage
{
    Q_OBJECT
public:
    explicit PartnersPage(TFiche *fiche);

    void readRecord() override;
    void writeRecord() override;
    QWidget *firstField() const override;
};
