#pragma once
// What the tools' tests share: readable failures for texts and the lines of
// a file written by the code under test.

#include "core/textfile.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

inline QStringList fileLines(const QString &path)
{
    QStringList lines;
    EXPECT_TRUE(TextFile::readLines(path, &lines)) << path.toStdString();
    return lines;
}

// A folder of its own for the files a test writes.
class ToolFilesTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }
};
