// New, Open, Save, Save as and the save question, through scripted dialogs.

#include "app/apptest.h"

namespace {

class FileCommandsTest : public AppTest
{
protected:
    // Changes the first member's name in the store, as an edit would.
    static void renameFirst(TMainForm &form, const QString &name)
    {
        form.fiche()->store().writeBlock(Kind::Member, 0, record(Kind::Member, {{1, "10001"}, {MemberField::Nom, name}}));
    }

    // A new store holding one member, not saved yet.
    static void newStore(TMainForm &form)
    {
        trigger(form, "Nouveau1");
        form.fiche()->store().writeBlock(Kind::Member, 0, record(Kind::Member, {{MemberField::Nom, "Neuf"}}));
        ASSERT_TRUE(form.fiche()->TestModif());
    }

    static QString firstName(TMainForm &form) { return form.fiche()->store().readBlock(Kind::Member, 0)->field(3); }

    static QString question(const QString &file) { return "Enregistrer changements dans " + file + " ?"; }
};

TEST_F(FileCommandsTest, OpenTakesAnyLetterCaseAndRefusesOtherNamesLeavingTheStore)
{
    writeMembers(path("club.ADH"), {"Martin", "Durand"});
    writeMembers(path("club.txt"), {"Intrus"});
    TMainForm form;
    open(form, path("club.ADH"));
    EXPECT_EQ(dialogs().texts("open"), QStringList{"Fichiers adhérents (*.adh)"});
    EXPECT_TRUE(form.action("SaveItem")->isEnabled());
    EXPECT_EQ(form.ficheWindow()->windowTitle(), "club.ADH");

    open(form, path("club.txt"));
    open(form, path("absent.adh"));
    open(form, QString()); // the dialog cancelled
    EXPECT_EQ(dialogs().texts("message"), (QStringList{"Type de fichier non valide", "Le fichier n'existe pas"}));
    EXPECT_EQ(form.CurrentFile, path("club.ADH"));
    EXPECT_EQ(form.fiche()->store().state(Kind::Member).count, 2);
}

TEST_F(FileCommandsTest, SaveWritesAChangedStoreInItsFolderSaveAsACopyUnderTheNameGiven)
{
    QDir().mkdir(path("assoc"));
    const QString club = path("assoc/club.adh");
    writeMembers(club, {"Martin", "Durand"});
    writeMembers(path("autre.adh"), {"Ancien"});
    TMainForm form;
    open(form, club);
    trigger(form, "SaveItem");
    EXPECT_FALSE(QFileInfo::exists(path("assoc/club.par")));
    renameFirst(form, "Petit");
    trigger(form, "SaveItemTool");
    EXPECT_EQ(memberNames(club), (QStringList{"Petit", "Durand"}));
    EXPECT_EQ(form.CurrentFile, club);
    EXPECT_FALSE(form.fiche()->TestModif());
    EXPECT_TRUE(dialogs().texts("save").isEmpty());

    // Written although nothing was changed: it is a copy under a new name.
    dialogs().saveAnswers = {path("nouveau.txt"), QString(), path("autre.adh"), path("absent/club.adh")};
    trigger(form, "Enregistrersous1");
    EXPECT_EQ(memberNames(path("nouveau.adh")), (QStringList{"Petit", "Durand"}));
    EXPECT_FALSE(QFileInfo::exists(path("nouveau.txt")));
    EXPECT_EQ(form.windowTitle(), "Velmora");

    // Cancelled, refused replacement, unwritable folder: the store keeps its name.
    dialogs().okCancelAnswers = {false};
    for (int i = 0; i < 3; ++i) {
        trigger(form, "Enregistrersous1");
        EXPECT_EQ(form.CurrentFile, path("nouveau.adh")) << i;
    }
    EXPECT_EQ(memberNames(path("autre.adh")), QStringList{"Ancien"});
    EXPECT_EQ(dialogs().texts("error").size(), 1);
    EXPECT_FALSE(QFileInfo::exists(path("absent")));

    dialogs().saveAnswers.push_back(path("autre.adh"));
    dialogs().okCancelAnswers.push_back(true);
    trigger(form, "Enregistrersous1");
    EXPECT_EQ(memberNames(path("autre.adh")), (QStringList{"Petit", "Durand"}));
    EXPECT_EQ(form.CurrentFile, path("autre.adh"));
    EXPECT_EQ(dialogs().texts("okCancel"), QStringList(2, "Ce fichier existe déjà"));
    EXPECT_EQ(dialogs().texts("save"), QStringList(5, "Fichiers adhérents (*.adh)"));
}

TEST_F(FileCommandsTest, SaveQuestionBeforeOpeningAndNew)
{
    writeMembers(path("club.adh"), {"Martin"});
    writeMembers(path("autre.adh"), {"Durand"});
    TMainForm form;

    // Cancel: no dialog, nothing changes.
    open(form, path("club.adh"));
    renameFirst(form, "Petit");
    dialogs().yesNoCancelAnswers = {Dialogs::Cancel, Dialogs::No, Dialogs::Yes};
    trigger(form, "OpenItem");
    EXPECT_EQ(dialogs().texts("yesNoCancel"), QStringList{question("club.adh")});
    EXPECT_EQ(dialogs().texts("open").size(), 1);
    EXPECT_EQ(form.CurrentFile, path("club.adh"));
    EXPECT_EQ(firstName(form), "Petit");

    // No: the change is dropped, the other store opens.
    open(form, path("autre.adh"));
    EXPECT_EQ(memberNames(path("club.adh")), QStringList{"Martin"});
    EXPECT_EQ(form.CurrentFile, path("autre.adh"));

    // Yes: the store is saved under its own name first.
    renameFirst(form, "Leroy");
    open(form, path("club.adh"));
    EXPECT_EQ(memberNames(path("autre.adh")), QStringList{"Leroy"});
    EXPECT_EQ(firstName(form), "Martin");
    EXPECT_EQ(form.CurrentFile, path("club.adh"));

    // "Nouveau" asks too, then empties the store.
    renameFirst(form, "Petit");
    dialogs().yesNoCancelAnswers = {Dialogs::Cancel, Dialogs::No};
    trigger(form, "Nouveau1Tool");
    EXPECT_EQ(form.CurrentFile, path("club.adh"));
    trigger(form, "Nouveau1");
    EXPECT_TRUE(form.CurrentFile.isEmpty() && form.fiche()->store().FileName.isEmpty());
    EXPECT_EQ(memberNames(path("club.adh")), QStringList{"Martin"});
    EXPECT_TRUE(form.action("SaveItem")->isEnabled());
}

TEST_F(FileCommandsTest, ClosingAsksTheSaveQuestion)
{
    writeMembers(path("club.adh"), {"Martin"});
    {
        TMainForm form;
        form.show();
        open(form, path("club.adh"));
        renameFirst(form, "Petit");
        dialogs().yesNoCancelAnswers = {Dialogs::Cancel, Dialogs::Yes};
        EXPECT_FALSE(form.close());
        EXPECT_TRUE(form.isVisible());
        EXPECT_TRUE(form.close());
        EXPECT_EQ(memberNames(path("club.adh")), QStringList{"Petit"});
    }
    // A store never saved: Yes runs Save as, and cancelling it keeps the frame.
    TMainForm form;
    form.show();
    newStore(form);
    dialogs().yesNoCancelAnswers = {Dialogs::Yes, Dialogs::Yes};
    dialogs().saveAnswers = {QString(), path("neuf")};
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.close());
    EXPECT_EQ(memberNames(path("neuf.adh")), QStringList{"Neuf"});
    EXPECT_EQ(dialogs().texts("yesNoCancel"),
              (QStringList{question("club.adh"), question("club.adh"), question(QString()), question(QString())}));
}

} // namespace
