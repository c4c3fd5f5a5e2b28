// Window titles are the captions alone, and none outlives the store it named.

#include "app/apptest.h"
#include "app/ui/startup.h"
#include "app/ui/tmainform.h"
#include "fiche/tfiche.h"

#include <QApplication>
#include <QDialog>
#include <QMdiSubWindow>
#include <QTest>
#include <QWindow>

TEST_F(AppTest, TitlesAreTheCaptionsAloneAndNoneNamesAStoreAfterNew)
{
    writeMembers(path("club.adh"), {"Martin"});
    const std::unique_ptr<TMainForm> frame = Startup::start(*qApp, false);
    open(*frame, path("club.adh"));
    ASSERT_EQ(frame->ficheWindow()->windowTitle(), "club.adh");

    QDialog dialog(frame.get());
    dialog.setWindowTitle("Trier");
    dialog.show();
    ASSERT_TRUE(dialog.windowHandle());
    EXPECT_EQ(dialog.windowHandle()->title(), "Trier");
    EXPECT_FALSE(frame->windowHandle()->title().endsWith("Velmora") && frame->windowTitle() != "Velmora");
    dialog.hide();

    trigger(*frame, "Nouveau1");
    for (QWidget *w : QList<QWidget *>{frame.get(), frame->ficheWindow(), frame->fiche()})
        EXPECT_FALSE(w->windowTitle().contains("club")) << w->objectName().toStdString();
}
