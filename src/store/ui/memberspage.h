#pragma once

#include "store/ui/recordpage.h"

class MembersPage : public RecordPage
{
    Q_OBJECT
public:
    explicit MembersPage(TFiche *fiche);

    void readRecord() override;
    void writeRecord() override;
    QWidget *firstField() const override;
};
