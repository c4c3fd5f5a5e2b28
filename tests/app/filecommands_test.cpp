// New, Open, Save, Save as and the save question, through scripted dialogs.

#include "app/apptest.h"
#include "app/ui/tmainform.h"
#include "core/textfile.h"
#include "store/ui/tfiche.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiSubWindow>

namespace {

class FileCommandsTest : public AppTest
{
protected:
    void trigger(TMainForm &form, const char *name)
    {
        QAction *a = form.action(QString::fromLatin1(name));
        ASSERT_NE(a, nullptr) << name;
        ASSERT_TRUE(a->isEnabled()) << name;
        a->trigger();
    }

    void open(TMainForm &form, const QString &file)
    {
        dialogs().openAnswers.push_back(file);
        trigger(form, "OpenItem");
    }

    // Changes the first member's name in the store, as an edit would.
    void renameFirst(TMainForm &form, const QString &name)
    {
        RecordStore &store = form.fiche()->store();
        const int i = store.findBlock(Kind::Member, 0);
        ASSERT_GE(i, 0);
        store.MemberLines().replace(i + 3, name);
        store.StoreModified = true;
    }

    QStringList names(TMainForm &form)
    {
        QStringList out;
        const RecordStore &store = form.fiche()->store();
        for (int n = 0; n < store.state(Kind::Member).count; ++n)
            out << store.lines(Kind::Member).at(store.findBlock(Kind::Member, n) + 3);
        return out;
    }

    static QString question(const QString &file) { return "Enregistrer changements dans " + file + " ?"; }
};

TEST_F(FileCommandsTest, OpenAcceptsTheExtensionInAnyLetterCase)
{
    writeMembers(path("club.ADH"), {"Martin", "Durand"});
    TMainForm form;
    open(form, path("club.ADH"));
    EXPECT_EQ(form.CurrentFile, path("club.ADH"));
    EXPECT_EQ(names(form), (QStringList{"Martin", "Durand"}));
    EXPECT_TRUE(dialogs().texts("message").isEmpty());
    EXPECT_EQ(dialogs().texts("open"), QStringList{"Fichiers adhérents (*.adh)"});
    EXPECT_TRUE(form.action("SaveItem")->isEnabled());
    EXPECT_EQ(form.ficheWindow()->windowTitle(), QStringLiteral("club.ADH"));
}

TEST_F(FileCommandsTest, RefusedNamesLeaveTheOpenStoreAsItWas)
{
    writeMembers(path("club.adh"), {"Martin"});
    writeMembers(path("club.txt"), {"Intrus"});
    TMainForm form;
    open(form, path("club.adh"));

    open(form, path("club.txt"));
    open(form, path("absent.adh"));
    dialogs().openAnswers.push_back(QString()); // the dialog cancelled
    trigger(form, "OpenItem");

    EXPECT_EQ(dialogs().texts("message"),
              (QStringList{"Type de fichier non valide", "Le fichier n'existe pas"}));
    EXPECT_EQ(form.CurrentFile, path("club.adh"));
    EXPECT_EQ(names(form), QStringList{"Martin"});
}

TEST_F(FileCommandsTest, SaveWritesTheStoreBackInItsFolder)
{
    QDir().mkdir(path("assoc"));
    const QString club = path("assoc/club.adh");
    writeMembers(club, {"Martin", "Durand"});
    TMainForm form;
    open(form, club);
    renameFirst(form, "Petit");
    trigger(form, "SaveItemTool");

    EXPECT_EQ(memberNames(club), (QStringList{"Petit", "Durand"}));
    for (const char *companion : {"club.par", "club.atv", "club.rcu", "club.jnl"})
        EXPECT_TRUE(QFileInfo::exists(path("assoc/") + companion)) << companion;
    EXPECT_FALSE(QFileInfo::exists(path("club.adh")));
    EXPECT_EQ(form.CurrentFile, club);
    EXPECT_FALSE(form.fiche()->TestModif());
    EXPECT_TRUE(dialogs().texts("save").isEmpty());
}

TEST_F(FileCommandsTest, SaveWithNothingChangedWritesNothing)
{
    // A stray line before the first block would be dropped by any save.
    const QString club = path("club.adh");
    QStringList lines{"ligne perdue"};
    lines << memberBlock(0, "Martin");
    ASSERT_TRUE(TextFile::writeLines(club, lines));
    TMainForm form;
    open(form, club);
    ASSERT_FALSE(form.fiche()->TestModif());
    trigger(form, "SaveItem");
    EXPECT_EQ(fileLines(club), lines);
    EXPECT_FALSE(QFileInfo::exists(path("club.par")));
}

TEST_F(FileCommandsTest, SaveAsReplacesTheExtensionAndWritesTheFiveFiles)
{
    writeMembers(path("club.adh"), {"Martin"});
    TMainForm form;
    open(form, path("club.adh"));
    ASSERT_FALSE(form.fiche()->TestModif());
    dialogs().saveAnswers.push_back(path("nouveau.txt"));
    trigger(form, "Enregistrersous1");

    // Written although nothing was changed: it is a copy under a new name.
    EXPECT_EQ(memberNames(path("nouveau.adh")), QStringList{"Martin"});
    for (const char *f : {"nouveau.par", "nouveau.atv", "nouveau.rcu", "nouveau.jnl"})
        EXPECT_TRUE(QFileInfo::exists(path(f))) << f;
    EXPECT_FALSE(QFileInfo::exists(path("nouveau.txt")));
    EXPECT_EQ(form.CurrentFile, path("nouveau.adh"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Velmora"));
    EXPECT_EQ(dialogs().texts("save"), QStringList{"Fichiers adhérents (*.adh)"});
}

TEST_F(FileCommandsTest, SaveAsOntoAnExistingFileAsksFirst)
{
    writeMembers(path("club.adh"), {"Martin"});
    writeMembers(path("autre.adh"), {"Ancien"});
    TMainForm form;
    open(form, path("club.adh"));

    dialogs().saveAnswers.push_back(path("autre.adh"));
    dialogs().okCancelAnswers.push_back(false);
    trigger(form, "Enregistrersous1");
    EXPECT_EQ(memberNames(path("autre.adh")), QStringList{"Ancien"});
    EXPECT_EQ(form.CurrentFile, path("club.adh"));

    dialogs().saveAnswers.push_back(path("autre.adh"));
    dialogs().okCancelAnswers.push_back(true);
    trigger(form, "Enregistrersous1");
    EXPECT_EQ(memberNames(path("autre.adh")), QStringList{"Martin"});
    EXPECT_EQ(form.CurrentFile, path("autre.adh"));
    EXPECT_EQ(dialogs().texts("okCancel"), QStringList(2, "Ce fichier existe déjà"));
}

TEST_F(FileCommandsTest, CancelledSaveAsKeepsTheStoreName)
{
    writeMembers(path("club.adh"), {"Martin"});
    TMainForm form;
    open(form, path("club.adh"));
    dialogs().saveAnswers.push_back(QString());
    trigger(form, "Enregistrersous1");
    EXPECT_EQ(form.CurrentFile, path("club.adh"));
}

TEST_F(FileCommandsTest, FolderWithADotKeepsEveryFileInIt)
{
    QDir().mkdir(path("a.b"));
    writeMembers(path("club.adh"), {"Martin"});
    TMainForm form;
    open(form, path("club.adh"));
    dialogs().saveAnswers.push_back(path("a.b/club"));
    trigger(form, "Enregistrersous1");
    EXPECT_EQ(form.CurrentFile, path("a.b/club.adh"));
    for (const char *f : {"a.b/club.adh", "a.b/club.par", "a.b/club.atv", "a.b/club.rcu", "a.b/club.jnl"})
        EXPECT_TRUE(QFileInfo::exists(path(f))) << f;
    EXPECT_FALSE(QFileInfo::exists(path("a.adh")));
    EXPECT_FALSE(QFileInfo::exists(path("a.jnl")));
}

TEST_F(FileCommandsTest, SaveQuestionBeforeOpening)
{
    writeMembers(path("club.adh"), {"Martin"});
    writeMembers(path("autre.adh"), {"Durand"});
    TMainForm form;

    // Cancel: no dialog, nothing changes.
    open(form, path("club.adh"));
    renameFirst(form, "Petit");
    dialogs().yesNoCancelAnswers.push_back(Dialogs::Cancel);
    trigger(form, "OpenItem");
    EXPECT_EQ(dialogs().texts("yesNoCancel"), QStringList{question("club.adh")});
    EXPECT_EQ(dialogs().texts("open").size(), 1);
    EXPECT_EQ(form.CurrentFile, path("club.adh"));
    EXPECT_EQ(names(form), QStringList{"Petit"});
    EXPECT_TRUE(form.fiche()->TestModif());

    // No: the change is dropped, the other store opens.
    dialogs().yesNoCancelAnswers.push_back(Dialogs::No);
    open(form, path("autre.adh"));
    EXPECT_EQ(memberNames(path("club.adh")), QStringList{"Martin"});
    EXPECT_EQ(form.CurrentFile, path("autre.adh"));

    // Yes: the store is saved under its own name first.
    renameFirst(form, "Leroy");
    dialogs().yesNoCancelAnswers.push_back(Dialogs::Yes);
    open(form, path("club.adh"));
    EXPECT_EQ(memberNames(path("autre.adh")), QStringList{"Leroy"});
    EXPECT_EQ(names(form), QStringList{"Martin"});
    EXPECT_EQ(form.CurrentFile, path("club.adh"));
}

TEST_F(FileCommandsTest, YesForAStoreNeverSavedRunsSaveAs)
{
    writeMembers(path("autre.adh"), {"Durand"});
    TMainForm form;
    form.action("Nouveau1")->trigger();
    form.fiche()->store().writeBlock(Kind::Member, 0, BlockData{memberBlock(0, "Neuf").mid(1, 17), {}, {}});
    ASSERT_TRUE(form.fiche()->TestModif());

    // Save as cancelled: the command is cancelled too.
    dialogs().yesNoCancelAnswers.push_back(Dialogs::Yes);
    dialogs().saveAnswers.push_back(QString());
    trigger(form, "OpenItem");
    EXPECT_TRUE(dialogs().texts("open").isEmpty());
    EXPECT_TRUE(form.fiche()->TestModif());

    dialogs().yesNoCancelAnswers.push_back(Dialogs::Yes);
    dialogs().saveAnswers.push_back(path("neuf"));
    open(form, path("autre.adh"));
    EXPECT_EQ(dialogs().texts("yesNoCancel"), QStringList(2, question(QString())));
    EXPECT_EQ(memberNames(path("neuf.adh")), QStringList{"Neuf"});
    EXPECT_EQ(form.CurrentFile, path("autre.adh"));
}

TEST_F(FileCommandsTest, NewAsksFirstThenEmptiesTheStore)
{
    writeMembers(path("club.adh"), {"Martin"});
    TMainForm form;
    open(form, path("club.adh"));
    renameFirst(form, "Petit");
    dialogs().yesNoCancelAnswers.push_back(Dialogs::Cancel);
    trigger(form, "Nouveau1Tool");
    EXPECT_EQ(form.CurrentFile, path("club.adh"));

    dialogs().yesNoCancelAnswers.push_back(Dialogs::No);
    trigger(form, "Nouveau1");
    EXPECT_TRUE(form.CurrentFile.isEmpty());
    EXPECT_TRUE(form.fiche()->store().FileName.isEmpty());
    EXPECT_EQ(memberNames(path("club.adh")), QStringList{"Martin"});
    EXPECT_TRUE(form.action("SaveItem")->isEnabled());
}

TEST_F(FileCommandsTest, AFailedSaveKeepsTheNameAndSaysSo)
{
    writeMembers(path("club.adh"), {"Martin"});
    TMainForm form;
    open(form, path("club.adh"));
    dialogs().saveAnswers.push_back(path("absent/club.adh"));
    trigger(form, "Enregistrersous1");
    EXPECT_EQ(dialogs().texts("error").size(), 1);
    EXPECT_EQ(form.CurrentFile, path("club.adh"));
    EXPECT_FALSE(QFileInfo::exists(path("absent")));
}

TEST_F(FileCommandsTest, ClosingAsksTheSaveQuestion)
{
    writeMembers(path("club.adh"), {"Martin"});
    TMainForm form;
    form.show();
    open(form, path("club.adh"));
    renameFirst(form, "Petit");

    dialogs().yesNoCancelAnswers.push_back(Dialogs::Cancel);
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());

    dialogs().yesNoCancelAnswers.push_back(Dialogs::Yes);
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(memberNames(path("club.adh")), QStringList{"Petit"});
    EXPECT_EQ(dialogs().texts("yesNoCancel"), QStringList(2, question("club.adh")));
}

TEST_F(FileCommandsTest, ClosingWithNoDropsTheChanges)
{
    writeMembers(path("club.adh"), {"Martin"});
    TMainForm form;
    form.show();
    open(form, path("club.adh"));
    renameFirst(form, "Petit");
    dialogs().yesNoCancelAnswers.push_back(Dialogs::No);
    EXPECT_TRUE(form.close());
    EXPECT_EQ(memberNames(path("club.adh")), QStringList{"Martin"});
}

TEST_F(FileCommandsTest, ClosingANewStoreWithYesRunsSaveAsAndItsCancelKeepsTheFrame)
{
    TMainForm form;
    form.show();
    form.action("Nouveau1")->trigger();
    form.fiche()->store().writeBlock(Kind::Member, 0, BlockData{memberBlock(0, "Neuf").mid(1, 17), {}, {}});

    dialogs().yesNoCancelAnswers.push_back(Dialogs::Yes);
    dialogs().saveAnswers.push_back(QString());
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());

    dialogs().yesNoCancelAnswers.push_back(Dialogs::Yes);
    dialogs().saveAnswers.push_back(path("neuf.adh"));
    EXPECT_TRUE(form.close());
    EXPECT_EQ(memberNames(path("neuf.adh")), QStringList{"Neuf"});
}

// The chart of accounts belongs to the program, not to a store.
TEST_F(FileCommandsTest, NewKeepsTheChartOfAccounts)
{
    ASSERT_TRUE(TextFile::writeLines(path("Velmora.plc"), {"10100  Capital", "51200  Banque"}));
    TMainForm form;
    form.show();
    trigger(form, "Nouveau1");
    EXPECT_EQ(form.fiche()->store().ChartLines.size(), 2);
    EXPECT_TRUE(form.close());
    EXPECT_EQ(fileLines(path("Velmora.plc")), (QStringList{"10100  Capital", "51200  Banque"}));
}

} // namespace
