#include "fiche/tfiche.h"

#include "core/dialogs.h"
#include "core/textfile.h"
#include "treasury/ui/treasurywindows.h"

void TFiche::Plc(const QString &settingsDir)
{
    openPlan(this, ChartLines());
    if (!m_settings.SauvePlc(settingsDir))
        Dialogs::current().error(TextFile::writeErrorText(SettingsFiles::plcName()));
}

void TFiche::VoirPlc()
{
    openComptes(this, ChartLines());
}

void TFiche::Saisie()
{
    openJournal(this, m_store.JournalLines, ChartLines());
    m_store.markModified();
}

void TFiche::GrandLivre()
{
    openLedger(this, m_store.JournalLines, ChartLines());
}

void TFiche::Tresorerie()
{
    openTreso(this, m_store.FileName);
}

void TFiche::ResAnnuel()
{
    openResult(this, m_store.JournalLines, ChartLines());
}
