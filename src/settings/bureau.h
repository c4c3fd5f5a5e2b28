#pragma once
// The settings kept as a fixed number of lines: the letterhead's seven, and
// the bureau's nine, where line 0 holds the financial year's start and end
// dates separated by a TAB and lines 1 to 8 an officer's name, a TAB and the
// telephone.

#include <QDate>
#include <QString>
#include <QStringList>

namespace SettingsLines {

// Exactly n lines: missing ones empty, extra ones dropped.
QStringList fixedCount(const QStringList &lines, int n);
// The lines a dialog handed back replace the settings, as exactly n lines,
// only when line `marker` is not empty. True when replaced.
bool takeResult(QStringList &settings, const QStringList &returned, int marker, int n);

} // namespace SettingsLines

namespace BureauLines {

constexpr int kLines = 9;
constexpr int kOfficers = 8;
// The longest telephone taken from a line.
constexpr int kPhoneLength = 255;

// The role of officer k (1 to 8), as labelled in the bureau dialog.
QString role(int k);

struct Officer
{
    QString name;
    QString phone;
};

// The name before the line's first TAB and the telephone after it (at most
// kPhoneLength characters). A line without TAB gives neither.
Officer splitOfficer(const QString &line);
QString joinOfficer(const QString &name, const QString &phone);

struct Year
{
    QDate start;
    QDate end;
};

// The dates of line 0, each today's date unless the line gives it. Reading
// stops at the first date that cannot be read: a bad start date leaves the end
// date at today too, silently.
Year readYear(const QString &line0, const QDate &today);
QString yearLine(const QDate &start, const QDate &end);

// The nine lines handed back by the dialog replace the bureau only when line 1
// is not empty (after "OK" it holds at least its TAB). True when replaced.
bool takeResult(QStringList &bureau, const QStringList &returned);

} // namespace BureauLines

namespace HeaderLines {

constexpr int kLines = 7;

// The seven lines handed back by the dialog replace the letterhead only when
// the first one is not empty. True when replaced.
bool takeResult(QStringList &header, const QStringList &returned);

} // namespace HeaderLines
