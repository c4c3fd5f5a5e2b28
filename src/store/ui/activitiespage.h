#pragma once

#include "store/ui/recordpage.h"

class ActivitiesPage : public RecordPage
{
    Q_OBJECT
public:
    explicit ActivitiesPage(TFiche *fiche);

    void readRecord() override;
    void writeRecord() override;
    QWidget *firstField() const override;
};
