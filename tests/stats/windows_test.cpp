// The statistics windows bound to their logic, and the record window's openers.

#include "stats/ui/tgraph.h"
#include "stats/ui/tstats.h"

#include "fiche/memberspage.h"
#include "support/fakeprinter.h"
#include "support/modal.h"
#include "support/recordpages.h"

#include <QAbstractButton>
#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

void click(QWidget *window, const char *name)
{
    window->findChild<QAbstractButton *>(QString::fromLatin1(name))->click();
}

// The cells of grid row r, and of the titles for r = -1.
QString row(const QTableWidget *grid, int r)
{
    QStringList cells;
    for (int c = 0; c < grid->columnCount(); ++c) {
        const QTableWidgetItem *item = r < 0 ? grid->horizontalHeaderItem(c) : grid->item(r, c);
        cells.append(item ? item->text() : QString());
    }
    return cells.join('|');
}

// Answers the next statistics window with the text of its first row.
ModalWatcher firstRow(QString *shown)
{
    return ModalWatcher([shown](QWidget *w) {
        *shown = row(static_cast<TStatsBase *>(w)->grid(), 0);
        w->close();
    });
}

using StatsWindowTest = FicheTest;

} // namespace

TEST_F(StatsWindowTest, GridShowsEveryRankedRowAndItsButtonsAct)
{
    StatList list(StatKind::TurnoverMembers);
    for (int i = 0; i < 70; ++i)
        list.append(StatLine{QString::number(10001 + i), QStringLiteral("Membre"), 100 * i});
    TStatsCa window;
    window.Init(list, QStringLiteral("partenaires"));
    EXPECT_EQ(window.windowTitle(), "Statistiques sur les CA partenaires");
    const QTableWidget *grid = window.grid();
    EXPECT_EQ(row(grid, -1) + row(TStatsD().grid(), -1) + row(TStatsC().grid(), -1),
              "|Numéro|Nom|CA|Code|Nom|Qté|Code|Catégorie|Qté");
    EXPECT_EQ(grid->rowCount(), 70);
    EXPECT_EQ(row(grid, 69), "70|10070|Membre|69,00");
    EXPECT_TRUE(grid->item(0, 3)->textAlignment() & Qt::AlignRight);

    click(&window, "SpeedButton8");
    EXPECT_EQ(FakePrinter::instance().jobs.value(0).title, "Statistiques employés au 15/03/2026");
    EXPECT_NE(FakePrinter::instance().last().findText("10070"), nullptr);

    QList<qint64> charted;
    ModalWatcher watcher([&](QWidget *w) {
        charted = static_cast<TGraph *>(w)->values();
        w->close();
    });
    click(&window, "SpeedButton1");
    EXPECT_EQ(watcher.seenTitle(), "Graphique");
    EXPECT_EQ(charted, Chart::values(window.table().values().mid(38)));

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
    const QImage image = graph.findChild<QWidget *>("PaintBox1")->grab().toImage();
    EXPECT_EQ(image.pixelColor(40, 100), QColor(Qt::blue)) << "the bar of 10 reaches the top";
    EXPECT_EQ(image.pixelColor(55, 100), QColor(Qt::white)) << "the bar of 2 does not";
}

TEST_F(StatsWindowTest, OpenersCountTheRecordShownAsEdited)
{
    load(Kind::Member, member(0, "10001", "Nom", {{MemberField::Prenom, "Prénom"}, {MemberField::Cp, "13001"},
                                                  {MemberField::Categorie, "1"}},
                              {"DATA01/02/2026\tCotisation\tdix", "DATA01/02/2026\tCotisation\t4,00"}));
    typeInto(fiche->membersPage()->field(MemberField::Cp), "75011");
    QString shown;
    const ModalWatcher departements = firstRow(&shown);
    fiche->StatsDpt();
    EXPECT_EQ(departements.seenTitle(), "Statistiques sur les départements");
    EXPECT_EQ(shown, "1|75|Paris|1");
    EXPECT_EQ(stored(Kind::Member, 0, MemberField::Cp), "75011");

    // An amount that is not a number is named, and the statistic still opens.
    const ModalWatcher watcher = firstRow(&shown);
    fiche->StatsCaMembres();
    EXPECT_EQ(watcher.seenTitle(), "Statistiques sur les CA adhérents");
    EXPECT_EQ(shown, "1|10001|Nom Prénom|4,00");
    ASSERT_EQ(dialogs().texts("message").size(), 1);
    EXPECT_TRUE(dialogs().texts("message")[0].contains("« dix »"));
}
