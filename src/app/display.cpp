#include "app/display.h"

#include <QtGlobal>

bool DisplayCheck::available(const QByteArray &platform, const QByteArray &x11Display,
                        const QByteArray &waylandDisplay)
{
    return !platform.isEmpty() || !x11Display.isEmpty() || !waylandDisplay.isEmpty();
}

bool DisplayCheck::available()
{
    return available(qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY"));
}

QString DisplayCheck::missingText()
{
    return QStringLiteral("Velmora : aucun écran graphique disponible (DISPLAY et WAYLAND_DISPLAY "
                          "sont vides) / no graphical display available (DISPLAY and "
                          "WAYLAND_DISPLAY are unset).\n");
}
