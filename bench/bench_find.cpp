// Times of the finding operations at 9,999 and at 100 records, and how they
// grow. Run: bench_find (offscreen platform by default).

#include "benchutil.h"

#include "core/dialogs.h"
#include "find/exchange.h"
#include "find/lists.h"
#include "find/search.h"
#include "find/sort.h"
#include "find/ui/tfliste.h"
#include "store/recordstore.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

const char *const kNames[] = {"Martin", "bernard", "Dubois", "Thomas", "robert", "Richard", "Petit", "Durand",
                              "Leroy",  "Moreau",  "Simon",  "Laurent", "Lefèvre", "Michel", "Garcia", "David"};
const char *const kTowns[] = {"Lyon", "Paris", "Évry", "Brest", "Nantes", "Lille", "Rennes", "Agen"};

// A store of n members, partners and activities with realistic lines; the
// last member and partner carry unique names for the hit searches.
RecordStore makeStore(int n)
{
    RecordStore s;
    QStringList m, p, a;
    for (int i = 0; i < n; ++i) {
        const bool last = i == n - 1;
        const QString name = last ? QStringLiteral("Zyxland") : QString::fromUtf8(kNames[(i * 7) % 16]);
        const QString town = QString::fromUtf8(kTowns[(i * 3) % 8]);
        const QString cp = QString::number(10000 + (i * 37) % 85000);
        m << RecordStore::openTag(i) << QString::number(10001 + i) << QStringLiteral("M.") << name
          << QStringLiteral("Jean") << QStringLiteral("%1 rue de la Paix").arg(i % 200) << QString() << cp << town
          << (last ? QStringLiteral("09 99 99 99 99")
                   : QStringLiteral("01 23 45 67 %1").arg(i % 100, 2, 10, QLatin1Char('0')))
          << QString() << QString() << QString() << QStringLiteral("jean@exemple.fr") << QStringLiteral("01/01/1970")
          << QStringLiteral("Retraité") << QStringLiteral("31/12/2026") << QStringLiteral("0")
          << QStringLiteral("MEMOMembre depuis 2001") << QStringLiteral("DATA01/02/2026\tCotisation\t25,00")
          << QStringLiteral("DATA01/03/2026\tDon\t10,00") << RecordStore::closeTag(i);
        p << RecordStore::openTag(i) << QString::number(10001 + i)
          << (last ? QStringLiteral("Zyxcorp") : QStringLiteral("Société %1").arg(i)) << name << QStringLiteral("Paul")
          << QStringLiteral("%1 avenue Foch").arg(i % 300) << QString() << cp << town
          << QStringLiteral("04 00 00 00 00") << QString() << QString() << QString() << RecordStore::closeTag(i);
        a << RecordStore::openTag(i) << QString::number(10001 + i) << QStringLiteral("Sortie %1").arg(i)
          << QStringLiteral("Visite") << QString::number(10001 + i % 50) << QStringLiteral("Société")
          << QStringLiteral("15/03/2026") << QStringLiteral("10:00:00") << QStringLiteral("15/03/2026")
          << QStringLiteral("18:00:00") << QStringLiteral("   12,50") << QStringLiteral("   15,00")
          << QStringLiteral("    2,50") << QStringLiteral("30") << QStringLiteral("12") << RecordStore::closeTag(i);
    }
    s.MemberLines() = RecordList(m);
    s.PartnerLines() = RecordList(p);
    s.ActivityLines() = RecordList(a);
    s.state(Kind::Member).count = n;
    s.state(Kind::Partner).count = n;
    s.state(Kind::Activity).count = n;
    return s;
}

// Best of a few runs, in milliseconds; each run gets a fresh copy of the store.
double timeIt(const RecordStore &base, const std::function<void(RecordStore &)> &op, int runs = 3)
{
    std::optional<RecordStore> s;
    return Bench::bestOf(runs, [&] { op(*s); }, [&] { s.emplace(base); });
}

} // namespace

int main(int argc, char **argv)
{
    Bench::offscreenByDefault();
    QApplication app(argc, argv);
    Bench::AnsweringDialogs dialogs;
    Dialogs::install(&dialogs);
    QTemporaryDir dir;

    const std::vector<int> sizes = {9999, 100};
    std::vector<std::string> order;
    std::map<std::string, std::map<int, double>> times;
    auto record = [&](const std::string &name, int n, double ms) {
        if (times.find(name) == times.end())
            order.push_back(name);
        times[name][n] = ms;
    };

    for (int n : sizes) {
        const RecordStore base = makeStore(n);
        auto search = [&](const char *name, int (*op)(const RecordStore &), const QString &hit) {
            int found = -1;
            record(std::string(name) + " hit", n, timeIt(base, [&](RecordStore &s) {
                       dialogs.nextInput = hit;
                       found = op(s);
                   }));
            if (found != n - 1)
                std::fprintf(stderr, "%s: hit on %d, expected %d\n", name, found, n - 1);
            record(std::string(name) + " miss", n, timeIt(base, [&](RecordStore &s) {
                       dialogs.nextInput = QStringLiteral("Qqqq");
                       op(s);
                   }));
        };
        search("RechNom", Search::RechNom, QStringLiteral("zyx"));
        search("RechTel", Search::RechTel, QStringLiteral("09 99"));
        search("RechNum", Search::RechNum, QString::number(10000 + n));
        search("RechSoc", Search::RechSoc, QStringLiteral("zyxc"));
        search("RechNom2", Search::RechNom2, QStringLiteral("zyxl"));
        search("RechNum2", Search::RechNum2, QString::number(10000 + n));

        for (int key = 0; key < 4; ++key) {
            record("Trier key " + std::to_string(key), n, timeIt(base, [&](RecordStore &s) { Sort::Trier(s, key); }));
            record("Trier2 key " + std::to_string(key), n,
                   timeIt(base, [&](RecordStore &s) { Sort::Trier2(s, key); }));
        }

        const QString exported = dir.filePath(QStringLiteral("export%1.txt").arg(n));
        record("Exporter", n, timeIt(base, [&](RecordStore &s) {
                   dialogs.nextFile = exported;
                   Exchange::Exporter(s, Kind::Member);
               }));

        for (Kind k : {Kind::Member, Kind::Partner, Kind::Activity}) {
            const Lists::GridLayout &layout = *Lists::gridLayout(k);
            record(std::string("gridRows ")
                       + (k == Kind::Member    ? "members"
                          : k == Kind::Partner ? "partners"
                                               : "activities"),
                   n, timeIt(base, [&](RecordStore &s) { Lists::gridRows(s.lines(k), layout); }));
        }
        record("TFListe Init (window)", n, timeIt(base, [&](RecordStore &s) {
                   TFListe w;
                   w.Init(s.MemberLines());
               }, 1));
    }

    // Import of 9,998 lines (and of 100) into an empty store.
    for (int n : sizes) {
        const int lines = n == 9999 ? 9998 : n;
        QByteArray file;
        for (int i = 0; i < lines; ++i)
            file += "Lef\xe8vre " + QByteArray::number(i) + "\tJean\t1 rue Haute\t\t69001\tLyon\t04 78 00 00 00\r\n";
        const QString path = dir.filePath(QStringLiteral("import%1.txt").arg(n));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(file) != file.size())
            return 1;
        f.close();
        int count = 0;
        record("Importer into an empty store", n, timeIt(RecordStore(), [&](RecordStore &s) {
                   dialogs.nextFile = path;
                   Exchange::Importer(s, Kind::Member);
                   count = s.state(Kind::Member).count;
               }));
        if (count != lines)
            std::fprintf(stderr, "import: %d records, expected %d\n", count, lines);
    }

    std::printf("%-40s %12s %12s %8s\n", "operation", "9999 (ms)", "100 (ms)", "ratio");
    for (const std::string &name : order) {
        const double big = times[name][9999];
        const double small = times[name][100];
        std::printf("%-40s %12.3f %12.3f %8.1f\n", name.c_str(), big, small, small > 0 ? big / small : 0.0);
    }
    Dialogs::install(nullptr);
    return 0;
}
