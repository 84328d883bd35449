#include "platform/printer.h"

#include "platform/systemprinter.h"

namespace {

Printer *overridePrinter = nullptr;

} // namespace

void RecordingPrinter::apply(const PrintOp &op)
{
    if (failAt >= 0 && ops.size() >= failAt)
        throw PrinterError("recording printer: simulated failure");
    ops.append(op);
}

Printer &activePrinter()
{
    if (overridePrinter)
        return *overridePrinter;
    static SystemPrinter systemPrinter;
    return systemPrinter;
}

void setActivePrinter(Printer *printer)
{
    overridePrinter = printer;
}

void sendToPrinter(const PrintJob &job)
{
    Printer &printer = activePrinter();
    for (const PrintOp &op : job.ops())
        printer.apply(op);
}

bool printOrAbandon(const PrintJob &job)
{
    try {
        sendToPrinter(job);
        return true;
    } catch (const PrinterError &) {
        return false; // no message, no retry: the design abandons these printouts silently
    }
}
