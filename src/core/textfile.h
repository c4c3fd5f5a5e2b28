#pragma once
// Whole-file reading and writing. Every write goes through a temporary file in
// the same folder followed by a rename, so an interrupted write leaves the
// previous file whole.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace TextFile {

bool exists(const QString &path);

// The bytes of a file, or false with a French message in *error.
bool readBytes(const QString &path, QByteArray *bytes, QString *error = nullptr);

// Lines of a Windows-1252 text file; a CR, an LF or a CR LF ends a line.
bool readLines(const QString &path, QStringList *lines, QString *error = nullptr);

// Writes the bytes through a temporary file and a rename.
bool writeBytes(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Writes Windows-1252 lines, each ended by CR LF.
bool writeLines(const QString &path, const QStringList &lines, QString *error = nullptr);

// Starts of the lines of a text: a CR, an LF or a CR LF ends a line, and a text
// that ends with a line break has no empty last line. Calls f(offset, length).
template <typename F>
void forEachLine(const char *data, qsizetype size, F f)
{
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < size) {
        const char c = data[i];
        if (c == '\r' || c == '\n') {
            f(start, i - start);
            if (c == '\r' && i + 1 < size && data[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < size)
        f(start, size - start);
}

QString writeErrorText(const QString &path);
QString readErrorText(const QString &path);

} // namespace TextFile
