#include "platform/printer.h"

#include "platform/systemprinter.h"

namespace enalotto {

// Tests print on a printer of their own: their support library defines this function. The
// program does not, so there the weak reference stays null and the system printer is used.
[[gnu::weak]] Printer *printerForTests();

Printer &activePrinter()
{
    if (printerForTests) {
        if (Printer *printer = printerForTests())
            return *printer;
    }
    static SystemPrinter systemPrinter;
    return systemPrinter;
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

} // namespace enalotto
