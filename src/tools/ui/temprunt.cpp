#include "tools/ui/temprunt.h"

#include "core/clock.h"
#include "tools/loan.h"

#include <QLineEdit>
#include <QSpinBox>

TEmprunt::TEmprunt(QWidget *parent)
    : ScheduleWindow(parent, {QStringLiteral("Emprunt"),
                              QStringLiteral("Emprunts"),
                              {QStringLiteral("Montant"), QStringLiteral("Intérêts"), QStringLiteral("Mensualités")},
                              QStringLiteral("Solde")})
{
}

Schedule::Result TEmprunt::compute() const
{
    return Loan::compute({edit(0)->text(), edit(1)->text(), duration()->value(), edit(2)->text(), Clock::today()});
}
