#pragma once
// The frame's rules that need no window: its first size, the status bar's
// texts, the names of member files and which file the settings remember.

#include <QSize>
#include <QString>
#include <QTime>

namespace FrameRules {

struct Geometry
{
    bool maximised = false;
    QSize size; // when not maximised
};

// Wide screens get an 800 x 600 frame; narrower ones a maximised frame.
Geometry initialGeometry(int screenWidth);
// The hint panel leaves 100 pixels to the clock.
int hintPanelWidth(int windowWidth);
QString clockText(const QTime &time);
QString helpFileName(const QString &startDir);

// File dialogs of the store.
QString memberFilter();
QString memberSuffix();
// Whether a chosen name is a member file (".adh" in any letter case).
bool isMemberFile(const QString &name);
// The member file to write for a chosen name: a name already ending in ".adh"
// (any letter case) is kept, so that the file that was opened is the one
// written again; any other extension of the file name is replaced by ".adh".
QString memberFileName(const QString &chosen);
// The frame's title while a store opened read-only is shown: "Velmora -
// [club.adh] (lecture seule)".
QString readOnlyTitle(const QString &caption);

} // namespace FrameRules

// The store that "Velmora.ini" names at closing. A session that never opened,
// created or saved a store must not forget the one named at start, even when
// it was not opened automatically.
class LastFileMemory
{
public:
    void started(const QString &name) { m_startName = name; }
    // A store was opened, created or saved: from now on the open one counts.
    void storeChanged() { m_changed = true; }
    bool changed() const { return m_changed; }
    QString startName() const { return m_startName; }
    QString toRecord(const QString &currentFile) const { return m_changed ? currentFile : m_startName; }

private:
    QString m_startName;
    bool m_changed = false;
};
