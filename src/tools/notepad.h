#pragma once
// The note pad shared by every member file: one text file, "Velmora.nte", in
// the folder the program started in, and its printout.

#include "print/canvas.h"

#include <QString>
#include <QStringList>

namespace Notepad {

// The note file of a start folder; a folder that ends with its separator (a
// drive root) gives a single one.
QString fileName(const QString &startDir);

// The note's text, its lines joined by "\n"; empty when the file is missing.
// False with *error when it exists but cannot be read.
bool load(const QString &path, QString *text, QString *error = nullptr);
// Each line of the text followed by CR LF, written whole; characters the file
// cannot hold are dropped.
bool save(const QString &path, const QString &text, QString *error = nullptr);

// The note's lines as printed: TABs set at every eighth column, and a line too
// wide for the page cut at its last space that fits (or anywhere in a word
// wider than the page).
struct PrintFont
{
    QString family;
    int pointSize = 10;
};
// Draws the note page after page; false when the device refused a page.
bool draw(Canvas &canvas, const QString &text, const PrintFont &font);

// The left and top margin of the printout, in millimetres.
constexpr int kMarginMm = 15;

} // namespace Notepad
