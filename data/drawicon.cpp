// Writes the program's icon for installing: the SVG and one PNG per size, in
// the folder given, as hicolor/<size>x<size>/apps/<id>.png and
// hicolor/scalable/apps/<id>.svg.

#include "app/ui/appicon.h"

#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QString root = QFile::decodeName(argv[1]) + QStringLiteral("/hicolor/");
    const QString scalable = root + QStringLiteral("scalable/apps/");
    QFile svg(scalable + AppIcon::id() + QStringLiteral(".svg"));
    if (!QDir().mkpath(scalable) || !svg.open(QIODevice::WriteOnly) || svg.write(AppIcon::svg()) < 0)
        return 1;
    svg.close();
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString folder = root + QStringLiteral("%1x%1/apps/").arg(size);
        if (!QDir().mkpath(folder) || !AppIcon::image(size).save(folder + AppIcon::id() + QStringLiteral(".png"), "PNG"))
            return 1;
    }
    return 0;
}
