#pragma once

#include <QString>
#include <array>

// The draw as the main window shows it: the texts of its display controls, unchanged.
// Every other window reads the draw this way, never from the archive.
struct DisplayedDraw
{
    QString date;                   // caption of Frame3D1, 9 characters
    QString contest;                // caption of Label3, a number or "__"
    std::array<QString, 6> numbers; // captions of CV0 ... CV5, ascending
    QString jolly;                  // caption of CJ
    QString superStar;              // caption of ss
};
