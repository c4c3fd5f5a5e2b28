#pragma once
// What the calculator and the converter share: their display lines, their
// keypad buttons and the character a key press stands for.

#include <QChar>
#include <QString>

class QKeyEvent;
class QLabel;
class QPushButton;
class QWidget;

namespace Keypad {

// A right-aligned line, white on teal.
QLabel *displayLine(QWidget *parent, const QString &name);
QPushButton *button(QWidget *parent, const QString &caption, const QString &name);
// The character of a key press: Enter gives 13, Escape 27, others their
// text; none for a key without one.
QChar keyChar(const QKeyEvent *event);

} // namespace Keypad
