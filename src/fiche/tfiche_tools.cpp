#include "fiche/tfiche.h"

#include "tools/ui/toolwindows.h"

void TFiche::Planning1()
{
    ToolWindows::openPlanning(this, m_store.FileName);
}

void TFiche::Messages()
{
    ToolWindows::openMessages(this, m_store.FileName);
}
