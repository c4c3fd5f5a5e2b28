// The tool windows bound to their logic and to the frame's commands.

#include "app/ui/tmainform.h"
#include "core/textfile.h"
#include "fiche/tfiche.h"
#include "toolstest.h"
#include "support/fakedialogs.h"
#include "support/fakeprinter.h"
#include "support/modal.h"
#include "stats/departements.h"
#include "tools/ui/legendpanel.h"
#include "tools/ui/tblocnotes.h"
#include "tools/ui/tcalendrier.h"
#include "tools/ui/tdepart.h"
#include "tools/ui/temprunt.h"
#include "tools/ui/teurof.h"
#include "tools/ui/tfichemsg.h"
#include "tools/ui/thorloge.h"
#include "tools/ui/tplanning.h"
#include "tools/ui/tplettre.h"
#include "tools/ui/tpocket.h"
#include "tools/ui/toolwindows.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

namespace {

class FakeSystemClock : public SystemClock
{
public:
    QList<QDateTime> set;
    QString refusal;
    bool setLocalTime(const QDateTime &local, QString *error) override
    {
        if (!refusal.isEmpty()) {
            *error = refusal;
            return false;
        }
        set.append(local);
        return true;
    }
};

class ToolWindowsTest : public VelmoraTest
{
protected:
    void SetUp() override
    {
        VelmoraTest::SetUp();
        SystemClock::install(&clock);
    }
    void TearDown() override
    {
        SystemClock::install(nullptr);
        VelmoraTest::TearDown();
    }
    static void key(QWidget *w, Qt::Key k) { QTest::keyClick(w, k); }

    FakeSystemClock clock;
    QTemporaryDir dir;
};

} // namespace

TEST_F(ToolWindowsTest, EveryToolCommandOpensItsWindow)
{
    TMainForm form;
    form.StartDir = dir.path();
    form.Nouveau1Click();
    const QList<std::pair<const char *, const char *>> commands{
        {"Emprunts1", "Emprunts"},        {"Placement1", "Placements"},      {"Calendrier1", "Calendrier"},
        {"Calculatrice1", "Calculatrice"}, {"Horloge1", "Horloge"},           {"Euroconversion1", "Euro convertisseur"},
        {"Blocnotes1", "Bloc-notes"},     {"Pselettres1", "Pèse-Lettres"},   {"Dpartements1", "Départements"},
        {"HContents", "Aide de Velmora"}, {"About1", "A propos de Velmora"},
    };
    for (const auto &[name, title] : commands) {
        QAction *a = form.action(QString::fromLatin1(name));
        ASSERT_TRUE(a && a->isEnabled()) << name;
        EXPECT_EQ(whileOpen([a] { a->trigger(); }), QString::fromUtf8(title)) << name;
    }
    // A store never saved: the tools that keep a file say so and write nothing.
    EXPECT_EQ(whileOpen([&] { form.action("Planning1")->trigger(); }), "Planning");
    EXPECT_EQ(whileOpen([&] { form.action("Messages1")->trigger(); }), "Messages");
    EXPECT_EQ(dialogs().texts("message").size(), 2);
    EXPECT_TRUE(dialogs().texts("message").value(0).contains("le planning ne sera pas conservé"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

TEST_F(ToolWindowsTest, HelpOpensOnContentsIndexOrHowToUse)
{
    whileOpen([] { ToolWindows::openHelp(nullptr, TAide::Search); }, [](QWidget *w) {
        auto *help = static_cast<TAide *>(w);
        EXPECT_EQ(help->tabs()->currentIndex(), 1);
        EXPECT_EQ(help->indexEdit()->text(), "") << "the keyword search starts empty";
        QTest::keyClicks(help->indexEdit(), "pla");
        ASSERT_GT(help->indexList()->count(), 0);
        QTest::keyClick(help->indexEdit(), Qt::Key_Return);
        EXPECT_TRUE(help->shownPage() == "planning" || help->shownPage() == "placements");
    });
    whileOpen([] { ToolWindows::openHelp(nullptr, TAide::HowToUse); }, [](QWidget *w) {
        auto *help = static_cast<TAide *>(w);
        EXPECT_EQ(help->shownPage(), "aide");
        EXPECT_TRUE(help->browser()->toPlainText().contains("Utiliser l'aide"));
        help->browser()->anchorClicked(QUrl("page:menu-outils"));
        EXPECT_EQ(help->shownPage(), "menu-outils");
        help->browser()->backward();
        EXPECT_EQ(help->shownPage(), "aide");
    });
}

TEST_F(ToolWindowsTest, PlanningWindowMarksDaysChangesYearsAndRenames)
{
    const QString member = dir.filePath("asso.adh");
    whileOpen([&] { ToolWindows::openPlanning(nullptr, member); }, [](QWidget *w) {
        auto *p = static_cast<TPlanning *>(w);
        EXPECT_EQ(p->caption()->text(), "Planning 2026");
        QTest::mouseClick(p->panel(3), Qt::LeftButton);
        p->StringGrid1Click(2, 14);
        EXPECT_EQ(p->grid()->item(2, 14)->background().color(), Planning::colour(3));
        p->StringGrid1Click(2, 30);
        EXPECT_EQ(p->planning().category(2, 30), 0);
        key(p->grid(), Qt::Key_PageDown);
        EXPECT_EQ(p->caption()->text(), "Planning 2027");
        EXPECT_EQ(p->grid()->item(2, 14)->background().color(), QColor(Qt::white));
        FakeDialogs::instance().inputAnswers.push_back("Assemblée");
        p->rename(5);
        EXPECT_EQ(p->panel(5)->text(), "Assemblée");
    });
    const QStringList lines = fileLines(dir.filePath("asso.opl"));
    EXPECT_TRUE(lines.contains(QString("20262") + QString(13, ' ') + "3" + QString(17, ' ')));
    EXPECT_TRUE(lines.contains(QString::fromUtf8("PRJ5Assemblée")));
}

TEST_F(ToolWindowsTest, MessagesWindowKeepsHandWrittenLinesAndFillsDateAndTime)
{
    const QString member = dir.filePath("asso.adh");
    ASSERT_TRUE(TextFile::writeLines(dir.filePath("asso.oms"), {"écrit à la main", "A\t\t\t\t\t\t\tFFFFF"}));
    whileOpen([&] { ToolWindows::openMessages(nullptr, member); }, [](QWidget *w) {
        auto *m = static_cast<TFicheMsg *>(w);
        EXPECT_EQ(m->numberLabel()->text(), "2");
        EXPECT_EQ(m->field(0)->text(), "A");
        key(m->field(0), Qt::Key_PageUp);
        EXPECT_EQ(m->numberLabel()->text(), "1");
        key(m->field(0), Qt::Key_PageDown);
        m->field(4)->setFocus();
        m->field(5)->setFocus();
        EXPECT_EQ(m->field(4)->text(), "15/03/2026");
        m->field(6)->setFocus();
        m->field(6)->insert("Devis\tsigné");
        m->flag(4)->click();
    });
    EXPECT_EQ(fileLines(dir.filePath("asso.oms")), QStringList({"écrit à la main", "A\t\t\t\t15/03/2026\t10:15:30\tDevis signé\tFFFFT"}));
}

TEST_F(ToolWindowsTest, NotepadIsWrittenOnlyWhenChangedAndPrints)
{
    const QString file = dir.filePath("Velmora.nte");
    whileOpen([&] { ToolWindows::openNotepad(nullptr, dir.path()); });
    EXPECT_FALSE(TextFile::exists(file));
    whileOpen([&] { ToolWindows::openNotepad(nullptr, dir.path()); }, [](QWidget *w) {
        auto *n = static_cast<TBlocnotes *>(w);
        QTest::keyClicks(n->memo(), "Appeler la mairie");
        n->printButton()->click();
    });
    EXPECT_EQ(fileLines(file), QStringList({"Appeler la mairie"}));
    ASSERT_EQ(FakePrinter::instance().jobs.size(), 1);
    EXPECT_NE(FakePrinter::instance().last().findText("Appeler la mairie"), nullptr);
    const QDateTime written = QFileInfo(file).lastModified();
    whileOpen([&] { ToolWindows::openNotepad(nullptr, dir.path()); }, [](QWidget *w) {
        EXPECT_EQ(static_cast<TBlocnotes *>(w)->memo()->toPlainText(), "Appeler la mairie");
    });
    EXPECT_EQ(QFileInfo(file).lastModified(), written);
}

TEST_F(ToolWindowsTest, LoanWindowFillsItsTableOrShowsWhyNot)
{
    TEmprunt w;
    QTest::keyClicks(w.edit(0), "10000");
    QTest::keyClicks(w.edit(1), "6.a");
    EXPECT_EQ(w.edit(1)->text(), "6") << "only digits and a comma are typed";
    key(w.edit(1), Qt::Key_Return);
    EXPECT_EQ(w.edit(2)->text(), "443,21");
    EXPECT_EQ(w.grid()->item(0, 2)->text(), "393,21");
    EXPECT_EQ(w.grid()->item(25, 1)->text(), "Totaux");
    EXPECT_EQ(w.grid()->item(25, 4)->text(), "10636,95");
    w.edit(2)->setText("40");
    w.computeButton()->click();
    EXPECT_EQ(dialogs().texts("error"), QStringList({"La mensualité doit être > 51,10"}));
    EXPECT_EQ(w.grid()->item(0, 2)->text(), "393,21") << "a refusal leaves the table";
    w.duration()->setValue(1200);
    w.edit(1)->setText("1");
    w.edit(2)->clear();
    w.Button2Click();
    EXPECT_EQ(w.grid()->rowCount(), 1202);
}

TEST_F(ToolWindowsTest, PostalScaleRecomputesOnEveryChange)
{
    TPLettre w;
    EXPECT_EQ(w.weightLabel()->text(), "20 g");
    w.count(0)->setValue(1);
    w.findChild<QSpinBox *>("SpinEdit9")->setValue(4);
    EXPECT_EQ(w.weightLabel()->text(), "23 g");
    EXPECT_EQ(w.francsLabel()->text(), "4,50 F");
    w.tariffButton(PostalScale::Tariff::Ecopli)->click();
    EXPECT_EQ(w.francsLabel()->text(), "3,50 F");
    EXPECT_EQ(w.eurosLabel()->text(), "0,53 E");
}

TEST_F(ToolWindowsTest, CalculatorAndConverterTakeKeysAndShowFailures)
{
    TPocket pocket;
    for (const char *k : {"8", "/", "0", "="})
        QTest::keyClicks(&pocket, k);
    EXPECT_EQ(dialogs().texts("error"), QStringList({"Division par zéro"}));
    pocket.button('C')->click();
    QTest::keyClicks(&pocket, "2+3*4");
    key(&pocket, Qt::Key_Return);
    EXPECT_EQ(pocket.display()->text(), "20");

    TEurof euro;
    QTest::keyClicks(&euro, "100");
    key(&euro, Qt::Key_Return);
    EXPECT_EQ(euro.resultLabel()->text(), "15,24");
    euro.toFrancs()->click();
    euro.findChild<QPushButton *>("Button1")->click();
    euro.findChild<QPushButton *>("Button11")->click();
    EXPECT_EQ(euro.resultLabel()->text(), "6,6");
    euro.findChild<QToolButton *>("SpinButton1Down")->click();
    EXPECT_EQ(euro.rateEdit()->text(), "6,55956");
}

TEST_F(ToolWindowsTest, ClockIsSetThroughTheSystemClockOnceConfirmed)
{
    THorloge w;
    w.show();
    EXPECT_EQ(w.timeLabel()->text(), "10:15:30");
    EXPECT_EQ(w.dateLabel()->text(), "15/03/2026");
    w.setButton()->click();
    EXPECT_FALSE(w.timer()->isActive());
    w.SpinButton1UpClick();
    w.partButton(ClockSetting::Part::Year)->click();
    w.SpinButton1DownClick();
    dialogs().okCancelAnswers.push_back(true);
    w.setButton()->click();
    ASSERT_EQ(clock.set.size(), 1);
    EXPECT_EQ(clock.set[0], QDateTime(QDate(2025, 3, 15), QTime(11, 15, 30)));
    EXPECT_TRUE(w.timer()->isActive());

    w.setButton()->click();
    w.partButton(ClockSetting::Part::Day)->click();
    for (int i = 0; i < 20; ++i)
        w.SpinButton1UpClick();
    w.partButton(ClockSetting::Part::Month)->click();
    w.SpinButton1DownClick();
    w.setButton()->click();
    EXPECT_EQ(dialogs().texts("error"), QStringList({"Date ou heure non valide"})) << "31 February";

    clock.refusal = "refusé";
    w.setButton()->click();
    dialogs().okCancelAnswers.push_back(false);
    w.setButton()->click();
    w.setButton()->click();
    dialogs().okCancelAnswers.push_back(true);
    w.setButton()->click();
    EXPECT_EQ(dialogs().texts("error").value(1), "refusé");
    EXPECT_EQ(clock.set.size(), 1);
}

TEST_F(ToolWindowsTest, CalendarAndDepartementsKeys)
{
    TCalendrier c;
    EXPECT_EQ(c.title()->text(), "Mars  2026");
    key(c.calendar(), Qt::Key_PageUp);
    key(c.calendar(), Qt::Key_PageUp);
    key(c.calendar(), Qt::Key_PageUp);
    EXPECT_EQ(c.title()->text(), "Décembre  2025");
    EXPECT_EQ(c.calendar()->selectedDate(), QDate(2025, 12, 15));

    TDepart d;
    EXPECT_EQ(d.list()->count(), 97);
    EXPECT_EQ(d.list()->item(0)->text(), Departements::entries().first());
    d.show();
    key(d.list(), Qt::Key_Return);
    EXPECT_FALSE(d.isVisible());
}
