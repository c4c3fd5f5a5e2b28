#include "support/fakeprinter.h"

#include "core/dialogs.h"

#include <gtest/gtest.h>

bool FakePrinter::print(const PrintJob &job, const std::function<bool(Canvas &)> &draw)
{
    if (!available) {
        Dialogs::current().error(noPrinterText());
        return false;
    }
    // A landscape document turns the sheet.
    auto canvas = job.landscape ? std::make_unique<RecordingCanvas>(heightPx, widthPx, heightMm, widthMm)
                                : std::make_unique<RecordingCanvas>(widthPx, heightPx, widthMm, heightMm);
    canvas->refuseNewPageFrom(refuseNewPageFrom);
    jobs.append(job);
    if (!Placement::of(*canvas)) {
        Dialogs::current().error(noAreaText());
        return false;
    }
    const bool drawn = draw(*canvas);
    canvases.push_back(std::move(canvas));
    if (!drawn)
        Dialogs::current().error(pageFailedText());
    return drawn;
}

RecordingCanvas &FakePrinter::last()
{
    static RecordingCanvas empty;
    if (canvases.empty()) {
        ADD_FAILURE() << "nothing was printed";
        return empty;
    }
    return *canvases.back();
}

void FakePrinter::reset()
{
    *this = FakePrinter();
}

FakePrinter &FakePrinter::instance()
{
    static FakePrinter printer;
    return printer;
}
