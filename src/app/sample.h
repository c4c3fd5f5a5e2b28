#pragma once
// The sample association that `velmora --exemple` opens: about thirty members
// with two years of subscriptions, partners, activities, receipts and
// invoices, a year of journal on a chart of accounts of classes 5, 6 and 7, a
// letterhead, a bureau and activity types, all in the program's own file
// formats. The same day always gives the same files, byte for byte: the
// figures come from a fixed seed and every date is counted from that day.
//
// The sample has a folder of its own, which is also the program's start folder
// while it runs, so that the user's own settings files are never touched.

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace Sample {

// The member file of the sample in its folder.
QString memberFileName();
// Where the sample lives: a folder of the user's data, never the program's.
QString defaultFolder();

// The files of the sample for that day, name and lines (Windows-1252, CR LF
// once written). The settings files come first, the member file last.
struct File
{
    QString name;
    QStringList lines;
};
QList<File> files(const QDate &today);

// Writes into the folder the files of the sample it does not hold yet, the
// member file last, so that a folder holding the member file holds the whole
// sample; a folder that holds it already is left as it is. Returns the member
// file, or nothing with a French message in *error.
std::optional<QString> ensure(const QString &folder, const QDate &today, QString *error);

} // namespace Sample
