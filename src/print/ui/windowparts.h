#pragma once
// What the windows of every part are built from: the panel along their top,
// buttons that Enter does not click by accident, and the keys that turn their
// pages.

#include <QString>

class QEvent;
class QFrame;
class QPushButton;
class QWidget;

namespace WindowParts {

QFrame *panel(QWidget *parent, const QString &name);
QPushButton *button(QWidget *parent, const QString &caption, const QString &name);
// -1 for PageUp (the previous page, month or year), 1 for PageDown, 0 for any
// other event.
int pageStep(const QEvent *event);

} // namespace WindowParts
