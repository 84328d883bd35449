#include "support/recordingprinter.h"

namespace enalotto {
namespace {

Printer *testPrinter = nullptr;

} // namespace

// Overrides the program's weak hook: see activePrinter().
Printer *printerForTests()
{
    return testPrinter;
}

void setActivePrinter(Printer *printer)
{
    testPrinter = printer;
}

void RecordingPrinter::apply(const PrintOp &op)
{
    if (failAt >= 0 && ops.size() >= failAt)
        throw PrinterError("recording printer: simulated failure");
    ops.append(op);
}

} // namespace enalotto
