#pragma once

#include "platform/printer.h"

#include <QVector>

namespace enalotto {

// Keeps every operation it receives. It can be told to fail at the n-th operation (counted
// from 0 over its lifetime) to simulate a printer that goes away.
class RecordingPrinter : public Printer
{
public:
    void apply(const PrintOp &op) override;

    QVector<PrintOp> ops;
    int failAt = -1;
};

// Makes the windows print on `printer` (kept by the caller) instead of the system printer;
// nullptr restores the system printer.
void setActivePrinter(Printer *printer);

} // namespace enalotto
