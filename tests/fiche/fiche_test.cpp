// The record window's own routing: what it writes back before it shows
// another record, and the state a new store starts in.

#include "support/recordpages.h"

#include <QDir>
#include <QTemporaryDir>

class RecordWindowTest : public VelmoraTest
{
protected:
    QTemporaryDir dir;
    TFiche fiche;

    void SetUp() override
    {
        VelmoraTest::SetUp();
        RecordStore &s = fiche.store();
        setList(s, Kind::Member, member(0, "10001", "Martin", {{17, "1"}}) + member(1, "10002", "Dupont", {{17, "1"}}));
        fiche.LitFiche();
    }
    QLineEdit *nameField() { return fiche.membersPage()->field(3); }
    QString storedName(int n) { return fiche.store().readBlock(Kind::Member, n)->field(MemberField::Nom); }
};

TEST_F(RecordWindowTest, ASearchHitKeepsWhatWasTypedInTheRecordShown)
{
    QTest::keyClicks(nameField(), QStringLiteral("-Durand"));
    dialogs().inputAnswers = {QStringLiteral("dup")};
    fiche.RechNom();
    EXPECT_EQ(fiche.store().state(Kind::Member).current, 1);
    EXPECT_EQ(nameField()->text(), QStringLiteral("Dupont"));
    EXPECT_EQ(storedName(0), QStringLiteral("Martin-Durand"));
}

TEST_F(RecordWindowTest, ANewStoreIsNotModifiedByShowingItsEmptyMember)
{
    fiche.Nouveau();
    fiche.Partenaires();
    fiche.Adherents();
    EXPECT_FALSE(fiche.TestModif());
    EXPECT_TRUE(fiche.store().MemberLines().isEmpty());
}

TEST_F(RecordWindowTest, ImportedRecordsAreNotOverwrittenByTheRecordShown)
{
    const QString file = writeFile(dir.filePath("liste.txt"), "Bernard\tAlain\r\nCollin\tLucie\r\n");
    QTest::keyClicks(nameField(), QStringLiteral("x"));
    dialogs().openAnswers = {file};
    fiche.Importer();
    EXPECT_EQ(storedName(0), QStringLiteral("Martinx"));
    EXPECT_EQ(storedName(2), QStringLiteral("Bernard"));
    EXPECT_EQ(storedName(3), QStringLiteral("Collin"));
    EXPECT_EQ(fiche.store().state(Kind::Member).current, 3);
    EXPECT_EQ(nameField()->text(), QStringLiteral("Collin"));
}

TEST_F(RecordWindowTest, SavingWritesBackEveryPageAndNamesTheWindow)
{
    QTest::keyClicks(nameField(), QStringLiteral("!"));
    const QString name = dir.filePath(QStringLiteral("club.adh"));
    ASSERT_TRUE(fiche.Sauve(name));
    EXPECT_EQ(fiche.windowTitle(), QStringLiteral("club.adh"));
    TFiche other;
    ASSERT_TRUE(other.Charge(name));
    EXPECT_EQ(other.membersPage()->field(3)->text(), QStringLiteral("Martin!"));
    EXPECT_EQ(other.store().state(Kind::Member).count, 2);
}

TEST_F(RecordWindowTest, EveryChangeOfAHeaderFieldMarksTheStoreAndTabLeavesTheRemarks)
{
    // Changes that used to mark only the record: a receipt's date, mode and
    // kind, and the member's title.
    fiche.Recus();
    QWidget *page = fiche.page(Kind::Receipt);
    for (const char *name : {"DateTimePicker8", "ComboBox4", "ComboBox5"}) {
        fiche.LitRecu();
        fiche.store().markSaved();
        QWidget *w = page->findChild<QWidget *>(QLatin1String(name));
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Down);
        EXPECT_TRUE(fiche.TestModif()) << name;
    }
    // A page brought forward takes the keyboard at its first field.
    fiche.resize(900, 700);
    fiche.show();
    QApplication::setActiveWindow(&fiche);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fiche));
    for (const auto &[show, first] : {std::pair{&TFiche::Partenaires, "Edit17"}, {&TFiche::Activites, "Edit31"},
                                      {&TFiche::Recus, "Edit40"}, {&TFiche::Adherents, "Edit2"}}) {
        (fiche.*show)();
        EXPECT_EQ(QApplication::focusWidget()->objectName(), first);
    }
    auto *memo = fiche.findChild<QPlainTextEdit *>("Memo1");
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), memo);
    EXPECT_EQ(memo->toPlainText(), "");
}

TEST_F(RecordWindowTest, TheUserIsToldWhereTheDamagedOriginalIsKept)
{
    const QString name = writeFile(dir.filePath("club.adh"), "<BLOC0000>\r\n10001\r\n<BLOC0001>\r\n10002\r\n</BLOC0001>\r\n");
    dialogs().yesNoAnswers = {true};
    ASSERT_TRUE(fiche.Charge(name));
    ASSERT_TRUE(fiche.Sauve(name));
    EXPECT_EQ(dialogs().texts("message"),
              QStringList{"Le fichier altéré a été conservé tel qu'il était sous le nom "
                          + QDir::toNativeSeparators(name + ".bak") + "."});
    EXPECT_TRUE(QFile::exists(name + ".bak"));
}
