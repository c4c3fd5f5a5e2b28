#include "settings/bureau.h"

#include "core/formats.h"

namespace SettingsLines {

QStringList fixedCount(const QStringList &lines, int n)
{
    QStringList out;
    for (int i = 0; i < n; ++i)
        out.append(lines.value(i));
    return out;
}

bool takeResult(QStringList &settings, const QStringList &returned, int marker, int n)
{
    if (returned.value(marker).isEmpty())
        return false;
    settings = fixedCount(returned, n);
    return true;
}

} // namespace SettingsLines

namespace BureauLines {

QString role(int k)
{
    switch (k) {
    case 1:
        return QStringLiteral("Président");
    case 2:
        return QStringLiteral("Vide président");
    case 3:
        return QStringLiteral("Trésorier");
    case 4:
        return QStringLiteral("Secrétaire général");
    default:
        return QStringLiteral("Secrétaire");
    }
}

Officer splitOfficer(const QString &line)
{
    const int tab = int(line.indexOf(QLatin1Char('\t')));
    if (tab < 0)
        return {};
    return {line.left(tab), line.mid(tab + 1, kPhoneLength)};
}

QString joinOfficer(const QString &name, const QString &phone)
{
    return name + QLatin1Char('\t') + phone;
}

Year readYear(const QString &line0, const QDate &today)
{
    Year year{today, today};
    const int tab = int(line0.indexOf(QLatin1Char('\t')));
    if (tab < 0)
        return year;
    const QString startText = line0.left(tab);
    const QString endText = line0.mid(tab + 1);
    QDate d;
    if (!startText.isEmpty()) {
        if (!Formats::parseDate(startText, &d))
            return year;
        year.start = d;
    }
    if (!endText.isEmpty() && Formats::parseDate(endText, &d))
        year.end = d;
    return year;
}

QString yearLine(const QDate &start, const QDate &end)
{
    return Formats::date(start) + QLatin1Char('\t') + Formats::date(end);
}

bool takeResult(QStringList &bureau, const QStringList &returned)
{
    return SettingsLines::takeResult(bureau, returned, 1, kLines);
}

} // namespace BureauLines

namespace HeaderLines {

bool takeResult(QStringList &header, const QStringList &returned)
{
    return SettingsLines::takeResult(header, returned, 0, kLines);
}

} // namespace HeaderLines
