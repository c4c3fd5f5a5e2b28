#include "tools/ui/toolwindows.h"

#include "core/dialogs.h"
#include "tools/notepad.h"
#include "tools/ui/tblocnotes.h"
#include "tools/ui/tfichemsg.h"
#include "tools/ui/tplanning.h"

namespace ToolWindows {

QString notKeptText(const QString &what)
{
    return QStringLiteral("Le fichier adhérents n'a pas encore été enregistré : %1 ne sera pas conservé. "
                          "Enregistrez d'abord le fichier adhérents pour le garder.")
        .arg(what);
}

namespace {

// Charge, show, Sauve; a file that cannot be read or written is named.
template <typename Window>
void runKept(QWidget *parent, const QString &name)
{
    Window window(parent);
    QString error;
    if (!window.Charge(name, &error)) {
        Dialogs::current().error(error);
        return;
    }
    window.exec();
    if (!window.Sauve(name, &error))
        Dialogs::current().error(error);
}

} // namespace

void openPlanning(QWidget *parent, const QString &memberFile)
{
    if (memberFile.isEmpty())
        Dialogs::current().message(notKeptText(QStringLiteral("le planning")));
    runKept<TPlanning>(parent, memberFile);
}

void openMessages(QWidget *parent, const QString &memberFile)
{
    if (memberFile.isEmpty())
        Dialogs::current().message(notKeptText(QStringLiteral("le carnet de messages")));
    runKept<TFicheMsg>(parent, memberFile);
}

void openNotepad(QWidget *parent, const QString &startDir)
{
    runKept<TBlocnotes>(parent, Notepad::fileName(startDir));
}

void openHelp(QWidget *parent, TAide::Start start)
{
    TAide window(start, parent);
    window.exec();
}

} // namespace ToolWindows
