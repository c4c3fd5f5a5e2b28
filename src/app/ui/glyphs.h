#pragma once
// The pictures of the tool buttons and of the splash window, drawn here so
// that the program carries no image of anyone else's.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace Glyphs {

// A tool button's picture by its name ("save", "open", "first"...); a plain
// frame for a name it does not know.
QIcon icon(const QString &name);
QPixmap pixmap(const QString &name, int size);
// The splash picture: an open register with a pen.
QPixmap splashPicture(const QSize &size);

} // namespace Glyphs
