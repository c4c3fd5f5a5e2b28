#pragma once
// "Emprunts": the repayment table of a loan.

#include "tools/ui/schedulewindow.h"

class TEmprunt : public ScheduleWindow
{
    Q_OBJECT
public:
    explicit TEmprunt(QWidget *parent = nullptr);

protected:
    Schedule::Result compute() const override;
};
