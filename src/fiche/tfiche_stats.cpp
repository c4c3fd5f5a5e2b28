#include "fiche/tfiche.h"

#include "stats/statistics.h"
#include "stats/ui/tstats.h"

void TFiche::StatsDpt()
{
    EcritFiche();
    openStatistic(this, Statistics::departements(m_store.MemberLines()));
}

void TFiche::StatsCat()
{
    EcritFiche();
    openStatistic(this, Statistics::categories(m_store.MemberLines()));
}

void TFiche::StatsCaMembres()
{
    EcritFiche();
    openStatistic(this, Statistics::turnover(m_store.MemberLines(), Kind::Member));
}

void TFiche::StatsCaPartenaires()
{
    EcritPartenaire();
    openStatistic(this, Statistics::turnover(m_store.PartnerLines(), Kind::Partner));
}

void TFiche::StatsCaActivites()
{
    EcritActivite();
    openStatistic(this, Statistics::turnover(m_store.ActivityLines(), Kind::Activity));
}
