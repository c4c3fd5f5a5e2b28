// The office tools against the least code that reads the same bytes: loan
// tables of 360 and 1200 months, a planning of 100 years (opening, year
// change) and a message book of 10,000 messages (opening, saving, moves).
//
// Usage: bench_tools            (prints the figures)

#include "benchutil.h"

#include "core/cp1252.h"
#include "core/money.h"
#include "core/textfile.h"
#include "tools/loan.h"
#include "tools/messagebook.h"
#include "tools/planning.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// The floor: read the file, decode it, split it into lines and each line into
// its TAB-separated pieces.
QList<QStringList> readFloor(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QList<QStringList> rows;
    const QStringList lines = Cp1252::decode(file.readAll()).split(QStringLiteral("\r\n"));
    rows.reserve(lines.size());
    for (const QString &line : lines)
        rows.append(line.split(QLatin1Char('\t')));
    return rows;
}

// The floor for writing: join, encode and write the same lines.
void writeFloor(const QString &path, const QStringList &lines)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(Cp1252::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
}

void report(const char *what, double ms, double floor)
{
    std::printf("%-44s %9.3f ms   floor %9.3f ms   ratio %.2f (target <= 3)\n", what, ms, floor, ms / floor);
}

// A loan table as the window shows it: every cell as text.
QList<QStringList> loanTexts(const Schedule::Result &r)
{
    QList<QStringList> rows;
    rows.reserve(r.table.rows.size() + 2);
    for (const Schedule::Row &x : r.table.rows)
        rows.append({QString::number(x.month), x.date, Money::format(x.cells[0]),
                     Money::format(x.cells[1]), Money::format(x.cells[2])});
    rows.append({QString(), QStringLiteral("Totaux"), Money::format(r.table.totals[0]),
                 Money::format(r.table.totals[1]), Money::format(r.table.totals[2])});
    return rows;
}

void benchLoan(const QTemporaryDir &dir, int months)
{
    const Loan::Request request{QStringLiteral("150000"), QStringLiteral("4,5"), months, QString(),
                                QDate(2026, 1, 31)};
    QList<QStringList> texts;
    const double table = Bench::bestOf(20, [&] { texts = loanTexts(Loan::compute(request)); });
    QStringList lines;
    for (const QStringList &row : texts)
        lines.append(row.join(QLatin1Char('\t')));
    const QString path = dir.filePath(QStringLiteral("loan%1.txt").arg(months));
    TextFile::writeLines(path, lines);
    const double floor = Bench::bestOf(20, [&] { readFloor(path); });
    if (texts.size() != months + 1)
        std::printf("unexpected table of %d rows\n", int(texts.size()));
    report(qPrintable(QStringLiteral("Loan table, %1 months (compute + texts)").arg(months)), table, floor);
}

void benchPlanning(const QTemporaryDir &dir)
{
    // 100 years, every fifth day marked, the names of the eight categories.
    QStringList lines{QStringLiteral(" ")};
    static const char digits[] = "123456789ABC";
    for (int year = 1950; year < 2050; ++year)
        for (int m = 1; m <= 12; ++m) {
            QString line = QString::number(year) + QLatin1Char(digits[m - 1]);
            for (int d = 1; d <= 31; ++d)
                line += d % 5 == 0 ? QChar(u'0' + (d + m) % 8 + 1) : QChar(u' ');
            lines.append(line);
        }
    for (int c = 1; c <= 8; ++c)
        lines.append(QStringLiteral("PRJ%1Projet numéro %1").arg(c));
    const QString path = dir.filePath(QStringLiteral("club.opl"));
    TextFile::writeLines(path, lines);

    const double floor = Bench::bestOf(20, [&] { readFloor(path); });
    const double open = Bench::bestOf(20, [&] {
        Planning p(2026);
        p.Charge(path);
    });
    Planning p(2026);
    p.Charge(path);
    int step = 1;
    const double change = Bench::bestOf(50, [&] {
        // Back and forth between two years, so that the lines keep their size.
        p.setYear(p.year() + step);
        step = -step;
    });
    report("Planning of 100 years: opening", open, floor);
    report("Planning of 100 years: year change", change, floor);
}

void benchMessages(const QTemporaryDir &dir)
{
    QStringList lines;
    for (int i = 0; i < 10000; ++i) {
        Message m;
        m.fields = {QStringLiteral("Mme Durand"), QStringLiteral("M. Martin %1").arg(i),
                    QStringLiteral("Société des amis du %1").arg(i % 97), QStringLiteral("01 23 45 67 89"),
                    QStringLiteral("15/03/2026"), QStringLiteral("10:15:30"),
                    QStringLiteral("Rappeler au sujet de la réunion numéro %1").arg(i)};
        m.flags = {i % 2 == 0, false, true, false, i % 7 == 0};
        lines.append(m.line());
    }
    const QString path = dir.filePath(QStringLiteral("club.oms"));
    TextFile::writeLines(path, lines);

    const double floor = Bench::bestOf(10, [&] { readFloor(path); });
    const double open = Bench::bestOf(10, [&] {
        MessageBook book;
        book.Charge(path);
        book.current();
    });
    MessageBook book;
    book.Charge(path);
    const QString saved = dir.filePath(QStringLiteral("saved.oms"));
    const double save = Bench::bestOf(10, [&] {
        // One message edited before closing, as the window does.
        Message shown = book.current();
        shown.fields[6] += QLatin1Char('.');
        book.markEdited();
        book.Sauve(saved, shown);
    });
    const QString floorPath = dir.filePath(QStringLiteral("floor.oms"));
    const double writeFloorMs = Bench::bestOf(10, [&] { writeFloor(floorPath, lines); });
    // From the last message to the first and back, each one shown.
    const double moves = Bench::bestOf(5, [&] {
        for (int i = 0; i < 9999; ++i)
            book.previous(book.current());
        for (int i = 0; i < 9999; ++i)
            book.next(book.current());
    });
    report("Message book of 10,000: opening", open, floor);
    report("Message book of 10,000: saving", save, writeFloorMs);
    std::printf("%-44s %9.3f ms   (read floor %.3f ms)\n", "", save, floor);
    report("Message book of 10,000: 19,998 moves", moves, floor);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    std::printf("Floors: reading = read + decode + split into lines and TAB pieces; "
                "saving = join + encode + write\n");
    benchLoan(dir, 360);
    benchLoan(dir, 1200);
    benchPlanning(dir);
    benchMessages(dir);
    return 0;
}
