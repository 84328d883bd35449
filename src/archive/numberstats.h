#pragma once

#include "archive/drawarchive.h"

#include <QVector>
#include <array>

namespace enalotto {

// How often each value 0-90 came out, its current delay (draws since it last came out) and
// its longest delay, over a list of draws each given as the values it holds.
struct NumberStats
{
    int count = 0;
    int currentDelay = 0;
    int longestDelay = 0;
};
using NumberTable = std::array<NumberStats, 91>;
[[nodiscard]] NumberTable numberStats(const QVector<QVector<int>> &draws);

// The figures of the six numbers, the Jolly and the SuperStar over a run of draws. The
// SuperStar is counted from its first draw on ("00" marks the draws before it).
struct ArchiveStats
{
    NumberTable six;
    NumberTable jolly;
    NumberTable superStar;
    qsizetype superStarDraws = 0; // draws from the first with a SuperStar on
};
[[nodiscard]] ArchiveStats archiveStats(const QVector<ArchiveDraw> &draws);

} // namespace enalotto
