#pragma once
// The bureau as the settings keep it: line 0 holds the financial year's start
// and end dates separated by a TAB, lines 1 to 8 an officer's name, a TAB and
// the telephone.

#include <QDate>
#include <QString>
#include <QStringList>

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
