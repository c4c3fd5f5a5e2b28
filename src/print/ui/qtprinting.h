#pragma once
// Printing on the program's one current printer: a canvas on a QPrinter, the
// service that hands it to every printout and reports every failure in
// French, and what the preview window and the PDF export share with it.

#include "print/printing.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPageLayout>
#include <QPainter>
#include <QPen>

class QPrinter;

// A canvas on a printer, in its device pixels.
class PrinterCanvas : public Canvas
{
public:
    explicit PrinterCanvas(QPrinter &printer);

    bool begin();
    bool end();

    int widthPx() const override;
    int heightPx() const override;
    int widthMm() const override;
    int heightMm() const override;
    void setFont(const QString &family, int pointSize, bool bold = false, bool italic = false,
                 bool underline = false) override;
    void textOut(int x, int y, const QString &text) override;
    int textWidth(const QString &text) const override;
    int textHeight(const QString &text) const override;
    void setPenWidth(int px) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void setBrushColor(const QColor &color) override { m_brush = color; }
    void rectangle(const QRect &r) override;
    void fillRect(const QRect &r) override;
    bool newPage() override;
    QPainter *painter() override { return &m_painter; }

private:
    QPrinter &m_printer;
    QPainter m_painter;
    QFont m_font;
    // Measured on the printer: the screen's metrics are another resolution's.
    QFontMetrics m_metrics{QFont()};
    // Widths already measured in the current font: lists repeat their towns,
    // postcodes and empty cells, and every value is measured before it is
    // drawn.
    mutable QHash<QString, int> m_widths;
    QPen m_pen;
    QColor m_brush = Qt::white;
    QPoint m_at;
};

// The job's orientation on a printer for as long as it lives; then the
// orientation it found, so that no printout leaves its own to the next.
class JobOrientation
{
public:
    JobOrientation(QPrinter &printer, const PrintJob &job);
    ~JobOrientation();
    JobOrientation(const JobOrientation &) = delete;
    JobOrientation &operator=(const JobOrientation &) = delete;

private:
    QPrinter &m_printer;
    QPageLayout::Orientation m_found;
};

class QtPrintService : public PrintService
{
public:
    // Straight to the current printer, or through the preview window while
    // the preview is on.
    bool print(const PrintJob &job, const std::function<bool(Canvas &)> &draw) override;

    // The printer every printout goes to. The printer set-up dialog changes
    // it for the rest of the session; nothing of it is saved.
    static QPrinter &printer();
    // Prints on the given printer and reports what went wrong; the printer
    // keeps the orientation it had.
    static bool printOn(QPrinter &printer, const PrintJob &job, const std::function<bool(Canvas &)> &draw);
    // The printout as a PDF file with the current printer's page, written
    // whole before it replaces the file.
    static bool printToPdf(const QString &file, const PrintJob &job, const std::function<bool(Canvas &)> &draw);
    // A printer left at the screen's resolution would make every millimetre
    // 3 pixels instead of 3.78: positions shrink and lines collide. Printouts
    // are made at 300 dpi or more.
    static void ensureHighResolution(QPrinter &printer);
    static constexpr int kMinResolution = 300;
};
