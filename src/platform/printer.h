#pragma once

#include "printout/printjob.h"

#include <stdexcept>

namespace enalotto {

// A printer failure (no printer, a refused font, a device fault). It interrupts the
// operation sequence where it happens; callers decide whether to tell the user.
class PrinterError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Receives a printout one operation at a time; any operation may throw PrinterError.
class Printer
{
public:
    virtual ~Printer() = default;
    virtual void apply(const PrintOp &op) = 0;
};

// The printer the windows print on: the system's default printer.
Printer &activePrinter();

// Sends every operation of the job to the active printer; throws PrinterError on failure.
void sendToPrinter(const PrintJob &job);

// Sends the job and abandons it without a word on failure, as the combination and analysis
// printouts do by design. Returns whether it was printed.
bool printOrAbandon(const PrintJob &job);

} // namespace enalotto
