#include "app/framerules.h"

#include "core/formats.h"
#include "store/recordstore.h"

#include <QDir>

#include <algorithm>

FrameRules::Geometry FrameRules::initialGeometry(int screenWidth)
{
    if (screenWidth > 800)
        return {false, QSize(800, 600)};
    return {true, QSize()};
}

int FrameRules::hintPanelWidth(int windowWidth)
{
    return std::max(0, windowWidth - 100);
}

QString FrameRules::clockText(const QTime &time)
{
    return QStringLiteral("    ") + Formats::time(time);
}

QString FrameRules::helpFileName(const QString &startDir)
{
    return QDir(startDir).filePath(QStringLiteral("Velmora.hlp"));
}

QString FrameRules::memberFilter()
{
    return QStringLiteral("Fichiers adhérents (*.adh)");
}

QString FrameRules::memberSuffix()
{
    return QStringLiteral("adh");
}

bool FrameRules::isMemberFile(const QString &name)
{
    return name.endsWith(QStringLiteral(".adh"), Qt::CaseInsensitive);
}

QString FrameRules::memberFileName(const QString &chosen)
{
    if (chosen.isEmpty() || isMemberFile(chosen))
        return chosen;
    return RecordStore::withExtension(chosen, memberSuffix());
}

QString FrameRules::readOnlyTitle(const QString &caption)
{
    return QStringLiteral("Velmora - [%1] (lecture seule)").arg(caption);
}
