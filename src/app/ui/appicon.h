#pragma once
// The program's own icon: a few flat shapes on a 256 x 256 grid, written out
// as the SVG the desktop installs and painted at any size for the PNGs and the
// windows, so that every picture of it comes from this one drawing.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace AppIcon {

// The name the desktop knows the program and its icon by.
QString id();
// The drawing as a standalone SVG document.
QByteArray svg();
// The drawing painted on a transparent square of size x size pixels.
QImage image(int size);

} // namespace AppIcon
