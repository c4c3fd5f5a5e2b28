#include "store/ui/activitiespage.h"

ActivitiesPage::ActivitiesPage(TFiche *fiche) : RecordPage(fiche, Kind::Activity, QStringLiteral("TabSheet3"))
{
    finishSetup();
}

void ActivitiesPage::readRecord()
{
}

void ActivitiesPage::writeRecord()
{
}

QWidget *ActivitiesPage::firstField() const
{
    return nullptr;
}
