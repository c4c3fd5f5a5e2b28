#include "store/ui/partnerspage.h"

PartnersPage::PartnersPage(TFiche *fiche) : RecordPage(fiche, Kind::Partner, QStringLiteral("TabSheet2"))
{
    finishSetup();
}

void PartnersPage::readRecord()
{
}

void PartnersPage::writeRecord()
{
}

QWidget *PartnersPage::firstField() const
{
    return nullptr;
}
