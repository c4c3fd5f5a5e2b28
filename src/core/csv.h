#pragma once
// Tables as CSV files that a French spreadsheet opens directly: UTF-8 with a
// byte-order mark, fields separated by semicolons, lines ended by CR LF.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace Csv {

// A field holding a semicolon, a quote or a line break is quoted. A text of
// the user's starting with "=", "+", "-" or "@" gets an apostrophe in front,
// so that the spreadsheet shows it instead of computing it.
QString field(QString text, bool isText);

// The rows, the first one usually the titles. isText(row, column) tells the
// user's texts from the numbers the program made; every field is text when
// it is not given.
QByteArray document(const QList<QStringList> &rows,
                    const std::function<bool(int row, int column)> &isText = {});

QString filter(); // "Fichiers CSV (*.csv)", for the save dialog
QString suffix(); // "csv"

} // namespace Csv
