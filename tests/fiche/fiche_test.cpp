// The record window's own routing: what it writes back before it shows
// another record, and the state a new store starts in.

#include "fiche/memberspage.h"
#include "fiche/tfiche.h"

#include "support/fakedialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {

BlockData member(const QString &number, const QString &name)
{
    BlockData d;
    d.fixed = QStringList(17, QString());
    d.fixed[0] = number;
    d.fixed[1] = QStringLiteral("Mme");
    d.fixed[2] = name;
    d.fixed[13] = QStringLiteral("12/05/1980");
    d.fixed[15] = QStringLiteral("01/02/2027");
    d.fixed[16] = QStringLiteral("1");
    return d;
}

} // namespace

class RecordWindowTest : public VelmoraTest
{
protected:
    QTemporaryDir dir;
    TFiche fiche;

    void SetUp() override
    {
        VelmoraTest::SetUp();
        RecordStore &s = fiche.store();
        s.writeBlock(Kind::Member, 0, member("10001", "Martin"));
        s.state(Kind::Member).count = 1;
        s.writeBlock(Kind::Member, 1, member("10002", "Dupont"));
        s.state(Kind::Member).count = 2;
        s.markSaved();
        fiche.LitFiche();
    }
    QLineEdit *nameField() { return fiche.membersPage()->field(3); }
    QString storedName(int n) { return fiche.store().readBlock(Kind::Member, n)->fixed[2]; }
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
    const QString file = dir.filePath(QStringLiteral("liste.txt"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Bernard\tAlain\r\nCollin\tLucie\r\n");
    f.close();
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
    fiche.Partenaires();
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Edit17");
    fiche.Adherents();
    EXPECT_EQ(QApplication::focusWidget(), nameField());
    auto *memo = fiche.findChild<QPlainTextEdit *>("Memo1");
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), memo);
    EXPECT_EQ(memo->toPlainText(), "");
}

TEST_F(RecordWindowTest, TheUserIsToldWhereTheDamagedOriginalIsKept)
{
    const QString name = dir.filePath(QStringLiteral("club.adh"));
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<BLOC0000>\r\n10001\r\n<BLOC0001>\r\n10002\r\n</BLOC0001>\r\n");
    f.close();
    dialogs().yesNoAnswers = {true};
    ASSERT_TRUE(fiche.Charge(name));
    ASSERT_TRUE(fiche.Sauve(name));
    EXPECT_EQ(dialogs().texts("message"),
              QStringList{"Le fichier altéré a été conservé tel qu'il était sous le nom "
                          + QDir::toNativeSeparators(name + ".bak") + "."});
    EXPECT_TRUE(QFile::exists(name + ".bak"));
}
