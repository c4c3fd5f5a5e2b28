#include "store/ui/receiptspage.h"

ReceiptsPage::ReceiptsPage(TFiche *fiche) : RecordPage(fiche, Kind::Receipt, QStringLiteral("TabSheet4"))
{
    finishSetup();
}

void ReceiptsPage::readRecord()
{
}

void ReceiptsPage::writeRecord()
{
}

QWidget *ReceiptsPage::firstField() const
{
    return nullptr;
}

void ReceiptsPage::NouvRecu()
{
}

void ReceiptsPage::Button2Click()
{
}

void ReceiptsPage::SupRecu()
{
}

void ReceiptsPage::SupLigne1()
{
}

void ReceiptsPage::Calculef()
{
}
