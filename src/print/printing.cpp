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

PrintService &PrintService::current()
{
    return *g_current;
}

void PrintService::install(PrintService *service)
{
    g_current = service ? service : &g_noPrinter;
}
