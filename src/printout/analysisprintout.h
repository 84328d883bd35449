#pragma once

#include "printout/printjob.h"

#include <QString>
#include <array>

namespace enalotto {

// What the analysis window shows: the draw it analysed and its panel captions.
struct AnalysisView
{
    QString date;                   // the main window's draw date
    std::array<QString, 6> numbers; // the main window's CV captions
    QString jolly;                  // the main window's CJ caption
    QString colonna;
    QString somma, npari, ndisp, inte, gp, gd, cons, min, mas, est;
};

// The 15-line page: title, numbers with Jolly, then the ten values with their colons in
// column 43 and values from column 45.
[[nodiscard]] PrintJob analysisPrintout(const AnalysisView &view);

// The one-line copy, ended by CR LF.
[[nodiscard]] QString analysisCopyLine(const AnalysisView &view);

// The COLONNA caption: the six numbers and the Jolly, two blanks apart, "J." before the Jolly.
[[nodiscard]] QString colonnaCaption(const std::array<QString, 6> &numbers, const QString &jolly);

} // namespace enalotto
