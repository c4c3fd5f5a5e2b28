#pragma once
// What the tools' tests share: the support headers (readable failures, the
// lines of a file the code under test wrote) and a folder for such files.

#include "support/blocks.h"

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>

// A folder of its own for the files a test writes.
class ToolFilesTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }
};
