// A store another Velmora holds: the question before it opens, the commands
// that would change it withheld on every page, the title, and the way back.

#include "app/apptest.h"
#include "app/enabling.h"
#include "store/storelock.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QCoreApplication>
#include <QSysInfo>

namespace {

using ReadOnlyTest = AppTest;

QStringList enabledWriters(TMainForm &form)
{
    QStringList on;
    for (const QString &name : Enabling::storeWriters())
        if (form.action(name)->isEnabled())
            on << name;
    return on;
}

} // namespace

TEST_F(ReadOnlyTest, AStoreHeldElsewhereOpensReadOnlyOnlyIfTheUserAgrees)
{
    writeMembers(path("club.adh"), {"Martin"});
    writeMembers(path("autre.adh"), {"Durand"});
    // A lock of this running process, which is not the frame's store.
    writeFile(path(".club.adh.verrou"), QByteArray::number(QCoreApplication::applicationPid()) + '\n'
                                            + QSysInfo::machineHostName().toUtf8() + '\n');

    TMainForm form;
    open(form, path("autre.adh"));
    dialogs().okCancelAnswers = {false, true};
    open(form, path("club.adh"));
    EXPECT_EQ(form.CurrentFile, path("autre.adh"));
    open(form, path("club.adh"));
    ASSERT_EQ(dialogs().texts("okCancel").size(), 2);
    EXPECT_EQ(dialogs().texts("okCancel").first(), StoreLock::openQuestion(path("club.adh"), *StoreLock::holder(path("club.adh"))));
    EXPECT_EQ(form.CurrentFile, path("club.adh"));
    EXPECT_EQ(form.windowTitle(), "Velmora - [club.adh] (lecture seule)");

    // No page offers what would change the store; the copy stays possible.
    for (const char *page : {"Reus1", "Partenaires1", "Adhrents1"}) {
        trigger(form, page);
        EXPECT_EQ(enabledWriters(form), QStringList()) << page;
    }
    EXPECT_TRUE(form.action("Enregistrersous1")->isEnabled());
    // The fields show the record and take no typing; nothing marks the store.
    auto *name = form.fiche()->findChild<QLineEdit *>("Edit2");
    EXPECT_TRUE(name->isReadOnly());
    EXPECT_FALSE(form.fiche()->findChild<QWidget *>("RadioGroup1")->findChildren<QRadioButton *>().first()->isEnabled());
    name->insert("x");
    EXPECT_FALSE(form.fiche()->TestModif());
    emit form.fiche()->receiptGridActiveChanged(true);
    EXPECT_FALSE(form.action("Supprimerligne1")->isEnabled());

    // A save tried anyway is refused; the file keeps what it held.
    form.fiche()->store().markModified();
    EXPECT_FALSE(form.SaveItemClick());
    EXPECT_EQ(dialogs().texts("error"), QStringList{StoreLock::readOnlySaveText(path("club.adh"))});
    EXPECT_EQ(memberNames(path("club.adh")), QStringList{"Martin"});

    // Saved as a copy, the store is the user's own again.
    dialogs().saveAnswers = {path("copie.adh")};
    trigger(form, "Enregistrersous1");
    EXPECT_EQ(form.windowTitle(), "Velmora");
    EXPECT_EQ(enabledWriters(form).size(), Enabling::storeWriters().size() - 3); // receipt commands off the member page
    EXPECT_TRUE(form.action("Importer1")->isEnabled());

    // So is a new store after the read-only one.
    dialogs().okCancelAnswers = {true};
    open(form, path("club.adh"));
    ASSERT_TRUE(form.fiche()->store().isReadOnly());
    trigger(form, "Nouveau1");
    EXPECT_EQ(form.windowTitle(), "Velmora");
    EXPECT_TRUE(form.action("SaveItem")->isEnabled());
    EXPECT_FALSE(form.fiche()->findChild<QLineEdit *>("Edit2")->isReadOnly());
}
