#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace enalotto {

// The ten statistics of a winning column of six ascending numbers. The Jolly and the
// SuperStar take no part.
struct ColumnAnalysis
{
    int NPARI = 0; // even numbers
    int NDISP = 0; // odd numbers
    int INTE = 0;  // parity changes between neighbours
    int CONS = 0;  // neighbouring pairs that are consecutive
    int SOMMA = 0; // sum
    int MIN = 0;   // smallest interval between neighbours
    int MAS = 0;   // largest interval between neighbours
    int EST = 0;   // numbers of 1-90 outside the column's span
    int GP = 0;    // runs of the parity word with even length
    int GD = 0;    // runs of the parity word with odd length

    friend bool operator==(const ColumnAnalysis &a, const ColumnAnalysis &b)
    {
        return a.NPARI == b.NPARI && a.NDISP == b.NDISP && a.INTE == b.INTE && a.CONS == b.CONS &&
               a.SOMMA == b.SOMMA && a.MIN == b.MIN && a.MAS == b.MAS && a.EST == b.EST &&
               a.GP == b.GP && a.GD == b.GD;
    }
};

using Column = std::array<int, 6>;

// "P" for each even number, "D" for each odd one, in column order.
[[nodiscard]] QString parityWord(const Column &column);

// The maximal runs of equal letters of a parity word, from the left.
[[nodiscard]] QStringList parityGroups(const QString &word);

// The formulas hold for any six integers: unordered or repeated input gives what the
// formulas give (a negative interval, say), never a fault.
[[nodiscard]] ColumnAnalysis analyseColumn(const Column &column);

} // namespace enalotto
