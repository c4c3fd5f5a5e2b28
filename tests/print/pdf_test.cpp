// PDF files: the card's own writer, byte for byte, and printouts on a PDF
// QPrinter; both read back by qpdf and pdftotext.

#include "print/card.h"
#include "print/lists.h"
#include "print/pdf/tprintpdf.h"
#include "print/printtest.h"
#include "print/ui/qtprinting.h"
#include "print/ui/tapercu.h"
#include "support/recordpages.h"
#include "core/textfile.h"

#include <QAction>
#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <memory>

#include <sys/stat.h>

namespace {

const QStringList kHeader{"Club (Paris)", "Fête à Sète", "Cotisation 30 €", "Père Noël"};

// What a tool prints of a file; *status is its exit code.
QString run(const QString &program, const QStringList &args, int *status = nullptr)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(20000))
        ADD_FAILURE() << program.toStdString() << " did not run";
    if (status)
        *status = p.exitCode();
    return QString::fromUtf8(p.readAllStandardOutput());
}

void expectValidWithTexts(const QString &file, const QStringList &texts)
{
    int status = -1;
    const QString check = run("qpdf", {"--check", file}, &status);
    EXPECT_EQ(status, 0) << check.toStdString();
    const QString text = run("pdftotext", {file, "-"});
    for (const QString &t : texts)
        EXPECT_TRUE(text.contains(t)) << t.toStdString() << " not in " << text.toStdString();
}

BlockData cardMember()
{
    return BlockData{{"10007", "M.", "Dupont (fils)", "Jean\\Luc", "", "", "", "Nîmes", "", "", "", "", "", "", "",
                      "31/12/2026", "3"}, {}, {}, {}};
}

class PdfTest : public FicheTest
{
protected:
    QString file(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(PdfTest, CardObjectsOffsetsAndEscapesWithAndWithoutCompression)
{
    for (const bool compress : {true, false}) {
        TPrintPDF pdf;
        pdf.Compress = compress;
        pdf.OutputFile = file(compress ? "z.pdf" : "plain.pdf");
        pdf.BeginDoc();
        Card::CartePdf(pdf, kHeader, cardMember());
        ASSERT_TRUE(pdf.EndDoc());
        QByteArray bytes;
        ASSERT_TRUE(TextFile::readBytes(pdf.OutputFile, &bytes));
        EXPECT_EQ(bytes, pdf.bytes());
        EXPECT_TRUE(bytes.startsWith("%PDF-1.4\r\n1 0 obj\r\n<<\r\n/Producer (Velmora)\r\n/Author (Velmora)\r\n"
                                     "/CreationDate (D:20260315101530)\r\n/Creator (Velmora)\r\n"));

        // qpdf lets an entry of the table land on the line break before its
        // object, and a stream shorter by that line break: both to the byte here.
        const qsizetype table = bytes.lastIndexOf("\r\nxref\r\n0 23\r\n0000000000 65535 f\r\n") + 34;
        for (int k = 1; k <= 22; ++k) {
            const qint64 offset = bytes.mid(table + 20 * (k - 1), 10).toLongLong();
            EXPECT_TRUE(bytes.mid(offset).startsWith(QByteArray::number(k) + " 0 obj\r\n")) << k;
        }
        const qsizetype start = bytes.indexOf("stream\r\n") + 8;
        const QByteArray data = bytes.mid(start, bytes.indexOf("endstream\r\n", start) - start);
        EXPECT_TRUE(bytes.contains("3 0 obj\r\n" + QByteArray::number(data.size()) + "\r\nendobj\r\n"));
        EXPECT_EQ(bytes.contains("/Filter [/FlateDecode]"), compress);
        // zlib's format as it is: what qUncompress reads after its own 4-byte size.
        const QByteArray content = compress ? qUncompress(QByteArray::fromHex("00010000") + data) : data;
        EXPECT_TRUE(content.contains("BT\r\n/F10 12 Tf\r\n20 762 Td\r\n(Club \\(Paris\\)) Tj\r\nET\r\n"));
        EXPECT_TRUE(content.contains("(M. Dupont \\(fils\\) Jean\\\\Luc) Tj"));
        EXPECT_TRUE(content.contains("(Carte d'adh\xE9rent) Tj"));
        EXPECT_TRUE(content.startsWith("10 782 m\r\n10 462 l\r\n1 w\r\nS\r\n"));
        expectValidWithTexts(pdf.OutputFile, {"Fête à Sète", "30 €", "Père Noël", "Dupont (fils)", "Jean\\Luc",
                                              "Ancien membre", "Echéance 31/12/2026", "Carte d'adhérent"});
    }

    TPDFFont font;
    EXPECT_FALSE(font.setIndex(14));
    EXPECT_FALSE(font.setIndex(-1));
    EXPECT_EQ(font.Index(), 4);
    EXPECT_TRUE(font.setIndex(13));
}

TEST_F(PdfTest, PrintoutsOnAPdfPrinterAtHighResolution)
{
    const RecordList list(memberList(40, "Hélène", "Fête à Sète, 30 €"));
    const QList<BlockRef> blocks = RecordRange::of(0, 0, 40).blocks(list);

    // A printer left at the screen's resolution is raised before printing.
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file("liste.pdf"));
    int factor = 0;
    ASSERT_TRUE(QtPrintService::printOn(printer, PrintJob{"Liste adhérents", true}, [&](Canvas &c) {
        factor = c.widthPx() / c.widthMm();
        return ListPrint::Imprime(c, blocks);
    }));
    EXPECT_GE(printer.resolution(), QtPrintService::kMinResolution);
    EXPECT_GE(factor, 11);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
    expectValidWithTexts(file("liste.pdf"), {"Hélène0", "Hélène39", "Fête à Sète, 30 €", "Téléphone"});
    EXPECT_TRUE(run("pdfinfo", {file("liste.pdf")}).contains(QRegularExpression("Pages:\\s+2\n")));

    // Without a printer, the user is told; nothing is written. The printer
    // keeps its orientation whatever the job's.
    QPrinter none(QPrinter::HighResolution);
    none.setOutputFormat(QPrinter::PdfFormat);
    none.setPageOrientation(QPageLayout::Landscape);
    EXPECT_FALSE(QtPrintService::printOn(none, PrintJob{}, [](Canvas &) { return true; }));
    EXPECT_EQ(dialogs().texts("error"), QStringList{noPrinterText()});
    EXPECT_EQ(none.pageLayout().orientation(), QPageLayout::Landscape);

    // The preview shows the job's orientation, then gives the printer its own back.
    QPrinter &shared = QtPrintService::printer();
    shared.setPageOrientation(QPageLayout::Landscape);
    auto preview = std::make_unique<TApercu>(PrintJob{}, [](Canvas &) { return true; });
    EXPECT_EQ(shared.pageLayout().orientation(), QPageLayout::Portrait);
    preview.reset();
    EXPECT_EQ(shared.pageLayout().orientation(), QPageLayout::Landscape);
    shared.setPageOrientation(QPageLayout::Portrait);
}

TEST_F(PdfTest, PreviewPrintsWithCtrlPAndBothPdfFilesAskBeforeReplacingOne)
{
    load(Kind::Member, memberList(1));
    // Both files are readable by all where the umask allows it, as every file the program writes.
    const mode_t umaskBefore = ::umask(022);
    TApercu preview(PrintJob{"Carte", false}, [](Canvas &c) { return Card::Carte(c, kHeader, cardMember()); });
    EXPECT_EQ(preview.action("Imprimer")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    const QString target = file("carte.pdf");
    for (const auto &save : {std::function<void()>([&] { preview.EnregistrerPdf(); }),
                             std::function<void()>([&] { fiche->CartePdf(); })}) {
        ASSERT_TRUE(TextFile::writeBytes(target, "ancien"));
        dialogs().saveAnswers = {target, target};
        dialogs().okCancelAnswers = {false, true};
        save();
        QByteArray bytes;
        TextFile::readBytes(target, &bytes);
        EXPECT_EQ(bytes, "ancien");
        save();
        expectValidWithTexts(target, {"Carte d'adhérent", "Numéro 1000"});
        EXPECT_TRUE(QFileInfo(target).permissions().testFlags(QFile::ReadGroup | QFile::ReadOther));
    }
    ::umask(umaskBefore);
    EXPECT_EQ(dialogs().texts("save"), QStringList(4, "Fichier pdf (*.pdf)"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"carte.pdf"});
}
