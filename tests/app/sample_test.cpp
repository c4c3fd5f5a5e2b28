// The sample association: the same files for the same day, files every reader
// opens as they are, and `--exemple` opening it from a folder of its own.

#include "app/apptest.h"
#include "app/sample.h"
#include "app/ui/startup.h"
#include "core/formats.h"
#include "treasury/journal.h"

#include <QSet>

using SampleTest = AppTest;

TEST_F(SampleTest, TheSameDayGivesTheSameAssociationAndEveryFileOpensAsItIs)
{
    // An ordinary day, the 29th of February, New Year's Day.
    for (const QDate &today : {QDate(2026, 12, 7), QDate(2028, 2, 29), QDate(2027, 1, 1)}) {
        const QString a = path(today.toString("yyyyMMdd") + "a"), b = path(today.toString("yyyyMMdd") + "b");
        ASSERT_EQ(Sample::ensure(a, today, nullptr), a + "/exemple.adh");
        ASSERT_TRUE(Sample::ensure(b, today, nullptr));
        const QStringList names = QDir(a).entryList(QDir::Files);
        ASSERT_EQ(names.size(), 9);
        ASSERT_EQ(QDir(b).entryList(QDir::Files), names);
        for (const QString &name : names)
            EXPECT_TRUE(readFile(a + "/" + name) == readFile(b + "/" + name) && readFile(a + "/" + name).endsWith("\r\n"))
                << qPrintable(name);

        dialogs().reset();
        RecordStore store;
        ASSERT_TRUE(store.Charge(a + "/exemple.adh"));
        SettingsFiles settings;
        settings.loadAll(a);
        EXPECT_TRUE(dialogs().calls.isEmpty()) << qPrintable(dialogs().calls.value(0).text);
        EXPECT_FALSE(store.TestModif());
        const int counts[] = {30, 6, 8, 12};
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(store.state(Kind(k)).count, counts[k]) << k;
            EXPECT_TRUE(RecordStore::isSound(store.lines(Kind(k)))) << k;
        }
        EXPECT_EQ(settings.Header.first(), "Les Amis de la Vilaine");
        EXPECT_EQ(settings.Types.size(), 7);

        // Payments over two years, none after today.
        QDate first = today, last;
        store.blocks(Kind::Member).forEach([&](const BlockRef &b) {
            for (const QStringList &row : RecordStore::readBlock(b, Kind::Member).rows) {
                QDate d;
                EXPECT_TRUE(Formats::parseDate(row.value(0), &d)) << qPrintable(row.join('|'));
                first = std::min(first, d);
                last = std::max(last, d);
            }
        });
        EXPECT_GT(first.daysTo(last), 365 + 180);
        EXPECT_LE(last, today);

        // A year of journal on accounts of the chart, classes 5, 6 and 7 only.
        QSet<QString> accounts, months;
        for (int i = 0; i < settings.Chart.size(); ++i) {
            const QString line = settings.Chart.at(i);
            EXPECT_TRUE(QStringLiteral("567").contains(line.at(0)) && line.mid(5, 2) == "  ") << qPrintable(line);
            accounts << line.left(5);
        }
        const RecordList &journal = store.JournalLines;
        for (int i = 0; i < journal.size(); ++i) {
            const QString line = journal.at(i);
            const JournalLine::Parsed p = JournalLine::parse(journal.view(i));
            ASSERT_EQ(p.type, JournalLine::Type::Cell) << qPrintable(line);
            months << line.left(6);
            QDate d;
            EXPECT_TRUE(p.column != 1 || accounts.contains(line.mid(10))) << qPrintable(line);
            EXPECT_TRUE(p.column != 0 || (Formats::parseDate(line.mid(10), &d) && d <= today
                                          && d.toString("yyyyMM") == line.left(6))) << qPrintable(line);
        }
        EXPECT_EQ(months.size(), 12);
        EXPECT_TRUE(months.contains(today.toString("yyyyMM")));
    }
}

TEST_F(SampleTest, TheOptionOpensTheSampleFromItsOwnFolderMadeOnceAndThenReused)
{
    EXPECT_TRUE(Startup::wantsSample({"velmora", "--exemple"}));
    EXPECT_FALSE(Startup::wantsSample({"--exemple"}));
    const QByteArray data = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", path("donnees").toLocal8Bit());
    const QString folder = path("donnees/Velmora/Exemple");
    ASSERT_EQ(Sample::defaultFolder(), folder);
    for (int run = 0; run < 2; ++run) {
        {
            const std::unique_ptr<TMainForm> frame = Startup::start(*qApp, false, true);
            EXPECT_EQ(frame->CurrentFile, folder + "/exemple.adh");
            EXPECT_EQ(frame->StartDir, folder);
            EXPECT_EQ(frame->fiche()->store().state(Kind::Member).count, 30);
            EXPECT_EQ(frame->fiche()->settings().Header.first(),
                      run == 0 ? "Les Amis de la Vilaine" : "Les Amis de la Vilaine et du Couesnon");
            // What the user changed in the sample stays.
            frame->fiche()->settings().Header[0] = "Les Amis de la Vilaine et du Couesnon";
            frame->close();
        }
        EXPECT_EQ(fileLines(folder + "/Velmora.soc").value(0), "Les Amis de la Vilaine et du Couesnon");
        QDir::setCurrent(path("."));
    }
    EXPECT_TRUE(dialogs().calls.isEmpty()) << qPrintable(dialogs().calls.value(0).text);
    qputenv("XDG_DATA_HOME", data);
    if (data.isEmpty())
        qunsetenv("XDG_DATA_HOME");
}
