#include "store/ui/memberspage.h"

MembersPage::MembersPage(TFiche *fiche) : RecordPage(fiche, Kind::Member, QStringLiteral("TabSheet1"))
{
    finishSetup();
}

void MembersPage::readRecord()
{
}

void MembersPage::writeRecord()
{
}

QWidget *MembersPage::firstField() const
{
    return nullptr;
}
