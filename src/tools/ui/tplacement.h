#pragma once
// "Placements": how a savings investment grows month by month.

#include "tools/ui/schedulewindow.h"

class TPlacement : public ScheduleWindow
{
    Q_OBJECT
public:
    explicit TPlacement(QWidget *parent = nullptr);

protected:
    Schedule::Result compute() const override;
};
