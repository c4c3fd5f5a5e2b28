#include "tools/planning.h"

#include "core/cp1252.h"
#include "core/formats.h"
#include "core/textfile.h"
#include "store/recordstore.h"
#include "tools/textclean.h"

#include <QDate>

#include <algorithm>

namespace {

constexpr int kDays = 31;
// Year, month digit, then the days.
constexpr int kMonthLineLength = 5 + kDays;
constexpr char kNamePrefix[] = "PRJ";

// The month (1 to 12) of a month line of `year`, read from its digit in
// either letter case; 0 for any other line, or one too short to hold its days.
int monthOf(QByteArrayView line, QByteArrayView year)
{
    if (line.size() < kMonthLineLength || !line.startsWith(year))
        return 0;
    const int month = Formats::hexDigit(uchar(line[4]));
    return month >= 1 && month <= 12 ? month : 0;
}

// The category a "PRJ" line names, 0 for another line.
int nameCategory(QByteArrayView line)
{
    if (line.size() < 4 || !line.startsWith(kNamePrefix))
        return 0;
    const char c = line[3];
    return c >= '1' && c <= '8' ? c - '0' : 0;
}

} // namespace

Planning::Planning(int year) : m_year(std::clamp(year, kFirstYear, kLastYear))
{
    m_lines.append(QStringLiteral(" "));
    for (int c = 1; c <= kCategories; ++c)
        m_names[size_t(c - 1)] = defaultName(c);
    LitAn();
}

QString Planning::fileName(const QString &memberFile)
{
    return RecordStore::withExtension(memberFile, QStringLiteral("opl"));
}

int Planning::FinMois(int month, int year)
{
    if (month < 1 || month > 12)
        return 0;
    return QDate(year, month, 1).daysInMonth();
}

QString Planning::defaultName(int category)
{
    static const char *const names[] = {"Vacances", "Réunion", "Formation", "Salon",
                                        "Projet1",  "Projet2", "Projet3",   "Projet4"};
    return category >= 1 && category <= kCategories ? QString::fromUtf8(names[category - 1]) : QString();
}

QColor Planning::colour(int category)
{
    static const QRgb colours[] = {qRgb(0, 128, 0),   qRgb(0, 0, 255),   qRgb(255, 255, 0), qRgb(0, 255, 255),
                                   qRgb(0, 128, 128), qRgb(255, 0, 0),   qRgb(255, 0, 255), qRgb(0, 255, 0)};
    return category >= 1 && category <= kCategories ? QColor(colours[category - 1]) : QColor(Qt::white);
}

bool Planning::Charge(const QString &path, QString *error)
{
    if (TextFile::exists(path)) {
        RecordList loaded;
        if (!loaded.load(path, error))
            return false;
        m_lines = std::move(loaded);
        m_modified = false;
    }
    readNames();
    LitAn();
    return true;
}

bool Planning::Sauve(const QString &path, QString *error)
{
    EcritAn();
    if (!m_modified || path.isEmpty())
        return true;
    if (!m_lines.save(path, error))
        return false;
    m_modified = false;
    return true;
}

void Planning::setYear(int year)
{
    EcritAn();
    m_year = std::clamp(year, kFirstYear, kLastYear);
    LitAn();
}

void Planning::EcritAn()
{
    const QByteArray year = QByteArray::number(m_year);
    RecordList kept;
    for (int i = 0; i < m_lines.size(); ++i)
        if (monthOf(m_lines.view(i), year) == 0)
            kept.appendRaw(m_lines.view(i));
    static const char digits[] = "123456789ABC";
    for (int m = 1; m <= 12; ++m) {
        QString line = QString::fromLatin1(year) + QLatin1Char(digits[m - 1]);
        for (int d = 1; d <= kDays; ++d)
            line += cell(m, d);
        kept.append(line);
    }
    m_lines = std::move(kept);
}

void Planning::LitAn()
{
    for (auto &month : m_cells)
        month.fill(QLatin1Char(' '));
    const QByteArray year = QByteArray::number(m_year);
    for (int i = 0; i < m_lines.size(); ++i) {
        const QByteArrayView line = m_lines.view(i);
        const int m = monthOf(line, year);
        if (m == 0)
            continue;
        for (int d = 1; d <= kDays; ++d)
            m_cells[size_t(m - 1)][size_t(d - 1)] = Cp1252::toUnicode(uchar(line[4 + d]));
    }
}

int Planning::category(int month, int day) const
{
    const char16_t c = cell(month, day).unicode();
    return c >= '1' && c <= '8' ? int(c - '0') : 0;
}

bool Planning::click(int month, int day)
{
    if (day < 1 || day > FinMois(month, m_year))
        return false;
    QChar &c = m_cells[size_t(month - 1)][size_t(day - 1)];
    c = c == QLatin1Char(' ') ? QChar(u'0' + currentCategory) : QChar(u' ');
    m_modified = true;
    return true;
}

void Planning::rename(int category, const QString &name)
{
    if (category < 1 || category > kCategories)
        return;
    const QString clean = TextClean::oneLine(name);
    m_names[size_t(category - 1)] = clean;
    const QString line = QString::fromLatin1(kNamePrefix) + QString::number(category) + clean;
    for (int i = 0; i < m_lines.size(); ++i) {
        if (nameCategory(m_lines.view(i)) == category) {
            m_lines.replace(i, line);
            m_modified = true;
            return;
        }
    }
    // Names are kept from one opening to the next.
    m_lines.append(line);
    m_modified = true;
}

void Planning::readNames()
{
    std::array<bool, kCategories> seen{};
    for (int c = 1; c <= kCategories; ++c)
        m_names[size_t(c - 1)] = defaultName(c);
    for (int i = 0; i < m_lines.size(); ++i) {
        const QByteArrayView line = m_lines.view(i);
        const int c = nameCategory(line);
        if (c == 0 || seen[size_t(c - 1)])
            continue;
        seen[size_t(c - 1)] = true;
        m_names[size_t(c - 1)] = Cp1252::decode(line.sliced(4));
    }
}
