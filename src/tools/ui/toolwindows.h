#pragma once
// The openers of the office tools: each window is made, shown modally and
// freed; those that keep a file load it before and save it after.

#include "tools/ui/taide.h"

#include <QString>

class QWidget;

namespace ToolWindows {

// The planning and the message book of a member file. For a store never
// saved the window works, but the user is told nothing will be kept and
// nothing is written.
void openPlanning(QWidget *parent, const QString &memberFile);
void openMessages(QWidget *parent, const QString &memberFile);
// The note pad of the start folder.
void openNotepad(QWidget *parent, const QString &startDir);
void openHelp(QWidget *parent, TAide::Start start);

// A window that keeps nothing: made, shown and freed.
template <typename Window>
void show(QWidget *parent)
{
    Window window(parent);
    window.exec();
}

// What a tool of a store never saved tells the user.
QString notKeptText(const QString &what);

} // namespace ToolWindows
