// Printing a list of 9,999 members to a PDF file, against a floor measured in
// the same run: the same texts at the same places drawn with bare QPainter
// calls on a PDF QPrinter, without the placement, the cutting of values at
// the next column or the canvas. The list must cost at most 1.5 times the
// floor, and stream its pages (peak memory under 150 MB). The PDF card is
// written in under 10 ms.
//
// Usage: bench_print            (prints the figures)

#include "benchutil.h"

#include "core/clock.h"
#include "print/card.h"
#include "print/lists.h"
#include "print/pdf/tprintpdf.h"
#include "print/ui/qtprinting.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kMembers = 9999;

// Peak resident memory of the process so far.
long peakKiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

void pdfPrinter(QPrinter &printer, const QString &file)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageOrientation(QPageLayout::Landscape);
}

// The list with bare painter calls: the same rows, columns and page breaks.
void floorList(const QString &file, const QList<BlockRef> &blocks)
{
    QPrinter printer(QPrinter::HighResolution);
    pdfPrinter(printer, file);
    QPainter p(&printer);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    p.setFont(font);
    const int ascent = QFontMetrics(font, &printer).ascent();
    const int fx = printer.width() / printer.widthMM();
    const int fy = printer.height() / printer.heightMM();
    const int xs[] = {5, 55, 105, 155, 175, 225, 255};
    const char *titles[] = {"Nom", "Adresse", "Adresse", "C.P.", "Ville", "Téléphone", "Fax"};
    const auto header = [&] {
        for (int i = 0; i < 7; ++i)
            p.drawText(fx * xs[i], fy * 3 + ascent, QString::fromUtf8(titles[i]));
        p.drawLine(fx * 5, fy * 8, fx * 300, fy * 8);
    };
    using namespace MemberField;
    int y = 10;
    header();
    for (int r = 0; r < blocks.size(); ++r) {
        const BlockRef &b = blocks[r];
        const QString row[] = {b.text(Nom).trimmed() + QLatin1Char(' ') + b.text(Prenom), b.text(Adresse1),
                               b.text(Adresse2), b.text(Cp), b.text(Ville), b.text(Telephone), b.text(Fax)};
        for (int i = 0; i < 7; ++i)
            p.drawText(fx * xs[i], fy * (y + 3) + ascent, row[i]);
        y += 5;
        if (fy * (y + 3) > printer.height() - fy * 23 && r + 1 < blocks.size()) {
            printer.newPage();
            y = 10;
            header();
        }
    }
    p.end();
}

bool ourList(const QString &file, const QList<BlockRef> &blocks)
{
    QPrinter printer(QPrinter::HighResolution);
    pdfPrinter(printer, file);
    return QtPrintService::printOn(printer, PrintJob{QStringLiteral("Liste adhérents"), true},
                                   [&](Canvas &c) { return ListPrint::Imprime(c, blocks); });
}

} // namespace

int main(int argc, char **argv)
{
    Bench::offscreenByDefault();
    QApplication app(argc, argv);
    Clock::setFixed(QDateTime(QDate(2026, 3, 15), QTime(10, 0)));
    QTemporaryDir dir;

    QStringList lines;
    for (int n = 0; n < kMembers; ++n)
        lines += Bench::memberBlock(n, QStringLiteral("Orléans"), QStringLiteral("31/12/2026"));
    const RecordList list(lines);
    lines.clear();
    const QList<BlockRef> blocks = RecordRange::of(0, 0, kMembers).blocks(list);
    const long before = peakKiB();

    const QString floorFile = dir.filePath(QStringLiteral("floor.pdf"));
    const QString ourFile = dir.filePath(QStringLiteral("liste.pdf"));
    bool printed = true;
    const double floor = Bench::bestOf(3, [&] { floorList(floorFile, blocks); });
    const double ours = Bench::bestOf(3, [&] { printed = ourList(ourFile, blocks) && printed; });
    const long peak = peakKiB();

    const QStringList header{QStringLiteral("Club (Paris)"), QStringLiteral("Fête à Sète"), QString(), QString()};
    BlockData member;
    member.setField(MemberField::Nom, QStringLiteral("Dupont"));
    const QString cardFile = dir.filePath(QStringLiteral("carte.pdf"));
    bool written = true;
    const double card = Bench::bestOf(20, [&] {
        TPrintPDF pdf;
        pdf.OutputFile = cardFile;
        pdf.BeginDoc();
        Card::CartePdf(pdf, header, member);
        written = pdf.EndDoc() && written;
    });

    const double ratio = ours / floor;
    const bool fast = printed && ratio <= 1.5;
    const bool lean = peak < 150 * 1024;
    const bool quick = written && card < 10;
    std::printf("Printing: a list of %d members to a PDF file (landscape A4, 1200 dpi)\n", kMembers);
    std::printf("  floor, bare QPainter calls    %9.1f ms  (%lld bytes)\n", floor,
                static_cast<long long>(QFile(floorFile).size()));
    std::printf("  Imprime through the canvas    %9.1f ms  (%lld bytes)\n", ours,
                static_cast<long long>(QFile(ourFile).size()));
    std::printf("  ratio                         %9.2f     (at most 1.50: %s)\n", ratio, fast ? "yes" : "no");
    std::printf("  peak memory                   %9.1f MB  (store alone %.1f MB; under 150 MB: %s)\n",
                peak / 1024.0, before / 1024.0, lean ? "yes" : "no");
    std::printf("PDF card written                %9.3f ms  (under 10 ms: %s)\n", card, quick ? "yes" : "no");
    return fast && lean && quick ? 0 : 1;
}
