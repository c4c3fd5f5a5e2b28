#pragma once
// The openers of the bookkeeping windows, for the record window: each makes
// its window, hands it what it needs, shows it and takes its result back.

#include "core/recordlist.h"

#include <QString>

class QWidget;

// The chart editor; the chart takes whatever the list holds at closing.
void openPlan(QWidget *parent, RecordList &chart);
void openComptes(QWidget *parent, const RecordList &chart);
// The journal; it is handed back whatever closed the window.
void openJournal(QWidget *parent, RecordList &journal, const RecordList &chart);
void openLedger(QWidget *parent, const RecordList &journal, const RecordList &chart);
// The treasury plan beside the member file. A store never saved has no plan
// file: the user is asked to save it first. False when the plan did not open
// or could not be written (the user was told).
bool openTreso(QWidget *parent, const QString &memberFile);
void openResult(QWidget *parent, const RecordList &journal, const RecordList &chart);
