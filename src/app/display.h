#pragma once
// Whether a window can be shown at all. Without a display Qt would abort with
// a message few users understand; the program says so itself and stops.

#include <QByteArray>
#include <QString>

namespace DisplayCheck {

// True when a platform is named or an X11 or Wayland display is set.
bool available(const QByteArray &platform, const QByteArray &x11Display, const QByteArray &waylandDisplay);
// The same from the process environment.
bool available();
// One line for the terminal, in French and in English.
QString missingText();

} // namespace DisplayCheck
