#pragma once

#include "archive/displayeddraw.h"
#include "printout/printjob.h"

namespace enalotto {

// The combination and analysis pages start their lines 15 blanks in.
inline const QString PrintIndent = QString(15, u' ');

// A page of draw lines in Courier New 11: an empty line, `title` after the indent, an empty
// line. The combination and analysis pages start so.
[[nodiscard]] PrintJob drawPageStart(const QString &title);

// The six numbers as shown, joined by single blanks.
[[nodiscard]] QString joinedNumbers(const std::array<QString, 6> &numbers);

// The four-line page of "&STAMPA": empty, title with date, empty, the numbers with Jolly
// (column 48) and SuperStar (column 69).
[[nodiscard]] PrintJob combinationPrintout(const DisplayedDraw &draw);

// The one line of "&COPIA": six numbers, Jolly and SuperStar joined by single blanks.
[[nodiscard]] QString combinationCopyLine(const DisplayedDraw &draw);

} // namespace enalotto
