#include "settings/ui/settingsdialogs.h"

#include "settings/bureau.h"
#include "settings/ui/tbureau.h"
#include "settings/ui/tcombo.h"
#include "settings/ui/tsociete.h"

#include <QLabel>

namespace {

// The dialog works on a copy; the lines it hands back replace the settings
// only as takeResult allows.
template <typename Dialog>
bool openLines(QWidget *parent, QStringList &settings, bool (*takeResult)(QStringList &, const QStringList &))
{
    QStringList lines = settings;
    Dialog dialog(parent);
    dialog.Init(lines);
    dialog.exec();
    dialog.Result(lines);
    return takeResult(settings, lines);
}

} // namespace

bool openSociete(QWidget *parent, QStringList &header7)
{
    return openLines<TSociete>(parent, header7, HeaderLines::takeResult);
}

bool openBureau(QWidget *parent, QStringList &bureau9)
{
    return openLines<TBureau>(parent, bureau9, BureauLines::takeResult);
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
