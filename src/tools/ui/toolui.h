#pragma once
// Pieces the tool windows are built from besides the panels and buttons of
// print/ui/windowparts.h: colours and larger fonts, the calculators' display
// lines and the character a key press stands for.

#include <QChar>
#include <QColor>
#include <QString>

class QKeyEvent;
class QLabel;
class QWidget;

namespace ToolUi {

// The widget's background and text in these colours.
void paint(QWidget *widget, const QColor &background, const QColor &text);
// The widget's font made larger by `points`.
void enlarge(QWidget *widget, int points, bool bold = true);
// A right-aligned line, white on teal.
QLabel *displayLine(QWidget *parent, const QString &name);
// The character of a key press: Enter gives 13, Escape 27, others their
// text; none for a key without one.
QChar keyChar(const QKeyEvent *event);

inline QColor teal()
{
    return QColor(0, 128, 128);
}

} // namespace ToolUi
