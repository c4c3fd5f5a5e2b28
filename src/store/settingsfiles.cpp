#include "store/settingsfiles.h"

#include "core/collation.h"
#include "core/cp1252.h"
#include "core/dialogs.h"
#include "core/formats.h"
#include "core/textfile.h"
#include "settings/bureau.h"

#include <QDir>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

enum Name { Ini, Soc, Bur, Cbx, Plc, TypeSection };

const QString &text(Name name)
{
    static const QString texts[] = {QStringLiteral("Velmora.ini"), QStringLiteral("Velmora.soc"),
                                    QStringLiteral("Velmora.bur"), QStringLiteral("Velmora.cbx"),
                                    QStringLiteral("Velmora.plc"), QStringLiteral("[TYPE]")};
    return texts[name];
}

} // namespace

const QString &SettingsFiles::iniName() { return text(Ini); }
const QString &SettingsFiles::socName() { return text(Soc); }
const QString &SettingsFiles::burName() { return text(Bur); }
const QString &SettingsFiles::cbxName() { return text(Cbx); }
const QString &SettingsFiles::plcName() { return text(Plc); }
const QString &SettingsFiles::typeSection() { return text(TypeSection); }

SettingsFiles::SettingsFiles() : Header(kHeaderLines), Bureau(kBureauLines) {}

QString SettingsFiles::path(const QString &dir, const QString &name)
{
    return dir.isEmpty() ? name : QDir(dir).filePath(name);
}

SettingsFiles::Read SettingsFiles::readFile(const QString &dir, const QString &name, QStringList *lines)
{
    const QString file = path(dir, name);
    if (!TextFile::exists(file))
        return Read::Missing;
    QString error;
    if (!TextFile::readLines(file, lines, &error)) {
        Dialogs::current().error(error);
        return Read::Failed;
    }
    return Read::Done;
}

bool SettingsFiles::ChargeIni(const QString &dir)
{
    QStringList lines;
    const Read read = readFile(dir, iniName(), &lines);
    if (read != Read::Done)
        return read == Read::Missing;
    if (lines.isEmpty())
        return true;
    LastFile = lines.at(0);
    int *const values[] = {&AutoOpen, &EnvOrientation, &EnvGuide, &PaperType, &Preview};
    for (int i = 0; i < 5; ++i) {
        // A file cut short keeps the values it does not hold.
        if (i + 1 >= lines.size())
            break;
        const QString &line = lines.at(i + 1);
        int v = 0;
        if (!Formats::parseInt(line, &v)) {
            Dialogs::current().error(QStringLiteral("La ligne %1 de %2 n'est pas un nombre entier : « %3 ».")
                                         .arg(i + 2)
                                         .arg(iniName(), line));
            return false;
        }
        *values[i] = v;
    }
    return true;
}

bool SettingsFiles::SauveIni(const QString &dir, const QString &fileName)
{
    // A name the code page cannot hold would come back as a different file;
    // better no name than a wrong one.
    const QString name = Cp1252::canEncode(fileName) ? fileName : QString();
    const QStringList lines = {name,
                               QString::number(AutoOpen),
                               QString::number(EnvOrientation),
                               QString::number(EnvGuide),
                               QString::number(PaperType),
                               QString::number(Preview)};
    return sauveLines(dir, iniName(), lines);
}

bool SettingsFiles::chargeLines(const QString &dir, const QString &name, QStringList &target, int max)
{
    QStringList lines;
    const Read read = readFile(dir, name, &lines);
    if (read != Read::Done)
        return read == Read::Missing;
    while (target.size() < max)
        target.append(QString());
    const int n = std::min<int>(max, int(lines.size()));
    for (int i = 0; i < n; ++i)
        target[i] = lines.at(i);
    return true;
}

bool SettingsFiles::sauveLines(const QString &dir, const QString &name, const QStringList &lines)
{
    return TextFile::writeLines(path(dir, name), lines);
}

bool SettingsFiles::ChargeSoc(const QString &dir)
{
    return chargeLines(dir, socName(), Header, kHeaderLines);
}

bool SettingsFiles::SauveSoc(const QString &dir)
{
    return sauveLines(dir, socName(), SettingsLines::fixedCount(Header, kHeaderLines));
}

bool SettingsFiles::ChargeBur(const QString &dir)
{
    return chargeLines(dir, burName(), Bureau, kBureauLines);
}

bool SettingsFiles::SauveBur(const QString &dir)
{
    return sauveLines(dir, burName(), SettingsLines::fixedCount(Bureau, kBureauLines));
}

bool SettingsFiles::ChargeCombo(const QString &dir)
{
    QStringList lines;
    const Read read = readFile(dir, cbxName(), &lines);
    if (read != Read::Done)
        return read == Read::Missing;
    Types.clear();
    const int start = int(lines.indexOf(typeSection()));
    // Everything after the first section line is a type, even a second
    // "[TYPE]": that is how a type spelt so is written back.
    if (start >= 0)
        Types = lines.mid(start + 1);
    return true;
}

bool SettingsFiles::SauveCombo(const QString &dir)
{
    QStringList lines;
    lines.reserve(Types.size() + 1);
    lines.append(typeSection());
    lines.append(Types);
    return sauveLines(dir, cbxName(), lines);
}

int SettingsFiles::ChargePlc(const QString &dir)
{
    const QString file = path(dir, plcName());
    if (TextFile::exists(file)) {
        RecordList loaded;
        QString error;
        if (loaded.load(file, &error)) {
            sortChart(loaded);
            Chart = loaded;
        } else {
            Dialogs::current().error(error.isEmpty() ? TextFile::readErrorText(file) : error);
        }
    }
    return Chart.size();
}

bool SettingsFiles::SauvePlc(const QString &dir)
{
    return Chart.save(path(dir, plcName()));
}

void SettingsFiles::loadAll(const QString &dir)
{
    ChargeIni(dir);
    ChargeSoc(dir);
    ChargeBur(dir);
    ChargePlc(dir);
    ChargeCombo(dir);
}

QStringList SettingsFiles::saveAll(const QString &dir, const QString &currentFile)
{
    QStringList failed;
    if (!SauveIni(dir, currentFile))
        failed.append(iniName());
    if (!SauveSoc(dir))
        failed.append(socName());
    if (!SauveBur(dir))
        failed.append(burName());
    if (!SauvePlc(dir))
        failed.append(plcName());
    if (!SauveCombo(dir))
        failed.append(cbxName());
    return failed;
}

QString SettingsFiles::unwrittenText(const QStringList &files)
{
    if (files.size() == 1)
        return TextFile::writeErrorText(files.first());
    return QStringLiteral("Impossible d'écrire les fichiers %1.").arg(files.join(QStringLiteral(", ")));
}

void SettingsFiles::GetIni(bool *autoOpen, QString *name) const
{
    if (autoOpen)
        *autoOpen = AutoOpen == 1;
    if (name)
        *name = LastFile;
}

void SettingsFiles::SetIni(bool autoOpen)
{
    AutoOpen = autoOpen ? 1 : 0;
}

void SettingsFiles::sortChart(RecordList &chart)
{
    const int n = chart.size();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(n));
    for (int i = 0; i < n; ++i)
        keys.push_back(Collation::sortKey(chart.at(i)));
    std::vector<int> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return keys[size_t(a)].compare(keys[size_t(b)]) < 0; });
    // The bytes are moved as they are, so a line comes back exactly as read.
    RecordList sorted;
    for (int i : order)
        sorted.appendRaw(chart.view(i));
    chart = sorted;
}
