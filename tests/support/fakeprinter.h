#pragma once
// A print service for tests: every printout is drawn on a recording canvas of
// a chosen device and kept, so that tests check positions and page breaks.

#include "print/printing.h"
#include "print/recordingcanvas.h"

#include <QList>

#include <memory>
#include <vector>

class FakePrinter : public PrintService
{
public:
    // The device of the next printouts, as a portrait sheet: A4 at 600 dpi by
    // default. A landscape document gets it turned.
    int widthPx = 4960, heightPx = 7016, widthMm = 210, heightMm = 297;
    // A device that refuses to start this page (from 0) and every later one.
    int refuseNewPageFrom = -1;
    // False: no printer, as on a machine without one.
    bool available = true;

    QList<PrintJob> jobs;
    std::vector<std::unique_ptr<RecordingCanvas>> canvases;

    bool print(const PrintJob &job, const std::function<bool(Canvas &)> &draw) override;

    // The last printout's canvas; fails the test when nothing was printed.
    RecordingCanvas &last();
    void reset();

    static FakePrinter &instance();
};
