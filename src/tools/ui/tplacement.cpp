#include "tools/ui/tplacement.h"

#include "core/clock.h"
#include "tools/placement.h"

#include <QLineEdit>
#include <QSpinBox>

TPlacement::TPlacement(QWidget *parent)
    : ScheduleWindow(parent, {QStringLiteral("Placement"),
                              QStringLiteral("Placements"),
                              {QStringLiteral("Apport"), QStringLiteral("Intérêts"), QStringLiteral("Mensualités")},
                              QStringLiteral("Mensualité")})
{
}

Schedule::Result TPlacement::compute() const
{
    return Placement::compute({edit(0)->text(), edit(1)->text(), duration()->value(), edit(2)->text(), Clock::today()});
}
