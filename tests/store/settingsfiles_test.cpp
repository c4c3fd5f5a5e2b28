#include "store/settingsfiles.h"

#include "support/fakedialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class SettingsFilesTest : public VelmoraTest
{
protected:
    void SetUp() override
    {
        VelmoraTest::SetUp();
        ASSERT_TRUE(m_dir.isValid());
    }

    QString dir() const { return m_dir.path(); }
    QString file(const QString &name) const { return QDir(dir()).filePath(name); }

    void put(const QString &name, const QByteArray &bytes)
    {
        QFile f(file(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QByteArray bytesOf(const QString &name) const
    {
        QFile f(file(name));
        if (!f.open(QIODevice::ReadOnly))
            return QByteArray("<missing>");
        return f.readAll();
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(SettingsFilesTest, FirstStartWithoutFilesThenCloseCreatesAllFive)
{
    SettingsFiles s;
    s.loadAll(dir());
    EXPECT_TRUE(dialogs().calls.isEmpty());
    bool autoOpen = true;
    QString name = QStringLiteral("x");
    s.GetIni(&autoOpen, &name);
    EXPECT_FALSE(autoOpen);
    EXPECT_TRUE(name.isEmpty());
    EXPECT_EQ(s.EnvOrientation + s.EnvGuide + s.PaperType, 0);
    EXPECT_EQ(s.Header, QStringList(7, QString()));
    EXPECT_EQ(s.Bureau, QStringList(9, QString()));
    EXPECT_TRUE(s.Types.isEmpty());
    EXPECT_EQ(s.ChargePlc(dir()), 0);

    EXPECT_TRUE(s.saveAll(dir(), QString()));
    EXPECT_EQ(bytesOf(QStringLiteral("Velmora.ini")), QByteArray("\r\n0\r\n0\r\n0\r\n0\r\n"));
    EXPECT_EQ(bytesOf(QStringLiteral("Velmora.soc")), QByteArray("\r\n").repeated(7));
    EXPECT_EQ(bytesOf(QStringLiteral("Velmora.bur")), QByteArray("\r\n").repeated(9));
    EXPECT_EQ(bytesOf(QStringLiteral("Velmora.plc")), QByteArray());
    EXPECT_EQ(bytesOf(QStringLiteral("Velmora.cbx")), QByteArray("[TYPE]\r\n"));
    EXPECT_TRUE(dialogs().calls.isEmpty());
}

TEST_F(SettingsFilesTest, IniWithNameAndAutoOpen)
{
    put(QStringLiteral("Velmora.ini"), "/data/Club d\xE9" "cembre.adh\r\n1\r\n1\r\n100\r\n1\r\n");
    SettingsFiles s;
    EXPECT_TRUE(s.ChargeIni(dir()));
    bool autoOpen = false;
    QString name;
    s.GetIni(&autoOpen, &name);
    EXPECT_TRUE(autoOpen);
    EXPECT_EQ(name, QStringLiteral("/data/Club décembre.adh"));
    EXPECT_EQ(s.EnvOrientation, 1);
    EXPECT_EQ(s.EnvGuide, 100);
    EXPECT_EQ(s.PaperType, 1);

    // Closing records the file open now, and the changed automatic opening.
    s.SetIni(false);
    EXPECT_TRUE(s.SauveIni(dir(), QStringLiteral("/data/autre.adh")));
    EXPECT_EQ(bytesOf(QStringLiteral("Velmora.ini")), QByteArray("/data/autre.adh\r\n0\r\n1\r\n100\r\n1\r\n"));
}

TEST_F(SettingsFilesTest, IniBadIntegerStopsReadingAndKeepsEarlierValues)
{
    put(QStringLiteral("Velmora.ini"), "club.adh\r\n1\r\nabc\r\n100\r\n1\r\n");
    SettingsFiles s;
    s.EnvGuide = 100;
    EXPECT_FALSE(s.ChargeIni(dir()));
    EXPECT_EQ(dialogs().texts(QStringLiteral("error")),
              QStringList{QStringLiteral("La ligne 3 de Velmora.ini n'est pas un nombre entier : « abc ».")});
    EXPECT_EQ(s.LastFile, QStringLiteral("club.adh"));
    EXPECT_EQ(s.AutoOpen, 1);
    EXPECT_EQ(s.EnvOrientation, 0);
    EXPECT_EQ(s.EnvGuide, 100);
    EXPECT_EQ(s.PaperType, 0);
}

TEST_F(SettingsFilesTest, IniCutShortKeepsTheMissingValuesSilently)
{
    put(QStringLiteral("Velmora.ini"), "club.adh\n1");
    SettingsFiles s;
    s.PaperType = 1;
    EXPECT_TRUE(s.ChargeIni(dir()));
    EXPECT_TRUE(dialogs().calls.isEmpty());
    EXPECT_EQ(s.AutoOpen, 1);
    EXPECT_EQ(s.PaperType, 1);
}

TEST_F(SettingsFilesTest, IniNameTheCodePageCannotHoldIsNotWritten)
{
    SettingsFiles s;
    EXPECT_TRUE(s.SauveIni(dir(), QStringLiteral("/data/\u0141\u00F3d\u017A.adh")));
    EXPECT_TRUE(bytesOf(QStringLiteral("Velmora.ini")).startsWith("\r\n0\r\n"));
}

TEST_F(SettingsFilesTest, TypesFileSection)
{
    SettingsFiles s;
    s.Types = {QStringLiteral("ancien")};
    put(QStringLiteral("Velmora.cbx"), "Stage\r\nSortie\r\n");
    EXPECT_TRUE(s.ChargeCombo(dir()));
    EXPECT_TRUE(s.Types.isEmpty()) << "a file without [TYPE] gives no type";

    put(QStringLiteral("Velmora.cbx"), "; types\r\n[type]\r\nx\r\n[TYPE]\r\nStage\r\n\r\nSortie \xE9t\xE9\r\n[TYPE]\r\n");
    EXPECT_TRUE(s.ChargeCombo(dir()));
    EXPECT_EQ(s.Types, (QStringList{QStringLiteral("Stage"), QString(), QStringLiteral("Sortie été"),
                                    QStringLiteral("[TYPE]")}));

    // Written back, the same list comes back, empty and "[TYPE]" items included.
    EXPECT_TRUE(s.SauveCombo(dir()));
    EXPECT_EQ(bytesOf(QStringLiteral("Velmora.cbx")), QByteArray("[TYPE]\r\nStage\r\n\r\nSortie \xE9t\xE9\r\n[TYPE]\r\n"));
    SettingsFiles again;
    EXPECT_TRUE(again.ChargeCombo(dir()));
    EXPECT_EQ(again.Types, s.Types);

    QFile::remove(file(QStringLiteral("Velmora.cbx")));
    EXPECT_TRUE(again.ChargeCombo(dir()));
    EXPECT_EQ(again.Types, s.Types) << "a missing file changes nothing";
}

TEST_F(SettingsFilesTest, LetterheadOfThreeLinesIsWrittenBackAsSeven)
{
    put(QStringLiteral("Velmora.soc"), "Les Amis\r\n12 rue Haute\r\n75001 Paris");
    SettingsFiles s;
    s.Header[5] = QStringLiteral("avant");
    EXPECT_TRUE(s.ChargeSoc(dir()));
    EXPECT_EQ(s.Header, (QStringList{QStringLiteral("Les Amis"), QStringLiteral("12 rue Haute"),
                                     QStringLiteral("75001 Paris"), QString(), QString(),
                                     QStringLiteral("avant"), QString()}));
    EXPECT_TRUE(s.SauveSoc(dir()));
    EXPECT_EQ(bytesOf(QStringLiteral("Velmora.soc")),
              QByteArray("Les Amis\r\n12 rue Haute\r\n75001 Paris\r\n\r\n\r\navant\r\n\r\n"));
}

TEST_F(SettingsFilesTest, BureauTakesNineLinesAtMost)
{
    QByteArray twelve;
    for (int i = 0; i < 12; ++i)
        twelve += "l" + QByteArray::number(i) + "\r";
    put(QStringLiteral("Velmora.bur"), twelve);
    SettingsFiles s;
    EXPECT_TRUE(s.ChargeBur(dir()));
    ASSERT_EQ(s.Bureau.size(), 9);
    EXPECT_EQ(s.Bureau.first(), QStringLiteral("l0"));
    EXPECT_EQ(s.Bureau.last(), QStringLiteral("l8"));

    put(QStringLiteral("Velmora.bur"), "01/09/2025\t31/08/2026\nDupont\t0102030405\n");
    EXPECT_TRUE(s.ChargeBur(dir()));
    EXPECT_EQ(s.Bureau.at(1), QStringLiteral("Dupont\t0102030405"));
    EXPECT_EQ(s.Bureau.at(2), QStringLiteral("l2")) << "lines the file lacks keep their values";
    s.Bureau.removeLast();
    EXPECT_TRUE(s.SauveBur(dir()));
    EXPECT_EQ(bytesOf(QStringLiteral("Velmora.bur")).count("\r\n"), 9);
}

TEST_F(SettingsFilesTest, ChartIsSortedByAccountThenLabelIgnoringCase)
{
    put(QStringLiteral("Velmora.plc"),
        "60100  Achats\r\n50000  fonds\r\n10100  Capital\r\n50000  Caisse\r\n50000  \xE9pargne\r\n50000  banque\r\n");
    SettingsFiles s;
    EXPECT_EQ(s.ChargePlc(dir()), 6);
    EXPECT_EQ(s.Chart.toStringList(),
              (QStringList{QStringLiteral("10100  Capital"), QStringLiteral("50000  banque"),
                           QStringLiteral("50000  Caisse"), QStringLiteral("50000  épargne"),
                           QStringLiteral("50000  fonds"), QStringLiteral("60100  Achats")}));
    EXPECT_TRUE(s.SauvePlc(dir()));
    EXPECT_EQ(bytesOf(QStringLiteral("Velmora.plc")),
              QByteArray("10100  Capital\r\n50000  banque\r\n50000  Caisse\r\n50000  \xE9pargne\r\n50000  fonds\r\n"
                         "60100  Achats\r\n"));
}

TEST_F(SettingsFilesTest, AccentedTextRoundTripsInWindows1252)
{
    SettingsFiles s;
    s.Header[0] = QStringLiteral("Association « Les Amis de l'Été » – Cœur €");
    s.Bureau[1] = QStringLiteral("Mme Lefèvre\t01 23 45 67 89");
    EXPECT_TRUE(s.SauveSoc(dir()));
    EXPECT_TRUE(s.SauveBur(dir()));
    EXPECT_EQ(bytesOf(QStringLiteral("Velmora.soc")),
              QByteArray("Association \xAB Les Amis de l'\xC9t\xE9 \xBB \x96 C\x9C" "ur \x80\r\n")
                  + QByteArray("\r\n").repeated(6));
    EXPECT_EQ(bytesOf(QStringLiteral("Velmora.bur")), QByteArray("\r\nMme Lef\xE8vre\t01 23 45 67 89\r\n") + QByteArray("\r\n").repeated(7));
    SettingsFiles back;
    back.ChargeSoc(dir());
    back.ChargeBur(dir());
    EXPECT_EQ(back.Header, s.Header);
    EXPECT_EQ(back.Bureau, s.Bureau);
}

TEST_F(SettingsFilesTest, WriteFailureIsReportedAndTheOtherFilesAreStillWritten)
{
    // A folder where the letterhead file should be makes that one write fail.
    ASSERT_TRUE(QDir(dir()).mkdir(QStringLiteral("Velmora.soc")));
    SettingsFiles s;
    s.Types = {QStringLiteral("Stage")};
    EXPECT_FALSE(s.saveAll(dir(), QStringLiteral("club.adh")));
    EXPECT_EQ(dialogs().texts(QStringLiteral("error")),
              QStringList{QStringLiteral("Impossible d'écrire le fichier Velmora.soc.")});
    EXPECT_TRUE(bytesOf(QStringLiteral("Velmora.ini")).startsWith("club.adh\r\n"));
    EXPECT_EQ(bytesOf(QStringLiteral("Velmora.bur")).size(), 18);
    EXPECT_EQ(bytesOf(QStringLiteral("Velmora.plc")), QByteArray());
    EXPECT_EQ(bytesOf(QStringLiteral("Velmora.cbx")), QByteArray("[TYPE]\r\nStage\r\n"));
}
