#pragma once
// The program's own five small files in its start directory: start-up settings
// ("Velmora.ini"), letterhead ("Velmora.soc"), bureau ("Velmora.bur"), activity
// types ("Velmora.cbx") and chart of accounts ("Velmora.plc"). They are read
// once at start-up and written back at every normal close.
//
// A missing file leaves its values as they are, silently. A file that exists
// but cannot be read, or a damaged "Velmora.ini", is reported through the
// dialogs; files that cannot be written are named to the caller.

#include "core/recordlist.h"

#include <QString>
#include <QStringList>

class SettingsFiles
{
public:
    static constexpr int kHeaderLines = 7;
    static constexpr int kBureauLines = 9;

    static const QString &iniName();
    static const QString &socName();
    static const QString &burName();
    static const QString &cbxName();
    static const QString &plcName();
    // The line that opens the list of types in "Velmora.cbx".
    static const QString &typeSection();

    SettingsFiles();

    // ---- "Velmora.ini", one value per line in this order ---------------------
    QString LastFile;        // the member file open at the last close
    int AutoOpen = 0;        // 1: open LastFile at start-up
    int EnvOrientation = 0;  // 0 portrait, 1 landscape
    int EnvGuide = 0;        // 0 or 100
    int PaperType = 0;       // 0 plain paper, 1 letterhead paper
    // A line added after those five, which older versions do not read.
    int Preview = 0;         // 1: printouts open in the preview window first

    // ---- The other four files ------------------------------------------------
    QStringList Header;  // letterhead lines 1 to 7 at indexes 0 to 6
    QStringList Bureau;  // bureau lines 0 to 8
    QStringList Types;   // activity types, in the order shown
    // The chart of accounts, in account order: the program's own, not a
    // store's, and kept here only.
    RecordList Chart;

    // Each takes the folder that holds the files. Loading returns false when
    // something was reported; a missing file is not a failure.
    bool ChargeIni(const QString &dir);
    bool SauveIni(const QString &dir, const QString &fileName);
    bool ChargeSoc(const QString &dir);
    bool SauveSoc(const QString &dir);
    bool ChargeBur(const QString &dir);
    bool SauveBur(const QString &dir);
    bool ChargeCombo(const QString &dir);
    bool SauveCombo(const QString &dir);
    // The number of chart lines after loading.
    int ChargePlc(const QString &dir);
    bool SauvePlc(const QString &dir);

    // In the order ini, soc, bur, plc, combo. saveAll writes every file even
    // when one fails and returns the names of those it could not write; the
    // caller tells the user once (unwrittenText).
    void loadAll(const QString &dir);
    QStringList saveAll(const QString &dir, const QString &currentFile);
    static QString unwrittenText(const QStringList &files);

    // Automatic opening (AutoOpen is 1) and the last file's name.
    void GetIni(bool *autoOpen, QString *name) const;
    void SetIni(bool autoOpen);

    // Chart lines in account order: French, case-insensitive collation that
    // does not depend on the machine's locale; equal lines keep their order.
    static void sortChart(RecordList &chart);

private:
    static QString path(const QString &dir, const QString &name);
    // A missing file is not read and not reported; one that cannot be read is
    // reported.
    enum class Read { Missing, Failed, Done };
    static Read readFile(const QString &dir, const QString &name, QStringList *lines);
    bool chargeLines(const QString &dir, const QString &name, QStringList &target, int max);
    bool sauveLines(const QString &dir, const QString &name, const QStringList &lines);
};
