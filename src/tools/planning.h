#pragma once
// A year planner: twelve months by 31 days, each day free or marked with one
// of eight categories, any number of years kept in one text file beside the
// member file.
//
// The file holds one line per month of every year shown: the year in four
// digits, the month as one hexadecimal digit ("1" to "9", "A" to "C"), then
// one character per day ("1" to "8", a space for a free day). Lines "PRJ" +
// category number + name keep the names the user gave the categories. Any
// other line is kept as it is, and so are month lines that cannot be read
// (a month digit out of range, a line cut short).

#include "core/recordlist.h"

#include <QColor>
#include <QString>

#include <array>

class Planning
{
public:
    static constexpr int kCategories = 8;
    static constexpr int kFirstYear = 1000;
    static constexpr int kLastYear = 9999;

    // A new planning starts with one line holding a space, as older files do.
    explicit Planning(int year);

    // The planning file of a member file; empty for a store never saved.
    static QString fileName(const QString &memberFile);

    // Days in a month (1 to 12) of a year, Gregorian rule; 0 for another month.
    static int FinMois(int month, int year);
    static QString defaultName(int category);
    static QColor colour(int category);

    // Loads the file when it exists (a missing one leaves the new planning)
    // and shows the year; false with *error when it cannot be read.
    bool Charge(const QString &path, QString *error = nullptr);
    // Writes the year shown into the lines, then the file when something
    // changed; false with *error when it cannot be written.
    bool Sauve(const QString &path, QString *error = nullptr);

    int year() const { return m_year; }
    // Writes the year shown into the lines and shows another, kept within
    // kFirstYear to kLastYear.
    void setYear(int year);
    void nextYear() { setYear(m_year + 1); }
    void previousYear() { setYear(m_year - 1); }

    // The character of a day of the year shown (month and day from 1), a space
    // when free.
    QChar cell(int month, int day) const { return m_cells[size_t(month - 1)][size_t(day - 1)]; }
    // The category of a day, 0 when free or holding anything else.
    int category(int month, int day) const;
    // Marks a free day with the current category or frees a marked one; false
    // (nothing changes) for a day past the end of its month.
    bool click(int month, int day);

    int currentCategory = 1;
    QString name(int category) const { return m_names[size_t(category - 1)]; }
    // A new name, kept in the file as a "PRJ" line; characters the file
    // cannot hold are dropped and line breaks become spaces.
    void rename(int category, const QString &name);

    bool modified() const { return m_modified; }
    const RecordList &lines() const { return m_lines; }

    // The year's lines written from the days shown (replacing its month lines)
    // and read back into the days.
    void EcritAn();
    void LitAn();

private:
    void readNames();

    RecordList m_lines;
    int m_year;
    bool m_modified = false;
    std::array<std::array<QChar, 31>, 12> m_cells{};
    std::array<QString, kCategories> m_names;
};
