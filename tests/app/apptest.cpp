#include "app/apptest.h"

#include "core/textfile.h"

#include <gtest/gtest.h>

void AppTest::SetUp()
{
    VelmoraTest::SetUp();
    ASSERT_TRUE(m_dir.isValid());
    m_previousDir = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
}

void AppTest::TearDown()
{
    QDir::setCurrent(m_previousDir);
    VelmoraTest::TearDown();
}

QStringList memberBlock(int n, const QString &name)
{
    const QString digits = QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
    QStringList block{QStringLiteral("<BLOC") + digits + QStringLiteral(">")};
    block << QString::number(10001 + n) << QStringLiteral("M.") << name << QStringLiteral("Jean")
          << QStringLiteral("1 rue des Lilas") << QString() << QStringLiteral("75001")
          << QStringLiteral("Paris") << QString() << QString() << QString() << QString() << QString()
          << QStringLiteral("01/01/1980") << QString() << QStringLiteral("01/01/2027")
          << QStringLiteral("0");
    block << QStringLiteral("</BLOC") + digits + QStringLiteral(">");
    return block;
}

void writeMembers(const QString &file, const QStringList &names)
{
    QStringList lines;
    for (int i = 0; i < names.size(); ++i)
        lines << memberBlock(i, names.at(i));
    ASSERT_TRUE(TextFile::writeLines(file, lines));
}

QStringList fileLines(const QString &file)
{
    QStringList lines;
    TextFile::readLines(file, &lines);
    return lines;
}

QStringList memberNames(const QString &file)
{
    const QStringList lines = fileLines(file);
    QStringList names;
    for (int i = 0; i + 3 < lines.size(); ++i)
        if (lines.at(i).startsWith(QStringLiteral("<BLOC")))
            names << lines.at(i + 3);
    return names;
}
