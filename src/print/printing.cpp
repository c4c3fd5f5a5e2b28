#include "print/printing.h"

#include "core/dialogs.h"

namespace {

class NoPrinter : public PrintService
{
public:
    bool print(const PrintJob &, const std::function<bool(Canvas &)> &) override
    {
        Dialogs::current().error(noPrinterText());
        return false;
    }
};

NoPrinter g_noPrinter;
PrintService *g_current = &g_noPrinter;

} // namespace

QString noPrinterText()
{
    return QStringLiteral("Impression impossible : aucune imprimante disponible");
}

QString noAreaText()
{
    return QStringLiteral("Impression impossible : l'imprimante n'indique pas de zone imprimable");
}

QString beginFailedText()
{
    return QStringLiteral("Impression impossible : l'imprimante n'a pas pu commencer le document");
}

QString pageFailedText()
{
    return QStringLiteral("Impression interrompue : l'imprimante n'a pas pu commencer une nouvelle page");
}

QString endFailedText()
{
    return QStringLiteral("Impression incomplète : l'imprimante n'a pas pu terminer le document");
}

PrintService &PrintService::current()
{
    return *g_current;
}

void PrintService::install(PrintService *service)
{
    g_current = service ? service : &g_noPrinter;
}
