// At 800 x 600, the smallest frame the program opens, fields show what they hold.

#include "app/apptest.h"
#include "app/ui/startup.h"
#include "app/ui/tmainform.h"
#include "fiche/tfiche.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

TEST_F(AppTest, AtEightHundredBySixHundredFieldsShowTheirContent)
{
    const std::unique_ptr<TMainForm> frame = Startup::start(*qApp, false);
    frame->setWindowState(Qt::WindowNoState);
    frame->resize(800, 600);
    QTest::qWait(20);

    auto *payments = frame->fiche()->findChild<QTableWidget *>("StringGrid1");
    EXPECT_GE(payments->viewport()->height() / payments->rowHeight(0), 5) << "payment rows in view";

    frame->action("Activits1")->trigger();
    QTest::qWait(20);
    auto *partner = frame->fiche()->findChild<QLineEdit *>("Edit32");
    const QString name = QStringLiteral("Comité des fêtes de Saint-Rémy-en-Bouzon"); // 40 characters
    EXPECT_GE(partner->contentsRect().width(), partner->fontMetrics().horizontalAdvance(name) + 4);
}
