#include "fiche/tfiche.h"

#include "tools/ui/ttexte.h"

void TFiche::TrTexte()
{
    const QStringList &header = m_settings.Header;
    TTexte texte(this);
    texte.Setsoc(header.value(0), header.value(1), header.value(2), header.value(3));
    texte.setWindowState(texte.windowState() | Qt::WindowMaximized);
    texte.exec();
}
