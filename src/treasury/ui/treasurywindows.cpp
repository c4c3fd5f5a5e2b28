#include "treasury/ui/treasurywindows.h"

#include "core/dialogs.h"
#include "treasury/ui/tbudget.h"
#include "treasury/ui/tcomptes.h"
#include "treasury/ui/tglivre.h"
#include "treasury/ui/tplan.h"
#include "treasury/ui/tresultat.h"
#include "treasury/ui/ttreso.h"

void openPlan(QWidget *parent, RecordList &chart)
{
    TPlan window(parent);
    window.Init(chart);
    window.exec();
    window.Result(chart);
}

void openComptes(QWidget *parent, const RecordList &chart)
{
    TComptes window(parent);
    window.Init(chart);
    window.exec();
}

void openJournal(QWidget *parent, RecordList &journal, const RecordList &chart)
{
    TBudget window(parent);
    window.Init(journal, chart);
    window.exec();
    window.Result(journal);
}

void openLedger(QWidget *parent, const RecordList &journal, const RecordList &chart)
{
    TGlivre window(parent);
    window.Init(journal, chart);
    window.exec();
}

bool openTreso(QWidget *parent, const QString &memberFile)
{
    Dialogs &d = Dialogs::current();
    if (memberFile.isEmpty()) {
        d.message(QStringLiteral("Enregistrez d'abord le fichier des adhérents."));
        return false;
    }
    TTreso window(parent);
    QString error;
    if (!window.Charge(memberFile, &error)) {
        d.error(error);
        return false;
    }
    window.exec();
    if (!window.Sauve(memberFile, &error)) {
        d.error(error);
        return false;
    }
    return true;
}

void openResult(QWidget *parent, const RecordList &journal, const RecordList &chart)
{
    TResultat window(parent);
    window.Init(journal, chart);
    window.exec();
}
