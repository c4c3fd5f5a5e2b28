#include "support/fakeprinter.h"

#include "core/dialogs.h"

#include <gtest/gtest.h>

bool FakePrinter::print(const PrintJob &job, const std::function<bool(Canvas &)> &draw)
{
    if (!available) {
        Dialogs::current().error(noPrinterText());
        return false;
    }
    auto canvas = std::make_unique<RecordingCanvas>(widthPx, heightPx, widthMm, heightMm);
    const bool drawn = draw(*canvas);
    jobs.append(job);
    canvases.push_back(std::move(canvas));
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
