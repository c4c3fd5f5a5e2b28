// The statistics windows bound to their logic, and the record window's openers.

#include "stats/ui/tgraph.h"
#include "stats/ui/tstats.h"

#include "fiche/memberspage.h"
#include "statstestutil.h"
#include "support/fakeprinter.h"
#include "support/modal.h"
#include "support/recordpages.h"

#include <QAbstractButton>
#include <QFile>
#include <QHeaderView>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace StatsTest;

namespace {

void click(QWidget *window, const char *name)
{
    auto *b = window->findChild<QAbstractButton *>(QString::fromLatin1(name));
    ASSERT_NE(b, nullptr) << name;
    b->click();
}

StatList turnovers(int n)
{
    StatList list(StatKind::TurnoverMembers);
    for (int i = 0; i < n; ++i)
        list.append(StatLine{QString::number(10001 + i), QStringLiteral("Membre"), 100 * i});
    return list;
}

// The cells of grid row r.
QString row(const QTableWidget *grid, int r)
{
    QStringList cells;
    for (int c = 0; c < grid->columnCount(); ++c)
        cells.append(grid->item(r, c) ? grid->item(r, c)->text() : QString());
    return cells.join('|');
}

using StatsWindowTest = FicheTest;

} // namespace

TEST_F(StatsWindowTest, GridShowsEveryRankedRowWithAmountsOnTheRight)
{
    TStatsCa window;
    window.Init(turnovers(70), QStringLiteral("adhérents"));
    EXPECT_EQ(window.windowTitle(), "Statistiques sur les CA adhérents");
    const QTableWidget *grid = window.grid();
    EXPECT_EQ(grid->objectName(), "StringGrid1");
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text() + '|' + grid->horizontalHeaderItem(3)->text(), "Numéro|CA");
    EXPECT_EQ(grid->columnWidth(2), 294);
    EXPECT_EQ(window.rowCount(), 70);
    EXPECT_EQ(grid->rowCount(), 71);
    EXPECT_EQ(row(grid, 70), "70|10070|Membre|69,00");
    EXPECT_TRUE(grid->item(1, 3)->textAlignment() & Qt::AlignRight);

    TStatsD few;
    StatList d(StatKind::Departements);
    d.CumulDpt("75");
    few.Init(d);
    EXPECT_EQ(few.windowTitle() + '|' + few.grid()->horizontalHeaderItem(3)->text(),
              "Statistiques sur les départements|Qté");
    EXPECT_EQ(few.grid()->rowCount(), 64) << "the grid starts with 63 rows";
    EXPECT_EQ(row(few.grid(), 1), "1|75|Paris|1");
    EXPECT_EQ(TStatsC().grid()->horizontalHeaderItem(2)->text(), "Catégorie");
}

TEST_F(StatsWindowTest, ButtonsPrintChartAndExport)
{
    TStatsCa window;
    window.Init(turnovers(3), QStringLiteral("partenaires"));

    click(&window, "SpeedButton8");
    ASSERT_EQ(FakePrinter::instance().jobs.size(), 1);
    EXPECT_EQ(FakePrinter::instance().jobs[0].title, "Statistiques employés au 15/03/2026");
    EXPECT_NE(FakePrinter::instance().last().findText("10003"), nullptr);

    QList<qint64> charted;
    ModalWatcher watcher([&](QWidget *w) {
        charted = static_cast<TGraph *>(w)->values();
        w->close();
    });
    click(&window, "SpeedButton1");
    EXPECT_EQ(watcher.seenTitle(), "Graphique");
    EXPECT_EQ(charted, QList<qint64>({0, 1, 2}));

    QTemporaryDir dir;
    const QString path = dir.filePath("stats.csv");
    dialogs().saveAnswers = {path, path};
    dialogs().okCancelAnswers = {false};
    click(&window, "SpeedButton2");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), window.table().csv());
    file.close();
    // Replacing the file is asked first; Cancel keeps it.
    QFile::resize(path, 0);
    click(&window, "SpeedButton2");
    EXPECT_EQ(QFileInfo(path).size(), 0);
    EXPECT_EQ(dialogs().texts("okCancel"), QStringList({"Ce fichier existe déjà"}));
}

TEST_F(StatsWindowTest, ChartDrawsItsBarsInBlue)
{
    TGraph graph;
    graph.Init({"5", "10", "2"});
    QWidget *box = graph.findChild<QWidget *>("PaintBox1");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->size(), QSize(559, 321));
    const QImage image = box->grab().toImage();
    EXPECT_EQ(image.pixelColor(40, 100), QColor(Qt::blue)) << "the bar of 10 reaches the top";
    EXPECT_EQ(image.pixelColor(55, 100), QColor(Qt::white)) << "the bar of 2 does not";
}

TEST_F(StatsWindowTest, OpenersCountTheRecordShownAsEdited)
{
    load(Kind::Member, memberBlock(0, Member{"13001", "1", {"dix", "4,00"}}));
    typeInto(fiche->membersPage()->field(MemberField::Cp), "75011");
    QString shown;
    ModalWatcher watcher([&](QWidget *w) {
        shown = row(static_cast<TStatsBase *>(w)->grid(), 1);
        w->close();
    });
    fiche->StatsDpt();
    EXPECT_EQ(watcher.seenTitle(), "Statistiques sur les départements");
    EXPECT_EQ(shown, "1|75|Paris|1");
    EXPECT_EQ(stored(Kind::Member, 0, MemberField::Cp), "75011");

    // An amount that is not a number is named, and the statistic still opens.
    ModalWatcher again([&](QWidget *w) {
        shown = row(static_cast<TStatsBase *>(w)->grid(), 1);
        w->close();
    });
    fiche->StatsCaMembres();
    EXPECT_EQ(again.seenTitle(), "Statistiques sur les CA adhérents");
    EXPECT_EQ(shown, "1|10001|Nom Prénom|4,00");
    ASSERT_EQ(dialogs().texts("message").size(), 1);
    EXPECT_TRUE(dialogs().texts("message")[0].contains("« dix »"));
}
