#pragma once

#include "archive/displayeddraw.h"
#include "printout/printjob.h"

#include <QString>
#include <array>

namespace enalotto {

// Which prize part the notice carries, from the background colour of the prize-pool box.
enum class PrizeSection
{
    Table,  // white: a prize pool was entered, print the prize table
    Filler, // light grey: the pool is zero, print blank lines where the table would stand
    None,   // any other colour: neither
};

// One row of the prize table: winners and the amount each.
struct CategoryValues
{
    QString winners;
    QString amount;
};

inline constexpr int CategoryCount = 11;

// The notice window's values at the click, as they stand.
struct NoticeInput
{
    std::array<QString, 3> header; // Text1, Text2, Text3
    QString contest;               // Form29 Label4
    QString date;                  // Form29 Label3
    DisplayedDraw draw;            // numbers, Jolly and SuperStar of the main window
    QString prizePool;             // Text4
    std::array<CategoryValues, CategoryCount> categories; // in printing order: 6 ... 0S
    QString jackpot;                                      // Text21
    PrizeSection section = PrizeSection::Table;
};

// The notice for the shop's window, on a grid of 31 columns in "Courier New" 30: header
// block, contest and date, numbers with Jolly and SuperStar, the prize section or a blank
// filler, and a footer at 14 points. Labels print regular, values bold, SuperStar rows italic.
[[nodiscard]] PrintJob noticePrintout(const NoticeInput &input);

// The 1-based start column that centres a text of this length on the 31-column grid.
[[nodiscard]] int centringColumn(qsizetype length);

} // namespace enalotto
