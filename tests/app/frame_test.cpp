// The frame's own rules: size, status bar, record window, the last store
// remembered, start and close, and the guard around commands.

#include "app/apptest.h"
#include "app/display.h"
#include "app/framerules.h"
#include "app/ui/startup.h"
#include "app/ui/tsplash.h"
#include "core/clock.h"
#include "core/textfile.h"

#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <stdexcept>

namespace {

using FrameTest = AppTest;

// "Velmora.ini": last store, automatic opening, then the page set-up.
void writeIni(const QString &last, bool autoOpen)
{
    ASSERT_TRUE(TextFile::writeLines("Velmora.ini", {last, autoOpen ? "1" : "0", "0", "0", "0"}));
}

TEST_F(FrameTest, SizeStatusBarClockAndRecordWindow)
{
    EXPECT_TRUE(FrameRules::initialGeometry(800).maximised);
    EXPECT_FALSE(FrameRules::initialGeometry(801).maximised);
    EXPECT_EQ(FrameRules::initialGeometry(801).size, QSize(800, 600));

    TMainForm form;
    EXPECT_EQ(form.clockPanel()->text(), "    10:15:30");
    auto *timer = form.findChild<QTimer *>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive() && timer->interval() == 1000);
    form.show();
    QTest::qWait(20);
    const bool wide = form.screen()->geometry().width() > 800;
    EXPECT_EQ(form.isMaximized(), !wide);
    EXPECT_TRUE(!wide || form.size() == QSize(800, 600));
    EXPECT_TRUE(form.ficheWindow()->isMaximized());
    EXPECT_EQ(form.StartDir, QDir::currentPath());

    form.setWindowState(Qt::WindowNoState);
    for (const QSize size : {QSize(700, 500), QSize(640, 480)}) {
        form.resize(size);
        QTest::qWait(20);
        EXPECT_EQ(form.hintPanel()->width(), form.width() - 100);
    }
    // A tick of the timer shows the clock's time.
    Clock::setFixed(QDateTime(QDate(2026, 3, 15), QTime(9, 5, 7)));
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_EQ(form.clockPanel()->text(), "    09:05:07");

    // Closing goes back to the start folder before the settings are written.
    QDir().mkdir(path("ailleurs"));
    QDir::setCurrent(path("ailleurs"));
    EXPECT_TRUE(form.close());
    EXPECT_EQ(QDir::currentPath(), form.StartDir);
    EXPECT_TRUE(QFileInfo::exists(path("Velmora.ini")));
}

TEST_F(FrameTest, GuardTurnsAnExceptionIntoAnErrorBox)
{
    TMainForm form;
    bool after = false;
    form.runGuarded([] { throw std::runtime_error("disque plein"); });
    form.runGuarded([] { throw 42; });
    form.runGuarded([&after] { after = true; });
    const QStringList errors = dialogs().texts("error");
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].startsWith("Une erreur est survenue") && errors[0].contains("disque plein"));
    EXPECT_TRUE(errors[1].startsWith("Une erreur inattendue"));
    EXPECT_TRUE(after);
}

TEST_F(FrameTest, LastStoreNotOpenedIsNeitherOverwrittenNorForgotten)
{
    LastFileMemory memory;
    memory.started("/data/club.adh");
    memory.storeChanged();
    EXPECT_EQ(memory.toRecord("/data/autre.adh"), "/data/autre.adh");

    writeMembers(path("club.adh"), {"Martin", "Durand"});
    writeIni(path("club.adh"), false);
    {
        TMainForm form;
        form.show();
        EXPECT_TRUE(form.CurrentFile.isEmpty());
        EXPECT_FALSE(form.action("Ouvrirautomatiquemrnt1")->isChecked());
        // A member appended to the empty store and saved goes where the user says.
        trigger(form, "Nouvellefiche1Tool");
        form.fiche()->store().markModified();
        dialogs().saveAnswers.push_back(QString());
        trigger(form, "SaveItem");
        EXPECT_EQ(dialogs().texts("save").size(), 1);
        EXPECT_EQ(memberNames(path("club.adh")), (QStringList{"Martin", "Durand"}));
        dialogs().yesNoCancelAnswers.push_back(Dialogs::No);
        EXPECT_TRUE(form.close());
    }
    EXPECT_EQ(fileLines(path("Velmora.ini")).value(0), path("club.adh"));
}

TEST_F(FrameTest, AutomaticOpeningLoadsTheLastStoreAndIsSilentWhenItVanished)
{
    writeMembers(path("club.adh"), {"Martin", "Durand"});
    for (const char *last : {"club.adh", "parti.adh"}) {
        const bool exists = QFileInfo::exists(path(last));
        writeIni(path(last), true);
        TMainForm form;
        form.show();
        EXPECT_TRUE(form.action("Ouvrirautomatiquemrnt1")->isChecked());
        EXPECT_EQ(form.CurrentFile, exists ? path(last) : QString());
        EXPECT_EQ(form.fiche()->store().state(Kind::Member).count, exists ? 2 : 0);
        EXPECT_EQ(form.action("SaveItem")->isEnabled(), exists);
        // Still named at closing: the store may come back.
        EXPECT_EQ(form.fileToRecord(), path(last));
    }
    EXPECT_TRUE(dialogs().calls.isEmpty());
}

TEST_F(FrameTest, SplashWindowShowsCentred)
{
    TSplash splash;
    splash.showNow();
    EXPECT_LE((splash.geometry().center() - splash.screen()->availableGeometry().center()).manhattanLength(), 2);
}

TEST_F(FrameTest, StartShowsTheFrameAndFreesTheSplash)
{
    auto &app = *static_cast<QApplication *>(QCoreApplication::instance());
    const std::unique_ptr<TMainForm> frame = Startup::start(app, false);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(QCoreApplication::applicationName(), "Velmora");
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TSplash *>(w), nullptr);
    // Qt's own buttons speak French.
    QMessageBox box(QMessageBox::Warning, "Velmora", "?", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text() + box.button(QMessageBox::No)->text() +
                  box.button(QMessageBox::Cancel)->text(),
              "&Oui&NonAnnuler");
}

TEST_F(FrameTest, NoDisplayIsToldAndMemberFilesAreNamed)
{
    EXPECT_FALSE(DisplayCheck::available("", "", ""));
    EXPECT_TRUE(DisplayCheck::available("", ":0", "") && DisplayCheck::available("", "", "wayland-0")
                && DisplayCheck::available("offscreen", "", ""));
    EXPECT_TRUE(DisplayCheck::missingText().contains("écran") && DisplayCheck::missingText().contains("display"));

    // Chosen name, whether it is a member file, the member file written for it (if checked).
    const std::tuple<const char *, bool, const char *> cases[] = {
        {"/x/club.Adh", true, "/x/club.Adh"},  {"/x/club.adh.txt", false, nullptr},
        {"/x/adh", false, nullptr},            {"/x/nouveau.txt", false, "/x/nouveau.adh"},
        {"/x.y/club", false, "/x.y/club.adh"}, {"/x/club.2026.txt", false, "/x/club.2026.adh"}};
    for (const auto &[chosen, member, written] : cases) {
        EXPECT_EQ(FrameRules::isMemberFile(chosen), member) << chosen;
        if (written) {
            EXPECT_EQ(FrameRules::memberFileName(chosen), written) << chosen;
        }
    }
}

} // namespace
