#pragma once
// The five statistics of the association: members per département and per
// category, turnover per member, partner and activity. Each is one pass over
// a record list; a statistic is a list of lines (key, name, value) in the
// order of the records, which the windows sort.

#include "core/recordlist.h"
#include "store/layouts.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

enum class StatKind { Departements, Categories, TurnoverMembers, TurnoverPartners, TurnoverActivities };

struct StatLine
{
    QString key;
    QString name;
    qint64 value = 0; // a count, or a turnover in cents
};

// An amount of a row that is not a number: it was left out of its record's sum.
struct SkippedAmount
{
    QString key;
    QString name;
    QString text;
};

// The result list of a statistic.
class StatList
{
public:
    explicit StatList(StatKind kind) : m_kind(kind) {}

    StatKind kind() const { return m_kind; }
    bool isTurnover() const { return m_kind != StatKind::Departements && m_kind != StatKind::Categories; }

    // One more member under the code: its blanks trimmed, an empty code is
    // not counted; a code seen for the first time gets its name from the
    // département list or the category names. Codes are compared whole.
    void CumulDpt(const QString &code);
    void CumulCat(const QString &code);

    void append(const StatLine &line) { m_lines.append(line); }
    void reserve(qsizetype n) { m_lines.reserve(n); }
    const QList<StatLine> &lines() const { return m_lines; }
    // A count as a whole number, a turnover as "0.00" with a comma.
    QString valueText(const StatLine &line) const;

    QList<SkippedAmount> skipped;

private:
    void cumul(const QString &code, QString (*nameOf)(const QString &));

    StatKind m_kind;
    QList<StatLine> m_lines;
    QHash<QString, int> m_byCode;
};

namespace Statistics {

// Members per département, from the postal code.
StatList departements(const RecordList &memberLines);
// Members per category.
StatList categories(const RecordList &memberLines);
// Turnover of every record of the kind (members, partners or activities):
// the amounts of all its rows.
StatList turnover(const RecordList &lines, Kind kind);

// The nearest whole unit, halves to the even one.
qint64 roundHalfEven(qint64 cents);

// The one message naming the amounts a turnover left out; empty when none.
QString skippedMessage(const StatList &list);

} // namespace Statistics
