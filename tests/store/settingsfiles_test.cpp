#include "store/settingsfiles.h"

#include "support/blocks.h"

namespace {

class SettingsFilesTest : public StoreTest
{
protected:
    void put(const QString &name, const QByteArray &bytes) { writeFile(path(name), bytes); }
    QByteArray bytesOf(const QString &name) const { return readFile(path(name)); }
    SettingsFiles s;
};

} // namespace

TEST_F(SettingsFilesTest, FirstStartWithoutFilesThenCloseCreatesAllFive)
{
    s.loadAll(dir.path());
    bool autoOpen = true;
    QString name = "x";
    s.GetIni(&autoOpen, &name);
    EXPECT_FALSE(autoOpen);
    EXPECT_TRUE(name.isEmpty());
    EXPECT_EQ(s.Header, QStringList(7, QString()));
    EXPECT_EQ(s.Bureau, QStringList(9, QString()));
    EXPECT_TRUE(s.Types.isEmpty());
    EXPECT_EQ(s.ChargePlc(dir.path()), 0);

    EXPECT_TRUE(s.saveAll(dir.path(), QString()).isEmpty());
    EXPECT_EQ(bytesOf("Velmora.ini"), QByteArray("\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"));
    EXPECT_EQ(bytesOf("Velmora.soc"), QByteArray("\r\n").repeated(7));
    EXPECT_EQ(bytesOf("Velmora.bur"), QByteArray("\r\n").repeated(9));
    EXPECT_EQ(bytesOf("Velmora.plc"), QByteArray());
    EXPECT_EQ(bytesOf("Velmora.cbx"), QByteArray("[TYPE]\r\n"));
    EXPECT_TRUE(dialogs().calls.isEmpty());
}

TEST_F(SettingsFilesTest, IniLinesInTheirFixedOrder)
{
    put("Velmora.ini", "/data/Club d\xE9" "cembre.adh\r\n1\r\n1\r\n100\r\n1\r\n");
    EXPECT_TRUE(s.ChargeIni(dir.path()));
    bool autoOpen = false;
    QString name;
    s.GetIni(&autoOpen, &name);
    EXPECT_TRUE(autoOpen);
    EXPECT_EQ(name, "/data/Club décembre.adh");
    EXPECT_EQ(QList<int>({s.EnvOrientation, s.EnvGuide, s.PaperType, s.Preview}), QList<int>({1, 100, 1, 0}));
    s.SetIni(false);
    // The preview's line follows the five others, which keep their places.
    s.Preview = 1;
    EXPECT_TRUE(s.SauveIni(dir.path(), "/data/autre.adh"));
    EXPECT_EQ(bytesOf("Velmora.ini"), QByteArray("/data/autre.adh\r\n0\r\n1\r\n100\r\n1\r\n1\r\n"));
    s.Preview = 0;
    EXPECT_TRUE(s.ChargeIni(dir.path()));
    EXPECT_EQ(s.Preview, 1);

    // A name the code page cannot hold is not written.
    EXPECT_TRUE(s.SauveIni(dir.path(), "/data/\u0141\u00F3d\u017A.adh"));
    EXPECT_TRUE(bytesOf("Velmora.ini").startsWith("\r\n0\r\n"));
}

TEST_F(SettingsFilesTest, DamagedIniKeepsWhatWasReadBefore)
{
    put("Velmora.ini", "club.adh\r\n1\r\nabc\r\n100\r\n1\r\n");
    s.EnvGuide = 100;
    EXPECT_FALSE(s.ChargeIni(dir.path()));
    EXPECT_EQ(dialogs().texts("error"),
              QStringList{"La ligne 3 de Velmora.ini n'est pas un nombre entier : « abc »."});
    EXPECT_EQ(s.LastFile, "club.adh");
    EXPECT_EQ(QList<int>({s.AutoOpen, s.EnvOrientation, s.EnvGuide, s.PaperType}), QList<int>({1, 0, 100, 0}));

    // Cut short, the missing values stay silently.
    put("Velmora.ini", "autre.adh\n0");
    s.PaperType = 1;
    EXPECT_TRUE(s.ChargeIni(dir.path()));
    EXPECT_EQ(dialogs().texts("error").size(), 1);
    EXPECT_EQ(s.AutoOpen, 0);
    EXPECT_EQ(s.PaperType, 1);
}

TEST_F(SettingsFilesTest, TypesFollowTheSectionLine)
{
    s.Types = {"ancien"};
    put("Velmora.cbx", "Stage\r\nSortie\r\n");
    EXPECT_TRUE(s.ChargeCombo(dir.path()));
    EXPECT_TRUE(s.Types.isEmpty()) << "a file without [TYPE] gives no type";

    const QByteArray written = "[TYPE]\r\nStage\r\n\r\nSortie \xE9t\xE9\r\n[TYPE]\r\n";
    put("Velmora.cbx", "; types\r\n[type]\r\nx\r\n" + written);
    EXPECT_TRUE(s.ChargeCombo(dir.path()));
    EXPECT_EQ(s.Types, (QStringList{"Stage", "", "Sortie été", "[TYPE]"}));
    EXPECT_TRUE(s.SauveCombo(dir.path()));
    EXPECT_EQ(bytesOf("Velmora.cbx"), written);

    QFile::remove(path("Velmora.cbx"));
    EXPECT_TRUE(s.ChargeCombo(dir.path()));
    EXPECT_EQ(s.Types.size(), 4) << "a missing file changes nothing";
}

TEST_F(SettingsFilesTest, LetterheadAndBureauKeepTheirNumberOfLines)
{
    put("Velmora.soc", "Les Amis\r\n12 rue Haute\r\n75001 Paris");
    s.Header[5] = "avant";
    EXPECT_TRUE(s.ChargeSoc(dir.path()));
    EXPECT_TRUE(s.SauveSoc(dir.path()));
    EXPECT_EQ(bytesOf("Velmora.soc"), QByteArray("Les Amis\r\n12 rue Haute\r\n75001 Paris\r\n\r\n\r\navant\r\n\r\n"));

    QByteArray twelve;
    for (int i = 0; i < 12; ++i)
        twelve += "l" + QByteArray::number(i) + "\r";
    put("Velmora.bur", twelve);
    EXPECT_TRUE(s.ChargeBur(dir.path()));
    put("Velmora.bur", "01/09/2025\t31/08/2026\nDupont\t0102030405\n");
    EXPECT_TRUE(s.ChargeBur(dir.path()));
    EXPECT_EQ(s.Bureau, (QStringList{"01/09/2025\t31/08/2026", "Dupont\t0102030405", "l2", "l3", "l4", "l5", "l6",
                                     "l7", "l8"}));
    s.Bureau.removeLast();
    EXPECT_TRUE(s.SauveBur(dir.path()));
    EXPECT_EQ(bytesOf("Velmora.bur").count("\r\n"), 9);
}

TEST_F(SettingsFilesTest, ChartIsSortedByAccountThenLabelIgnoringCase)
{
    put("Velmora.plc", "60100  Achats\r\n50000  fonds\r\n10100  Capital\r\n50000  Caisse\r\n50000  \xE9pargne\r\n"
                       "50000  banque\r\n");
    EXPECT_EQ(s.ChargePlc(dir.path()), 6);
    EXPECT_TRUE(s.SauvePlc(dir.path()));
    EXPECT_EQ(bytesOf("Velmora.plc"), QByteArray("10100  Capital\r\n50000  banque\r\n50000  Caisse\r\n"
                                                 "50000  \xE9pargne\r\n50000  fonds\r\n60100  Achats\r\n"));
}

TEST_F(SettingsFilesTest, FailedWritesAreNamedTogetherAndTheOtherFilesAreStillWritten)
{
    // Folders where the letterhead and the chart should be make those writes fail.
    ASSERT_TRUE(QDir(dir.path()).mkdir("Velmora.soc"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("Velmora.plc"));
    s.Types = {"Stage"};
    const QStringList failed = s.saveAll(dir.path(), "club.adh");
    EXPECT_EQ(failed, (QStringList{"Velmora.soc", "Velmora.plc"}));
    EXPECT_EQ(SettingsFiles::unwrittenText(failed), "Impossible d'écrire les fichiers Velmora.soc, Velmora.plc.");
    EXPECT_TRUE(dialogs().calls.isEmpty());
    EXPECT_TRUE(bytesOf("Velmora.ini").startsWith("club.adh\r\n"));
    EXPECT_EQ(bytesOf("Velmora.bur"), QByteArray("\r\n").repeated(9));
    EXPECT_EQ(bytesOf("Velmora.cbx"), QByteArray("[TYPE]\r\nStage\r\n"));
}
