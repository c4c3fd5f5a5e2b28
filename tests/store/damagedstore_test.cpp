// Damaged and hostile store files: whatever their bytes, opening, browsing,
// editing, sorting, searching and saving them must never bring the program
// down. The files are made of the pieces a store is made of, in random order.

#include "find/search.h"
#include "find/sort.h"
#include "fiche/tfiche.h"

#include "support/fakedialogs.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

QByteArray randomStore(QRandomGenerator &g)
{
    static const char *pieces[] = {"<BLOC", "</BLOC", "<bloc", "MEMO", "DATA", "FACT", "NUMR", "\t", "\r\n", "\n", "\r",
                                   "0000>", "0001>", "0002>", "9998>", "9999>", "abc", "12/03/2026", "  /  /    ", "-5",
                                   "10001", "\x80\x81\xff", ">", "", " "};
    QByteArray out;
    const int n = g.bounded(400);
    for (int i = 0; i < n; ++i)
        out += pieces[g.bounded(int(sizeof pieces / sizeof *pieces))];
    return out;
}

} // namespace

class DamagedStoreTest : public VelmoraTest
{
};

TEST_F(DamagedStoreTest, NothingInAStoreFileBringsTheProgramDown)
{
    QRandomGenerator g(1234);
    QTemporaryDir dir;
    for (int round = 0; round < 120; ++round) {
        for (const char *ext : {"adh", "par", "atv", "rcu", "jnl"}) {
            QFile f(dir.filePath(QStringLiteral("s.") + ext));
            f.open(QIODevice::WriteOnly);
            f.write(randomStore(g));
        }
        dialogs().reset();
        // The member repair question, answered Yes and No in turn.
        for (int i = 0; i < 8; ++i)
            dialogs().yesNoAnswers.push_back(round % 2);
        TFiche fiche;
        fiche.Charge(dir.filePath("s.adh"));
        for (auto show : {&TFiche::Adherents, &TFiche::Partenaires, &TFiche::Activites, &TFiche::Recus}) {
            (fiche.*show)();
            fiche.Premier();
            fiche.Suivant();
            fiche.Dernier();
            fiche.Precedent();
            fiche.Ajout();
            fiche.Supprime();
        }
        Sort::Trier(fiche.store(), round % 4);
        Sort::Trier2(fiche.store(), round % 4);
        Search::scan(fiche.store().lines(Kind::Member), 3, true, "A");
        fiche.store().StoreModified = true;
        fiche.Sauve(dir.filePath("t.adh"));
        TFiche again;
        again.Charge(dir.filePath("t.adh"));
        dialogs().reset();
    }
}
