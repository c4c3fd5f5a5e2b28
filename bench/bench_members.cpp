// The members page's steps on a small and a full store: a move that writes an
// edited member back through the page and reads the next, one step of each
// filtered walk, the next member number, appending and deleting a member.
// Each step is a linear pass at most, so the full store (100 times the
// members) must cost at most 100 times the small one.
//
// Usage: bench_members            (prints the figures)

#include "benchutil.h"

#include "core/clock.h"
#include "store/recordstore.h"
#include "fiche/memberspage.h"
#include "fiche/tfiche.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

const QStringList kTowns{QStringLiteral("Paris"), QStringLiteral("Lyon"), QStringLiteral("Marseille"),
                         QStringLiteral("Orléans"), QStringLiteral("Lille"), QStringLiteral("Nantes"),
                         QStringLiteral("Rennes"), QStringLiteral("Brest"), QStringLiteral("Nice"),
                         QStringLiteral("Tours")};

// One member in 20 shares each postal code, one in 10 each town, and renewal
// dates spread over four months.
QStringList memberBlock(int n)
{
    const QDate renewal = QDate(2026, 2, 1).addDays(n % 120);
    return Bench::memberBlock(n, kTowns[n % kTowns.size()], renewal.toString(QStringLiteral("dd/MM/yyyy")));
}

struct Figures
{
    double move = 0, cp = 0, town = 0, renewal = 0, numbering = 0, numberingCached = 0, append = 0, remove = 0;
};

Figures measure(int count)
{
    auto fiche = std::make_unique<TFiche>();
    RecordStore &store = fiche->store();
    QStringList lines;
    for (int n = 0; n < count; ++n)
        lines += memberBlock(n);
    store.MemberLines().setStringList(lines);
    KindState &members = store.state(Kind::Member);
    members.count = count;
    members.current = 0;
    fiche->LitFiche();
    QLineEdit *town = fiche->membersPage()->field(8);

    // A single step of the full store is short enough to run undisturbed now
    // and then: the fastest step is the figure.
    Figures f;
    const int steps = 60;
    const int start = count / 2 - steps / 2;
    int edits = 0;
    members.current = start;
    fiche->LitFiche();
    f.move = Bench::bestOf(steps, [&] {
        // The user's typing, as the page sees it.
        town->selectAll();
        town->insert(QStringLiteral("Ville %1").arg(++edits));
        fiche->Suivant();
    });

    const auto walkStep = [&](bool (RecordStore::*walk)()) {
        members.current = 0;
        return Bench::bestOf(steps, [&] {
            if (!(store.*walk)())
                members.current = 0;
        });
    };
    store.MemberCpFilter = QStringLiteral("75007");
    f.cp = walkStep(&RecordStore::CpSuivant);
    store.MemberTownFilter = QStringLiteral("LYON");
    f.town = walkStep(&RecordStore::VilleSuivant);
    store.RenewalDays = 30;
    f.renewal = walkStep(&RecordStore::Rappelsuivant);

    // After a change of the list (the number is then computed again), and
    // on a list unchanged since the last reading (the usual case when moving).
    f.numbering = Bench::bestOf(steps, [&] { store.Numerom(); },
                                [&] { store.MemberLines().replace(1, store.MemberLines().at(1)); });
    f.numberingCached = Bench::bestOf(steps, [&] { store.Numerom(); });

    // Deleting the last member shows the one before it; appending shows a new,
    // empty member, written back untimed so that the next round deletes a
    // real block again. A full store takes no more members: the append is
    // timed with 9,998.
    const int rounds = 20;
    double append = 1e300, remove = 1e300;
    for (int r = 0; r < rounds; ++r) {
        members.current = members.count - 1;
        fiche->LitFiche();
        QElapsedTimer t;
        t.start();
        fiche->Supprime();
        remove = std::min(remove, Bench::elapsedMs(t));
        t.restart();
        fiche->Ajout();
        append = std::min(append, Bench::elapsedMs(t));
        members.edited = true;
        fiche->EcritFiche();
    }
    f.append = append;
    f.remove = remove;
    return f;
}

} // namespace

int main(int argc, char **argv)
{
    Bench::offscreenByDefault();
    QApplication app(argc, argv);
    Clock::setFixed(QDateTime(QDate(2026, 3, 15), QTime(10, 0)));

    const Figures small = measure(100);
    const Figures full = measure(9999);

    std::printf("Members page steps: 100 and 9,999 members (3 remark lines, 10 payments each)\n");
    // A step that scans the whole list once sits near 100 by construction; the
    // cost per member shows whether it grows with the store.
    std::printf("%-44s %10s %10s %8s %18s\n", "step", "100 (ms)", "9,999 (ms)", "ratio", "per member (us)");
    bool within = true;
    const auto line = [&](const char *name, double a, double b) {
        const double ratio = b / a;
        within = within && ratio <= 100;
        std::printf("%-44s %10.4f %10.4f %8.1f %8.4f %8.4f%s\n", name, a, b, ratio, a * 1000 / 100,
                    b * 1000 / 9999, ratio <= 100 ? "" : "  (over 100)");
    };
    line("Write back an edited member, read the next", small.move, full.move);
    line("Postal code walk, one step", small.cp, full.cp);
    line("Town walk, one step", small.town, full.town);
    line("Renewal walk, one step", small.renewal, full.renewal);
    line("Next member number after a change (Numerom)", small.numbering, full.numbering);
    line("Next member number, list unchanged", small.numberingCached, full.numberingCached);
    line("Append a member (Nouvelle fiche)", small.append, full.append);
    line("Delete a member", small.remove, full.remove);
    std::printf("All ratios within 100: %s\n", within ? "yes" : "no");
    return within ? 0 : 1;
}
