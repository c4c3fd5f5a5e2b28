#include "app/apptest.h"

#include "core/textfile.h"

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

void AppTest::trigger(TMainForm &form, const QString &name)
{
    QAction *a = form.action(name);
    ASSERT_NE(a, nullptr) << qPrintable(name);
    ASSERT_TRUE(a->isEnabled()) << qPrintable(name);
    a->trigger();
}

void AppTest::open(TMainForm &form, const QString &file)
{
    dialogs().openAnswers.push_back(file);
    trigger(form, QStringLiteral("OpenItem"));
}

void writeMembers(const QString &file, const QStringList &names)
{
    QStringList lines;
    for (int i = 0; i < names.size(); ++i)
        lines << member(i, QString::number(10001 + i), names.at(i));
    ASSERT_TRUE(TextFile::writeLines(file, lines));
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
