#pragma once

#include "printout/printjob.h"

#include <QVector>
#include <stdexcept>

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

// Keeps every operation it receives, for tests. It can be told to fail at the n-th
// operation (counted from 0 over its lifetime) to simulate a printer that goes away.
class RecordingPrinter : public Printer
{
public:
    void apply(const PrintOp &op) override;

    QVector<PrintOp> ops;
    int failAt = -1;
};

// The printer the windows print on: the system's default printer, unless a test has set
// another one. The caller keeps ownership of what it sets; nullptr restores the default.
Printer &activePrinter();
void setActivePrinter(Printer *printer);

// Sends every operation of the job to the active printer; throws PrinterError on failure.
void sendToPrinter(const PrintJob &job);

// Sends the job and abandons it without a word on failure, as the combination and analysis
// printouts do by design. Returns whether it was printed.
bool printOrAbandon(const PrintJob &job);
