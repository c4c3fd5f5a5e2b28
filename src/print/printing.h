#pragma once
// The one way a printout reaches paper. A window or the record window hands a
// job and a drawing function; the installed service gives it a canvas (the
// current printer, the preview, or in tests a recording canvas) and reports
// every failure to the user itself.

#include "print/canvas.h"

#include <QString>

#include <functional>

struct PrintJob
{
    QString title;          // the document's title in the print queue
    bool landscape = false; // the orientation is set before the document starts
};

class PrintService
{
public:
    virtual ~PrintService() = default;

    // draw() gets a canvas with its first page open and draws every page,
    // calling Canvas::newPage between them; it returns false to abandon the
    // document (a page the device refused). False when nothing was printed;
    // the user has then been told why (no printer, a refused page...).
    virtual bool print(const PrintJob &job, const std::function<bool(Canvas &)> &draw) = 0;

    // While on, every printout opens in a preview window, from which the user
    // prints it or saves it as a PDF file.
    virtual void setPreview(bool on) { m_preview = on; }
    bool preview() const { return m_preview; }

    // The installed service; without one, printing reports that no printer is
    // available.
    static PrintService &current();
    static void install(PrintService *service);

private:
    bool m_preview = false;
};

// The message of a printout that cannot start for want of a printer.
QString noPrinterText();
// The device gives no printable area to place a printout on.
QString noAreaText();
// The printer was there but refused to start the document.
QString beginFailedText();
// The printer refused a new page: the document was abandoned.
QString pageFailedText();
// The printer did not finish the document.
QString endFailedText();
