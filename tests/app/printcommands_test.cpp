// The printing commands of the frame that are the frame's own: the preview's
// tick, kept in "Velmora.ini" after its five lines, and the printer set-up.

#include "app/apptest.h"
#include "app/ui/tmainform.h"
#include "core/textfile.h"
#include "fiche/tfiche.h"
#include "print/printing.h"

#include <QAction>

using PrintCommandsTest = AppTest;

TEST_F(PrintCommandsTest, PreviewTickKeptInTheSettingsAndPrinterSetUp)
{
    ASSERT_TRUE(TextFile::writeLines("Velmora.ini", {"", "0", "1", "100", "1", "1"}));
    TMainForm form;
    form.show();
    EXPECT_TRUE(form.action("Apercuavantimpression1")->isChecked() && PrintService::current().preview());
    trigger(form, "Apercuavantimpression1");
    EXPECT_FALSE(PrintService::current().preview());
    form.FormClose();
    EXPECT_EQ(fileLines(path("Velmora.ini")), QStringList({"", "0", "1", "100", "1", "0"}));

    dialogs().printerSetupAnswers = {true};
    trigger(form, "Configurerimprimante1");
    EXPECT_EQ(dialogs().texts("printerSetup").size(), 1);
}
