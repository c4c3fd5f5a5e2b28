#include "print/ui/qtprinting.h"

#include "core/dialogs.h"
#include "core/textfile.h"
#include "print/ui/tapercu.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <algorithm>

// ---- Canvas ----------------------------------------------------------------------------

PrinterCanvas::PrinterCanvas(QPrinter &printer) : m_printer(printer), m_pen(Qt::black, 1)
{
    setFont(QStringLiteral("Arial"), 10);
}

bool PrinterCanvas::begin()
{
    if (!m_painter.begin(&m_printer))
        return false;
    m_painter.setFont(m_font);
    m_painter.setPen(m_pen);
    return true;
}

bool PrinterCanvas::end()
{
    return m_painter.end();
}

int PrinterCanvas::widthPx() const { return m_printer.width(); }
int PrinterCanvas::heightPx() const { return m_printer.height(); }
int PrinterCanvas::widthMm() const { return m_printer.widthMM(); }
int PrinterCanvas::heightMm() const { return m_printer.heightMM(); }

void PrinterCanvas::setFont(const QString &family, int pointSize, bool bold, bool italic, bool underline)
{
    m_font = QFont(family);
    m_font.setPointSize(std::max(1, pointSize));
    m_font.setBold(bold);
    m_font.setItalic(italic);
    m_font.setUnderline(underline);
    m_metrics = QFontMetrics(m_font, &m_printer);
    m_widths.clear();
    if (m_painter.isActive())
        m_painter.setFont(m_font);
}

void PrinterCanvas::textOut(int x, int y, const QString &text)
{
    // QPainter places the baseline; the printouts give the top-left corner.
    m_painter.drawText(x, y + m_metrics.ascent(), text);
}

int PrinterCanvas::textWidth(const QString &text) const
{
    constexpr qsizetype kRemembered = 4096;
    const auto known = m_widths.constFind(text);
    if (known != m_widths.cend())
        return *known;
    if (m_widths.size() >= kRemembered)
        m_widths.clear();
    const int width = m_metrics.horizontalAdvance(text);
    m_widths.insert(text, width);
    return width;
}

int PrinterCanvas::textHeight(const QString &) const
{
    return m_metrics.height();
}

void PrinterCanvas::setPenWidth(int px)
{
    m_pen.setWidth(std::max(0, px));
    if (m_painter.isActive())
        m_painter.setPen(m_pen);
}

void PrinterCanvas::moveTo(int x, int y)
{
    m_at = QPoint(x, y);
}

void PrinterCanvas::lineTo(int x, int y)
{
    m_painter.drawLine(m_at, QPoint(x, y));
    m_at = QPoint(x, y);
}

void PrinterCanvas::rectangle(const QRect &r)
{
    m_painter.save();
    m_painter.setBrush(m_brush);
    m_painter.drawRect(r.adjusted(0, 0, -1, -1));
    m_painter.restore();
}

void PrinterCanvas::fillRect(const QRect &r)
{
    m_painter.fillRect(r, m_brush);
}

bool PrinterCanvas::newPage()
{
    return m_printer.newPage();
}

// ---- Orientation ---------------------------------------------------------------------

JobOrientation::JobOrientation(QPrinter &printer, const PrintJob &job)
    : m_printer(printer), m_found(printer.pageLayout().orientation())
{
    printer.setPageOrientation(job.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

JobOrientation::~JobOrientation()
{
    m_printer.setPageOrientation(m_found);
}

// ---- Service ---------------------------------------------------------------------------

namespace {

QPrinter *g_printer = nullptr;

} // namespace

QPrinter &QtPrintService::printer()
{
    if (!g_printer) {
        g_printer = new QPrinter(QPrinter::HighResolution);
        // Gone with the application, while the printing plug-in it may use is still there.
        qAddPostRoutine([] {
            delete g_printer;
            g_printer = nullptr;
        });
    }
    return *g_printer;
}

void QtPrintService::ensureHighResolution(QPrinter &printer)
{
    if (printer.resolution() >= kMinResolution)
        return;
    const QList<int> offered = printer.supportedResolutions();
    const int best = offered.isEmpty() ? 0 : *std::max_element(offered.begin(), offered.end());
    printer.setResolution(best >= kMinResolution ? best : 1200);
}

bool QtPrintService::printOn(QPrinter &printer, const PrintJob &job, const std::function<bool(Canvas &)> &draw)
{
    ensureHighResolution(printer);
    printer.setDocName(job.title.isEmpty() ? QStringLiteral("Velmora") : job.title);
    QString failure;
    {
        const JobOrientation orientation(printer, job);
        PrinterCanvas canvas(printer);
        // Without a printer Qt falls back on a PDF file that has no name: the
        // document could not begin, and Qt would only say so on the console.
        if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty())
            failure = noPrinterText();
        else if (!canvas.begin())
            failure = QPrinterInfo::availablePrinterNames().isEmpty() ? noPrinterText() : beginFailedText();
        else if (!Placement::of(canvas)) {
            printer.abort();
            canvas.end();
            failure = noAreaText();
        } else if (!draw(canvas)) {
            printer.abort();
            canvas.end();
            failure = pageFailedText();
        } else if (!canvas.end()) {
            failure = endFailedText();
        }
    }
    if (!failure.isEmpty())
        Dialogs::current().error(failure);
    return failure.isEmpty();
}

bool QtPrintService::printToPdf(const QString &file, const PrintJob &job, const std::function<bool(Canvas &)> &draw)
{
    // A PDF printer writes to a file name only: the pages go to a scratch file
    // beside the target, then reach the target as every file of the program
    // does, whole, with a new file's permissions or those of the file replaced.
    QTemporaryFile scratch(QFileInfo(file).absoluteDir().filePath(QStringLiteral(".velmora-XXXXXX.pdf")));
    if (!scratch.open()) {
        Dialogs::current().error(TextFile::writeErrorText(file));
        return false;
    }
    scratch.close();
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setPageLayout(printer().pageLayout());
    pdf.setOutputFileName(scratch.fileName());
    if (!printOn(pdf, job, draw))
        return false;
    QByteArray bytes;
    if (!TextFile::readBytes(scratch.fileName(), &bytes) || !TextFile::writeBytes(file, bytes)) {
        Dialogs::current().error(TextFile::writeErrorText(file));
        return false;
    }
    return true;
}

bool QtPrintService::print(const PrintJob &job, const std::function<bool(Canvas &)> &draw)
{
    if (!preview())
        return printOn(printer(), job, draw);
    TApercu window(job, draw, QApplication::activeWindow());
    window.exec();
    return true;
}
