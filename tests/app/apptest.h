#pragma once
// Frame tests run in a folder of their own, so that the settings files and
// the stores they write never land in the repository.

#include "app/ui/tmainform.h"
#include "fiche/tfiche.h"
#include "support/blocks.h"
#include "support/fakedialogs.h"
#include "support/modal.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>

class AppTest : public VelmoraTest
{
protected:
    void SetUp() override;
    void TearDown() override;
    QString path(const QString &relative) const { return m_dir.filePath(relative); }
    // Chooses a command as the user would; it must be available.
    static void trigger(TMainForm &form, const QString &name);
    // "&Ouvrir..." with the open dialog answering the file.
    void open(TMainForm &form, const QString &file);

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
};

// A member file holding one member per name, numbered from 0.
void writeMembers(const QString &file, const QStringList &names);
// The names (position 3) of the member blocks of a file, in file order.
QStringList memberNames(const QString &file);
