#include "core/dialogs.h"

#include "core/textfile.h"

#include <QFileInfo>

namespace {

// Used before anything is installed: answers as a cautious user would.
class SilentDialogs : public Dialogs
{
public:
    void message(const QString &) override {}
    void error(const QString &) override {}
    Answer yesNoCancel(const QString &) override { return Cancel; }
    bool yesNo(const QString &) override { return false; }
    bool okCancel(const QString &) override { return false; }
    bool input(const QString &, const QString &, QString *) override { return false; }
    QString openFile(const QString &, const QString &) override { return QString(); }
    QString saveFile(const QString &, const QString &, const QString &) override { return QString(); }
};

SilentDialogs g_silent;
Dialogs *g_current = &g_silent;

} // namespace

bool Dialogs::chooseFont(QFont *)
{
    return false;
}

// Dialogs that show no printer dialogs cancel them.
bool Dialogs::printRange(int, int *, int *)
{
    return false;
}

bool Dialogs::printerSetup()
{
    return false;
}

Dialogs &Dialogs::current()
{
    return *g_current;
}

void Dialogs::install(Dialogs *dialogs)
{
    g_current = dialogs ? dialogs : &g_silent;
}

QString Dialogs::fileToWrite(const QString &filter, const QString &defaultSuffix, const QString &initialName,
                             const QString &ownFile)
{
    const QString path = saveFile(filter, defaultSuffix, initialName);
    if (path.isEmpty())
        return QString();
    // The save dialogs here do not confirm a replacement themselves; saving a
    // document over its own file is no replacement.
    const bool own =
        !ownFile.isEmpty() && QFileInfo(path).absoluteFilePath() == QFileInfo(ownFile).absoluteFilePath();
    if (!own && TextFile::exists(path) && !okCancel(QStringLiteral("Ce fichier existe déjà")))
        return QString();
    return path;
}

QString Dialogs::writeChosenFile(const QString &filter, const QString &defaultSuffix, const QString &initialName,
                                 const QByteArray &bytes, const QString &ownFile)
{
    const QString path = fileToWrite(filter, defaultSuffix, initialName, ownFile);
    if (path.isEmpty())
        return QString();
    QString error;
    if (!TextFile::writeBytes(path, bytes, &error)) {
        this->error(error);
        return QString();
    }
    return path;
}

bool Dialogs::askToSave(const QString &file, const std::function<bool()> &save)
{
    switch (yesNoCancel(QStringLiteral("Enregistrer changements dans %1 ?").arg(QFileInfo(file).fileName()))) {
    case Yes: return save();
    case No: return true;
    case Cancel: break;
    }
    return false;
}
