#include "settings/ui/settingsdialogs.h"

#include "settings/bureau.h"
#include "settings/ui/tbureau.h"
#include "settings/ui/tcombo.h"
#include "settings/ui/tsociete.h"

#include <QLabel>

bool openSociete(QWidget *parent, QStringList &header7)
{
    QStringList lines = header7;
    TSociete dialog(parent);
    dialog.Init(lines);
    dialog.exec();
    dialog.Result(lines);
    return HeaderLines::takeResult(header7, lines);
}

bool openBureau(QWidget *parent, QStringList &bureau9)
{
    QStringList lines = bureau9;
    TBureau dialog(parent);
    dialog.Init(lines);
    dialog.exec();
    dialog.Result(lines);
    return BureauLines::takeResult(bureau9, lines);
}

void openTypes(QWidget *parent, QStringList &types)
{
    TCombo dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Les types d'activités"));
    dialog.label()->setText(QStringLiteral("Type"));
    dialog.Init(types);
    dialog.exec();
    dialog.Result(types);
}
